#include "model/gfxfont.h"

#include "model/ctokenizer.h"
#include "model/glyphcell.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr FileKind kGfxKind{"GFX-Header", "GFX header"};
constexpr std::string_view kGfxFont = "GFXfont";
// Far beyond any value of the format, and small enough that sums stay exact.
constexpr long long kLargestNumber = 1'000'000'000;
constexpr long long kLargestCode = 65535;

// One GFXglyph: bitmapOffset, width, height, xAdvance, xOffset, yOffset.
struct GfxGlyph {
  std::array<long long, 6> values{};
  std::size_t line = 0;

  long long Offset() const { return values[0]; }
  long long Width() const { return values[1]; }
  long long Height() const { return values[2]; }
  long long XAdvance() const { return values[3]; }
  long long XOffset() const { return values[4]; }
  long long YOffset() const { return values[5]; }
  long long Bytes() const { return (Width() * Height() + 7) / 8; }
};

// An array of the file: its values, or the first fault found in them. A
// fault only matters when the font record names the array.
template <typename Value>
struct ArrayDeclaration {
  std::vector<Value> values;
  std::optional<FontFileError> fault;
};

struct FontRecord {
  std::vector<std::string_view> bitmapNames;
  std::vector<std::string_view> glyphNames;
  long long first = 0;
  long long last = 0;
  long long yAdvance = 0;
  std::size_t line = 0;
};

// What the words before an '=' say is being defined.
struct Declarator {
  enum class Kind { Other, Bytes, Glyphs, Font };
  bool font = false;
  bool glyphs = false;
  bool array = false;
  bool externBlock = false;
  std::string_view name;  // of an array
  std::string_view lastIdentifier;

  void See(const CToken& token) {
    if (token.kind == CToken::Kind::Identifier) {
      if (token.text == kGfxFont) font = true;
      if (token.text == "GFXglyph") glyphs = true;
      lastIdentifier = token.text;
    } else if (token.Is('[') && !array) {
      array = true;
      name = lastIdentifier;
    }
    externBlock = token.kind == CToken::Kind::Literal && lastIdentifier == "extern";
  }
  Kind Defines() const {
    if (array) return glyphs ? Kind::Glyphs : Kind::Bytes;
    return font ? Kind::Font : Kind::Other;
  }
};

// Places the glyphs of the font record once the file has been read whole.
class GfxFontBuilder {
 public:
  GfxFontBuilder(const FontRecord& record, const std::vector<std::uint8_t>& bitmaps,
                 const std::vector<GfxGlyph>& glyphs)
      : frecord(record), fbitmaps(bitmaps), ftable(glyphs) {}

  ImportedFont Build() {
    RequireRange();
    std::vector<PlacedGlyph> placed;
    int dropped = 0;
    for (long long code = frecord.first; code <= frecord.last; ++code) {
      const GfxGlyph& glyph = ftable[static_cast<std::size_t>(code - frecord.first)];
      const FilePlace place = FilePlace::Line(kGfxKind, glyph.line);
      RequireSizes(glyph, place);
      const GlyphBox box{static_cast<int>(glyph.XOffset()), static_cast<int>(-glyph.YOffset() - glyph.Height()),
                         static_cast<int>(glyph.Width()), static_cast<int>(glyph.Height())};
      if (code >= kGlyphCount) {
        RequireInsideBitmaps(glyph, code, place);
        ++dropped;
        continue;
      }
      fcell.HoldGlyph(box, glyph.XAdvance(), place);
      RequireInsideBitmaps(glyph, code, place);
      placed.push_back(Placed(glyph, static_cast<int>(code), box));
    }
    fcell.HoldLineHeight(frecord.yAdvance);
    return {fcell.MakeFont(placed), FontFileFormat::GfxHeader, dropped};
  }

 private:
  FilePlace RecordPlace() const { return FilePlace::Line(kGfxKind, frecord.line); }

  void RequireRange() const {
    const auto [first, last] = std::pair(frecord.first, frecord.last);
    if (first < 0 || last > kLargestCode || first > last)
      throw RecordPlace().Error(
          "Die Codes " + std::to_string(first) + " bis " + std::to_string(last) +
              " ergeben keinen Bereich in 0 bis 65535.",
          "the codes " + std::to_string(first) + " to " + std::to_string(last) + " give no range within 0 to 65535");
    if (frecord.yAdvance < 0)
      throw RecordPlace().Error("Die Zeilenhöhe " + std::to_string(frecord.yAdvance) + " ist negativ.",
                                "the line height " + std::to_string(frecord.yAdvance) + " is negative");
    const std::size_t needed = static_cast<std::size_t>(last - first + 1);
    if (ftable.size() < needed)
      throw RecordPlace().Error(
          "Die Codes " + std::to_string(first) + " bis " + std::to_string(last) + " brauchen " +
              std::to_string(needed) + " Einträge, die GFXglyph-Tabelle hat nur " + std::to_string(ftable.size()) + ".",
          "the codes " + std::to_string(first) + " to " + std::to_string(last) + " need " + std::to_string(needed) +
              " entries but the GFXglyph table holds only " + std::to_string(ftable.size()));
  }

  static void RequireSizes(const GfxGlyph& glyph, const FilePlace& place) {
    if (glyph.Width() >= 0 && glyph.Height() >= 0 && glyph.XAdvance() >= 0) return;
    throw place.Error("Breite, Höhe und xAdvance dürfen nicht negativ sein.",
                      "width, height and xAdvance must not be negative");
  }

  void RequireInsideBitmaps(const GfxGlyph& glyph, long long code, const FilePlace& place) const {
    const long long size = static_cast<long long>(fbitmaps.size());
    if (glyph.Offset() >= 0 && glyph.Offset() + glyph.Bytes() <= size) return;
    const std::string bytes = std::to_string(glyph.Offset()) + " + " + std::to_string(glyph.Bytes());
    throw place.Error("Die Bitmap von Code " + std::to_string(code) + " (ab Byte " + bytes +
                          ") liegt nicht ganz im Bitmap-Array von " + std::to_string(size) + " Bytes.",
                      "the bitmap of code " + std::to_string(code) + " (at byte " + bytes +
                          ") does not lie inside the bitmap array of " + std::to_string(size) + " bytes");
  }

  // GFX packs a glyph's rows one after the other without padding.
  PlacedGlyph Placed(const GfxGlyph& glyph, int code, const GlyphBox& box) const {
    PlacedGlyph placed{code, static_cast<int>(glyph.XAdvance()), box, {}};
    const std::size_t pixels = static_cast<std::size_t>(box.width) * box.height;
    placed.ink.reserve(pixels);
    const std::uint8_t* bits = fbitmaps.data() + glyph.Offset();
    for (std::size_t bit = 0; bit < pixels; ++bit) placed.ink.push_back((bits[bit / 8] & (0x80 >> (bit % 8))) != 0);
    return placed;
  }

  const FontRecord& frecord;
  const std::vector<std::uint8_t>& fbitmaps;
  const std::vector<GfxGlyph>& ftable;
  GlyphCell fcell;
};

// Walks the header statement by statement and keeps the byte arrays, the
// glyph tables and the first GFXfont record, which names the two it uses.
class GfxParser {
 public:
  explicit GfxParser(const ByteArray& data)
      : ftokens(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())) {
    fcurrent = ftokens.Next();
  }

  ImportedFont Read() {
    while (fcurrent.kind != CToken::Kind::End) ParseStatement();
    if (!ffont) throw Here().Error("Die Datei enthält keinen GFXfont-Eintrag.", "the file holds no GFXfont record");
    return GfxFontBuilder(*ffont, Resolve(fbytes, ffont->bitmapNames, "Das Bitmap-Array", "the bitmap array"),
                          Resolve(fglyphs, ffont->glyphNames, "Die GFXglyph-Tabelle", "the GFXglyph table"))
        .Build();
  }

 private:
  FilePlace Here() const { return FilePlace::Line(kGfxKind, fcurrent.line); }

  void Step() {
    if (fcurrent.Is('{')) ++fdepth;
    if (fcurrent.Is('}')) --fdepth;
    fcurrent = ftokens.Next();
  }

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

  // After an element: true when another follows, false at the list's '}'.
  bool NextElement() {
    if (fcurrent.Is(','))
      Step();
    else if (!fcurrent.Is('}'))
      throw Unexpected("',' oder '}'", "',' or '}'");
    if (!fcurrent.Is('}')) return true;
    Step();
    return false;
  }

  // Skips tokens up to the '}' that closes the list opened at depth.
  void SkipList(int depth) {
    while (fcurrent.kind != CToken::Kind::End && !(fcurrent.Is('}') && fdepth == depth + 1)) Step();
    Step();
  }

  void SkipStatement() {
    const int depth = fdepth;
    while (fcurrent.kind != CToken::Kind::End && !(fcurrent.Is(';') && fdepth == depth)) Step();
    Step();
  }

  void ParseStatement() {
    Declarator declarator;
    while (fcurrent.kind != CToken::Kind::End) {
      if (fcurrent.Is(';') || fcurrent.Is('}')) return Step();
      if (fcurrent.Is('=')) {
        Step();
        return ParseDefinition(declarator);
      }
      if (fcurrent.Is('{')) {
        // extern "C" { opens a block of statements; any other block is a body.
        const bool block = declarator.externBlock;
        const int depth = fdepth;
        Step();
        if (block) return;
        SkipList(depth);
        declarator = Declarator();
        continue;
      }
      declarator.See(fcurrent);
      Step();
    }
  }

  void ParseDefinition(const Declarator& declarator) {
    if (!fcurrent.Is('{')) return SkipStatement();
    switch (declarator.Defines()) {
      case Declarator::Kind::Bytes:
        fbytes[declarator.name] = Leniently<std::uint8_t>([this] { return ByteValue(); });
        break;
      case Declarator::Kind::Glyphs:
        fglyphs[declarator.name] = Leniently<GfxGlyph>([this] { return GlyphValue(); });
        break;
      case Declarator::Kind::Font:
        if (!ffont) {
          ffont = ParseFontRecord();
          break;
        }
        [[fallthrough]];
      case Declarator::Kind::Other:
        SkipList(fdepth);
        break;
    }
    SkipStatement();
  }

  // Reads a list of values; a fault is kept for later and the rest of the
  // list skipped, but the end of the file ends the reading at once.
  template <typename Value, typename Parse>
  ArrayDeclaration<Value> Leniently(Parse parseValue) {
    ArrayDeclaration<Value> declaration;
    const int depth = fdepth;
    try {
      Expect('{');
      if (fcurrent.Is('}'))
        Step();
      else
        do declaration.values.push_back(parseValue());
        while (NextElement());
    } catch (const FontFileError& fault) {
      if (fcurrent.kind == CToken::Kind::End) throw;
      declaration.fault = fault;
      SkipList(depth);
    }
    return declaration;
  }

  // A number, after any casts and one sign.
  long long NumberValue() {
    while (fcurrent.Is('(')) {
      Step();
      while (fcurrent.kind == CToken::Kind::Identifier || fcurrent.Is('*')) Step();
      Expect(')');
    }
    const bool negative = fcurrent.Is('-');
    if (negative || fcurrent.Is('+')) Step();
    if (fcurrent.kind != CToken::Kind::Number) throw Unexpected("Eine Zahl", "a number");
    const std::optional<long long> value = CIntegerValue(fcurrent.text, kLargestNumber);
    if (!value)
      throw Here().Error("Die Zahl " + QuotedWord(fcurrent.text) + " ist ungültig oder zu groß.",
                         "the number " + QuotedWord(fcurrent.text) + " is malformed or too large");
    Step();
    return negative ? -*value : *value;
  }

  std::uint8_t ByteValue() {
    const std::size_t line = fcurrent.line;
    const long long value = NumberValue();
    if (value < 0 || value > 255)
      throw FilePlace::Line(kGfxKind, line)
          .Error("Der Wert " + std::to_string(value) + " passt in kein Byte.",
                 "the value " + std::to_string(value) + " does not fit a byte");
    return static_cast<std::uint8_t>(value);
  }

  GfxGlyph GlyphValue() {
    GfxGlyph glyph;
    glyph.line = fcurrent.line;
    Expect('{');
    for (std::size_t i = 0; i < glyph.values.size(); ++i) {
      glyph.values[i] = NumberValue();
      const bool more = NextElement();
      if (more != (i + 1 < glyph.values.size()))
        throw FilePlace::Line(kGfxKind, glyph.line)
            .Error("Ein GFXglyph braucht 6 Werte, hier stehen " + std::string(more ? "mehr" : "weniger") + ".",
                   "a GFXglyph needs 6 values, this one has " + std::string(more ? "more" : "fewer"));
    }
    return glyph;
  }

  // The names an element mentions, such as the array in (uint8_t *)Name.
  std::vector<std::string_view> NamesValue() {
    std::vector<std::string_view> names;
    while (!fcurrent.Is(',') && !fcurrent.Is('}') && !fcurrent.Is('{') && fcurrent.kind != CToken::Kind::End) {
      if (fcurrent.kind == CToken::Kind::Identifier) names.push_back(fcurrent.text);
      Step();
    }
    return names;
  }

  FontRecord ParseFontRecord() {
    FontRecord record;
    record.line = fcurrent.line;
    Expect('{');
    record.bitmapNames = NamesValue();
    const auto fewer = [&] {
      return FilePlace::Line(kGfxKind, record.line)
          .Error("Der GFXfont-Eintrag braucht 5 Werte: Bitmaps, Glyphen, ersten und letzten Code, Zeilenhöhe.",
                 "the GFXfont record needs 5 values: bitmaps, glyphs, first and last code, line height");
    };
    if (!NextElement()) throw fewer();
    record.glyphNames = NamesValue();
    for (long long* value : {&record.first, &record.last, &record.yAdvance}) {
      if (!NextElement()) throw fewer();
      *value = NumberValue();
    }
    if (NextElement()) throw fewer();
    return record;
  }

  template <typename Value>
  const std::vector<Value>& Resolve(const std::map<std::string_view, ArrayDeclaration<Value>>& arrays,
                                    const std::vector<std::string_view>& names, const std::string& german,
                                    const std::string& english) const {
    for (const std::string_view name : names) {
      const auto found = arrays.find(name);
      if (found == arrays.end()) continue;
      if (found->second.fault) throw *found->second.fault;
      return found->second.values;
    }
    const std::string name = names.empty() ? std::string() : " " + std::string(names.back());
    throw FilePlace::Line(kGfxKind, ffont->line)
        .Error(german + name + " fehlt in der Datei.", english + name + " is missing from the file");
  }

  CTokenizer ftokens;
  CToken fcurrent;
  int fdepth = 0;
  std::map<std::string_view, ArrayDeclaration<std::uint8_t>> fbytes;
  std::map<std::string_view, ArrayDeclaration<GfxGlyph>> fglyphs;
  std::optional<FontRecord> ffont;
};

}  // namespace

bool IsGfxHeader(const ByteArray& data) {
  return std::search(data.begin(), data.end(), kGfxFont.begin(), kGfxFont.end()) != data.end();
}

ImportedFont ReadGfxHeader(const ByteArray& data) {
  RequireSizeAtMost(data.size(), kMaxGfxHeaderSize);
  return GfxParser(data).Read();
}
