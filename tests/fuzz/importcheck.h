#pragma once

#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Whatever a reader takes must be a usable font that survives BDF export
// and import unchanged; anything else must be refused with a FontFileError.
// A fault stops the fuzzer.
void CheckImport(ImportedFont (*read)(const ByteArray&), const ByteArray& data);

// The bytes of text followed by the fuzzer's data.
ByteArray After(std::string_view text, const std::uint8_t* data, std::size_t size);
