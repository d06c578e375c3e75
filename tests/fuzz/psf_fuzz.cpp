#include "importcheck.h"
#include "model/fontimport.h"
#include "model/psffont.h"

#include <cstddef>
#include <cstdint>

// The data is read as a file is, so packed console fonts serve as seeds.
// Random bytes seldom carry a mark: the first byte also picks one to put
// before the rest, the PSF 1 or PSF 2 mark or a gzip header.
constexpr std::string_view kMarks[] = {std::string_view("\x36\x04", 2), "\x72\xB5\x4A\x86",
                                       std::string_view("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03", 10)};

static ImportedFont ImportAnyFont(const ByteArray& data) { return ImportFont(data); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport(ImportAnyFont, ByteArray(data, data + size));
  if (size == 0) return 0;
  const std::size_t mark = data[0] % 3;
  CheckImport(mark == 2 ? ImportAnyFont : ReadPsf, After(kMarks[mark], data + 1, size - 1));
  return 0;
}
