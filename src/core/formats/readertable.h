#pragma once

#include "model/codepages.h"
#include "model/fileio.h"
#include "model/importedfont.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// The file dialog that offers a reader's filter.
enum class ReaderDialog { Open, Import };

// One font format the program reads.
struct FontReader {
  std::string_view name;
  std::string_view filter;  // as the dialog shows it
  ReaderDialog dialog;
  // The largest file read when the reader is chosen in its dialog.
  std::size_t maxFileSize;
  // Whether the data is in this format; null for a format without any mark,
  // which is read only when the user chooses its filter.
  bool (*recognise)(const ByteArray& data);
  // The code page maps the code points of formats that speak Unicode back
  // to codes; the others ignore it.
  ImportedFont (*read)(const ByteArray& data, CodePage codePage);
};

// Every reader, recognisers tried in this order.
std::span<const FontReader> FontReaders();
// The filters a dialog offers, in the order of the table.
std::vector<std::string_view> DialogFilters(ReaderDialog dialog);
// The reader of a dialog's filter (counted from 1); null when there is none.
const FontReader* DialogReader(ReaderDialog dialog, int filterIndex);
