#include "model/codepages.h"

#include <array>

namespace {

constexpr std::array<char16_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

constexpr std::array<char16_t, 32> kWindows1252C1 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeWindows1252Char(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
  for (std::size_t i = 0; i < kWindows1252C1.size(); ++i)
    if (kWindows1252C1[i] == ch) return static_cast<char>(0x80 + i);
  return '?';
}

constexpr std::array<std::string_view, 3> kCodePageNames = {"latin1", "cp1252", "cp437"};

// The five bytes Windows-1252 leaves unassigned.
bool IsWindows1252Gap(std::uint8_t code) {
  return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

bool ContinuationBytesFollow(std::string_view utf8, std::size_t lead, int extra) {
  if (lead + static_cast<std::size_t>(extra) >= utf8.size()) return false;
  for (int k = 1; k <= extra; ++k)
    if ((static_cast<unsigned char>(utf8[lead + k]) & 0xC0) != 0x80) return false;
  return true;
}

}  // namespace

char32_t Cp437ToUnicode(std::uint8_t byte) { return byte < 0x80 ? byte : kCp437High[byte - 0x80]; }

char32_t Windows1252ToUnicode(std::uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kWindows1252C1[byte - 0x80] : byte;
}

std::string EncodeWindows1252(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t ch : text) out.push_back(EncodeWindows1252Char(ch));
  return out;
}

std::u32string Utf8ToUtf32(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || !ContinuationBytesFollow(utf8, i, extra)) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    char32_t ch = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) ch = (ch << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(ch);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string Utf32ToUtf8(std::u32string_view text) {
  std::string out;
  for (const char32_t ch : text) {
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
  }
  return out;
}

std::optional<char32_t> CodePointOf(CodePage page, std::uint8_t code) {
  switch (page) {
    case CodePage::Latin1:
      return code;
    case CodePage::Windows1252:
      if (IsWindows1252Gap(code)) return std::nullopt;
      return Windows1252ToUnicode(code);
    case CodePage::Cp437:
      return Cp437ToUnicode(code);
  }
  return std::nullopt;
}

std::optional<std::uint8_t> CodeOf(CodePage page, char32_t codePoint) {
  if (page == CodePage::Latin1) {
    if (codePoint > 0xFF) return std::nullopt;
    return static_cast<std::uint8_t>(codePoint);
  }
  for (int code = 0; code < 256; ++code)
    if (CodePointOf(page, static_cast<std::uint8_t>(code)) == codePoint) return static_cast<std::uint8_t>(code);
  return std::nullopt;
}

std::string_view CodePageName(CodePage page) { return kCodePageNames.at(static_cast<std::size_t>(page)); }

std::optional<CodePage> FindCodePage(std::string_view name) {
  for (std::size_t i = 0; i < kCodePageNames.size(); ++i)
    if (kCodePageNames[i] == name) return static_cast<CodePage>(i);
  return std::nullopt;
}
