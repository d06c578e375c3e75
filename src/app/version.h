#pragma once

#include <QString>

#include <cstdint>

// A version number of four 16-bit parts: major in the top bits, then minor,
// release and build.
constexpr std::uint64_t MakeVersion(unsigned major, unsigned minor, unsigned release, unsigned build) {
  return (std::uint64_t{major & 0xFFFFu} << 48) | (std::uint64_t{minor & 0xFFFFu} << 32) |
         (std::uint64_t{release & 0xFFFFu} << 16) | (build & 0xFFFFu);
}

// The parts joined by ".", cut to the first count parts (at most four; none
// for a count of 0 or less), each in decimal.
QString FormatVersion(std::uint64_t version, int count);

// The version information a program file carries. Only the program's own
// file carries any here: it is built in. Every other file, and a file that
// cannot be found, has none and reads as 0, false or 0.0.0.0.
std::uint64_t GetFileVersion(const QString& FileName);
// Its last part is the build's word size, 32 or 64.
std::uint64_t GetProductVersion(const QString& FileName);
bool IsPreRelease(const QString& FileName);
QString FormatFileVersion(const QString& FileName, int Count);
QString FileVersionString(const QString& FileName);

// The running program's file.
QString ProgramFile();
