#pragma once

#include <stdexcept>

// An error the converter reports in English on one line.
class CliError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
