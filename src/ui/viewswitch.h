#pragma once

// The check marks of the four view actions.
struct ViewChecks {
  bool CharEdit = true;
  bool Charset = false;
  bool ToggleEditSet = false;
  bool KerningSpacing = false;
  friend bool operator==(const ViewChecks&, const ViewChecks&) = default;
};

// The text preview page has no view action: choosing its tab clears every mark.
enum class ViewAction { CharEdit, Charset, ToggleEditSet, KerningSpacing, TextPreview };

// The check marks after the user chose a view action. The toggle action has
// already flipped its own mark in `current` when this runs.
ViewChecks SwitchView(ViewChecks current, ViewAction used);
