#include "mainactions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(MainActionsTest, EveryActionIsDeclaredOnceUnderItsOwnName) {
  std::set<std::string> names;
  for (const ActionDeclaration& declared : MainActions()) {
    EXPECT_TRUE(names.insert(declared.name).second) << declared.name;
    EXPECT_EQ(&Declaration(declared.id), &declared) << declared.name;
  }
}

TEST(MainActionsTest, EnabledStatesFollowTheState) {
  using enum ActionId;
  using Flag = bool CommandState::*;
  // Each flag of a row enables its action on its own; no other flag does.
  struct Row {
    ActionId id;
    std::vector<Flag> flags;
  };
  const Row rows[] = {{SaveFont, {&CommandState::SaveRequest, &CommandState::CharRequest}},
                      {Undo, {&CommandState::CanUndo}},
                      {Redo, {&CommandState::CanRedo}},
                      {Cut, {&CommandState::MarkCommands}},
                      {Cut2, {&CommandState::MarkCommands}},
                      {Copy, {&CommandState::MarkCommands}},
                      {Copy2, {&CommandState::MarkCommands}},
                      {Paste, {&CommandState::ClipboardHasPicture}},
                      {Paste2, {&CommandState::ClipboardHasPicture}}};
  const Flag everyFlag[] = {&CommandState::SaveRequest,  &CommandState::CharRequest,
                            &CommandState::CanUndo,      &CommandState::CanRedo,
                            &CommandState::MarkCommands, &CommandState::ClipboardHasPicture};
  for (const Row& row : rows) {
    EXPECT_FALSE(StateOf(row.id, CommandState()).Enabled) << Declaration(row.id).name;
    for (const Flag flag : everyFlag) {
      CommandState state;
      state.*flag = true;
      EXPECT_EQ(StateOf(row.id, state).Enabled, std::ranges::find(row.flags, flag) != row.flags.end())
          << Declaration(row.id).name;
    }
  }
  EXPECT_TRUE(StateOf(Invert, CommandState()).Enabled);
}

TEST(MainActionsTest, ExactlyTheCurrentToolIsChecked) {
  for (const ToolDeclaration& current : ToolTable()) {
    CommandState state;
    state.Tool = current.id;
    for (const ToolDeclaration& other : ToolTable()) {
      const ActionState shown = StateOf(other.id, state);
      EXPECT_TRUE(shown.Enabled) << other.name;
      EXPECT_EQ(shown.Checked, other.id == current.id) << current.name << " " << other.name;
    }
  }
}

TEST(MainActionsTest, ViewActionsShowTheViewAndOptionsKeepTheirOwnMark) {
  CommandState state;
  state.View = {false, true, true, false};
  EXPECT_EQ(StateOf(ActionId::CharEdit, state).Checked, false);
  EXPECT_EQ(StateOf(ActionId::Charset, state).Checked, true);
  EXPECT_EQ(StateOf(ActionId::ToggleEditSet, state).Checked, true);
  EXPECT_EQ(StateOf(ActionId::KerningSpacing, state).Checked, false);
  EXPECT_FALSE(StateOf(ActionId::AutoLoadChar, state).Checked.has_value());
  EXPECT_FALSE(StateOf(ActionId::Export, state).Checked.has_value());
}

}  // namespace
