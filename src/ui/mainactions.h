#pragma once

#include "editsession.h"
#include "viewswitch.h"

#include <QKeySequence>

#include <optional>
#include <span>

class TMainForm;

// Every command of the main window but the tools, which the tool table declares.
enum class ActionId {
  ShowAbout,
  OpenFont,
  NewFont,
  SaveFont,
  SaveFontAs,
  Undo,
  Redo,
  Cut,
  Cut2,
  Paste,
  Paste2,
  Copy,
  Copy2,
  SaveAsBitmap,
  LoadFromBitmap,
  Invert,
  ChangeParameter,
  CharEdit,
  Charset,
  Print,
  Export,
  CalculateFontSizes,
  ResetCharSize,
  CalculateCharSize,
  CharSpace,
  ToggleEditSet,
  ImportAction,
  KerningSpacing,
  HighlightSize,
  AutoLoadChar,
  AutoStoreChar,
  RemoveLeftCols,
  RemoveFontLeftCols,
  SelectStyleAction,
  Close,
};

enum ActionFlag : unsigned {
  kPlain = 0,
  // Toggled by the user; the window keeps no other record of it.
  kOption = 1,
};

struct ActionDeclaration {
  ActionId id;
  // The action's object name.
  const char* name;
  // German, marked for the translation context "MainActions"; the window shows them translated.
  const char* caption;
  const char* hint;
  // Key sequences separated by "; ".
  const char* shortcuts;
  const char* icon;
  unsigned flags;
  // Null for commands that do nothing yet.
  void (*handler)(TMainForm&);
  // The platform's own keys for the command, when it has them; the keys
  // above serve where it has none.
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
};

// Every action of the window, declared once.
std::span<const ActionDeclaration> MainActions();
const ActionDeclaration& Declaration(ActionId id);

// What the enabled and checked states of the actions follow.
struct CommandState {
  bool SaveRequest = false;
  bool CharRequest = false;
  bool CanUndo = false;
  bool CanRedo = false;
  bool MarkCommands = false;
  bool ClipboardHasPicture = false;
  ToolId Tool = ToolId::Mark;
  ViewChecks View;
};

struct ActionState {
  bool Enabled = true;
  // Empty for actions without a check mark and for options the user toggles.
  std::optional<bool> Checked;
};

ActionState StateOf(ActionId id, const CommandState& state);
// A tool's action is checked while it is the current tool.
ActionState StateOf(ToolId tool, const CommandState& state);
