#include "model/bdffont.h"

#include "model/glyphcell.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr FileKind kBdfKind{"BDF-Datei", "BDF file"};
// Far beyond any real metric, and small enough that sums of two stay exact.
constexpr long long kLargestNumber = 1'000'000'000;
constexpr long long kLastCodePoint = 0x10FFFF;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsHexDigit(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'); }

int HexValue(char ch) { return ch <= '9' ? ch - '0' : (ch & ~0x20) - 'A' + 10; }

// The file's lines one by one, with the keyword and arguments of each.
class BdfLines {
 public:
  explicit BdfLines(const ByteArray& data) : ftext(reinterpret_cast<const char*>(data.data()), data.size()) {}

  // Moves to the next line that is neither blank nor a COMMENT; false at the end.
  bool Next() {
    while (fpos < ftext.size()) {
      const std::size_t end = std::min(ftext.find('\n', fpos), ftext.size());
      fline = Trimmed(ftext.substr(fpos, end - fpos));
      fpos = end + 1;
      ++fnumber;
      fkeyword = fline.substr(0, fline.find_first_of(" \t"));
      if (!fline.empty() && fkeyword != "COMMENT") return true;
    }
    fline = fkeyword = {};
    return false;
  }
  // Moves on and refuses the end of the file where `awaited` should follow.
  void Expect(std::string_view awaited) {
    if (!Next())
      throw Here().Error("Die Datei endet vor " + std::string(awaited) + ".",
                         "the file ends before " + std::string(awaited));
  }

  std::string_view Keyword() const { return fkeyword; }
  std::string_view Line() const { return fline; }
  FilePlace Here() const { return FilePlace::Line(kBdfKind, fnumber); }
  std::size_t Number() const { return fnumber; }

  // The line's arguments as `count` integers.
  template <std::size_t count>
  std::array<long long, count> Numbers() const {
    std::array<long long, count> values{};
    std::string_view rest = fline.substr(fkeyword.size());
    for (long long& value : values) {
      rest = Trimmed(rest);
      const char* end = rest.data() + rest.size();
      const auto [stop, error] = std::from_chars(rest.data(), end, value);
      if (error != std::errc() || (stop != end && *stop != ' ' && *stop != '\t') || value < -kLargestNumber ||
          value > kLargestNumber)
        throw NumbersNeeded(count);
      rest.remove_prefix(static_cast<std::size_t>(stop - rest.data()));
    }
    return values;
  }

  FontFileError Unexpected(std::string_view german, std::string_view english) const {
    return Here().Error(std::string(german) + " erwartet, gefunden: " + QuotedWord(fkeyword) + ".",
                        "expected " + std::string(english) + ", found " + QuotedWord(fkeyword));
  }
  FontFileError Unexpected(std::string_view keyword) const { return Unexpected(keyword, keyword); }

 private:
  FontFileError NumbersNeeded(std::size_t count) const {
    const std::string keyword(fkeyword);
    return Here().Error(keyword + " braucht " + std::to_string(count) + " ganze Zahlen.",
                        keyword + " needs " + std::to_string(count) + " integers");
  }

  std::string_view ftext;
  std::size_t fpos = 0;
  std::size_t fnumber = 0;
  std::string_view fline;
  std::string_view fkeyword;
};

FontFileError CountMismatch(const FilePlace& place, std::string_view keyword, long long announced, long long found) {
  const std::string kw(keyword);
  return place.Error(kw + " nennt " + std::to_string(announced) + ", es folgen aber " + std::to_string(found) + ".",
                     kw + " announces " + std::to_string(announced) + " but " + std::to_string(found) + " follow");
}

FontFileError Missing(const FilePlace& place, std::string_view keyword, std::string_view before) {
  return place.Error(std::string(keyword) + " fehlt vor " + std::string(before) + ".",
                     std::string(keyword) + " is missing before " + std::string(before));
}

// What one STARTCHAR ... ENDCHAR block says before its BITMAP.
struct GlyphHead {
  std::optional<long long> code;
  std::optional<long long> advance;
  std::optional<GlyphBox> box;
  std::size_t boxLine = 0;
};

class BdfReader {
 public:
  BdfReader(const ByteArray& data, CodePage page) : flines(data), fpage(page) {}

  ImportedFont Read() {
    ReadHeader();
    ReadGlyphs();
    ImportedFont result;
    result.font = fcell.MakeFont(fglyphs);
    result.format = FontFileFormat::Bdf;
    result.dropped = fdropped;
    return result;
  }

 private:
  void ReadHeader() {
    if (!flines.Next() || flines.Keyword() != "STARTFONT")
      throw flines.Here().Error("Die Datei beginnt nicht mit STARTFONT.", "the file does not begin with STARTFONT");
    bool boundingBox = false;
    for (;;) {
      flines.Expect("CHARS");
      const std::string_view keyword = flines.Keyword();
      if (keyword == "FONTBOUNDINGBOX") {
        const auto [w, h, x, y] = flines.Numbers<4>();
        fcell.Hold(y + h, y, x + w, flines.Here());
        boundingBox = true;
      } else if (keyword == "STARTPROPERTIES") {
        ReadProperties();
      } else if (keyword == "DWIDTH") {
        fdefaultAdvance = flines.Numbers<2>()[0];
      } else if (keyword == "CHARS") {
        if (!boundingBox) throw Missing(flines.Here(), "FONTBOUNDINGBOX", "CHARS");
        fchars = flines.Numbers<1>()[0];
        fcharsLine = flines.Number();
        return;
      }
    }
  }

  void ReadProperties() {
    const long long announced = flines.Numbers<1>()[0];
    const FilePlace start = flines.Here();
    long long found = 0;
    for (flines.Expect("ENDPROPERTIES"); flines.Keyword() != "ENDPROPERTIES"; flines.Expect("ENDPROPERTIES")) {
      ++found;
      if (flines.Keyword() == "FONT_ASCENT") {
        const long long ascent = flines.Numbers<1>()[0];
        fcell.Hold(ascent, ascent, 0, flines.Here());
      } else if (flines.Keyword() == "FONT_DESCENT") {
        const long long descent = flines.Numbers<1>()[0];
        fcell.Hold(-descent, -descent, 0, flines.Here());
      }
    }
    if (found != announced) throw CountMismatch(start, "STARTPROPERTIES", announced, found);
  }

  void ReadGlyphs() {
    long long found = 0;
    for (flines.Expect("ENDFONT"); flines.Keyword() != "ENDFONT"; flines.Expect("ENDFONT")) {
      if (flines.Keyword() != "STARTCHAR") throw flines.Unexpected("STARTCHAR oder ENDFONT", "STARTCHAR or ENDFONT");
      ++found;
      ReadGlyph();
    }
    if (found != fchars) throw CountMismatch(FilePlace::Line(kBdfKind, fcharsLine), "CHARS", fchars, found);
  }

  void ReadGlyph() {
    GlyphHead head;
    for (flines.Expect("BITMAP"); flines.Keyword() != "BITMAP"; flines.Expect("BITMAP")) {
      const std::string_view keyword = flines.Keyword();
      if (keyword == "ENCODING") {
        // "ENCODING -1 n" names a code outside the standard encoding: not one of ours.
        const std::string_view args = Trimmed(flines.Line().substr(keyword.size()));
        head.code = args.rfind("-1", 0) == 0 ? -1 : flines.Numbers<1>()[0];
      } else if (keyword == "DWIDTH") {
        head.advance = flines.Numbers<2>()[0];
      } else if (keyword == "BBX") {
        const auto [w, h, x, y] = flines.Numbers<4>();
        if (w < 0 || h < 0)
          throw flines.Here().Error("BBX braucht eine Breite und Höhe ab 0.",
                                    "BBX needs a width and height of 0 or more");
        head.box = GlyphBox{static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)};
        head.boxLine = flines.Number();
      } else if (keyword == "STARTCHAR" || keyword == "ENDCHAR" || keyword == "ENDFONT") {
        throw flines.Unexpected("BITMAP");
      }
    }
    if (!head.code) throw Missing(flines.Here(), "ENCODING", "BITMAP");
    if (!head.box) throw Missing(flines.Here(), "BBX", "BITMAP");
    const std::optional<int> code = Takes(*head.code);
    if (!code) {
      ++fdropped;
      SkipToEndChar();
      return;
    }
    ReadBitmap(head, *code);
  }

  // The code of the code point, the first time the file gives it.
  std::optional<int> Takes(long long codePoint) {
    if (codePoint < 0 || codePoint > kLastCodePoint) return std::nullopt;
    const std::optional<std::uint8_t> code = CodeOf(fpage, static_cast<char32_t>(codePoint));
    if (!code || ftaken[*code]) return std::nullopt;
    ftaken[*code] = true;
    return *code;
  }

  void SkipToEndChar() {
    for (flines.Expect("ENDCHAR"); flines.Keyword() != "ENDCHAR"; flines.Expect("ENDCHAR"))
      if (flines.Keyword() == "STARTCHAR" || flines.Keyword() == "ENDFONT") throw flines.Unexpected("ENDCHAR");
  }

  void ReadBitmap(const GlyphHead& head, int code) {
    PlacedGlyph glyph;
    glyph.code = code;
    glyph.box = *head.box;
    const long long advance = head.advance.value_or(fdefaultAdvance.value_or(glyph.box.left + glyph.box.width));
    glyph.advance = static_cast<int>(std::clamp(advance, 0LL, static_cast<long long>(kMaxCellSize)));
    fcell.HoldGlyph(glyph.box, advance, FilePlace::Line(kBdfKind, head.boxLine));
    const std::size_t digits = static_cast<std::size_t>((glyph.box.width + 7) / 8) * 2;
    glyph.ink.reserve(static_cast<std::size_t>(glyph.box.width) * glyph.box.height);
    for (int y = 0; y < glyph.box.height; ++y) {
      flines.Expect("ENDCHAR");
      const std::string_view row = flines.Line();
      if (row.size() < digits || !std::all_of(row.begin(), row.end(), IsHexDigit))
        throw flines.Here().Error("Die Bitmap-Zeile braucht " + std::to_string(digits) + " Hexadezimalziffern.",
                                  "the bitmap row needs " + std::to_string(digits) + " hexadecimal digits");
      for (int x = 0; x < glyph.box.width; ++x) glyph.ink.push_back((HexValue(row[x / 4]) & (8 >> (x % 4))) != 0);
    }
    flines.Expect("ENDCHAR");
    if (flines.Keyword() != "ENDCHAR") throw flines.Unexpected("ENDCHAR");
    fglyphs.push_back(std::move(glyph));
  }

  BdfLines flines;
  CodePage fpage;
  GlyphCell fcell;
  std::vector<PlacedGlyph> fglyphs;
  std::array<bool, kGlyphCount> ftaken{};
  std::optional<long long> fdefaultAdvance;
  long long fchars = 0;
  std::size_t fcharsLine = 0;
  int fdropped = 0;
};

}  // namespace

bool IsBdfFile(const ByteArray& data) {
  BdfLines lines(data);
  return lines.Next() && lines.Keyword() == "STARTFONT";
}

ImportedFont ReadBdf(const ByteArray& data, CodePage page) {
  RequireSizeAtMost(data.size(), kMaxBdfSize);
  return BdfReader(data, page).Read();
}
