#include "viewswitch.h"

ViewChecks SwitchView(ViewChecks current, ViewAction used) {
  if (used == ViewAction::KerningSpacing) return {false, false, false, true};
  if (used == ViewAction::TextPreview) return {false, false, false, false};
  ViewChecks next;
  next.KerningSpacing = false;
  if (used == ViewAction::ToggleEditSet) {
    next.ToggleEditSet = current.ToggleEditSet;
    next.Charset = current.ToggleEditSet;
    next.CharEdit = !current.ToggleEditSet;
  } else {
    next.CharEdit = used == ViewAction::CharEdit;
    next.Charset = used == ViewAction::Charset;
    next.ToggleEditSet = next.Charset;
  }
  return next;
}
