#include "export/csourcetext.h"

#include "export/textfile.h"
#include "model/codepages.h"
#include "model/ioerror.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <filesystem>

namespace {

constexpr std::size_t kLineLength = 80;
constexpr std::size_t kBytesPerLine = 12;

}  // namespace

std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

std::string CreatorHead(std::string_view what) {
  const std::string frame = "/*" + std::string(kLineLength - 4, '-') + "*/";
  std::string creator = "/* " + std::string(what) + " created with <kelvaront>-Rastermeister";
  creator.resize(kLineLength - 2, ' ');
  creator += "*/";
  const std::string crlf(kCrLf);
  return frame + crlf + creator + crlf + frame + crlf;
}

std::string EofLine() {
  const std::string start = "/*- EOF ";
  return start + std::string(kLineLength - start.size() - 2, '-') + "*/" + std::string(kCrLf);
}

std::string SourceName(const std::string& filename) { return std::filesystem::path(filename).stem().string(); }

std::string CIdentifier(std::string_view name) {
  std::string identifier;
  for (const char32_t c : Utf8ToUtf32(name)) {
    const bool valid = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    identifier += valid ? static_cast<char>(c) : '_';
  }
  return identifier;
}

std::string CharacterText(int c) {
  if (c < 32) return {};
  return "'" + Utf32ToUtf8(std::u32string(1, static_cast<char32_t>(c))) + "'";
}

std::string ByteBlock(const ByteArray& bytes, std::size_t countBefore, std::string_view lineBreak) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string block = "  ";
  block.reserve(2 + bytes.size() * 9);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char entry[] = {'0', 'x', kHexDigits[bytes[i] >> 4], kHexDigits[bytes[i] & 0xF], ',', ' '};
    block.append(entry, sizeof entry);
    const bool last = i + 1 == bytes.size();
    if (!last && (countBefore + i + 1) % kBytesPerLine == 0) {
      block += lineBreak;
      block += "  ";
    }
  }
  return block;
}

InkBox InkBoxOf(const TFontHandler& font, int c) {
  int left = font.FontWidth();
  int right = -1;
  int top = font.FontHeight();
  int bottom = -1;
  for (int y = 0; y < font.FontHeight(); ++y)
    for (int x = 0; x < font.FontWidth(); ++x)
      if (font.GetPixel(c, x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

bool RowInked(const TFontHandler& font, int c, int width, int y) {
  for (int x = 0; x < width; ++x)
    if (font.GetPixel(c, x, y)) return true;
  return false;
}

void RequireValidFont(const TFontHandler& font) {
  if (!font.Fontvalid()) throw NoDataToExportError();
}
