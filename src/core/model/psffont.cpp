#include "model/psffont.h"

#include "model/fontfileerror.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr FileKind kPsfKind{"PSF-Datei", "PSF file"};

constexpr std::uint8_t kPsf1Mark[] = {0x36, 0x04};
constexpr std::uint8_t kPsf2Mark[] = {0x72, 0xB5, 0x4A, 0x86};
constexpr std::size_t kPsf1HeaderSize = 4;
constexpr std::size_t kPsf2HeaderSize = 32;
constexpr std::uint8_t kPsf1Has512Glyphs = 0x01;

// Where the glyphs lie in the file and what they measure.
struct PsfLayout {
  std::string_view format;
  int width;
  int height;
  std::size_t glyphsAt;
  std::uint64_t count;
  std::size_t glyphBytes;
};

template <std::size_t size>
bool StartsWith(const ByteArray& data, const std::uint8_t (&mark)[size]) {
  return data.size() >= size && std::equal(mark, mark + size, data.begin());
}

std::uint32_t Word32(const ByteArray& data, std::size_t offset) {
  return data[offset] | (data[offset + 1] << 8) | (data[offset + 2] << 16) |
         (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

FilePlace At(std::size_t offset) { return FilePlace::Offset(kPsfKind, offset); }

void RequireHeader(const ByteArray& data, std::size_t size) {
  if (data.size() < size)
    throw At(data.size())
        .Error("Die Datei endet im Kopf, der " + std::to_string(size) + " Bytes braucht.",
               "the file ends inside its " + std::to_string(size) + "-byte header");
}

void RequireCellSide(std::uint64_t pixels, std::size_t offset, const char* german, const char* english) {
  if (pixels >= kMinCellSize && pixels <= kMaxCellSize) return;
  const std::string n = std::to_string(pixels);
  throw At(offset).Error("Die Zeichen sind " + n + " Pixel " + german + "; möglich sind 1 bis 64.",
                         "the glyphs are " + n + " pixels " + english + "; 1 to 64 are possible");
}

PsfLayout Psf1Layout(const ByteArray& data) {
  RequireHeader(data, kPsf1HeaderSize);
  RequireCellSide(data[3], 3, "hoch", "high");
  const std::uint64_t count = (data[2] & kPsf1Has512Glyphs) ? 512 : 256;
  return {FontFileFormat::Psf1, 8, data[3], kPsf1HeaderSize, count, data[3]};
}

PsfLayout Psf2Layout(const ByteArray& data) {
  RequireHeader(data, kPsf2HeaderSize);
  const std::uint32_t version = Word32(data, 4);
  if (version != 0)
    throw At(4).Error("Die Version " + std::to_string(version) + " ist unbekannt; lesbar ist Version 0.",
                      "version " + std::to_string(version) + " is unknown; version 0 can be read");
  const std::uint32_t headerSize = Word32(data, 8);
  if (headerSize < kPsf2HeaderSize || headerSize > data.size())
    throw At(8).Error(
        "Die Kopfgröße " + std::to_string(headerSize) + " liegt außerhalb von 32 bis " + std::to_string(data.size()) +
            ".",
        "the header size " + std::to_string(headerSize) + " is outside 32 to " + std::to_string(data.size()));
  const std::uint32_t height = Word32(data, 24);
  const std::uint32_t width = Word32(data, 28);
  RequireCellSide(width, 28, "breit", "wide");
  RequireCellSide(height, 24, "hoch", "high");
  const std::uint32_t glyphBytes = Word32(data, 20);
  const std::uint32_t expected = (width + 7) / 8 * height;
  if (glyphBytes != expected) {
    const std::string cell = std::to_string(width) + " x " + std::to_string(height);
    throw At(20).Error(std::to_string(glyphBytes) + " Bytes je Zeichen passen nicht zu " + cell + " Pixeln (" +
                           std::to_string(expected) + " Bytes).",
                       std::to_string(glyphBytes) + " bytes per glyph do not match " + cell + " pixels (" +
                           std::to_string(expected) + " bytes)");
  }
  const std::uint32_t count = Word32(data, 16);
  if (count == 0) throw At(16).Error("Die Datei nennt keine Zeichen.", "the file announces no glyphs");
  return {FontFileFormat::Psf2, static_cast<int>(width), static_cast<int>(height), headerSize, count, glyphBytes};
}

// Every announced glyph must be there, also those beyond the 256 taken over:
// a file that ends early is damaged.
void RequireGlyphs(const ByteArray& data, const PsfLayout& layout) {
  const std::uint64_t room = (data.size() - layout.glyphsAt) / layout.glyphBytes;
  if (room >= layout.count) return;
  const std::string size = std::to_string(layout.glyphBytes);
  throw At(layout.glyphsAt + room * layout.glyphBytes)
      .Error("Die Datei nennt " + std::to_string(layout.count) + " Zeichen zu je " + size + " Bytes, endet aber nach " +
                 std::to_string(room) + " vollständigen.",
             "the file announces " + std::to_string(layout.count) + " glyphs of " + size + " bytes but ends after " +
                 std::to_string(room) + " complete ones");
}

int LowestInk(const TFontHandler& font, int c) {
  for (int y = font.FontHeight() - 1; y >= 0; --y)
    for (int x = 0; x < font.FontWidth(); ++x)
      if (font.GetPixel(c, x, y)) return y;
  return -1;
}

// The file names no baseline: it lies under the lowest ink row that most of
// A-Z and 0-9 share (the lower of two as common), at the cell's bottom when
// none of them has ink.
int CapitalsBaseLine(const TFontHandler& font) {
  std::vector<int> endingOn(static_cast<std::size_t>(font.FontHeight()), 0);
  const auto count = [&](int first, int last) {
    for (int c = first; c <= last; ++c)
      if (const int lowest = LowestInk(font, c); lowest >= 0) ++endingOn[static_cast<std::size_t>(lowest)];
  };
  count('A', 'Z');
  count('0', '9');
  const auto most = std::max_element(endingOn.rbegin(), endingOn.rend());
  if (*most == 0) return font.FontHeight();
  return static_cast<int>(endingOn.rend() - most);
}

}  // namespace

bool IsPsfFile(const ByteArray& data) { return StartsWith(data, kPsf1Mark) || StartsWith(data, kPsf2Mark); }

ImportedFont ReadPsf(const ByteArray& data) {
  RequireSizeAtMost(data.size(), kMaxPsfSize);
  if (!IsPsfFile(data))
    throw At(0).Error("Die Datei beginnt nicht mit der PSF-Kennung.", "the file lacks the PSF mark");
  const PsfLayout layout = StartsWith(data, kPsf2Mark) ? Psf2Layout(data) : Psf1Layout(data);
  RequireGlyphs(data, layout);
  auto font = std::make_unique<TFontHandler>(layout.width, layout.height);
  const std::size_t rowBytes = static_cast<std::size_t>(layout.width + 7) / 8;
  const int taken = static_cast<int>(std::min<std::uint64_t>(layout.count, kGlyphCount));
  for (int c = 0; c < taken; ++c) {
    const std::uint8_t* glyph = data.data() + layout.glyphsAt + static_cast<std::size_t>(c) * layout.glyphBytes;
    for (int y = 0; y < layout.height; ++y)
      for (int x = 0; x < layout.width; ++x)
        if (glyph[y * rowBytes + x / 8] & (0x80 >> (x % 8))) font->SetPixel(c, x, y, true);
  }
  font->SetBaseLine(CapitalsBaseLine(*font));
  return {std::move(font), layout.format, static_cast<int>(layout.count - static_cast<std::uint64_t>(taken))};
}
