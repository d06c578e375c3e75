#include "importcheck.h"

#include "export/bdfexport.h"
#include "model/bdffont.h"
#include "model/fontfileerror.h"

void CheckImport(ImportedFont (*read)(const ByteArray&), const ByteArray& data) {
  ImportedFont imported;
  try {
    imported = read(data);
  } catch (const FontFileError&) {
    return;
  }
  const TFontHandler& font = *imported.font;
  if (!font.Fontvalid() || font.BaseLine() < 0 || font.BaseLine() > font.FontHeight() || imported.dropped < 0)
    __builtin_trap();
  const std::string bdf = BdfText(font, "Fuzz");
  if (ReadBdf(ByteArray(bdf.begin(), bdf.end())).font->FontImage(2) != font.FontImage(2)) __builtin_trap();
}

ByteArray After(std::string_view text, const std::uint8_t* data, std::size_t size) {
  ByteArray bytes(text.begin(), text.end());
  bytes.insert(bytes.end(), data, data + size);
  return bytes;
}
