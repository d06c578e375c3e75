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

// The entry of a dialog filter (counted from 1).
int EntryNumber(int filterIndex) { return ExportEntries()[static_cast<std::size_t>(filterIndex - 1)].number; }

}  // namespace

TExportCommand::TExportCommand(const FontDocument& document, UserDialogs& dialogs)
    : fdocument(document), fdialogs(dialogs) {
  ExportDialog.Title = tr("Font exportieren");
  for (const ExportEntry& entry : ExportEntries()) {
    ExportDialog.Filters << QStringLiteral("%1 (%2)").arg(
        QCoreApplication::translate("ExportTable", std::string(entry.caption).c_str()),
        QString::fromLatin1(entry.mask));
    ExportDialog.FilterExts << DialogExtension(entry.number);
  }
  ExportDialog.FilterIndex = 1;
}

void TExportCommand::ExportExecute(bool highlightSize, CodePage codePage) {
  ExportDialog.DefaultExt = DialogExtension(EntryNumber(ExportDialog.FilterIndex));
  ExportDialog.FileName = PresetName(fdocument.filename(), ExportDialog.InitialDir);
  if (!fdialogs.ChooseSaveFile(ExportDialog)) return;
  ExportDialog.InitialDir = QFileInfo(ExportDialog.FileName).absolutePath();
  ExportEntryFile(fdocument.EditFont(), EntryNumber(ExportDialog.FilterIndex),
                  QFile::encodeName(ExportDialog.FileName).toStdString(),
                  {.highlightSize = highlightSize, .codePage = codePage});
}
