#include "model/programversion.h"

#include "version.h"

#include <algorithm>

PackedVersion ProgramVersion() {
  return PackVersion(GLYPH_VERSION_MAJOR, GLYPH_VERSION_MINOR, GLYPH_VERSION_RELEASE, GLYPH_VERSION_BUILD);
}

std::string ProgramVersionText() { return FormatVersion(ProgramVersion(), 3); }

int VersionPart(PackedVersion version, int index) { return static_cast<int>((version >> (48 - 16 * index)) & 0xFFFF); }

PackedVersion PackVersion(int major, int minor, int release, int build) {
  PackedVersion packed = 0;
  for (const int part : {major, minor, release, build}) packed = packed << 16 | static_cast<std::uint16_t>(part);
  return packed;
}

std::string FormatVersion(PackedVersion version, int count) {
  std::string text;
  for (int i = 0; i < std::min(count, 4); ++i) text += (i ? "." : "") + std::to_string(VersionPart(version, i));
  return text;
}
