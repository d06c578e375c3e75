#include "export/tftexport.h"

#include "export/csourcetext.h"
#include "export/textfile.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 127;
constexpr int kSpace = 32;
constexpr int kLongestRun = 128;
// The fixed allowance the memory line adds to the glyph bytes.
constexpr std::size_t kTableBytes = 480;

bool Blank(const TFontHandler& font, int c) {
  for (int y = 0; y < font.FontHeight(); ++y)
    if (RowInked(font, c, font.GetCharSize(c), y)) return false;
  return true;
}

// TFT_eSPI's widths include one column of spacing and it reads (w + 6) / 8
// bytes per row; for widths 1, 9, 17... that spacing column is not stored.
ByteArray PackPlain(const TFontHandler& font, int c) {
  const int width = font.GetCharSize(c);
  const int bytesPerRow = (width + 6) / 8;
  const int storedColumns = std::min(width, bytesPerRow * 8);
  ByteArray bytes(static_cast<std::size_t>(bytesPerRow * font.FontHeight()), 0);
  for (int y = 0; y < font.FontHeight(); ++y)
    for (int x = 0; x < storedColumns; ++x)
      if (font.GetPixel(c, x, y)) bytes[y * bytesPerRow + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
  return bytes;
}

// Runs of up to 128 equal pixels over the rows read as one sequence: bit 7
// the pixel, bits 0..6 the length minus one.
ByteArray PackRunLength(const TFontHandler& font, int c) {
  ByteArray runs;
  bool pixel = false;
  int length = 0;
  const auto endRun = [&] { runs.push_back(static_cast<std::uint8_t>((length - 1) | (pixel ? 0x80 : 0))); };
  for (int y = 0; y < font.FontHeight(); ++y) {
    for (int x = 0; x < font.GetCharSize(c); ++x) {
      const bool p = font.GetPixel(c, x, y);
      if (p != pixel) {
        if (length > 0) endRun();
        pixel = p;
        length = 0;
      }
      if (++length == kLongestRun) {
        endRun();
        length = 0;
      }
    }
  }
  if (length > 0) endRun();
  return runs;
}

ByteArray PackGlyph(const TFontHandler& font, int c, TftCoding coding) {
  return coding == TftCoding::Plain ? PackPlain(font, c) : PackRunLength(font, c);
}

// A table of entries separated by single CRs, whose last entry's comma becomes a space.
class EntryTable {
 public:
  explicit EntryTable(std::string head) : ftext(std::move(head)) {}
  void Add(const std::string& entry) {
    flastComma = ftext.size() + entry.size() - 2;
    ftext += entry;
  }
  void Append(const std::string& text) { ftext += text; }
  std::string Closed() const {
    std::string text = ftext;
    text[flastComma] = ' ';
    return text + "};" + std::string(kCrLf) + std::string(kCrLf);
  }

 private:
  std::string ftext;
  std::size_t flastComma = 0;
};

// An empty line, the array's head, the byte list without its last ", " and "};".
std::string GlyphArray(const std::string& name, int c, const ByteArray& bytes, std::size_t bytesBefore) {
  const std::string crlf(kCrLf);
  std::string block = ByteBlock(bytes, bytesBefore);
  block.resize(block.size() - 2);
  return crlf +
         Printf("PROGMEM const unsigned char chr_%s_%2.2X[] = { // %3d = %s", name.c_str(), c, c,
                CharacterText(c).c_str()) +
         crlf + block + crlf + "};" + crlf;
}

std::string FontTitle(const TFontHandler& font, const std::string& name) {
  return Printf("// Font%s (%d x %d Pixel)", name.c_str(), font.FontWidth(), font.FontHeight()) + std::string(kCrLf);
}

std::string LineBreakInTable(int c) { return c < kLastCode ? "\r  " : "\r"; }

std::string SourceText(const TFontHandler& font, const std::string& name, TftCoding coding) {
  const std::string crlf(kCrLf);
  const std::string identifier = CIdentifier(name);
  const char* id = identifier.c_str();
  EntryTable widths("// character width table\rPROGMEM const unsigned char widtbl_" + identifier + "[96] = {\r  ");
  EntryTable pointers("// character pointer table\rPROGMEM const unsigned char* const chrtbl_" + identifier +
                      "[96] = {\r  ");
  std::string glyphs;
  std::size_t codedBytes = 0;
  for (int c = kFirstCode; c <= kLastCode; ++c) {
    const ByteArray bytes = PackGlyph(font, c, coding);
    const std::size_t bytesBefore = coding == TftCoding::RunLength ? codedBytes : 0;
    codedBytes += bytes.size();
    const bool own = c == kSpace || !Blank(font, c);
    if (own) glyphs += GlyphArray(identifier, c, bytes, bytesBefore);
    const int shown = own ? c : kSpace;
    widths.Add(Printf("%3d, ", font.GetCharSize(shown)));
    pointers.Add(Printf("chr_%s_%2.2X, ", id, shown));
    if (c % 4 == 3) pointers.Append(LineBreakInTable(c));
    if (c % 8 == 7)
      widths.Append(
          Printf("// char %2.2X - %2.2X %s - %s", c - 7, c, CharacterText(c - 7).c_str(), CharacterText(c).c_str()) +
          LineBreakInTable(c));
  }
  std::string text = CreatorHead("TTFT_eSPI-Font");
  text += FontTitle(font, name);
  if (coding == TftCoding::RunLength) text += "// RLE compressed" + crlf;
  text += glyphs + widths.Closed() + pointers.Closed();
  text += Printf("// needs %zu bytes of Memory", codedBytes + kTableBytes) + crlf;
  return text + EofLine();
}

// The include line carries the source file's name as the file system spells
// it, not in the code page, so that the compiler finds the file.
ByteArray HeaderFile(const TFontHandler& font, const std::string& name, const std::string& sourcePath) {
  const std::string crlf(kCrLf);
  const std::string identifier = CIdentifier(name);
  const char* id = identifier.c_str();
  ByteArray file = EncodeTextFile(CreatorHead("TTFT_eSPI-Font") + crlf + FontTitle(font, name) + "#include <Fonts/");
  const std::string sourceFile = std::filesystem::path(sourcePath).filename().string();
  file.insert(file.end(), sourceFile.begin(), sourceFile.end());
  std::string text = ">" + crlf;
  text += "#define nr_chrs_" + identifier + " 96" + crlf;
  text += Printf("#define chr_hgt_%s %d", id, font.FontHeight()) + crlf;
  text += Printf("#define baseline_%s %d", id, font.BaseLine()) + crlf;
  text += "#define data_size_" + identifier + " 8" + crlf;
  text += "#define firstchr_" + identifier + " 32" + crlf + crlf;
  text += "extern const unsigned char widtbl_" + identifier + "[96];" + crlf;
  text += "extern const unsigned char* const chrtbl_" + identifier + "[96];" + crlf + crlf;
  const ByteArray rest = EncodeTextFile(text + EofLine());
  file.insert(file.end(), rest.begin(), rest.end());
  return file;
}

}  // namespace

void ExportTFT(const TFontHandler& font, const std::string& filename, TftCoding coding) {
  RequireValidFont(font);
  const std::string name = SourceName(filename);
  const std::string headerPath = OutputFileName(filename, kTftFileExtensions[0]);
  const std::string sourcePath = OutputFileName(filename, kTftFileExtensions[1]);
  // Both are opened before either is written, and replace their old
  // versions together or not at all.
  SafeFileWriter header(headerPath);
  SafeFileWriter source(sourcePath);
  header.Write(HeaderFile(font, name, sourcePath));
  // Written through one device, the header comes first.
  header.Finish();
  source.Write(EncodeTextFile(SourceText(font, name, coding)));
  CommitTogether({&header, &source});
}
