#include "tools/tooltable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ToolTableTest, EveryToolIsDeclaredOnceUnderItsOwnNameWithATool) {
  std::set<std::string> names;
  for (const ToolDeclaration& declared : ToolTable()) {
    EXPECT_TRUE(names.insert(declared.name).second) << declared.name;
    EXPECT_EQ(&Declaration(declared.id), &declared) << declared.name;
    EXPECT_NE(declared.create, nullptr) << declared.name;
  }
}

}  // namespace
