#pragma once

#include "model/programversion.h"

#include <QString>

#include <cstdint>

// FormatVersion of the core, as a QString.
QString VersionText(PackedVersion version, int count);

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
