#include "commands/exportcommand.h"

#include "document.h"
#include "formats/exporttable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The default extension of a dialog entry, without its dot.
QString DialogExtension(int entry) { return QString::fromLatin1(ExportExtension(entry).substr(1)); }

// The font file's name without its extension, in the folder exported to last
// or else the font's own; empty for a font without a file.
QString PresetName(const QString& filename, const QString& lastFolder) {
  if (filename.isEmpty()) return {};
  const QFileInfo file(filename);
  const QDir folder = lastFolder.isEmpty() ? file.dir() : QDir(lastFolder);
  return folder.filePath(file.completeBaseName());
}

}  // namespace

TExportCommand::TExportCommand(const FontDocument& document, UserDialogs& dialogs)
    : fdocument(document), fdialogs(dialogs) {
  ExportDialog.Title = QStringLiteral("Font exportieren");
  for (const ExportEntry& entry : ExportEntries()) {
    ExportDialog.Filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(entry.caption),
                                                          QString::fromLatin1(entry.mask));
    ExportDialog.FilterExts << DialogExtension(entry.number);
  }
  ExportDialog.FilterIndex = 1;
}

void TExportCommand::ExportExecute(bool highlightSize) {
  ExportDialog.DefaultExt = DialogExtension(ExportDialog.FilterIndex);
  ExportDialog.FileName = PresetName(fdocument.filename(), ExportDialog.InitialDir);
  if (!fdialogs.ChooseSaveFile(ExportDialog)) return;
  ExportDialog.InitialDir = QFileInfo(ExportDialog.FileName).absolutePath();
  ExportEntryFile(fdocument.EditFont(), ExportDialog.FilterIndex,
                  QFile::encodeName(ExportDialog.FileName).toStdString(), highlightSize);
}
