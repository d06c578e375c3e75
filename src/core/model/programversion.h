#pragma once

#include <cstdint>
#include <string>

// A version number packed as a Windows version resource holds it: four 16-bit
// parts, major (bits 48..63), minor, release and build (bits 0..15).
using PackedVersion = std::uint64_t;

// The version of this build, set once in CMake's project(VERSION ...).
PackedVersion ProgramVersion();
// "major.minor.release", as both programs print it after "glyphwright ".
std::string ProgramVersionText();

// The value at index 0 (major) to 3 (build) of a packed version.
int VersionPart(PackedVersion version, int index);
PackedVersion PackVersion(int major, int minor, int release, int build);
// The first count parts joined by "."; a count above 4 counts as 4, one below 1 gives "".
std::string FormatVersion(PackedVersion version, int count);
