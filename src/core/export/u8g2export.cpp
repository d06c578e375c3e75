#include "export/u8g2export.h"

#include "export/csourcetext.h"
#include "export/textfile.h"
#include "model/u8g2font.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

using namespace U8g2Format;

// Glyphs above 255 per entry of the Unicode jump table, as bdfconv has it.
constexpr int kGlyphsPerJump = 100;
constexpr char32_t kLastJump = 0xFFFF;
constexpr int kBytesPerLine = 32;

// A run of background pixels and the run of ink pixels after it.
struct Run {
  int zeros = 0;
  int ones = 0;
};

struct Glyph {
  char32_t encoding = 0;
  int code = 0;
  int width = 0;  // of the ink box
  int height = 0;
  int x = 0;  // of the box's left column right of the pen
  int y = 0;  // of the box's lowest row above the baseline
  int advance = 0;
  std::vector<Run> runs;

  int EncodingBytes() const { return encoding > 0xFF ? 2 : 1; }
};

struct FieldBits {
  int width = 0;
  int height = 0;
  int x = 1;
  int y = 1;
  int advance = 1;

  int Sum() const { return width + height + x + y + advance; }
};

int UnsignedBits(int value) {
  int bits = 0;
  for (; value != 0; value /= 2) ++bits;
  return bits;
}

int SignedBits(int value) { return UnsignedBits(value < 0 ? -value - 1 : value) + 1; }

// Emits the runs as u8g2's decoder reads them: a pair of run lengths, each
// followed by a bit that repeats it (1) or reads the next pair (0); longer
// runs are split into the largest lengths the widths hold.
template <typename Put>
void EmitRuns(const std::vector<Run>& runs, U8g2RunBits bits, Put&& put) {
  const int maxZeros = (1 << bits.zeros) - 1;
  const int maxOnes = (1 << bits.ones) - 1;
  bool first = true;
  Run last;
  const auto pair = [&](int zeros, int ones) {
    if (!first && zeros == last.zeros && ones == last.ones) return put(1, 1);
    if (!first) put(1, 0);
    put(bits.zeros, zeros);
    put(bits.ones, ones);
    first = false;
    last = {zeros, ones};
  };
  for (Run run : runs) {
    for (; run.zeros >= maxZeros; run.zeros -= maxZeros) pair(maxZeros, 0);
    for (; run.ones >= maxOnes; run.ones -= maxOnes, run.zeros = 0) pair(run.zeros, maxOnes);
    if (run.zeros != 0 || run.ones != 0) pair(run.zeros, run.ones);
  }
  put(1, 0);
}

// The glyph's record: encoding, size and the bit stream to its last byte.
int GlyphBytes(const Glyph& glyph, const FieldBits& fields, U8g2RunBits bits) {
  long streamBits = fields.Sum();
  EmitRuns(glyph.runs, bits, [&streamBits](int count, unsigned) { streamBits += count; });
  return glyph.EncodingBytes() + 1 + static_cast<int>((streamBits + 7) / 8);
}

class BitWriter {
 public:
  explicit BitWriter(ByteArray& bytes) : fbytes(bytes) {}
  void Put(int count, unsigned value) {
    for (int i = 0; i < count; ++i, fbit = (fbit + 1) % 8) {
      if (fbit == 0) fbytes.push_back(0);
      fbytes.back() |= static_cast<std::uint8_t>(((value >> i) & 1u) << fbit);
    }
  }
  // A signed field holds the value plus half its range.
  void PutSigned(int count, int value) { Put(count, static_cast<unsigned>(value + (1 << (count - 1)))); }

 private:
  ByteArray& fbytes;
  int fbit = 0;
};

void AppendGlyph(ByteArray& out, const Glyph& glyph, const FieldBits& fields, U8g2RunBits bits) {
  const std::size_t start = out.size();
  if (glyph.EncodingBytes() == 2) out.push_back(static_cast<std::uint8_t>(glyph.encoding >> 8));
  out.push_back(static_cast<std::uint8_t>(glyph.encoding & 0xFF));
  const std::size_t sizeAt = out.size();
  out.push_back(0);
  BitWriter writer(out);
  writer.Put(fields.width, static_cast<unsigned>(glyph.width));
  writer.Put(fields.height, static_cast<unsigned>(glyph.height));
  writer.PutSigned(fields.x, glyph.x);
  writer.PutSigned(fields.y, glyph.y);
  writer.PutSigned(fields.advance, glyph.advance);
  EmitRuns(glyph.runs, bits, [&writer](int count, unsigned value) { writer.Put(count, value); });
  out[sizeAt] = static_cast<std::uint8_t>(out.size() - start);
}

// The rows top to bottom, each left to right, as alternating runs starting
// with background.
std::vector<Run> RunsOf(const TFontHandler& font, int c, int left, int top, int width, int height) {
  std::vector<Run> runs(1);
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      const bool ink = font.GetPixel(c, x, y);
      if (!ink && runs.back().ones > 0) runs.push_back({});
      (ink ? runs.back().ones : runs.back().zeros) += 1;
    }
  return runs;
}

// The glyph of code c, cut to the ink anywhere in its cell; nothing for a
// code without ink and width.
std::optional<Glyph> CutGlyph(const TFontHandler& font, int c, char32_t encoding) {
  const InkBox ink = InkBoxOf(font, c);
  const int advance = font.GetCharSize(c);
  if (ink.width == 0 && advance == 0) return std::nullopt;
  Glyph glyph{encoding, c, 0, 0, 0, 0, advance, {}};
  if (ink.width == 0) return glyph;
  glyph.width = ink.width;
  glyph.height = ink.height;
  glyph.x = ink.left;
  glyph.y = font.BaseLine() - ink.top - ink.height;
  glyph.runs = RunsOf(font, c, ink.left, ink.top, glyph.width, glyph.height);
  return glyph;
}

struct Glyphs {
  std::vector<Glyph> list;  // by encoding
  int unmapped = 0;
};

Glyphs CutGlyphs(const TFontHandler& font, CodePage codePage) {
  Glyphs glyphs;
  for (int c = 1; c < kGlyphCount; ++c) {
    const std::optional<char32_t> encoding = CodePointOf(codePage, static_cast<std::uint8_t>(c));
    std::optional<Glyph> glyph = CutGlyph(font, c, encoding.value_or(0));
    if (glyph && !encoding) ++glyphs.unmapped;
    if (glyph && encoding) glyphs.list.push_back(std::move(*glyph));
  }
  std::sort(glyphs.list.begin(), glyphs.list.end(),
            [](const Glyph& a, const Glyph& b) { return a.encoding < b.encoding; });
  return glyphs;
}

FieldBits FieldBitsOf(const std::vector<Glyph>& glyphs) {
  FieldBits fields;
  for (const Glyph& glyph : glyphs) {
    fields.width = std::max(fields.width, UnsignedBits(glyph.width));
    fields.height = std::max(fields.height, UnsignedBits(glyph.height));
    fields.x = std::max(fields.x, SignedBits(glyph.x));
    fields.y = std::max(fields.y, SignedBits(glyph.y));
    fields.advance = std::max(fields.advance, SignedBits(glyph.advance));
  }
  return fields;
}

// The glyph bytes with these widths; nothing once they reach the bound or a
// glyph outgrows its record.
std::optional<long> GlyphTotal(const std::vector<Glyph>& glyphs, const FieldBits& fields, U8g2RunBits bits,
                               long bound) {
  long total = 0;
  for (const Glyph& glyph : glyphs) {
    const int bytes = GlyphBytes(glyph, fields, bits);
    total += bytes;
    if (bytes > kMaxGlyphBytes || total >= bound) return std::nullopt;
  }
  return total;
}

template <typename Visit>
void ForEachRunBits(Visit&& visit) {
  for (int zeros = kU8g2MinZeroBits; zeros <= kU8g2MaxZeroBits; ++zeros)
    for (int ones = kU8g2MinOneBits; ones <= kU8g2MaxOneBits; ++ones) visit(U8g2RunBits{zeros, ones});
}

[[noreturn]] void RefuseLargeGlyph(const std::vector<Glyph>& glyphs, const FieldBits& fields) {
  // Named under the widths that would give the smallest font.
  U8g2RunBits smallest;
  long best = std::numeric_limits<long>::max();
  ForEachRunBits([&](U8g2RunBits bits) {
    long total = 0;
    for (const Glyph& glyph : glyphs) total += GlyphBytes(glyph, fields, bits);
    if (total < best) {
      best = total;
      smallest = bits;
    }
  });
  // No widths fit every glyph, so these leave one out too.
  const Glyph& glyph = *std::find_if(glyphs.begin(), glyphs.end(), [&](const Glyph& candidate) {
    return GlyphBytes(candidate, fields, smallest) > kMaxGlyphBytes;
  });
  const int bytes = GlyphBytes(glyph, fields, smallest);
  throw U8g2LimitError(U8g2LimitError::Reason::GlyphSize, glyph.code, bytes,
                       Printf("Zeichen %d (0x%2.2X) braucht im u8g2-Font %d Bytes; u8g2 fasst höchstens %d Bytes "
                              "je Zeichen.\rBitte das Zeichen vereinfachen oder die Zeichenzelle verkleinern.",
                              glyph.code, glyph.code, bytes, kMaxGlyphBytes));
}

// The widths of the smallest font among those bdfconv tries, the first of
// equals in its order.
U8g2RunBits SmallestRunBits(const std::vector<Glyph>& glyphs, const FieldBits& fields) {
  std::optional<U8g2RunBits> chosen;
  long best = std::numeric_limits<long>::max();
  ForEachRunBits([&](U8g2RunBits bits) {
    if (const std::optional<long> total = GlyphTotal(glyphs, fields, bits, best)) {
      best = *total;
      chosen = bits;
    }
  });
  if (!chosen) RefuseLargeGlyph(glyphs, fields);
  return *chosen;
}

void RequireGlyphsFit(const std::vector<Glyph>& glyphs, const FieldBits& fields, U8g2RunBits bits) {
  if (!GlyphTotal(glyphs, fields, bits, std::numeric_limits<long>::max())) RefuseLargeGlyph(glyphs, fields);
}

// The ascent and the descent go into signed bytes, the glyphs' y offsets
// between them into at most eight bits.
void RequireUsableBaseLine(const TFontHandler& font) {
  const int baseLine = font.BaseLine();
  const int lowest = font.FontHeight() - 128;
  if (baseLine >= lowest && baseLine <= 127) return;
  throw U8g2LimitError(U8g2LimitError::Reason::BaseLine, baseLine, 0,
                       Printf("Die Grundlinie %d passt nicht in den u8g2-Font; er braucht eine Grundlinie von %d "
                              "bis 127.",
                              baseLine, std::max(lowest, -128)));
}

void PutWord(ByteArray& out, std::size_t at, std::size_t value) {
  out[at] = static_cast<std::uint8_t>(value >> 8);
  out[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

ByteArray Header(const TFontHandler& font, std::size_t glyphs, const FieldBits& fields, U8g2RunBits bits) {
  const auto byte = [](int value) { return static_cast<std::uint8_t>(value); };
  const int ascent = font.BaseLine();
  const int descent = font.BaseLine() - font.FontHeight();
  ByteArray out(kHeaderSize, 0);
  out[GlyphCount] = byte(static_cast<int>(glyphs));
  out[ZeroRunBits] = byte(bits.zeros);
  out[OneRunBits] = byte(bits.ones);
  out[WidthBits] = byte(fields.width);
  out[HeightBits] = byte(fields.height);
  out[XBits] = byte(fields.x);
  out[YBits] = byte(fields.y);
  out[AdvanceBits] = byte(fields.advance);
  out[MaxWidth] = byte(font.FontWidth());
  out[MaxHeight] = byte(font.FontHeight());
  out[MaxY] = byte(descent);
  for (const Field field : {AscentA, AscentParenthesis}) out[field] = byte(ascent);
  for (const Field field : {DescentG, DescentParenthesis}) out[field] = byte(descent);
  return out;
}

// The glyphs below 256, each start position pointing at the first glyph of
// its range (or at the closing pair).
void AppendByteGlyphs(ByteArray& out, const std::vector<Glyph>& glyphs, const FieldBits& fields, U8g2RunBits bits) {
  std::optional<std::size_t> upperA;
  std::optional<std::size_t> lowerA;
  for (const Glyph& glyph : glyphs) {
    if (glyph.encoding > 0xFF) break;
    const std::size_t position = out.size() - kHeaderSize;
    if (!upperA && glyph.encoding >= 'A') upperA = position;
    if (!lowerA && glyph.encoding >= 'a') lowerA = position;
    AppendGlyph(out, glyph, fields, bits);
  }
  const std::size_t end = out.size() - kHeaderSize;
  PutWord(out, StartUpperA, upperA.value_or(end));
  PutWord(out, StartLowerA, lowerA.value_or(end));
  out.insert(out.end(), {0, 0});
}

// The jump table: entry i leads from the previous block (or the table) to
// block i and holds its last encoding, the last entry 0xFFFF; the last block
// takes the rest. One entry per hundred glyphs, at least one.
void AppendUnicodeGlyphs(ByteArray& out, const std::vector<Glyph>& glyphs, const FieldBits& fields, U8g2RunBits bits) {
  PutWord(out, StartUnicode, out.size() - kHeaderSize);
  const auto first =
      std::find_if(glyphs.begin(), glyphs.end(), [](const Glyph& glyph) { return glyph.encoding > 0xFF; });
  const std::vector<Glyph> unicode(first, glyphs.end());
  const std::size_t entries = std::max<std::size_t>(1, unicode.size() / kGlyphsPerJump);
  const std::size_t table = out.size();
  out.resize(table + 4 * entries, 0);
  std::size_t blockStart = table;
  for (std::size_t i = 0; i < unicode.size(); ++i) {
    const std::size_t block = std::min(i / kGlyphsPerJump, entries - 1);
    if (i == block * kGlyphsPerJump) {
      const std::size_t entry = table + 4 * block;
      PutWord(out, entry, out.size() - blockStart);
      const bool last = block + 1 == entries;
      PutWord(out, entry + 2, last ? kLastJump : unicode[i + kGlyphsPerJump - 1].encoding);
      blockStart = out.size();
    }
    AppendGlyph(out, unicode[i], fields, bits);
  }
  if (unicode.empty()) {
    PutWord(out, table, 4);
    PutWord(out, table + 2, kLastJump);
  }
  out.insert(out.end(), {0, 0});
}

// As bdfconv writes it: printable ASCII stands as it is; digits, '"', '\',
// '?' (trigraphs) and all others as octal escapes, so no escape runs on.
std::string StringLiteralLines(const ByteArray& bytes) {
  std::string text = "  \"";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::uint8_t b = bytes[i];
    const bool plain = b >= 32 && b < 127 && b != '"' && b != '\\' && b != '?' && !(b >= '0' && b <= '9');
    text += plain ? std::string(1, static_cast<char>(b)) : Printf("\\%o", b);
    if ((i + 1) % kBytesPerLine == 0 && i + 1 < bytes.size()) text += "\"" + std::string(kCrLf) + "  \"";
  }
  return text + "\"";
}

std::string U8g2Text(const TFontHandler& font, const U8g2Font& u8g2, const std::string& name) {
  const std::string crlf(kCrLf);
  const std::string id = "u8g2_font_" + CIdentifier(name);
  std::string text = CreatorHead("u8g2 Font");
  text += Printf("// %s (%d x %d Pixel) baseline %d, %d glyphs, %zu bytes", id.c_str(), font.FontWidth(),
                 font.FontHeight(), font.BaseLine(), u8g2.glyphs, u8g2.data.size()) +
          crlf;
  text += Printf("const uint8_t %s[%zu] U8G2_FONT_SECTION(\"%s\") = ", id.c_str(), u8g2.data.size(), id.c_str()) + crlf;
  // The closing zero is the literal's own terminator.
  const ByteArray shown(u8g2.data.begin(), u8g2.data.end() - 1);
  text += StringLiteralLines(shown) + ";" + crlf;
  return text + EofLine();
}

}  // namespace

U8g2Font MakeU8g2Font(const TFontHandler& font, CodePage codePage, std::optional<U8g2RunBits> runBits) {
  RequireValidFont(font);
  RequireUsableBaseLine(font);
  const Glyphs glyphs = CutGlyphs(font, codePage);
  const FieldBits fields = FieldBitsOf(glyphs.list);
  U8g2Font u8g2;
  if (runBits) RequireGlyphsFit(glyphs.list, fields, *runBits);
  u8g2.runBits = runBits ? *runBits : SmallestRunBits(glyphs.list, fields);
  u8g2.glyphs = static_cast<int>(glyphs.list.size());
  u8g2.unmappedCodes = glyphs.unmapped;
  u8g2.data = Header(font, glyphs.list.size(), fields, u8g2.runBits);
  AppendByteGlyphs(u8g2.data, glyphs.list, fields, u8g2.runBits);
  AppendUnicodeGlyphs(u8g2.data, glyphs.list, fields, u8g2.runBits);
  return u8g2;
}

int ExportU8g2(const TFontHandler& font, const std::string& filename, CodePage codePage) {
  const U8g2Font u8g2 = MakeU8g2Font(font, codePage);
  WriteTextFile(filename, U8g2Text(font, u8g2, SourceName(filename)));
  return u8g2.unmappedCodes;
}
