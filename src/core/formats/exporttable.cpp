#include "formats/exporttable.h"

#include "export/asmexport.h"
#include "export/bdfexport.h"
#include "export/carrayexport.h"
#include "export/gfxexport.h"
#include "export/tftexport.h"
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

template <GfxCodes Codes>
ExportNotes WriteGfx(const TFontHandler& font, const std::string& filename, const ExportOptions&) {
  ExportGFX(font, filename, Codes);
  return {};
}

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

using enum ByteLayout;

constexpr std::array<ExportEntry, 27> kEntries = {{
    {1, "png", "Dot-Matrix-Demo (PNG)", "*.png", ".png", WriteDemo<DemoFileFormat::Png>, {}},
    {2, "bmp", "Dot-Matrix-Demo (BMP)", "*.bmp", ".bmp", WriteDemo<DemoFileFormat::Bmp>, {}},
    {3, "db", "DB - Include (intel)", "*.inc", ".inc", WriteAssembler<0>, {}},
    {4, "dcb", "DC.B - Include (Motorola)", "*.inc", ".inc", WriteAssembler<1>, {}},
    {5, "db-msb", "DB - Include (MSB top)", "*.inc", ".inc", WriteAssembler<2>, {}},
    {6, "db-lsb", "DB - Include (LSB top)", "*.inc", ".inc", WriteAssembler<3>, {}},
    {7, "dcb-msb", "DC.B - Include (MSB top)", "*.inc", ".inc", WriteAssembler<4>, {}},
    {8, "dcb-lsb", "DC.B - Include (LSB top)", "*.inc", ".inc", WriteAssembler<5>, {}},
    {9, "db-msb-mirror", "DB - Include (MSB top mirrored byte order)", "*.inc", ".inc", WriteAssembler<6>, {}},
    {10, "db-lsb-mirror", "DB - Include (LSB top mirrored byte order)", "*.inc", ".inc", WriteAssembler<7>, {}},
    {11, "dcb-msb-mirror", "DC.B - Include (MSB top mirrored byte order)", "*.inc", ".inc", WriteAssembler<8>, {}},
    {12, "dcb-lsb-mirror", "DC.B - Include (LSB top mirrored byte order)", "*.inc", ".inc", WriteAssembler<9>, {}},
    {13, "gas", "gnu-as - Include", "*.S", ".S", WriteAssembler<10>, {}},
    {14, "gas-msb", "gnu-as - Include (MSB top)", "*.S", ".S", WriteAssembler<11>, {}},
    {15, "gas-lsb", "gnu-as - Include (LSB top)", "*.S", ".S", WriteAssembler<12>, {}},
    {16, "gas-msb-mirror", "gnu-as - Include (MSB top mirrored byte order)", "*.S", ".S", WriteAssembler<13>, {}},
    {17, "gas-lsb-mirror", "gnu-as - Include (LSB top mirrored byte order)", "*.S", ".S", WriteAssembler<14>, {}},
    {18, "gfx127", "GFX Arduino Font - Include (max.127 Zeichen)", "*.h", ".h", WriteGfx<GfxCodes::UpTo127>, {}},
    {19, "gfx255", "GFX Arduino Font - Include (max.255 Zeichen)", "*.h", ".h", WriteGfx<GfxCodes::UpTo255>, {}},
    {20, "tft", "TFT_eSPI Font (uncompressed)", "*.c", ".inc", WriteTft<TftCoding::Plain>, kTftFileExtensions},
    {21, "tft-rle", "TFT_eSPI Font (RLE)", "*.c", ".inc", WriteTft<TftCoding::RunLength>, kTftFileExtensions},
    {22, "bdf", "BDF - Bitmap Distribution Format (*.bdf)", "*.bdf", ".bdf", WriteBdf, {}},
    {25, "c", "C - Array", "*.h", ".h", WriteArray<Rows>, {}},
    {26, "c-msb", "C - Array (MSB top)", "*.h", ".h", WriteArray<ColumnsMsbTop>, {}},
    {27, "c-lsb", "C - Array (LSB top)", "*.h", ".h", WriteArray<ColumnsLsbTop>, {}},
    {28, "c-msb-mirror", "C - Array (MSB top mirrored byte order)", "*.h", ".h", WriteArray<ColumnsMsbTopMirrored>, {}},
    {29, "c-lsb-mirror", "C - Array (LSB top mirrored byte order)", "*.h", ".h", WriteArray<ColumnsLsbTopMirrored>, {}},
}};

// The file types of ExportFont start with the first entry after the pictures.
constexpr int kFileTypeOffset = 3;

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
  if (number < kFileTypeOffset) return;
  if (const ExportEntry* entry = EntryOf(number)) entry->writer(font, filename, {});
}
