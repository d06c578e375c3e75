#include "app/version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// The program's version, set once in the build.
constexpr unsigned kMajor = 0;
constexpr unsigned kMinor = 1;
constexpr unsigned kRelease = 0;
constexpr unsigned kBuild = 0;
// Builds before the first full release are betas.
constexpr bool kPreRelease = kMajor == 0;
constexpr unsigned kWordSize = sizeof(void*) * 8;

constexpr int kVersionParts = 4;

bool IsProgramFile(const QString& FileName) {
  const QString program = QFileInfo(ProgramFile()).canonicalFilePath();
  return !FileName.isEmpty() && !program.isEmpty() && QFileInfo(FileName).canonicalFilePath() == program;
}

}  // namespace

QString FormatVersion(std::uint64_t version, int count) {
  QStringList parts;
  for (int i = 0; i < std::min(count, kVersionParts); ++i)
    parts << QString::number((version >> (16 * (kVersionParts - 1 - i))) & 0xFFFFu);
  return parts.join('.');
}

std::uint64_t GetFileVersion(const QString& FileName) {
  return IsProgramFile(FileName) ? MakeVersion(kMajor, kMinor, kRelease, kBuild) : 0;
}

std::uint64_t GetProductVersion(const QString& FileName) {
  return IsProgramFile(FileName) ? MakeVersion(kMajor, kMinor, kRelease, kWordSize) : 0;
}

bool IsPreRelease(const QString& FileName) { return IsProgramFile(FileName) && kPreRelease; }

QString FormatFileVersion(const QString& FileName, int Count) { return FormatVersion(GetFileVersion(FileName), Count); }

QString FileVersionString(const QString& FileName) { return FormatFileVersion(FileName, kVersionParts); }

QString ProgramFile() { return QCoreApplication::applicationFilePath(); }
