#pragma once

#include "model/fonthandler.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The entries of the export dialog, in its order (numbers 1..22). Entries 1
// and 2 are the demo pictures; entry n >= 3 is ExportFont's file type n - 3.
struct ExportEntry {
  int number;
  std::string_view label;      // as the dialog shows it
  std::string_view mask;       // the dialog's file mask
  std::string_view extension;  // replaces the chosen name's extension
  std::string_view name;       // short stable name for the converter
};

std::span<const ExportEntry> ExportEntries();
// The default extension of a dialog entry: ".inc" for every number without
// an entry of its own.
std::string_view ExportExtension(int number);
// Finds an entry by number ("7") or short name ("dcb-msb").
std::optional<ExportEntry> FindExportEntry(std::string_view numberOrName);

// The name an entry writes to: the extension replaced by the entry's.
std::string ExportFileName(const std::string& chosen, int number);
// The files the entry writes for that name: the name itself, or the .h and
// .c beside it for the TFT_eSPI entries. A device or FIFO keeps its name.
std::vector<std::string> ExportedFiles(const std::string& chosen, int number);

// Writes the entry's export of the font to ExportFileName(chosen, number).
void ExportEntryFile(const TFontHandler& font, int number, const std::string& chosen, bool highlightSize);
