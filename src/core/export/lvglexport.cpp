#include "export/lvglexport.h"

#include "export/csourcetext.h"
#include "export/textfile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace {

// LVGL draws nothing for the codes below the space.
constexpr char32_t kLowestCodePoint = 32;
// adv_w counts sixteenths of a pixel; kern_scale 256 makes a kerning value
// of 1 one pixel, as lv_font_get_glyph_dsc_fmt_txt scales it by
// kern_scale / 16 into sixteenths.
constexpr int kAdvanceUnit = 16;
constexpr int kKernScale = 256;
// A format0 table covers at most 256 code points.
constexpr char32_t kFormat0Span = 256;
// lv_font_conv's estimate of one cmap record.
constexpr std::size_t kCmapRecordBytes = 16;
constexpr std::size_t kBytesPerLine = 8;
// What a glyph adds to the text beside its bitmap bytes.
constexpr std::size_t kGlyphTextAllowance = 200;

struct Glyph {
  char32_t codePoint;
  int code;
};

struct GlyphData {
  int code = 0;
  InkBox box;
  ByteArray bitmap;
};

struct KernPair {
  int leftId;
  int rightId;
  int value;
};

// Class 0 means no kerning on that side; ids index the tables directly.
struct KernClasses {
  std::vector<int> leftClass;
  std::vector<int> rightClass;
  int leftCount = 0;
  int rightCount = 0;
  std::vector<int> values;

  std::size_t Bytes() const { return leftClass.size() + rightClass.size() + values.size(); }
};

enum class CmapKind { Format0Tiny, Format0Full, SparseTiny };
enum class Radix { Decimal, Hexadecimal };

struct Cmap {
  CmapKind kind;
  std::size_t first;  // index of the first glyph
  std::size_t count;
};

bool HasGlyph(const TFontHandler& font, int c) { return font.GetCharSize(c) > 0 || InkBoxOf(font, c).width > 0; }

std::vector<Glyph> MappedGlyphs(const TFontHandler& font, CodePage page, int& unmapped) {
  std::vector<Glyph> glyphs;
  for (int c = 0; c < kGlyphCount; ++c) {
    if (!HasGlyph(font, c)) continue;
    const std::optional<char32_t> codePoint = CodePointOf(page, static_cast<std::uint8_t>(c));
    if (!codePoint)
      ++unmapped;
    else if (*codePoint >= kLowestCodePoint)
      glyphs.push_back({*codePoint, c});
  }
  std::sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) { return a.codePoint < b.codePoint; });
  return glyphs;
}

// The box's pixels row after row without padding, the glyph padded to a byte.
GlyphData Cut(const TFontHandler& font, int c) {
  GlyphData data{c, InkBoxOf(font, c), {}};
  const InkBox& box = data.box;
  data.bitmap.assign(static_cast<std::size_t>((box.width * box.height + 7) / 8), 0);
  std::size_t bit = 0;
  for (int y = box.top; y < box.top + box.height; ++y)
    for (int x = box.left; x < box.left + box.width; ++x, ++bit)
      if (font.GetPixel(c, x, y)) data.bitmap[bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
  return data;
}

// Glyph ids count from 1, in code point order.
std::vector<KernPair> KernPairs(const TFontHandler& font, const std::vector<Glyph>& glyphs) {
  std::vector<KernPair> pairs;
  for (std::size_t l = 0; l < glyphs.size(); ++l)
    for (std::size_t r = 0; r < glyphs.size(); ++r) {
      const int distance = font.CalculateKerning(glyphs[l].code, glyphs[r].code);
      // LVGL 8 wraps an advance that kerning takes below 0.
      const int value = std::max(-distance, -font.GetCharSize(glyphs[l].code));
      if (value != 0) pairs.push_back({static_cast<int>(l) + 1, static_cast<int>(r) + 1, value});
    }
  return pairs;
}

// Numbers the distinct non-empty lines of a table; class 0 for an empty line.
std::vector<int> ClassesOfLines(const std::vector<std::vector<int>>& lines, int& count) {
  std::map<std::vector<int>, int> classes;
  std::vector<int> classOf(lines.size(), 0);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (std::all_of(lines[i].begin(), lines[i].end(), [](int v) { return v == 0; })) continue;
    const auto [found, added] = classes.emplace(lines[i], static_cast<int>(classes.size()) + 1);
    classOf[i] = found->second;
  }
  count = static_cast<int>(classes.size());
  return classOf;
}

KernClasses ClassesOf(const std::vector<KernPair>& pairs, std::size_t ids) {
  std::vector<std::vector<int>> rows(ids, std::vector<int>(ids, 0));
  std::vector<std::vector<int>> columns(ids, std::vector<int>(ids, 0));
  for (const KernPair& pair : pairs) {
    rows[pair.leftId][pair.rightId] = pair.value;
    columns[pair.rightId][pair.leftId] = pair.value;
  }
  KernClasses classes;
  classes.leftClass = ClassesOfLines(rows, classes.leftCount);
  classes.rightClass = ClassesOfLines(columns, classes.rightCount);
  classes.values.assign(static_cast<std::size_t>(classes.leftCount) * classes.rightCount, 0);
  for (const KernPair& pair : pairs)
    classes.values[static_cast<std::size_t>(classes.leftClass[pair.leftId] - 1) * classes.rightCount +
                   classes.rightClass[pair.rightId] - 1] = pair.value;
  return classes;
}

// The smallest set of cmap tables by lv_font_conv's own estimates: the
// cheapest split of the ascending code points into runs, each run a table of
// the cheapest kind that holds it.
std::vector<Cmap> SplitIntoCmaps(const std::vector<Glyph>& glyphs) {
  constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  std::vector<std::size_t> cost(glyphs.size() + 1, kNone);
  std::vector<Cmap> last(glyphs.size() + 1, {CmapKind::SparseTiny, 0, 0});
  cost[0] = 0;
  for (std::size_t end = 1; end <= glyphs.size(); ++end)
    for (std::size_t first = 0; first < end; ++first) {
      const std::size_t count = end - first;
      const char32_t span = glyphs[end - 1].codePoint - glyphs[first].codePoint + 1;
      const auto consider = [&](CmapKind kind, std::size_t bytes) {
        if (cost[first] + bytes >= cost[end]) return;
        cost[end] = cost[first] + bytes;
        last[end] = {kind, first, count};
      };
      if (span <= kFormat0Span) {
        consider(CmapKind::Format0Full, kCmapRecordBytes + span);
        if (span == count) consider(CmapKind::Format0Tiny, kCmapRecordBytes);
      }
      consider(CmapKind::SparseTiny, kCmapRecordBytes + 2 * count);
    }
  std::vector<Cmap> cmaps;
  for (std::size_t end = glyphs.size(); end > 0; end = last[end].first) cmaps.push_back(last[end]);
  std::reverse(cmaps.begin(), cmaps.end());
  return cmaps;
}

class LvglWriter {
 public:
  LvglWriter(const TFontHandler& font, std::vector<Glyph> glyphs, const std::string& name)
      : ffont(font), fglyphs(std::move(glyphs)), fname("lv_font_" + CIdentifier(name)) {}

  std::string Text() {
    std::string guard = fname;
    std::transform(guard.begin(), guard.end(), guard.begin(), [](unsigned char ch) { return std::toupper(ch); });
    std::string text = CreatorHead("LVGL Font");
    // The bitmap bytes take about six characters each; the text is built in
    // place, as copying it whole is what takes the time.
    text.reserve(fglyphs.size() * (static_cast<std::size_t>(ffont.BytesPerGlyph()) * 6 + kGlyphTextAllowance));
    text += Printf("/* %s: %d x %d pixels, baseline %d, 1 bpp */", fname.c_str(), ffont.FontWidth(), ffont.FontHeight(),
                   ffont.BaseLine()) +
            fcrlf + fcrlf;
    text += Lines({"#ifdef __has_include", "    #if __has_include(\"lvgl.h\")",
                   "        #ifndef LV_LVGL_H_INCLUDE_SIMPLE", "            #define LV_LVGL_H_INCLUDE_SIMPLE",
                   "        #endif", "    #endif", "#endif", "", "#ifdef LV_LVGL_H_INCLUDE_SIMPLE",
                   "    #include \"lvgl.h\"", "#else", "    #include \"lvgl/lvgl.h\"", "#endif", ""});
    text += Lines({"#ifndef " + guard, "#define " + guard + " 1", "#endif", "", "#if " + guard, ""});
    // In this order: each part counts what the later ones name.
    AppendBitmaps(text);
    text += GlyphDescriptions();
    text += Cmaps();
    text += Kerning();
    text += Descriptor();
    text += PublicFont();
    text += "#endif /*#if " + guard + "*/" + fcrlf + fcrlf + EofLine();
    return text;
  }

 private:
  std::string Lines(std::initializer_list<std::string> lines) const {
    std::string text;
    for (const std::string& line : lines) text += line + fcrlf;
    return text;
  }

  // Eight values a line, as LVGL's converter lays them out; hexadecimal
  // without leading zeros or decimal.
  template <typename Value>
  void Dump(std::string& text, const std::vector<Value>& values, Radix radix) const {
    // A line at a time: appending each piece on its own takes longer than
    // working out the digits.
    char line[kBytesPerLine * 24 + 8];
    char* at = line;
    for (std::size_t i = 0; i < values.size(); ++i) {
      at = std::copy_n(i % kBytesPerLine == 0 ? "    " : " ", i % kBytesPerLine == 0 ? 4 : 1, at);
      if (radix == Radix::Hexadecimal) at = std::copy_n("0x", 2, at);
      at = std::to_chars(at, line + sizeof line, static_cast<long long>(values[i]),
                         radix == Radix::Hexadecimal ? 16 : 10)
               .ptr;
      if (i + 1 < values.size()) *at++ = ',';
      if (i + 1 == values.size() || (i + 1) % kBytesPerLine == 0) {
        at = std::copy(fcrlf.begin(), fcrlf.end(), at);
        text.append(line, at);
        at = line;
      }
    }
  }

  template <typename Value>
  std::string Array(const std::string& declaration, const std::vector<Value>& values, Radix radix) const {
    std::string text = declaration + " = {" + fcrlf;
    Dump(text, values, radix);
    return text + "};" + fcrlf + fcrlf;
  }

  void AppendBitmaps(std::string& text) {
    text += "static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {" + fcrlf;
    std::size_t total = 0;
    for (const Glyph& glyph : fglyphs) {
      fdata.push_back(Cut(ffont, glyph.code));
      text += Printf("    /* U+%04X %s */", static_cast<unsigned>(glyph.codePoint),
                     CharacterText(static_cast<int>(glyph.codePoint)).c_str()) +
              fcrlf;
      const ByteArray& bitmap = fdata.back().bitmap;
      total += bitmap.size();
      Dump(text, bitmap, Radix::Hexadecimal);
      if (!bitmap.empty()) text.insert(text.size() - fcrlf.size(), ",");
      text += fcrlf;
    }
    // C allows no empty initializer.
    if (total == 0) text += "    0x0" + fcrlf;
    text += "};" + fcrlf + fcrlf;
  }

  std::string GlyphDescriptions() const {
    std::string text = "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {" + fcrlf;
    text += "    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0} /* id = 0 reserved */";
    std::size_t index = 0;
    for (const GlyphData& data : fdata) {
      const InkBox& box = data.box;
      const int ofsY = box.height == 0 ? 0 : ffont.BaseLine() - (box.top + box.height);
      text += "," + fcrlf +
              Printf("    {.bitmap_index = %zu, .adv_w = %d, .box_w = %d, .box_h = %d, .ofs_x = %d, .ofs_y = %d}",
                     index, ffont.GetCharSize(data.code) * kAdvanceUnit, box.width, box.height, box.left, ofsY);
      index += data.bitmap.size();
    }
    return text + fcrlf + "};" + fcrlf + fcrlf;
  }

  std::string CmapRecord(const Cmap& cmap, std::size_t number, std::string& lists) const {
    const char32_t start = fglyphs[cmap.first].codePoint;
    const char32_t end = fglyphs[cmap.first + cmap.count - 1].codePoint;
    std::string unicodeList = "NULL";
    std::string idList = "NULL";
    std::size_t listLength = 0;
    const char* type = "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY";
    if (cmap.kind == CmapKind::SparseTiny) {
      std::vector<char32_t> offsets;
      for (std::size_t i = cmap.first; i < cmap.first + cmap.count; ++i)
        offsets.push_back(fglyphs[i].codePoint - start);
      unicodeList = Printf("unicode_list_%zu", number);
      lists += Array("static const uint16_t " + unicodeList + "[]", offsets, Radix::Hexadecimal);
      listLength = offsets.size();
      type = "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY";
    } else if (cmap.kind == CmapKind::Format0Full) {
      std::vector<std::size_t> offsets(end - start + 1, 0);
      for (std::size_t i = cmap.first; i < cmap.first + cmap.count; ++i)
        offsets[fglyphs[i].codePoint - start] = i - cmap.first;
      idList = Printf("glyph_id_ofs_list_%zu", number);
      lists += Array("static const uint8_t " + idList + "[]", offsets, Radix::Decimal);
      listLength = offsets.size();
      type = "LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL";
    }
    return "    {" + fcrlf +
           Printf("        .range_start = %u, .range_length = %u, .glyph_id_start = %zu,", static_cast<unsigned>(start),
                  static_cast<unsigned>(end - start + 1), cmap.first + 1) +
           fcrlf +
           Printf("        .unicode_list = %s, .glyph_id_ofs_list = %s, .list_length = %zu, .type = %s",
                  unicodeList.c_str(), idList.c_str(), listLength, type) +
           fcrlf + "    }";
  }

  std::string Cmaps() {
    const std::vector<Cmap> cmaps = SplitIntoCmaps(fglyphs);
    fcmapCount = cmaps.size();
    if (cmaps.empty()) return {};
    std::string lists;
    std::string records;
    for (std::size_t i = 0; i < cmaps.size(); ++i)
      records += CmapRecord(cmaps[i], i, lists) + (i + 1 < cmaps.size() ? "," : "") + fcrlf;
    return lists + "static const lv_font_fmt_txt_cmap_t cmaps[] = {" + fcrlf + records + "};" + fcrlf + fcrlf;
  }

  std::string Kerning() {
    const std::vector<KernPair> pairs = KernPairs(ffont, fglyphs);
    if (pairs.empty()) return {};
    const KernClasses classes = ClassesOf(pairs, fglyphs.size() + 1);
    fkernClasses = classes.Bytes() < 3 * pairs.size();
    return *fkernClasses ? ClassTables(classes) : PairTables(pairs);
  }

  std::string PairTables(const std::vector<KernPair>& pairs) const {
    std::vector<int> ids;
    std::vector<int> values;
    for (const KernPair& pair : pairs) {
      ids.insert(ids.end(), {pair.leftId, pair.rightId});
      values.push_back(pair.value);
    }
    return Array("static const uint8_t kern_pair_glyph_ids[]", ids, Radix::Decimal) +
           Array("static const int8_t kern_pair_values[]", values, Radix::Decimal) +
           Lines({"static const lv_font_fmt_txt_kern_pair_t kern_pairs = {", "    .glyph_ids = kern_pair_glyph_ids,",
                  "    .values = kern_pair_values,", Printf("    .pair_cnt = %zu,", pairs.size()),
                  "    .glyph_ids_size = 0", "};", ""});
  }

  std::string ClassTables(const KernClasses& classes) const {
    return Array("static const uint8_t kern_left_class_mapping[]", classes.leftClass, Radix::Decimal) +
           Array("static const uint8_t kern_right_class_mapping[]", classes.rightClass, Radix::Decimal) +
           Array("static const int8_t kern_class_values[]", classes.values, Radix::Decimal) +
           Lines({"static const lv_font_fmt_txt_kern_classes_t kern_classes = {",
                  "    .class_pair_values = kern_class_values,", "    .left_class_mapping = kern_left_class_mapping,",
                  "    .right_class_mapping = kern_right_class_mapping,",
                  Printf("    .left_class_cnt = %d,", classes.leftCount),
                  Printf("    .right_class_cnt = %d,", classes.rightCount), "};", ""});
  }

  std::string Descriptor() const {
    const bool kerning = fkernClasses.has_value();
    const std::string kernDsc = !kerning ? "NULL" : *fkernClasses ? "&kern_classes" : "&kern_pairs";
    return Lines({"#if LVGL_VERSION_MAJOR == 8",
                  "static lv_font_fmt_txt_glyph_cache_t cache;",
                  "#endif",
                  "",
                  "#if LVGL_VERSION_MAJOR >= 8",
                  "static const lv_font_fmt_txt_dsc_t font_dsc = {",
                  "#else",
                  "static lv_font_fmt_txt_dsc_t font_dsc = {",
                  "#endif",
                  "    .glyph_bitmap = glyph_bitmap,",
                  "    .glyph_dsc = glyph_dsc,",
                  fcmapCount > 0 ? "    .cmaps = cmaps," : "    .cmaps = NULL,",
                  "    .kern_dsc = " + kernDsc + ",",
                  Printf("    .kern_scale = %d,", kerning ? kKernScale : 0),
                  Printf("    .cmap_num = %zu,", fcmapCount),
                  "    .bpp = 1,",
                  Printf("    .kern_classes = %d,", kerning && *fkernClasses ? 1 : 0),
                  "    .bitmap_format = 0,",
                  "#if LVGL_VERSION_MAJOR == 8",
                  "    .cache = &cache",
                  "#endif",
                  "};",
                  ""});
  }

  std::string PublicFont() const {
    return Lines(
        {"#if LVGL_VERSION_MAJOR >= 8", "const lv_font_t " + fname + " = {", "#else", "lv_font_t " + fname + " = {",
         "#endif", "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,",
         "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,", Printf("    .line_height = %d,", ffont.FontHeight()),
         Printf("    .base_line = %d,", ffont.FontHeight() - ffont.BaseLine()), "    .subpx = LV_FONT_SUBPX_NONE,",
         "    .underline_position = 0,", "    .underline_thickness = 0,", "    .dsc = &font_dsc,", "};", ""});
  }

  const TFontHandler& ffont;
  std::vector<Glyph> fglyphs;
  std::string fname;
  std::string fcrlf{kCrLf};
  std::vector<GlyphData> fdata;
  std::size_t fcmapCount = 0;
  std::optional<bool> fkernClasses;  // none: no kerning
};

}  // namespace

int ExportLVGL(const TFontHandler& font, const std::string& filename, CodePage page) {
  RequireValidFont(font);
  int unmapped = 0;
  std::vector<Glyph> glyphs = MappedGlyphs(font, page, unmapped);
  WriteTextFile(filename, LvglWriter(font, std::move(glyphs), SourceName(filename)).Text());
  return unmapped;
}
