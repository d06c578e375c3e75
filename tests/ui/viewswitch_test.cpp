#include "viewswitch.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewSwitch, ChecksFollowTheUsedAction) {
  struct Row {
    ViewChecks current;
    ViewAction used;
    ViewChecks expected;
  };
  const ViewChecks editor{true, false, false, false};
  const ViewChecks charset{false, true, true, false};
  const ViewChecks kerning{false, false, false, true};
  const Row rows[] = {
      {editor, ViewAction::Charset, charset},
      {charset, ViewAction::CharEdit, editor},
      {editor, ViewAction::KerningSpacing, kerning},
      {kerning, ViewAction::CharEdit, editor},
      {kerning, ViewAction::Charset, charset},
      // The toggle has flipped its own mark before the switch runs.
      {{true, false, true, false}, ViewAction::ToggleEditSet, charset},
      {{false, true, false, false}, ViewAction::ToggleEditSet, editor},
      {{false, false, true, true}, ViewAction::ToggleEditSet, charset},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(SwitchView(rows[i].current, rows[i].used), rows[i].expected) << "row " << i;
}

}  // namespace
