#include "model/lvglfont.h"

#include "model/ctokenizer.h"
#include "model/glyphcell.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr FileKind kLvglKind{"LVGL-Font", "LVGL font"};
constexpr std::string_view kDescriptorType = "lv_font_fmt_txt_dsc_t";
constexpr std::string_view kFontType = "lv_font_t";
// Far beyond any value of the format, and small enough that sums stay exact.
constexpr long long kLargestNumber = 1'000'000'000;
// LVGL's initializers nest three deep; deeper lists are no font.
constexpr int kMaxNesting = 8;
constexpr long long kLargestCodePoint = 0x10FFFF;
constexpr long long kLargestUint16 = 65535;
constexpr long long kLargestCmapCount = 511;
// adv_w counts sixteenths of a pixel, rounded as LVGL rounds it.
constexpr int kAdvanceShift = 4;
constexpr int kAdvanceRounding = 8;

// The values of lv_font_fmt_txt_cmap_type_t and lv_font_fmt_txt_bitmap_format_t.
constexpr long long kFormat0Full = 0;
constexpr long long kSparseFull = 1;
constexpr long long kFormat0Tiny = 2;
constexpr long long kSparseTiny = 3;
constexpr long long kPlain = 0;
constexpr long long kCompressed = 1;
constexpr long long kCompressedNoPrefilter = 2;
constexpr std::array<std::pair<std::string_view, long long>, 7> kEnumValues = {{
    {"LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL", kFormat0Full},
    {"LV_FONT_FMT_TXT_CMAP_SPARSE_FULL", kSparseFull},
    {"LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY", kFormat0Tiny},
    {"LV_FONT_FMT_TXT_CMAP_SPARSE_TINY", kSparseTiny},
    {"LV_FONT_FMT_TXT_PLAIN", kPlain},
    {"LV_FONT_FMT_TXT_COMPRESSED", kCompressed},
    {"LV_FONT_FMT_TXT_COMPRESSED_NO_PREFILTER", kCompressedNoPrefilter},
}};
// The place of members that are only ever written with their designator.
constexpr std::size_t kDesignatedOnly = std::numeric_limits<std::size_t>::max();

FilePlace LineOf(std::size_t line) { return FilePlace::Line(kLvglKind, line); }

// The source with every branch of a conditional but the first blanked out,
// line ends kept so that lines keep their numbers. LVGL's converter puts the
// current LVGL's code first (#if LVGL_VERSION_MAJOR >= 8 ... #else ...).
std::string FirstBranches(std::string_view text) {
  std::string active;
  active.reserve(text.size());
  std::vector<bool> inFirstBranch;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    const std::size_t mark = line.find_first_not_of(" \t");
    const bool directive = mark != std::string_view::npos && line[mark] == '#';
    if (directive) {
      std::string_view word = line.substr(mark + 1);
      word.remove_prefix(std::min(word.find_first_not_of(" \t"), word.size()));
      if (word.substr(0, 2) == "if") inFirstBranch.push_back(true);
      if ((word.substr(0, 4) == "elif" || word.substr(0, 4) == "else") && !inFirstBranch.empty())
        inFirstBranch.back() = false;
      if (word.substr(0, 5) == "endif" && !inFirstBranch.empty()) inFirstBranch.pop_back();
    }
    if (directive || std::all_of(inFirstBranch.begin(), inFirstBranch.end(), [](bool first) { return first; }))
      active.append(line);
    if (end < text.size()) active += '\n';
    start = end + 1;
  }
  return active;
}

struct Element;

// An initializer: a number, a name (NULL, an enumerator, an array), or a list.
struct Value {
  enum class Kind { Number, Name, List };
  Kind kind = Kind::Number;
  long long number = 0;
  std::string_view name;
  std::size_t line = 0;
  std::vector<long long> numbers;  // a list of plain numbers, kept small
  std::vector<Element> items;      // any other list
};

struct Element {
  std::string_view designator;
  Value value;
};

// A definition of the file; a fault in it only matters when the font uses it.
struct Definition {
  std::vector<std::string_view> words;
  std::size_t line = 0;
  Value value;
  std::optional<FontFileError> fault;

  bool Declares(std::string_view type) const { return std::find(words.begin(), words.end(), type) != words.end(); }
};

// Adds an element, keeping a list of plain numbers as numbers.
void Append(Value& list, Element element) {
  if (element.designator.empty() && element.value.kind == Value::Kind::Number && list.items.empty()) {
    list.numbers.push_back(element.value.number);
    return;
  }
  for (const long long number : list.numbers)
    list.items.push_back({{}, {Value::Kind::Number, number, {}, list.line, {}, {}}});
  list.numbers.clear();
  list.items.push_back(std::move(element));
}

// Walks the source statement by statement and keeps every initialized definition by name.
class SourceParser {
 public:
  explicit SourceParser(std::string_view text) : ftokens(text) { fcurrent = ftokens.Next(); }

  std::vector<std::pair<std::string_view, Definition>> Parse() {
    while (fcurrent.kind != CToken::Kind::End) ParseStatement();
    return std::move(fdefinitions);
  }

 private:
  FilePlace Here() const { return LineOf(fcurrent.line); }

  void Step() {
    if (fcurrent.Is('{')) ++fdepth;
    if (fcurrent.Is('}')) --fdepth;
    fprevious = fcurrent;
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

  void SkipTo(char punctuator, int depth) {
    while (fcurrent.kind != CToken::Kind::End && !(fcurrent.Is(punctuator) && fdepth == depth)) Step();
    Step();
  }

  void ParseStatement() {
    Definition definition;
    definition.line = fcurrent.line;
    std::string_view name;
    bool array = false;
    while (fcurrent.kind != CToken::Kind::End) {
      if (fcurrent.Is(';') || fcurrent.Is('}')) return Step();
      if (fcurrent.Is('=')) {
        Step();
        return ParseDefinition(std::move(definition), name);
      }
      if (fcurrent.Is('{')) {
        // extern "C" { opens a block of statements; any other block is a body.
        const bool block = fprevious.kind == CToken::Kind::Literal;
        const int depth = fdepth;
        Step();
        if (!block) SkipTo('}', depth);
        return;
      }
      if (fcurrent.Is('[')) array = true;
      if (fcurrent.kind == CToken::Kind::Identifier) {
        definition.words.push_back(fcurrent.text);
        if (!array) name = fcurrent.text;
      }
      Step();
    }
  }

  void ParseDefinition(Definition definition, std::string_view name) {
    const int depth = fdepth;
    try {
      definition.value = ParseValue(0);
    } catch (const FontFileError& fault) {
      if (fcurrent.kind == CToken::Kind::End) throw;
      definition.fault = fault;
    }
    if (!(fcurrent.Is(';') && fdepth == depth))
      SkipTo(';', depth);
    else
      Step();
    fdefinitions.emplace_back(name, std::move(definition));
  }

  Value ParseValue(int nesting) {
    if (nesting > kMaxNesting)
      throw Here().Error("Die Initialisierung ist zu tief verschachtelt.", "the initializer nests too deeply");
    if (!fcurrent.Is('{')) return ParseScalar();
    Value list{Value::Kind::List, 0, {}, fcurrent.line, {}, {}};
    Step();
    while (!fcurrent.Is('}')) {
      Element element;
      if (fcurrent.Is('.') || fcurrent.Is('[')) element.designator = ParseDesignator();
      element.value = ParseValue(nesting + 1);
      Append(list, std::move(element));
      if (fcurrent.Is(','))
        Step();
      else if (!fcurrent.Is('}'))
        throw Unexpected("',' oder '}'", "',' or '}'");
    }
    Step();
    return list;
  }

  // .a.b = or [n] = ; the last member named is the one that counts.
  std::string_view ParseDesignator() {
    std::string_view member;
    while (fcurrent.Is('.') || fcurrent.Is('[')) {
      if (fcurrent.Is('[')) {
        SkipTo(']', fdepth);
        continue;
      }
      Step();
      if (fcurrent.kind != CToken::Kind::Identifier) throw Unexpected("Ein Feldname", "a member name");
      member = fcurrent.text;
      Step();
    }
    Expect('=');
    return member;
  }

  // A number or a name, after any casts, one '&' or one sign.
  Value ParseScalar() {
    Value value;
    value.line = fcurrent.line;
    while (fcurrent.Is('(')) {
      Step();
      while (fcurrent.kind == CToken::Kind::Identifier || fcurrent.Is('*')) Step();
      Expect(')');
    }
    const bool address = fcurrent.Is('&');
    const bool negative = fcurrent.Is('-');
    if (address || negative || fcurrent.Is('+')) Step();
    if (fcurrent.kind == CToken::Kind::Identifier && !negative) {
      value.kind = Value::Kind::Name;
      value.name = fcurrent.text;
    } else if (fcurrent.kind == CToken::Kind::Number && !address) {
      const std::optional<long long> number = CIntegerValue(fcurrent.text, kLargestNumber);
      if (!number)
        throw Here().Error("Die Zahl " + QuotedWord(fcurrent.text) + " ist ungültig oder zu groß.",
                           "the number " + QuotedWord(fcurrent.text) + " is malformed or too large");
      value.number = negative ? -*number : *number;
    } else {
      throw Unexpected("Ein Wert", "a value");
    }
    Step();
    return value;
  }

  CTokenizer ftokens;
  CToken fcurrent;
  CToken fprevious;
  int fdepth = 0;
  std::vector<std::pair<std::string_view, Definition>> fdefinitions;
};

std::string MemberText(std::string_view member) { return "." + std::string(member); }

// The value of a member: by its designator, or by its place in a list
// without designators.
const Value* Member(const Value& record, std::string_view member, std::size_t position, Value& scratch) {
  for (const Element& element : record.items)
    if (element.designator == member) return &element.value;
  const bool positional = std::all_of(record.items.begin(), record.items.end(),
                                      [](const Element& element) { return element.designator.empty(); });
  if (!positional) return nullptr;
  if (position < record.items.size()) return &record.items[position].value;
  if (position >= record.numbers.size()) return nullptr;
  scratch = {Value::Kind::Number, record.numbers[position], {}, record.line, {}, {}};
  return &scratch;
}

const Value& RequireMember(const Value& record, std::string_view member, std::size_t position, Value& scratch) {
  if (const Value* value = Member(record, member, position, scratch)) return *value;
  throw LineOf(record.line)
      .Error("Der Eintrag hat kein " + MemberText(member) + ".", "the record has no " + MemberText(member));
}

std::string RangeText(long long low, long long high) { return std::to_string(low) + " .. " + std::to_string(high); }

// What a value is, as each language names it in a message.
struct Naming {
  std::string german;
  std::string english;
};

Naming MemberNaming(std::string_view member) { return {MemberText(member), MemberText(member)}; }

void RequireInRange(long long number, long long low, long long high, const Naming& what, std::size_t line) {
  if (number >= low && number <= high) return;
  throw LineOf(line).Error(
      what.german + " ist " + std::to_string(number) + ", erlaubt sind " + RangeText(low, high) + ".",
      what.english + " is " + std::to_string(number) + " where " + RangeText(low, high) + " is allowed");
}

// A member that holds a number or one of LVGL's enumerators, within low..high.
long long NumberMember(const Value& record, std::string_view member, std::size_t position, long long low,
                       long long high) {
  Value scratch;
  const Value& value = RequireMember(record, member, position, scratch);
  long long number = value.number;
  if (value.kind == Value::Kind::Name) {
    const auto* const found = std::find_if(kEnumValues.begin(), kEnumValues.end(),
                                           [&value](const auto& entry) { return entry.first == value.name; });
    if (found == kEnumValues.end())
      throw LineOf(value.line)
          .Error(MemberText(member) + " braucht eine Zahl, nicht " + QuotedWord(value.name) + ".",
                 MemberText(member) + " needs a number, not " + QuotedWord(value.name));
    number = found->second;
  } else if (value.kind == Value::Kind::List) {
    throw LineOf(value.line).Error(MemberText(member) + " braucht eine Zahl.", MemberText(member) + " needs a number");
  }
  RequireInRange(number, low, high, MemberNaming(member), value.line);
  return number;
}

// A member that names another definition; empty for NULL.
std::string_view NameMember(const Value& record, std::string_view member, std::size_t position) {
  Value scratch;
  const Value& value = RequireMember(record, member, position, scratch);
  if (value.kind == Value::Kind::Number && value.number == 0) return {};
  if (value.kind != Value::Kind::Name)
    throw LineOf(value.line).Error(MemberText(member) + " braucht einen Namen.", MemberText(member) + " needs a name");
  return value.name == "NULL" ? std::string_view() : value.name;
}

struct Box {
  int left = 0;
  int bottom = 0;
  int width = 0;
  int height = 0;
};

// Reads the bits of one glyph's bitmap, most significant bit first.
class BitReader {
 public:
  BitReader(const std::vector<long long>& bytes, long long start, int code, std::size_t line)
      : fbytes(bytes), fstart(start * 8), fcode(code), fline(line) {}

  unsigned Bits(long long offset, int count) const {
    const long long position = fstart + offset;
    if (position + count > static_cast<long long>(fbytes.size()) * 8)
      throw LineOf(fline).Error("Die Bitmap von Code " + std::to_string(fcode) +
                                    " reicht über das Ende von glyph_bitmap (" + std::to_string(fbytes.size()) +
                                    " Bytes) hinaus.",
                                "the bitmap of code " + std::to_string(fcode) + " runs past the end of glyph_bitmap (" +
                                    std::to_string(fbytes.size()) + " bytes)");
    unsigned value = 0;
    for (int i = 0; i < count; ++i) {
      const long long bit = position + i;
      value = value << 1 | ((static_cast<unsigned>(fbytes[bit / 8]) >> (7 - bit % 8)) & 1u);
    }
    return value;
  }

 private:
  const std::vector<long long>& fbytes;
  long long fstart;
  int fcode;
  std::size_t fline;
};

// LVGL's run-length decoder (lv_font_fmt_txt.c, rle_next): a value, and
// after a repeated value a run of 1 bits, after eleven of them a 6-bit count.
class RunLengthReader {
 public:
  RunLengthReader(const BitReader& bits, int bpp) : fbits(bits), fbpp(bpp) {}

  unsigned Next() {
    if (fstate == State::Counter) {
      if (--fcount == 0) return Single();
      return fprevious;
    }
    if (fstate == State::Repeated) {
      ++fcount;
      if (Take(1) == 0) return Single();
      if (fcount == 11) {
        fcount = Take(6);
        if (fcount == 0) return Single();
        fstate = State::Counter;
      }
      return fprevious;
    }
    const bool first = fposition == 0;
    const unsigned value = Take(fbpp);
    if (!first && value == fprevious) {
      fcount = 0;
      fstate = State::Repeated;
    }
    fprevious = value;
    return value;
  }

 private:
  enum class State { Single, Repeated, Counter };

  unsigned Take(int count) {
    const unsigned value = fbits.Bits(fposition, count);
    fposition += count;
    return value;
  }
  unsigned Single() {
    fprevious = Take(fbpp);
    fstate = State::Single;
    return fprevious;
  }

  const BitReader& fbits;
  int fbpp;
  long long fposition = 0;
  State fstate = State::Single;
  unsigned fprevious = 0;
  unsigned fcount = 0;
};

// Turns the definitions into a font.
class LvglFontBuilder {
 public:
  LvglFontBuilder(const std::vector<std::pair<std::string_view, Definition>>& definitions, CodePage page)
      : fdefinitions(definitions) {
    for (int code = 0; code < kGlyphCount; ++code)
      if (const auto codePoint = CodePointOf(page, static_cast<std::uint8_t>(code))) fcodes.emplace(*codePoint, code);
  }

  ImportedFont Build() {
    const Definition& font = FindFont();
    const Value& descriptor = Resolve(NameMember(font.value, "dsc", kDesignatedOnly), font.value.line, "dsc");
    ReadFormat(descriptor);
    fbitmaps = &Numbers(descriptor, "glyph_bitmap", kDesignatedOnly, 255);
    fglyphs = &Resolve(NameMember(descriptor, "glyph_dsc", kDesignatedOnly), descriptor.line, "glyph_dsc").items;
    MapCmaps(descriptor);
    const long long lineHeight = NumberMember(font.value, "line_height", kDesignatedOnly, 0, kLargestNumber);
    const long long baseLine = NumberMember(font.value, "base_line", kDesignatedOnly, -kLargestNumber, kLargestNumber);
    fcell.Hold(lineHeight - baseLine, -baseLine, 0, LineOf(font.value.line));
    std::vector<PlacedGlyph> placed;
    for (int code = 0; code < kGlyphCount; ++code)
      if (fglyphOf[code] != 0) placed.push_back(Place(code));
    std::unique_ptr<TFontHandler> result = fcell.MakeFont(placed);
    for (int code = 0; code < kGlyphCount; ++code)
      if (fglyphOf[code] == 0) result->SetCharSize(code, 0);
    return {std::move(result), FontFileFormat::LvglSource, fdropped};
  }

 private:
  const Definition& FindFont() const {
    for (const auto& [name, definition] : fdefinitions) {
      if (!definition.Declares(kFontType)) continue;
      if (definition.fault) throw *definition.fault;
      Value scratch;
      if (definition.value.kind == Value::Kind::List && Member(definition.value, "dsc", kDesignatedOnly, scratch))
        return definition;
    }
    throw LineOf(1).Error("Die Datei enthält keinen LVGL-Font (lv_font_t mit .dsc).",
                          "the file holds no LVGL font (lv_font_t with .dsc)");
  }

  const Value& Resolve(std::string_view name, std::size_t line, std::string_view member) const {
    for (const auto& [defined, definition] : fdefinitions) {
      if (defined != name || name.empty()) continue;
      if (definition.fault) throw *definition.fault;
      if (definition.value.kind != Value::Kind::List) break;
      return definition.value;
    }
    const std::string what = name.empty() ? std::string("NULL") : std::string(name);
    throw LineOf(line).Error(MemberText(member) + " nennt " + what + ", die Datei definiert aber keine solche Liste.",
                             MemberText(member) + " names " + what + " but the file defines no such list");
  }

  // The numbers of the list a member names, each within low..high.
  const std::vector<long long>& Numbers(const Value& record, std::string_view member, std::size_t position,
                                        long long high, long long low = 0) const {
    const Value& list = Resolve(NameMember(record, member, position), record.line, member);
    if (!list.items.empty())
      throw LineOf(list.line).Error(MemberText(member) + " braucht eine Liste aus Zahlen.",
                                    MemberText(member) + " needs a list of numbers");
    for (const long long number : list.numbers) RequireInRange(number, low, high, {"Ein Wert", "a value"}, list.line);
    return list.numbers;
  }

  void ReadFormat(const Value& descriptor) {
    fbpp = static_cast<int>(NumberMember(descriptor, "bpp", kDesignatedOnly, 1, 8));
    if (fbpp > 4 && fbpp != 8)
      throw LineOf(descriptor.line)
          .Error(".bpp ist " + std::to_string(fbpp) + ", erlaubt sind 1, 2, 3, 4 und 8.",
                 ".bpp is " + std::to_string(fbpp) + " where 1, 2, 3, 4 and 8 are allowed");
    fformat = NumberMember(descriptor, "bitmap_format", kDesignatedOnly, kPlain, kCompressedNoPrefilter);
    if (fformat == kPlain && fbpp == 3)
      throw LineOf(descriptor.line)
          .Error("3 Bit je Pixel gibt es nur komprimiert.", "3 bits per pixel exist only compressed");
    Value scratch;
    if (Member(descriptor, "stride", kDesignatedOnly, scratch))
      fstride = NumberMember(descriptor, "stride", kDesignatedOnly, 0, 255);
  }

  void MapCmaps(const Value& descriptor) {
    const long long count = NumberMember(descriptor, "cmap_num", kDesignatedOnly, 0, kLargestCmapCount);
    if (count == 0) return;
    const Value& cmaps = Resolve(NameMember(descriptor, "cmaps", kDesignatedOnly), descriptor.line, "cmaps");
    RequireInRange(count, 0, static_cast<long long>(cmaps.items.size()), MemberNaming("cmap_num"), descriptor.line);
    for (long long i = 0; i < count; ++i) {
      const Value& cmap = cmaps.items[static_cast<std::size_t>(i)].value;
      if (cmap.kind != Value::Kind::List)
        throw LineOf(cmap.line).Error("Eine cmap braucht eine Liste.", "a cmap needs a list");
      MapCmap(cmap);
    }
  }

  void MapCmap(const Value& cmap) {
    const long long start = NumberMember(cmap, "range_start", 0, 0, kLargestCodePoint);
    const long long length = NumberMember(cmap, "range_length", 1, 0, kLargestUint16);
    const long long firstId = NumberMember(cmap, "glyph_id_start", 2, 0, kLargestUint16);
    const long long type = NumberMember(cmap, "type", 6, kFormat0Full, kSparseTiny);
    if (type == kFormat0Tiny) {
      MapRange(start, length, firstId, cmap);
    } else if (type == kFormat0Full) {
      const std::vector<long long>& offsets = RequireLength(Numbers(cmap, "glyph_id_ofs_list", 4, 255), length, cmap);
      for (long long rcp = 0; rcp < length; ++rcp)
        if (offsets[rcp] != 0 || rcp == 0) Assign(start + rcp, firstId + offsets[rcp], cmap);
    } else {
      const long long entries = NumberMember(cmap, "list_length", 5, 0, kLargestUint16);
      const std::vector<long long>& codePoints =
          RequireLength(Numbers(cmap, "unicode_list", 3, kLargestUint16), entries, cmap);
      const std::vector<long long>* ids =
          type == kSparseFull ? &RequireLength(Numbers(cmap, "glyph_id_ofs_list", 4, kLargestUint16), entries, cmap)
                              : nullptr;
      for (long long k = 0; k < entries; ++k)
        if (codePoints[k] < length) Assign(start + codePoints[k], firstId + (ids ? (*ids)[k] : k), cmap);
    }
  }

  static const std::vector<long long>& RequireLength(const std::vector<long long>& list, long long length,
                                                     const Value& cmap) {
    if (static_cast<long long>(list.size()) >= length) return list;
    throw LineOf(cmap.line).Error(
        "Die cmap braucht " + std::to_string(length) + " Einträge, ihre Liste hat nur " + std::to_string(list.size()) +
            ".",
        "the cmap needs " + std::to_string(length) + " entries but its list holds only " + std::to_string(list.size()));
  }

  // A range of up to 65535 code points is walked through the few the page
  // has; the others are counted.
  void MapRange(long long start, long long length, long long firstId, const Value& cmap) {
    if (length == 0) return;
    RequireGlyphId(firstId + length - 1, cmap);
    long long left = firstId == 0 ? length - 1 : length;
    const auto end = fcodes.lower_bound(static_cast<char32_t>(start + length));
    for (auto code = fcodes.lower_bound(static_cast<char32_t>(start)); code != end; ++code) {
      const long long glyphId = firstId + (code->first - start);
      if (glyphId == 0) continue;
      --left;
      Keep(code->second, glyphId);
    }
    fdropped += static_cast<int>(left);
  }

  void RequireGlyphId(long long glyphId, const Value& cmap) const {
    RequireInRange(glyphId, 1, static_cast<long long>(fglyphs->size()) - 1, {"Die Glyphen-Nummer", "the glyph id"},
                   cmap.line);
  }

  void Assign(long long codePoint, long long glyphId, const Value& cmap) {
    if (glyphId == 0) return;
    RequireGlyphId(glyphId, cmap);
    const auto found = fcodes.find(static_cast<char32_t>(codePoint));
    if (found == fcodes.end()) {
      ++fdropped;
      return;
    }
    Keep(found->second, glyphId);
  }

  // The first cmap that names a code wins, as LVGL searches them in order.
  void Keep(int code, long long glyphId) {
    if (fglyphOf[code] == 0) fglyphOf[code] = static_cast<int>(glyphId);
  }

  PlacedGlyph Place(int code) {
    const Value& glyph = (*fglyphs)[static_cast<std::size_t>(fglyphOf[code])].value;
    if (glyph.kind != Value::Kind::List)
      throw LineOf(glyph.line).Error("Ein Glyphen-Eintrag braucht eine Liste.", "a glyph record needs a list");
    const long long index = NumberMember(glyph, "bitmap_index", 0, 0, kLargestNumber);
    const long long advance = NumberMember(glyph, "adv_w", 1, 0, kLargestNumber);
    const Box box{static_cast<int>(NumberMember(glyph, "ofs_x", 4, -kLargestUint16, kLargestUint16)),
                  static_cast<int>(NumberMember(glyph, "ofs_y", 5, -kLargestUint16, kLargestUint16)),
                  static_cast<int>(NumberMember(glyph, "box_w", 2, 0, kLargestUint16)),
                  static_cast<int>(NumberMember(glyph, "box_h", 3, 0, kLargestUint16))};
    const GlyphBox placedBox{box.left, box.bottom, box.width, box.height};
    fcell.HoldGlyph(placedBox, (advance + kAdvanceRounding) >> kAdvanceShift, LineOf(glyph.line));
    PlacedGlyph placed{code, static_cast<int>((advance + kAdvanceRounding) >> kAdvanceShift), placedBox, {}};
    placed.ink = Ink(BitReader(*fbitmaps, index, code, glyph.line), box.width, box.height);
    return placed;
  }

  // A pixel is ink from half the largest value up.
  std::vector<bool> Ink(const BitReader& bits, int width, int height) const {
    const unsigned half = 1u << (fbpp - 1);
    std::vector<bool> ink;
    ink.reserve(static_cast<std::size_t>(width) * height);
    if (fformat == kPlain) {
      const long long rowBits = fstride == 0 ? static_cast<long long>(width) * fbpp
                                             : ((width * fbpp + 7) / 8 + fstride - 1) / fstride * fstride * 8;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          ink.push_back(bits.Bits(y * rowBits + static_cast<long long>(x) * fbpp, fbpp) >= half);
      return ink;
    }
    RunLengthReader reader(bits, fbpp);
    std::vector<unsigned> line(static_cast<std::size_t>(width), 0);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const unsigned value = reader.Next();
        // The prefilter stores each line as its difference to the one above.
        line[x] = fformat == kCompressed && y > 0 ? line[x] ^ value : value;
        ink.push_back(line[x] >= half);
      }
    return ink;
  }

  const std::vector<std::pair<std::string_view, Definition>>& fdefinitions;
  std::map<char32_t, int> fcodes;
  std::array<int, kGlyphCount> fglyphOf{};
  int fdropped = 0;
  int fbpp = 1;
  long long fformat = kPlain;
  long long fstride = 0;
  const std::vector<long long>* fbitmaps = nullptr;
  const std::vector<Element>* fglyphs = nullptr;
  GlyphCell fcell;
};

}  // namespace

bool IsLvglSource(const ByteArray& data) {
  return std::search(data.begin(), data.end(), kDescriptorType.begin(), kDescriptorType.end()) != data.end();
}

ImportedFont ReadLvglSource(const ByteArray& data, CodePage page) {
  RequireSizeAtMost(data.size(), kMaxLvglSourceSize);
  const std::string text = FirstBranches(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
  const auto definitions = SourceParser(text).Parse();
  return LvglFontBuilder(definitions, page).Build();
}
