#include "formats/readertable.h"

#include "formats/tabletext.h"
#include "model/bdffont.h"
#include "model/dosfont.h"
#include "model/fntformat.h"
#include "model/fontimport.h"
#include "model/gfxfont.h"
#include "model/psffont.h"

#include <array>

namespace {

// The filters are the program's German texts, translated where a dialog shows them.
constexpr std::array<FontReader, 5> kReaders = {{
    {"FNT", GLYPH_TRANSLATE_NOOP("ReaderTable", "<kelvaront>-Fontfile (*.FNT *.fnt)"), ReaderDialog::Open,
     kMaxFontFileSize, IsFntFile, ReadFnt},
    {"DOS OEM dump", GLYPH_TRANSLATE_NOOP("ReaderTable", "DOS-OEM-Fontdatei (*.fnt *.FNT)"), ReaderDialog::Import,
     kDosFontMaxSize, nullptr, ReadDosFont},
    {"BDF", GLYPH_TRANSLATE_NOOP("ReaderTable", "BDF-Font (*.bdf *.BDF *.bdf.gz)"), ReaderDialog::Import,
     kMaxFontFileSize, IsBdfFile, ReadBdf},
    {"PSF", GLYPH_TRANSLATE_NOOP("ReaderTable", "PSF-Konsolenfont (*.psf *.psfu *.psf.gz *.psfu.gz)"),
     ReaderDialog::Import, kMaxFontFileSize, IsPsfFile, ReadPsf},
    {"GFX header", GLYPH_TRANSLATE_NOOP("ReaderTable", "GFX-Header für Arduino (*.h *.H)"), ReaderDialog::Import,
     kMaxFontFileSize, IsGfxHeader, ReadGfxHeader},
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
