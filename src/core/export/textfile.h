#pragma once

#include "model/fileio.h"

#include <string>
#include <string_view>

// Export text files: built in UTF-8, written in Windows-1252 ('?' for what it
// lacks). Line ends are part of the text: "\r\n", or "\r" inside the
// multi-line blocks of the GFX and TFT files.
inline constexpr std::string_view kCrLf = "\r\n";

ByteArray EncodeTextFile(std::string_view utf8);
// Writes the encoded text through a temporary file renamed over the target.
void WriteTextFile(const std::string& path, std::string_view utf8);
