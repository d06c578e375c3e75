#include "charspace.h"

#include "model/fonthandler.h"
#include "setting.h"

#include <algorithm>

namespace {

const Setting<int> kSpace{kOptionsSection, "Space", 1};

}  // namespace

// A stored value outside what any cell allows is taken to the nearest sensible one.
CharSpace::CharSpace(Settings& settings)
    : fsettings(settings), fvalue(std::clamp(kSpace.Read(settings), 0, kMaxCellSize)) {}

void CharSpace::Set(int value) {
  fvalue = value;
  kSpace.Write(fsettings, value);
  emit Changed(value);
}
