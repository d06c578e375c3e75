#include "export/asmexport.h"
#include "export/bdfexport.h"
#include "export/gfxexport.h"
#include "export/tftexport.h"
#include "model/fonthandler.h"

void TFontHandler::ExportFont(const std::string& filename, int filetype) const {
  if (filetype >= 0 && filetype <= 14)
    ExportAssembler(*this, filename, filetype);
  else if (filetype == 15 || filetype == 16)
    ExportGFX(*this, filename, filetype);
  else if (filetype == 17 || filetype == 18)
    ExportTFT(*this, filename, filetype);
  else if (filetype == 19)
    ExportBDF(*this, filename);
}
