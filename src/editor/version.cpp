#include "version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr int kWordSize = sizeof(void*) * 8;

constexpr int kVersionParts = 4;

bool IsProgramFile(const QString& FileName) {
  const QString program = QFileInfo(ProgramFile()).canonicalFilePath();
  return !FileName.isEmpty() && !program.isEmpty() && QFileInfo(FileName).canonicalFilePath() == program;
}

}  // namespace

QString VersionText(PackedVersion version, int count) { return QString::fromStdString(FormatVersion(version, count)); }

std::uint64_t GetFileVersion(const QString& FileName) { return IsProgramFile(FileName) ? ProgramVersion() : 0; }

std::uint64_t GetProductVersion(const QString& FileName) {
  const PackedVersion version = ProgramVersion();
  return IsProgramFile(FileName)
             ? PackVersion(VersionPart(version, 0), VersionPart(version, 1), VersionPart(version, 2), kWordSize)
             : 0;
}

// Builds before the first full release are betas.
bool IsPreRelease(const QString& FileName) { return IsProgramFile(FileName) && VersionPart(ProgramVersion(), 0) == 0; }

QString FormatFileVersion(const QString& FileName, int Count) { return VersionText(GetFileVersion(FileName), Count); }

QString FileVersionString(const QString& FileName) { return FormatFileVersion(FileName, kVersionParts); }

QString ProgramFile() { return QCoreApplication::applicationFilePath(); }
