#include "render/textlayout.h"

#include "model/codepages.h"

#include <algorithm>
#include <map>

namespace textlayout {

namespace {

constexpr int kNoGlyph = -3;

// Sets the glyphs of one line after another, keeping the pen and the glyph before it.
class LineSetter {
 public:
  LineSetter(const TFontHandler& font, const Options& options) : ffont(font), foptions(options) {}

  void SetParagraph(const int* begin, const int* end) {
    const int* token = begin;
    while (token != end) {
      const int* word = std::find_if(token, end, [](int code) { return code != kSpace; });
      const int* next = std::find(word, end, kSpace);
      SetToken(token, word, next);
      token = next;
    }
    NewLine();
  }

  TextLayout Result() {
    const int lines = fline;
    flayout.Height = lines > 0 ? lines * ffont.FontHeight() + (lines - 1) * foptions.LineSpacing : 0;
    return std::move(flayout);
  }

 private:
  // Spaces followed by a word; a word that would end beyond the wrap width
  // starts the next line without the spaces, and spaces that do not fit are dropped.
  void SetToken(const int* spaces, const int* word, const int* end) {
    if (foptions.WrapWidth && fstarted && EndAfter(spaces, end) > *foptions.WrapWidth) {
      if (word == end) return;
      NewLine();
      spaces = word;
    }
    for (const int* code = spaces; code != end; ++code) Place(*code);
  }

  // The rightmost end the line reaches with these codes set after it.
  int EndAfter(const int* begin, const int* end) const {
    int pen = fpen;
    int previous = fprevious;
    int reach = freach;
    for (const int* code = begin; code != end; ++code) {
      pen = pen - Kerning(ffont, previous, *code) + Advance(ffont, *code);
      reach = std::max(reach, pen);
      previous = *code;
    }
    return reach;
  }

  void Place(int code) {
    const int x = fpen - Kerning(ffont, fprevious, code);
    const int width = Advance(ffont, code);
    flayout.Glyphs.push_back({code, x, fline * (ffont.FontHeight() + foptions.LineSpacing), width});
    fpen = x + width;
    freach = std::max(freach, fpen);
    flayout.Width = std::max(flayout.Width, fpen);
    fprevious = code;
    fstarted = true;
  }

  void NewLine() {
    ++fline;
    fpen = freach = 0;
    fprevious = kNoGlyph;
    fstarted = false;
  }

  const TFontHandler& ffont;
  const Options& foptions;
  TextLayout flayout;
  int fline = 0;
  int fpen = 0;
  int freach = 0;
  int fprevious = kNoGlyph;
  bool fstarted = false;
};

}  // namespace

int Windows1252Code(char32_t ch) {
  static const std::map<char32_t, int> codes = [] {
    std::map<char32_t, int> map;
    for (int byte = 0; byte < kGlyphCount; ++byte) map[Windows1252ToUnicode(static_cast<std::uint8_t>(byte))] = byte;
    return map;
  }();
  const auto found = codes.find(ch);
  return found == codes.end() ? kOutsideFont : found->second;
}

std::vector<int> GlyphCodes(std::u32string_view text) {
  std::vector<int> codes;
  codes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;
    codes.push_back(text[i] == U'\n' || text[i] == U'\r' ? kLineBreak : Windows1252Code(text[i]));
  }
  return codes;
}

int Advance(const TFontHandler& font, int code) {
  return code == kOutsideFont ? font.FontWidth() : font.GetCharSize(code);
}

int Kerning(const TFontHandler& font, int left, int right) {
  return left < 0 || right < 0 ? 0 : font.CalculateKerning(left, right);
}

TextLayout LayoutText(const TFontHandler& font, const std::vector<int>& codes, const Options& options) {
  LineSetter setter(font, options);
  const int* begin = codes.data();
  const int* end = begin + codes.size();
  while (begin != end) {
    const int* lineEnd = std::find(begin, end, kLineBreak);
    setter.SetParagraph(begin, lineEnd);
    begin = lineEnd == end ? end : lineEnd + 1;
    // A break at the very end opens an empty last line.
    if (lineEnd != end && begin == end) setter.SetParagraph(end, end);
  }
  return setter.Result();
}

}  // namespace textlayout
