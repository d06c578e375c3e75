#include "commands/fontimport.h"
#include "export/gfxexport.h"
#include "model/fonthandler.h"

#include <QFontDatabase>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

// The bytes of the header's bitmap array: the hexadecimal values between its
// opening and closing brace, outside the comments that name the codes.
double BitmapArrayBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  bool inArray = false;
  double bytes = 0;
  while (std::getline(in, line)) {
    if (!inArray) {
      inArray = line.find("Bitmaps[] PROGMEM = {") != std::string::npos;
      continue;
    }
    if (line.rfind("};", 0) == 0) break;
    const std::string values = line.substr(0, line.find("//"));
    for (std::size_t at = values.find("0x"); at != std::string::npos; at = values.find("0x", at + 2)) ++bytes;
  }
  return bytes;
}

// DejaVu Sans Mono imported as the user imports an installed font, written as
// the full-width and the compact GFX headers: the time the compact writer
// takes, and the bitmap bytes of each header as counters.
void BM_GfxDejaVuSansMono(benchmark::State& state) {
  const TImportChoice choice{QStringLiteral("DejaVu Sans Mono"), QFont::Normal, false, static_cast<int>(state.range(0)),
                             true};
  if (!QFontDatabase::families().contains(choice.Face)) {
    state.SkipWithError("DejaVu Sans Mono is not installed");
    return;
  }
  const auto font = ImportInstalledFont(choice);
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString() + "/";
  for (auto _ : state) ExportGFX(*font, folder + "compact255.h", GfxCodes::UpTo255, GfxBitmaps::Compact);
  for (const GfxCodes codes : {GfxCodes::UpTo127, GfxCodes::UpTo255})
    for (const GfxBitmaps bitmaps : {GfxBitmaps::FullWidth, GfxBitmaps::Compact}) {
      const std::string name =
          std::string(bitmaps == GfxBitmaps::Compact ? "compact" : "full") + std::to_string(static_cast<int>(codes));
      ExportGFX(*font, folder + name + ".h", codes, bitmaps);
      state.counters[name] = BitmapArrayBytes(folder + name + ".h");
    }
}
BENCHMARK(BM_GfxDejaVuSansMono)->Arg(12)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond);

}  // namespace
