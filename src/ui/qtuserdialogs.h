#pragma once

#include "userdialogs.h"
#include "windowdialogs.h"

#include <QCoreApplication>

// Real message boxes and file dialogs.
class QtUserDialogs : public UserDialogs, public WindowDialogs {
  Q_DECLARE_TR_FUNCTIONS(QtUserDialogs)

 public:
  DialogAnswer AskYesNo(const QString& text) override;
  DialogAnswer AskYesNoCancel(const QString& text) override;
  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
  bool ChooseOpenFile(FileChoice& choice) override;
  bool ChooseSaveFile(FileChoice& choice) override;
  bool Execute(QDialog& dialog) override;
  bool ChoosePrinter(QPrinter& printer) override;
};
