#include "qtuserdialogs.h"

#include "programinfo.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// Message texts break lines with a lone CR, which a label does not show.
QString DisplayText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text.replace('\r', '\n');
}

DialogAnswer Ask(const QString& text, bool withCancel) {
  QMessageBox box(QMessageBox::Question, QtUserDialogs::tr("Bestätigen"), DisplayText(text));
  QPushButton* yes = box.addButton(QtUserDialogs::tr("&Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QtUserDialogs::tr("&Nein"), QMessageBox::NoRole);
  QPushButton* cancel = withCancel ? box.addButton(QtUserDialogs::tr("Abbrechen"), QMessageBox::RejectRole) : nullptr;
  box.setDefaultButton(yes);
  box.setEscapeButton(withCancel ? cancel : no);
  box.exec();
  if (box.clickedButton() == yes) return DialogAnswer::Yes;
  if (box.clickedButton() == no || !withCancel) return DialogAnswer::No;
  return DialogAnswer::Cancel;
}

void Tell(QMessageBox::Icon icon, const QString& text) {
  // The application's title, not set as Qt's display name, which the window
  // system would append to every window caption.
  QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), DisplayText(text), QMessageBox::Ok);
  box.exec();
}

bool ChooseFile(FileChoice& choice, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(nullptr, choice.Title, choice.InitialDir);
  dialog.setAcceptMode(mode);
  const bool mustExist = mode == QFileDialog::AcceptOpen && choice.MustExist;
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.OverwritePrompt);
  dialog.setNameFilters(choice.Filters);
  if (choice.FilterIndex >= 1 && choice.FilterIndex <= choice.Filters.size())
    dialog.selectNameFilter(choice.Filters.at(choice.FilterIndex - 1));
  dialog.setDefaultSuffix(choice.DefaultExt);
  if (choice.FilterExts.size() == choice.Filters.size()) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
      const auto entry = choice.Filters.indexOf(filter);
      if (entry >= 0) dialog.setDefaultSuffix(choice.FilterExts.at(entry));
    });
  }
  if (!choice.FileName.isEmpty()) dialog.selectFile(choice.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  choice.FileName = dialog.selectedFiles().constFirst();
  const auto chosenFilter = choice.Filters.indexOf(dialog.selectedNameFilter());
  if (chosenFilter >= 0) choice.FilterIndex = static_cast<int>(chosenFilter) + 1;
  return true;
}

}  // namespace

DialogAnswer QtUserDialogs::AskYesNo(const QString& text) { return Ask(text, false); }

DialogAnswer QtUserDialogs::AskYesNoCancel(const QString& text) { return Ask(text, true); }

void QtUserDialogs::ShowError(const QString& text) { Tell(QMessageBox::Critical, text); }

void QtUserDialogs::ShowInformation(const QString& text) { Tell(QMessageBox::Information, text); }

bool QtUserDialogs::ChooseOpenFile(FileChoice& choice) { return ChooseFile(choice, QFileDialog::AcceptOpen); }

bool QtUserDialogs::ChooseSaveFile(FileChoice& choice) { return ChooseFile(choice, QFileDialog::AcceptSave); }

bool QtUserDialogs::Execute(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

bool QtUserDialogs::ChoosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer);
  dialog.setWindowTitle(tr("Drucken"));
  // The charset fills exactly one page.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}
