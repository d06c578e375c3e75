#include "formats/readertable.h"

#include "formats/tabletext.h"
#include "model/bdffont.h"
#include "model/dosfont.h"
#include "model/fntformat.h"
#include "model/fontimport.h"
#include "model/gfxfont.h"
#include "model/lvglfont.h"
#include "model/psffont.h"
#include "model/u8g2font.h"

#include <array>

namespace {

// A reader of a format whose codes are bytes already.
template <ImportedFont (*Read)(const ByteArray&)>
ImportedFont ReadBytes(const ByteArray& data, CodePage) {
  return Read(data);
}

// The filters are the program's German texts, translated where a dialog shows them.
constexpr std::array<FontReader, 7> kReaders = {{
    {"FNT", GLYPH_TRANSLATE_NOOP("ReaderTable", "<kelvaront>-Fontfile (*.FNT *.fnt)"), ReaderDialog::Open,
     kMaxFontFileSize, IsFntFile, ReadBytes<ReadFnt>},
    {"DOS OEM dump", GLYPH_TRANSLATE_NOOP("ReaderTable", "DOS-OEM-Fontdatei (*.fnt *.FNT)"), ReaderDialog::Import,
     kDosFontMaxSize, nullptr, ReadBytes<ReadDosFont>},
    {"BDF", GLYPH_TRANSLATE_NOOP("ReaderTable", "BDF-Font (*.bdf *.BDF *.bdf.gz)"), ReaderDialog::Import,
     kMaxFontFileSize, IsBdfFile, ReadBdf},
    {"PSF", GLYPH_TRANSLATE_NOOP("ReaderTable", "PSF-Konsolenfont (*.psf *.psfu *.psf.gz *.psfu.gz)"),
     ReaderDialog::Import, kMaxFontFileSize, IsPsfFile, ReadBytes<ReadPsf>},
    {"GFX header", GLYPH_TRANSLATE_NOOP("ReaderTable", "GFX-Header für Arduino (*.h *.H)"), ReaderDialog::Import,
     kMaxFontFileSize, IsGfxHeader, ReadBytes<ReadGfxHeader>},
    {"u8g2 font", GLYPH_TRANSLATE_NOOP("ReaderTable", "u8g2-Font-Quelltext (*.c *.h)"), ReaderDialog::Import,
     kMaxFontFileSize, IsU8g2Source, ReadU8g2Source},
    {"LVGL font", GLYPH_TRANSLATE_NOOP("ReaderTable", "LVGL-Font (*.c *.C)"), ReaderDialog::Import, kMaxLvglSourceSize,
     IsLvglSource, ReadLvglSource},
}};

}  // namespace

std::span<const FontReader> FontReaders() { return kReaders; }

std::vector<std::string_view> DialogFilters(ReaderDialog dialog) {
  std::vector<std::string_view> filters;
  for (const FontReader& reader : kReaders)
    if (reader.dialog == dialog) filters.push_back(reader.filter);
  return filters;
}

const FontReader* DialogReader(ReaderDialog dialog, int filterIndex) {
  int index = 0;
  for (const FontReader& reader : kReaders)
    if (reader.dialog == dialog && ++index == filterIndex) return &reader;
  return nullptr;
}
