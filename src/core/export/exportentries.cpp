#include "export/exportentries.h"

#include "render/demopicture.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array<ExportEntry, 22> kEntries = {{
    {1, "Dot-Matrix-Demo (PNG)", "*.png", ".png", "png"},
    {2, "Dot-Matrix-Demo (BMP)", "*.bmp", ".bmp", "bmp"},
    {3, "DB - Include (intel)", "*.inc", ".inc", "db"},
    {4, "DC.B - Include (Motorola)", "*.inc", ".inc", "dcb"},
    {5, "DB - Include (MSB top)", "*.inc", ".inc", "db-msb"},
    {6, "DB - Include (LSB top)", "*.inc", ".inc", "db-lsb"},
    {7, "DC.B - Include (MSB top)", "*.inc", ".inc", "dcb-msb"},
    {8, "DC.B - Include (LSB top)", "*.inc", ".inc", "dcb-lsb"},
    {9, "DB - Include (MSB top mirrored byte order)", "*.inc", ".inc", "db-msb-mirror"},
    {10, "DB - Include (LSB top mirrored byte order)", "*.inc", ".inc", "db-lsb-mirror"},
    {11, "DC.B - Include (MSB top mirrored byte order)", "*.inc", ".inc", "dcb-msb-mirror"},
    {12, "DC.B - Include (LSB top mirrored byte order)", "*.inc", ".inc", "dcb-lsb-mirror"},
    {13, "gnu-as - Include", "*.S", ".S", "gas"},
    {14, "gnu-as - Include (MSB top)", "*.S", ".S", "gas-msb"},
    {15, "gnu-as - Include (LSB top)", "*.S", ".S", "gas-lsb"},
    {16, "gnu-as - Include (MSB top mirrored byte order)", "*.S", ".S", "gas-msb-mirror"},
    {17, "gnu-as - Include (LSB top mirrored byte order)", "*.S", ".S", "gas-lsb-mirror"},
    {18, "GFX Arduino Font - Include (max.127 Zeichen)", "*.h", ".h", "gfx127"},
    {19, "GFX Arduino Font - Include (max.255 Zeichen)", "*.h", ".h", "gfx255"},
    {20, "TFT_eSPI Font (uncompressed)", "*.c", ".inc", "tft"},
    {21, "TFT_eSPI Font (RLE)", "*.c", ".inc", "tft-rle"},
    {22, "BDF - Bitmap Distribution Format (*.bdf)", "*.bdf", ".bdf", "bdf"},
}};

constexpr int kPngEntry = 1;
constexpr int kBmpEntry = 2;
constexpr int kFirstFileTypeEntry = 3;
constexpr int kFirstTftEntry = 20;
constexpr int kLastTftEntry = 21;

}  // namespace

std::span<const ExportEntry> ExportEntries() { return kEntries; }

std::string_view ExportExtension(int number) {
  const bool known = number >= 1 && number <= static_cast<int>(kEntries.size());
  return known ? kEntries[number - 1].extension : ".inc";
}

std::optional<ExportEntry> FindExportEntry(std::string_view numberOrName) {
  const auto found = std::find_if(kEntries.begin(), kEntries.end(), [&](const ExportEntry& entry) {
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
  if (number < kFirstTftEntry || number > kLastTftEntry) return {filename};
  const std::string header = OutputFileName(filename, ".h");
  const std::string source = OutputFileName(filename, ".c");
  if (header == source) return {header};
  return {header, source};
}

void ExportEntryFile(const TFontHandler& font, int number, const std::string& chosen, bool highlightSize) {
  if (number < 1 || number > static_cast<int>(kEntries.size()))
    throw std::invalid_argument("export entry outside the table");
  // Checked before the extension is replaced, which would give "outdir/" a name.
  RequireFileName(chosen);
  const std::string filename = ExportFileName(chosen, number);
  if (number == kPngEntry || number == kBmpEntry)
    WriteDotMatrixDemo(font, highlightSize, filename, number == kPngEntry ? DemoFileFormat::Png : DemoFileFormat::Bmp);
  else
    font.ExportFont(filename, number - kFirstFileTypeEntry);
}
