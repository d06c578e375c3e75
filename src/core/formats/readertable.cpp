#include "formats/readertable.h"

#include "model/bdffont.h"
#include "model/dosfont.h"
#include "model/fntformat.h"
#include "model/fontimport.h"
#include "model/gfxfont.h"
#include "model/psffont.h"

#include <array>

namespace {

// A reader of a format whose codes are bytes already.
template <ImportedFont (*Read)(const ByteArray&)>
ImportedFont ReadBytes(const ByteArray& data, CodePage) {
  return Read(data);
}

// The texts are the program's German ones.
constexpr std::array<FontReader, 5> kReaders = {{
    {"FNT", "<kelvaront>-Fontfile (*.FNT *.fnt)", ReaderDialog::Open, kMaxFontFileSize, IsFntFile, ReadBytes<ReadFnt>},
    {"DOS OEM dump", "DOS-OEM-Fontdatei (*.fnt *.FNT)", ReaderDialog::Import, kDosFontMaxSize, nullptr,
     ReadBytes<ReadDosFont>},
    {"BDF", "BDF-Font (*.bdf *.BDF *.bdf.gz)", ReaderDialog::Import, kMaxFontFileSize, IsBdfFile, ReadBdf},
    {"PSF", "PSF-Konsolenfont (*.psf *.psfu *.psf.gz *.psfu.gz)", ReaderDialog::Import, kMaxFontFileSize, IsPsfFile,
     ReadBytes<ReadPsf>},
    {"GFX header", "GFX-Header für Arduino (*.h *.H)", ReaderDialog::Import, kMaxFontFileSize, IsGfxHeader,
     ReadBytes<ReadGfxHeader>},
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
