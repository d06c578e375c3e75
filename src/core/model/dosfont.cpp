#include "model/dosfont.h"

#include "model/fntformat.h"
#include "model/ioerror.h"

#include <string>

namespace {

ByteArray Type1Image(const ByteArray& file, int height) {
  ByteArray image;
  image.reserve(kFntHeaderSize + file.size());
  image.assign(kFntType1Id.begin(), kFntType1Id.end());
  for (const int word : {8, height}) {
    image.push_back(static_cast<std::uint8_t>(word & 0xFF));
    image.push_back(static_cast<std::uint8_t>(word >> 8));
  }
  image.insert(image.end(), file.begin(), file.end());
  return image;
}

}  // namespace

bool IsDosFontSize(std::size_t size) { return size >= kDosFontMinSize && size <= kDosFontMaxSize; }

int DosFontHeight(std::size_t size) { return static_cast<int>(size / 256); }

std::unique_ptr<TFontHandler> MakeDosFont(const ByteArray& file) {
  if (!IsDosFontSize(file.size()))
    throw FontError("Die Datei ist keine DOS-Fontdatei: ihre Größe von " + std::to_string(file.size()) +
                        " Bytes ergibt keine Zeichenhöhe von 1 bis 64 Pixeln.",
                    "The file is no DOS font file: its size of " + std::to_string(file.size()) +
                        " bytes gives no glyph height of 1 to 64 pixels.");
  const int height = DosFontHeight(file.size());
  auto font = std::make_unique<TFontHandler>(8, height);
  font->SetFontAsString(Type1Image(file, height));
  return font;
}

ImportedFont ReadDosFont(const ByteArray& file) { return {MakeDosFont(file), FontFileFormat::DosDump, 0}; }
