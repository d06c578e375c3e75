#pragma once

#include "model/fileio.h"
#include "support/tempdir.h"

#include <filesystem>
#include <string>

void WriteBytes(const std::string& path, const ByteArray& bytes);
void WriteText(const std::string& path, const std::string& text);
