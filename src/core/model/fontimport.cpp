#include "model/fontimport.h"

#include "formats/readertable.h"
#include "model/fontfileerror.h"
#include "model/gzipdata.h"

namespace {

ImportedFont ImportUnpacked(const ByteArray& data, CodePage codePage) {
  for (const FontReader& reader : FontReaders())
    if (reader.recognise != nullptr && reader.recognise(data)) return reader.read(data, codePage);
  throw FontFileError("Die Datei ist kein Font in einem bekannten Format (FNT, BDF, PSF oder GFX-Header).",
                      "not a font in a known format (FNT, BDF, PSF or GFX header)");
}

}  // namespace

ImportedFont ImportFont(const ByteArray& data, CodePage codePage) {
  RequireSizeAtMost(data.size(), kMaxFontFileSize);
  if (IsGzip(data)) return ImportUnpacked(Gunzip(data, kMaxFontFileSize), codePage);
  return ImportUnpacked(data, codePage);
}

ImportedFont ImportFontFile(const std::string& path, CodePage codePage) {
  return ImportFont(ReadWholeFile(path, kMaxFontFileSize), codePage);
}

ImportedFont ImportChosenFontFile(const std::string& path, const FontReader* chosen, CodePage codePage) {
  if (chosen == nullptr || chosen->recognise != nullptr) return ImportFontFile(path, codePage);
  return chosen->read(ReadWholeFile(path, chosen->maxFileSize), codePage);
}
