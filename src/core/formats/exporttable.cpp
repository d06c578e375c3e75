#include "formats/exporttable.h"

#include "export/asmexport.h"
#include "export/bdfexport.h"
#include "export/carrayexport.h"
#include "export/gfxexport.h"
#include "export/lvglexport.h"
#include "export/tftexport.h"
#include "export/u8g2export.h"
#include "formats/tabletext.h"
#include "render/demopicture.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

template <DemoFileFormat Format>
ExportNotes WriteDemo(const TFontHandler& font, const std::string& filename, const ExportOptions& options) {
  WriteDotMatrixDemo(font, options.highlightSize, filename, Format);
  return {};
}

template <int Format>
ExportNotes WriteAssembler(const TFontHandler& font, const std::string& filename, const ExportOptions&) {
  ExportAssembler(font, filename, Format);
  return {};
}

template <GfxCodes Codes, GfxBitmaps Bitmaps = GfxBitmaps::FullWidth>
ExportNotes WriteGfx(const TFontHandler& font, const std::string& filename, const ExportOptions&) {
  ExportGFX(font, filename, Codes, Bitmaps);
  return {};
}

constexpr ExportWriter kCompactGfx127 = WriteGfx<GfxCodes::UpTo127, GfxBitmaps::Compact>;
constexpr ExportWriter kCompactGfx255 = WriteGfx<GfxCodes::UpTo255, GfxBitmaps::Compact>;

template <TftCoding Coding>
ExportNotes WriteTft(const TFontHandler& font, const std::string& filename, const ExportOptions&) {
  ExportTFT(font, filename, Coding);
  return {};
}

template <ByteLayout Layout>
ExportNotes WriteArray(const TFontHandler& font, const std::string& filename, const ExportOptions&) {
  ExportCArray(font, filename, Layout);
  return {};
}

ExportNotes WriteBdf(const TFontHandler& font, const std::string& filename, const ExportOptions& options) {
  return {.unmappedCodes = ExportBDF(font, filename, options.codePage)};
}

ExportNotes WriteU8g2(const TFontHandler& font, const std::string& filename, const ExportOptions& options) {
  return {.unmappedCodes = ExportU8g2(font, filename, options.codePage)};
}

ExportNotes WriteLvgl(const TFontHandler& font, const std::string& filename, const ExportOptions& options) {
  return {.unmappedCodes = ExportLVGL(font, filename, options.codePage)};
}

using enum ByteLayout;

// The captions are the program's German texts, translated where the dialog shows them.
// One entry a line, however long, so that the table reads as one.
// clang-format off
constexpr std::array<ExportEntry, 31> kEntries = {{
    {1, "png", GLYPH_TRANSLATE_NOOP("ExportTable", "Dot-Matrix-Demo (PNG)"), "*.png", ".png", WriteDemo<DemoFileFormat::Png>, {}},
    {2, "bmp", GLYPH_TRANSLATE_NOOP("ExportTable", "Dot-Matrix-Demo (BMP)"), "*.bmp", ".bmp", WriteDemo<DemoFileFormat::Bmp>, {}},
    {3, "db", GLYPH_TRANSLATE_NOOP("ExportTable", "DB - Include (intel)"), "*.inc", ".inc", WriteAssembler<0>, {}},
    {4, "dcb", GLYPH_TRANSLATE_NOOP("ExportTable", "DC.B - Include (Motorola)"), "*.inc", ".inc", WriteAssembler<1>, {}},
    {5, "db-msb", GLYPH_TRANSLATE_NOOP("ExportTable", "DB - Include (MSB top)"), "*.inc", ".inc", WriteAssembler<2>, {}},
    {6, "db-lsb", GLYPH_TRANSLATE_NOOP("ExportTable", "DB - Include (LSB top)"), "*.inc", ".inc", WriteAssembler<3>, {}},
    {7, "dcb-msb", GLYPH_TRANSLATE_NOOP("ExportTable", "DC.B - Include (MSB top)"), "*.inc", ".inc", WriteAssembler<4>, {}},
    {8, "dcb-lsb", GLYPH_TRANSLATE_NOOP("ExportTable", "DC.B - Include (LSB top)"), "*.inc", ".inc", WriteAssembler<5>, {}},
    {9, "db-msb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "DB - Include (MSB top mirrored byte order)"), "*.inc", ".inc", WriteAssembler<6>, {}},
    {10, "db-lsb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "DB - Include (LSB top mirrored byte order)"), "*.inc", ".inc", WriteAssembler<7>, {}},
    {11, "dcb-msb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "DC.B - Include (MSB top mirrored byte order)"), "*.inc", ".inc", WriteAssembler<8>, {}},
    {12, "dcb-lsb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "DC.B - Include (LSB top mirrored byte order)"), "*.inc", ".inc", WriteAssembler<9>, {}},
    {13, "gas", GLYPH_TRANSLATE_NOOP("ExportTable", "gnu-as - Include"), "*.S", ".S", WriteAssembler<10>, {}},
    {14, "gas-msb", GLYPH_TRANSLATE_NOOP("ExportTable", "gnu-as - Include (MSB top)"), "*.S", ".S", WriteAssembler<11>, {}},
    {15, "gas-lsb", GLYPH_TRANSLATE_NOOP("ExportTable", "gnu-as - Include (LSB top)"), "*.S", ".S", WriteAssembler<12>, {}},
    {16, "gas-msb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "gnu-as - Include (MSB top mirrored byte order)"), "*.S", ".S", WriteAssembler<13>, {}},
    {17, "gas-lsb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "gnu-as - Include (LSB top mirrored byte order)"), "*.S", ".S", WriteAssembler<14>, {}},
    {18, "gfx127", GLYPH_TRANSLATE_NOOP("ExportTable", "GFX Arduino Font - Include (max.127 Zeichen)"), "*.h", ".h", WriteGfx<GfxCodes::UpTo127>, {}},
    {19, "gfx255", GLYPH_TRANSLATE_NOOP("ExportTable", "GFX Arduino Font - Include (max.255 Zeichen)"), "*.h", ".h", WriteGfx<GfxCodes::UpTo255>, {}},
    {20, "tft", GLYPH_TRANSLATE_NOOP("ExportTable", "TFT_eSPI Font (uncompressed)"), "*.c", ".inc", WriteTft<TftCoding::Plain>, kTftFileExtensions},
    {21, "tft-rle", GLYPH_TRANSLATE_NOOP("ExportTable", "TFT_eSPI Font (RLE)"), "*.c", ".inc", WriteTft<TftCoding::RunLength>, kTftFileExtensions},
    {22, "bdf", GLYPH_TRANSLATE_NOOP("ExportTable", "BDF - Bitmap Distribution Format (*.bdf)"), "*.bdf", ".bdf", WriteBdf, {}},
    {23, "u8g2", GLYPH_TRANSLATE_NOOP("ExportTable", "u8g2 Font (*.h)"), "*.h", ".h", WriteU8g2, {}},
    {24, "lvgl", GLYPH_TRANSLATE_NOOP("ExportTable", "LVGL Font (*.c)"), "*.c", ".c", WriteLvgl, {}},
    {25, "c", GLYPH_TRANSLATE_NOOP("ExportTable", "C - Array"), "*.h", ".h", WriteArray<Rows>, {}},
    {26, "c-msb", GLYPH_TRANSLATE_NOOP("ExportTable", "C - Array (MSB top)"), "*.h", ".h", WriteArray<ColumnsMsbTop>, {}},
    {27, "c-lsb", GLYPH_TRANSLATE_NOOP("ExportTable", "C - Array (LSB top)"), "*.h", ".h", WriteArray<ColumnsLsbTop>, {}},
    {28, "c-msb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "C - Array (MSB top mirrored byte order)"), "*.h", ".h", WriteArray<ColumnsMsbTopMirrored>, {}},
    {29, "c-lsb-mirror", GLYPH_TRANSLATE_NOOP("ExportTable", "C - Array (LSB top mirrored byte order)"), "*.h", ".h", WriteArray<ColumnsLsbTopMirrored>, {}},
    {30, "gfx127-compact", GLYPH_TRANSLATE_NOOP("ExportTable", "GFX Arduino Font kompakt - Include (max.127 Zeichen)"), "*.h", ".h", kCompactGfx127, {}},
    {31, "gfx255-compact", GLYPH_TRANSLATE_NOOP("ExportTable", "GFX Arduino Font kompakt - Include (max.255 Zeichen)"), "*.h", ".h", kCompactGfx255, {}},
}};
// clang-format on

// The file types of ExportFont start with the first entry after the pictures
// and end with BDF.
constexpr int kFileTypeOffset = 3;
constexpr int kLastFileTypeEntry = 22;

const ExportEntry* EntryOf(int number) {
  const auto* const found = std::find_if(kEntries.begin(), kEntries.end(),
                                         [number](const ExportEntry& entry) { return entry.number == number; });
  return found != kEntries.end() ? found : nullptr;
}

const ExportEntry& RequireEntry(int number) {
  const ExportEntry* entry = EntryOf(number);
  if (entry == nullptr) throw std::invalid_argument("export entry outside the table");
  return *entry;
}

}  // namespace

std::span<const ExportEntry> ExportEntries() { return kEntries; }

std::string_view ExportExtension(int number) {
  const ExportEntry* entry = EntryOf(number);
  return entry != nullptr ? entry->extension : ".inc";
}

std::optional<ExportEntry> FindExportEntry(std::string_view numberOrName) {
  const auto* const found = std::find_if(kEntries.begin(), kEntries.end(), [&](const ExportEntry& entry) {
    return entry.name == numberOrName || std::to_string(entry.number) == numberOrName;
  });
  if (found == kEntries.end()) return std::nullopt;
  return *found;
}

std::string ExportFileName(const std::string& chosen, int number) {
  return OutputFileName(chosen, ExportExtension(number));
}

std::vector<std::string> ExportedFiles(const std::string& chosen, int number) {
  const std::string filename = ExportFileName(chosen, number);
  const ExportEntry* entry = EntryOf(number);
  if (entry == nullptr || entry->writtenExtensions.empty()) return {filename};
  std::vector<std::string> files;
  for (const std::string_view extension : entry->writtenExtensions) {
    std::string file = OutputFileName(filename, extension);
    if (std::find(files.begin(), files.end(), file) == files.end()) files.push_back(std::move(file));
  }
  return files;
}

ExportNotes ExportEntryFile(const TFontHandler& font, int number, const std::string& chosen,
                            const ExportOptions& options) {
  const ExportEntry& entry = RequireEntry(number);
  // Checked before the extension is replaced, which would give "outdir/" a name.
  RequireFileName(chosen);
  return entry.writer(font, ExportFileName(chosen, number), options);
}

void ExportFont(const TFontHandler& font, const std::string& filename, int filetype) {
  const int number = filetype + kFileTypeOffset;
  if (number < kFileTypeOffset || number > kLastFileTypeEntry) return;
  if (const ExportEntry* entry = EntryOf(number)) entry->writer(font, filename, {});
}
