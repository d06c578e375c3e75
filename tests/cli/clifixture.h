#pragma once

#include "commands.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// Runs converter commands in-process, with a temporary folder for files.
class CliFixture : public testing::Test {
 protected:
  struct Result {
    int status;
    std::string out, err;
  };

  Result Run(const std::vector<std::string>& args) const {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }

  std::string File(const std::string& name) const { return fdir.File(name); }

  TempDir fdir;
};
