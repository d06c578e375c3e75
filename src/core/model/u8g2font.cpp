#include "model/u8g2font.h"

#include "model/ctokenizer.h"
#include "model/fontimport.h"
#include "model/glyphcell.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace U8g2Format;

constexpr FileKind kU8g2Kind{"u8g2-Font", "u8g2 font"};
constexpr std::string_view kSection = "U8G2_FONT_SECTION";
// Far more than the largest font the 16-bit start positions can address.
constexpr std::size_t kLargestArray = std::size_t{1} << 20;
constexpr unsigned kLastJump = 0xFFFF;

// The array's bytes and the line each came from.
struct FontArray {
  ByteArray bytes;
  std::vector<std::pair<std::size_t, std::size_t>> starts;  // first byte of a literal, its line
  std::size_t line = 1;

  std::size_t LineOf(std::size_t offset) const {
    std::size_t found = line;
    for (const auto& [first, literalLine] : starts)
      if (first <= offset) found = literalLine;
    return found;
  }
};

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Reads the array's declaration and joins its string literals.
class SourceParser {
 public:
  explicit SourceParser(const ByteArray& data)
      : ftokens(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())) {
    fcurrent = ftokens.Next();
  }

  FontArray Read() {
    std::optional<std::size_t> declared = FindSection();
    FontArray array;
    array.line = fcurrent.line;
    Step();
    Expect('(');
    if (fcurrent.kind != CToken::Kind::Literal) throw Unexpected("Der Name des Fonts", "the name of the font");
    Step();
    Expect(')');
    Expect('=');
    if (!IsString()) throw Unexpected("Eine Zeichenkette", "a string literal");
    while (IsString()) {
      array.starts.emplace_back(array.bytes.size(), fcurrent.line);
      AppendLiteral(array.bytes);
      Step();
    }
    Expect(';');
    Complete(array, declared);
    return array;
  }

 private:
  FilePlace Here() const { return FilePlace::Line(kU8g2Kind, fcurrent.line); }
  void Step() { fcurrent = ftokens.Next(); }
  bool IsString() const { return fcurrent.kind == CToken::Kind::Literal && fcurrent.text.front() == '"'; }

  FontFileError Unexpected(const std::string& german, const std::string& english) const {
    if (fcurrent.kind == CToken::Kind::End)
      return Here().Error("Die Datei endet, wo " + german + " stehen müsste.",
                          "the file ends where " + english + " should follow");
    return Here().Error(german + " erwartet, gefunden: " + QuotedWord(fcurrent.text) + ".",
                        "expected " + english + ", found " + QuotedWord(fcurrent.text));
  }

  void Expect(char punctuator) {
    if (!fcurrent.Is(punctuator)) {
      const std::string text = std::string("'") + punctuator + "'";
      throw Unexpected(text, text);
    }
    Step();
  }

  // Walks to the section's name; returns the array size declared before it.
  std::optional<std::size_t> FindSection() {
    std::optional<std::size_t> declared;
    while (!(fcurrent.kind == CToken::Kind::Identifier && fcurrent.text == kSection)) {
      if (fcurrent.kind == CToken::Kind::End)
        throw Here().Error("Die Datei enthält kein U8G2_FONT_SECTION-Array.",
                           "the file holds no U8G2_FONT_SECTION array");
      if (fcurrent.Is(';') || fcurrent.Is('}')) declared.reset();
      const bool opens = fcurrent.Is('[');
      Step();
      if (opens) declared = DeclaredSize();
    }
    return declared;
  }

  std::optional<std::size_t> DeclaredSize() {
    if (fcurrent.kind != CToken::Kind::Number) return std::nullopt;
    std::size_t size = 0;
    const std::string_view text = fcurrent.text;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size > kLargestArray)
      throw Here().Error("Die Array-Größe " + QuotedWord(text) + " ist ungültig oder zu groß.",
                         "the array size " + QuotedWord(text) + " is malformed or too large");
    Step();
    return size;
  }

  void AppendLiteral(ByteArray& bytes) const {
    const std::string_view text = fcurrent.text;
    if (text.size() < 2 || text.back() != '"')
      throw Here().Error("Die Zeichenkette endet nicht in ihrer Zeile.", "the string literal does not end on its line");
    for (std::size_t i = 1; i + 1 < text.size();) bytes.push_back(Character(text, i));
    if (bytes.size() > kLargestArray) throw Here().Error("Das Font-Array ist zu groß.", "the font array is too large");
  }

  // The character at i, an escape sequence read as a C compiler reads it.
  std::uint8_t Character(std::string_view text, std::size_t& i) const {
    const std::size_t end = text.size() - 1;
    if (text[i] != '\\') return static_cast<std::uint8_t>(text[i++]);
    const char kind = text[i + 1];
    i += 2;
    static constexpr std::string_view kSimple = "abfnrtv\\'\"?";
    static constexpr std::array<std::uint8_t, 11> kSimpleValues = {7, 8, 12, 10, 13, 9, 11, '\\', '\'', '"', '?'};
    if (const std::size_t simple = kSimple.find(kind); simple != std::string_view::npos) return kSimpleValues[simple];
    unsigned value = 0;
    if (kind >= '0' && kind <= '7') {
      value = static_cast<unsigned>(kind - '0');
      for (int digits = 1; digits < 3 && i < end && text[i] >= '0' && text[i] <= '7'; ++digits, ++i)
        value = value * 8 + static_cast<unsigned>(text[i] - '0');
    } else if (kind == 'x' && i < end && HexValue(text[i]) >= 0) {
      for (; i < end && HexValue(text[i]) >= 0 && value <= 0xFF; ++i) value = value * 16 + HexValue(text[i]);
    } else {
      throw Here().Error("Die Escape-Sequenz " + QuotedWord(text.substr(i - 2, 2)) + " ist ungültig.",
                         "the escape sequence " + QuotedWord(text.substr(i - 2, 2)) + " is malformed");
    }
    if (value > 0xFF)
      throw Here().Error("Eine Escape-Sequenz ergibt mehr als ein Byte.", "an escape sequence exceeds a byte");
    return static_cast<std::uint8_t>(value);
  }

  // The literal's terminator, or zeros up to the declared size.
  static void Complete(FontArray& array, std::optional<std::size_t> declared) {
    if (!declared) {
      array.bytes.push_back(0);
      return;
    }
    if (array.bytes.size() > *declared)
      throw FilePlace::Line(kU8g2Kind, array.line)
          .Error("Die Zeichenketten ergeben " + std::to_string(array.bytes.size()) + " Bytes, mehr als die " +
                     std::to_string(*declared) + " des Arrays.",
                 "the string literals hold " + std::to_string(array.bytes.size()) + " bytes, more than the array's " +
                     std::to_string(*declared));
    array.bytes.resize(*declared, 0);
  }

  CTokenizer ftokens;
  CToken fcurrent;
};

// Reads the bits of one glyph record from the lowest bit of each byte up.
class BitReader {
 public:
  BitReader(const ByteArray& bytes, std::size_t from, std::size_t end) : fbytes(bytes), fpos(from), fend(end) {}

  unsigned Get(int count) {
    unsigned value = 0;
    for (int i = 0; i < count; ++i) {
      if (fpos >= fend) {
        foverrun = true;
        return 0;
      }
      value |= ((fbytes[fpos] >> fbit) & 1u) << i;
      if (++fbit == 8) {
        fbit = 0;
        ++fpos;
      }
    }
    return value;
  }
  int Signed(int count) { return static_cast<int>(Get(count)) - (1 << (count - 1)); }
  bool Overrun() const { return foverrun; }

 private:
  const ByteArray& fbytes;
  std::size_t fpos;
  std::size_t fend;
  int fbit = 0;
  bool foverrun = false;
};

struct GlyphRecord {
  unsigned encoding = 0;
  std::size_t start = 0;
  PlacedGlyph glyph;
};

// Checks the font data the way u8g2's decoder walks it and decodes every glyph.
class FontDecoder {
 public:
  FontDecoder(const FontArray& array, CodePage codePage) : farray(array), f(array.bytes), fcodePage(codePage) {}

  ImportedFont Decode() {
    if (f.size() < kHeaderSize + 2)
      throw Fault(0, "Der Font ist kürzer als sein Kopf.", "the font is shorter than its header");
    RequireFieldBits();
    const std::vector<GlyphRecord> bytes = ByteGlyphs();
    RequireStart(StartUpperA, 'A', bytes);
    RequireStart(StartLowerA, 'a', bytes);
    const std::vector<GlyphRecord> unicode = UnicodeGlyphs();
    return Place(bytes, unicode);
  }

 private:
  FontFileError Fault(std::size_t offset, const std::string& german, const std::string& english) const {
    return FilePlace::Line(kU8g2Kind, farray.LineOf(offset))
        .Error("Byte " + std::to_string(offset) + " des Fonts: " + german,
               "font byte " + std::to_string(offset) + ": " + english);
  }

  unsigned Word(std::size_t at) const {
    if (at + 1 >= f.size()) throw Fault(at, "Der Font endet vorzeitig.", "the font ends early");
    return static_cast<unsigned>(f[at] << 8 | f[at + 1]);
  }
  int SignedByte(std::size_t at) const { return static_cast<std::int8_t>(f[at]); }

  void RequireFieldBits() const {
    struct Range {
      Field field;
      int lowest;
    };
    for (const Range range : {Range{ZeroRunBits, 1}, Range{OneRunBits, 1}, Range{WidthBits, 0}, Range{HeightBits, 0},
                              Range{XBits, 1}, Range{YBits, 1}, Range{AdvanceBits, 1}}) {
      const int bits = f[range.field];
      if (bits >= range.lowest && bits <= kMaxFieldBits) continue;
      const std::string allowed = std::to_string(range.lowest) + "..." + std::to_string(kMaxFieldBits);
      throw Fault(range.field, "Die Bitbreite " + std::to_string(bits) + " liegt nicht in " + allowed + ".",
                  "the bit width " + std::to_string(bits) + " is not within " + allowed);
    }
  }

  // u8g2_font_decode_glyph: the box, the offsets, the advance, then pairs
  // of runs, each repeated while a 1 bit follows, until the box is full.
  PlacedGlyph DecodeGlyph(std::size_t from, std::size_t end) const {
    BitReader bits(f, from, end);
    PlacedGlyph glyph;
    glyph.box.width = static_cast<int>(bits.Get(f[WidthBits]));
    glyph.box.height = static_cast<int>(bits.Get(f[HeightBits]));
    glyph.box.left = bits.Signed(f[XBits]);
    glyph.box.bottom = bits.Signed(f[YBits]);
    glyph.advance = bits.Signed(f[AdvanceBits]);
    if (bits.Overrun()) throw Fault(from, "Die Glyphe endet vor ihren Maßen.", "the glyph ends before its metrics");
    if (glyph.advance < 0)
      throw Fault(from, "Die Glyphe hat einen negativen Vorschub.", "the glyph has a negative advance");
    const int width = glyph.box.width;
    glyph.ink.assign(static_cast<std::size_t>(width) * glyph.box.height, false);
    int x = 0;
    int y = 0;
    const auto run = [&](unsigned length, bool ink) {
      for (unsigned left = length;;) {
        const unsigned rest = static_cast<unsigned>(width - x);
        const unsigned current = std::min(left, rest);
        if (ink && current > 0 && y >= glyph.box.height)
          throw Fault(from, "Die Glyphe malt unterhalb ihrer Box.", "the glyph draws below its box");
        for (unsigned i = 0; ink && i < current; ++i) glyph.ink[static_cast<std::size_t>(y) * width + x + i] = true;
        if (left < rest) return void(x += static_cast<int>(left));
        left -= rest;
        x = 0;
        ++y;
      }
    };
    while (width > 0) {
      const unsigned zeros = bits.Get(f[ZeroRunBits]);
      const unsigned ones = bits.Get(f[OneRunBits]);
      do {
        run(zeros, false);
        run(ones, true);
      } while (bits.Get(1) != 0 && !bits.Overrun());
      if (bits.Overrun())
        throw Fault(from, "Die Bitfolge der Glyphe endet vor ihrer Box.",
                    "the glyph's bits end before its box is full");
      if (y >= glyph.box.height) break;
    }
    return glyph;
  }

  // The glyphs below 256 up to their closing pair.
  std::vector<GlyphRecord> ByteGlyphs() {
    std::vector<GlyphRecord> records;
    std::size_t at = kHeaderSize;
    for (;;) {
      if (at + 1 >= f.size()) throw Fault(at, "Die Glyphenliste hat kein Ende.", "the glyph list has no end");
      const std::size_t size = f[at + 1];
      if (size == 0) break;
      RequireRecord(at, size, 3);
      records.push_back({f[at], at, DecodeGlyph(at + 2, at + size)});
      at += size;
    }
    fbyteEnd = at;
    return records;
  }

  void RequireRecord(std::size_t at, std::size_t size, std::size_t smallest) const {
    if (size < smallest)
      throw Fault(at, "Der Glyphen-Eintrag ist nur " + std::to_string(size) + " Bytes lang.",
                  "the glyph record is only " + std::to_string(size) + " bytes long");
    if (at + size > f.size())
      throw Fault(at, "Der Glyphen-Eintrag reicht über das Ende des Fonts.",
                  "the glyph record runs past the font's end");
  }

  // u8g2 looks up codes from first on at the start position: it must lie on
  // a glyph, or the closing pair, with no such code before it.
  void RequireStart(Field field, unsigned first, const std::vector<GlyphRecord>& records) const {
    const std::size_t start = kHeaderSize + Word(field);
    const bool onGlyph = start == fbyteEnd || std::any_of(records.begin(), records.end(),
                                                          [&](const GlyphRecord& r) { return r.start == start; });
    const bool missesNone = std::none_of(records.begin(), records.end(),
                                         [&](const GlyphRecord& r) { return r.start < start && r.encoding >= first; });
    if (onGlyph && missesNone) return;
    const std::string name(1, static_cast<char>(first));
    throw Fault(field, "Die Startposition für '" + name + "' führt an Glyphen vorbei.",
                "the start position of '" + name + "' misses glyphs");
  }

  // The jump table up to its 0xFFFF entry, then the glyphs up to encoding 0.
  std::vector<GlyphRecord> UnicodeGlyphs() const {
    const std::size_t table = kHeaderSize + Word(StartUnicode);
    std::vector<std::pair<std::size_t, unsigned>> jumps;  // target, the encoding before it
    std::size_t target = table;
    unsigned before = 0;
    for (std::size_t entry = table;; entry += 4) {
      target += Word(entry);
      jumps.emplace_back(target, before);
      before = Word(entry + 2);
      if (before == kLastJump) break;
    }
    const std::size_t list = table + 4 * jumps.size();
    if (jumps.front().first != list)
      throw Fault(table, "Die Sprungtabelle führt nicht zur ersten Glyphe.",
                  "the jump table does not lead to the first glyph");
    std::vector<GlyphRecord> records;
    std::size_t at = list;
    for (;;) {
      const unsigned encoding = Word(at);
      if (encoding == 0) break;
      if (encoding <= 0xFF || (!records.empty() && encoding <= records.back().encoding))
        throw Fault(at, "Die Kodierung " + std::to_string(encoding) + " folgt nicht aufsteigend über 255.",
                    "the encoding " + std::to_string(encoding) + " does not follow in ascending order above 255");
      if (at + 2 >= f.size()) throw Fault(at, "Der Font endet vorzeitig.", "the font ends early");
      const std::size_t size = f[at + 2];
      RequireRecord(at, size, 4);
      records.push_back({encoding, at, DecodeGlyph(at + 3, at + size)});
      at += size;
    }
    RequireJumps(jumps, records, at);
    return records;
  }

  // Each jump lands on a glyph, or the end, past every glyph it skips.
  void RequireJumps(const std::vector<std::pair<std::size_t, unsigned>>& jumps, const std::vector<GlyphRecord>& records,
                    std::size_t end) const {
    for (const auto& [target, before] : jumps) {
      const auto landing = std::find_if(records.begin(), records.end(),
                                        [target = target](const GlyphRecord& r) { return r.start >= target; });
      const bool onGlyph = landing == records.end() ? target == end : landing->start == target;
      const bool skipsOnlyLower = landing == records.begin() || std::prev(landing)->encoding <= before;
      if (!onGlyph || !skipsOnlyLower)
        throw Fault(kHeaderSize + Word(StartUnicode), "Die Sprungtabelle führt an Glyphen vorbei.",
                    "the jump table misses glyphs");
    }
  }

  ImportedFont Place(const std::vector<GlyphRecord>& bytes, const std::vector<GlyphRecord>& unicode) const {
    GlyphCell cell;
    const FilePlace header = FilePlace::Line(kU8g2Kind, farray.LineOf(0));
    const int maxY = SignedByte(MaxY);
    cell.Hold(maxY + f[MaxHeight], maxY, std::max(SignedByte(MaxX) + f[MaxWidth], 0), header);
    std::vector<PlacedGlyph> placed;
    std::set<int> codes;
    int dropped = 0;
    for (const auto* records : {&bytes, &unicode})
      for (const GlyphRecord& record : *records) {
        const std::optional<std::uint8_t> code = CodeOf(fcodePage, record.encoding);
        if (!code) {
          ++dropped;
          continue;
        }
        // u8g2 draws the first glyph of an encoding.
        if (!codes.insert(*code).second) continue;
        cell.HoldGlyph(record.glyph.box, record.glyph.advance, FilePlace::Line(kU8g2Kind, farray.LineOf(record.start)));
        placed.push_back(record.glyph);
        placed.back().code = *code;
      }
    std::unique_ptr<TFontHandler> font = cell.MakeFont(placed);
    for (int c = 0; c < kGlyphCount; ++c)
      if (!codes.contains(c)) font->SetCharSize(c, 0);
    return {std::move(font), FontFileFormat::U8g2Source, dropped};
  }

  const FontArray& farray;
  const ByteArray& f;
  CodePage fcodePage;
  std::size_t fbyteEnd = 0;
};

}  // namespace

bool IsU8g2Source(const ByteArray& data) {
  return std::search(data.begin(), data.end(), kSection.begin(), kSection.end()) != data.end();
}

ImportedFont ReadU8g2Source(const ByteArray& data, CodePage codePage) {
  RequireSizeAtMost(data.size(), kMaxFontFileSize);
  const FontArray array = SourceParser(data).Read();
  return FontDecoder(array, codePage).Decode();
}
