#include "model/fontimport.h"

#include "model/fntformat.h"
#include "model/fontfileerror.h"
#include "model/gfxfont.h"
#include "model/gzipdata.h"
#include "model/psffont.h"

namespace {

ImportedFont ReadFnt(const ByteArray& data) {
  auto font = std::make_unique<TFontHandler>(16, 16);
  font->SetFontAsString(data);
  if (!font->Fontvalid())
    throw FontFileError("Die FNT-Datei ist unvollständig, oder ihre Zeichen sind nicht 1 bis 64 Pixel groß.",
                        "the FNT file is incomplete, or its cell is not 1 to 64 pixels");
  return {std::move(font), FontFileFormat::Fnt, 0};
}

ImportedFont ImportUnpacked(const ByteArray& data) {
  if (IsFntFile(data)) return ReadFnt(data);
  if (IsPsfFile(data)) return ReadPsf(data);
  if (IsBdfFile(data)) return ReadBdf(data);
  if (IsGfxHeader(data)) return ReadGfxHeader(data);
  throw FontFileError("Die Datei ist kein Font in einem bekannten Format (FNT, BDF, PSF oder GFX-Header).",
                      "not a font in a known format (FNT, BDF, PSF or GFX header)");
}

}  // namespace

ImportedFont ImportFont(const ByteArray& data) {
  RequireSizeAtMost(data.size(), kMaxFontFileSize);
  if (IsGzip(data)) return ImportUnpacked(Gunzip(data, kMaxFontFileSize));
  return ImportUnpacked(data);
}

ImportedFont ImportFontFile(const std::string& path) { return ImportFont(ReadWholeFile(path, kMaxFontFileSize)); }
