#pragma once

#include "model/fileio.h"

#include <cstddef>

// Whether the data begins like a gzip stream.
bool IsGzip(const ByteArray& data);

// The data of a gzip stream. Throws FontFileError when the stream is damaged
// or ends early, or when it would unpack to more than maxSize bytes.
ByteArray Gunzip(const ByteArray& data, std::size_t maxSize);
