#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command of the converter; returns the exit status (0 success,
// 1 error, with a one-line English message on err).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
