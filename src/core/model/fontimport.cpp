#include "model/fontimport.h"

#include "formats/readertable.h"
#include "model/fontfileerror.h"
#include "model/gzipdata.h"

namespace {

ImportedFont ImportUnpacked(const ByteArray& data) {
  for (const FontReader& reader : FontReaders())
    if (reader.recognise != nullptr && reader.recognise(data)) return reader.read(data);
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

ImportedFont ImportChosenFontFile(const std::string& path, const FontReader* chosen) {
  if (chosen == nullptr || chosen->recognise != nullptr) return ImportFontFile(path);
  return chosen->read(ReadWholeFile(path, chosen->maxFileSize));
}
