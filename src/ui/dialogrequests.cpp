#include "dialogrequests.h"

#include "dialogs/charspacedlg.h"
#include "dialogs/importfontdlg.h"
#include "dialogs/newfontdlg.h"
#include "dialogs/parameterdlg.h"
#include "placement.h"
#include "setting.h"
#include "windowdialogs.h"

namespace {

const Setting<QString> kDemoText{kOptionsSection, "Demotext", QStringLiteral("AaBbCc ÄäÖöÜüß 123")};

}  // namespace

TDialogRequests::TDialogRequests(Settings& settings, WindowDialogs& dialogs, QWidget& window)
    : fsettings(settings),
      fdialogs(dialogs),
      fwindow(window),
      fImportFontDLG(new TImportFontDLG(kDemoText.Read(settings), &window)),
      fNewFontDLG(new TNewFontDLG(&window)),
      fParameterDLG(new TParameterDLG(&window)),
      fCharSpaceDlg(new TCharSpaceDlg(&window)) {}

bool TDialogRequests::Execute(QDialog& dialog) {
  CenterForm(fwindow, dialog);
  return fdialogs.Execute(dialog);
}

std::optional<NewFontAnswer> TDialogRequests::AskNewFont() {
  if (!Execute(*fNewFontDLG)) return std::nullopt;
  return NewFontAnswer{fNewFontDLG->NewType() != 0, fNewFontDLG->FontWidth(), fNewFontDLG->FontHeight()};
}

std::optional<TImportChoice> TDialogRequests::AskImportFont() {
  const bool accepted = Execute(*fImportFontDLG);
  // Kept whichever way the dialog closes.
  kDemoText.Write(fsettings, fImportFontDLG->DemoText());
  if (!accepted) return std::nullopt;
  return fImportFontDLG->Choice();
}

std::optional<FontParameters> TDialogRequests::AskFontParameters(const FontParameters& offered) {
  fParameterDLG->SetParameters(offered);
  if (!Execute(*fParameterDLG)) return std::nullopt;
  return fParameterDLG->Parameters();
}

std::optional<int> TDialogRequests::AskCharSpace(int space, int maxSpace) {
  fCharSpaceDlg->SetSpace(space, maxSpace);
  if (!Execute(*fCharSpaceDlg)) return std::nullopt;
  return fCharSpaceDlg->Space();
}
