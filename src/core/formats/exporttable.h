#pragma once

#include "model/codepages.h"
#include "model/fonthandler.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the user chooses beside the entry.
struct ExportOptions {
  bool highlightSize = false;            // matters to the demo pictures only
  CodePage codePage = CodePage::Latin1;  // matters to the formats that speak Unicode
};

// What an export tells the user beside the file it wrote.
struct ExportNotes {
  int unmappedCodes = 0;  // glyphs left out: the code page has no character for their code
};

// Writes the font to filename.
using ExportWriter = ExportNotes (*)(const TFontHandler& font, const std::string& filename,
                                     const ExportOptions& options);

// One entry of the export dialog. Users script against the numbers and short
// names, so they never change.
struct ExportEntry {
  int number;
  std::string_view name;       // short stable name for the converter
  std::string_view caption;    // as the dialog shows it
  std::string_view mask;       // the dialog's file mask
  std::string_view extension;  // replaces the chosen name's extension
  ExportWriter writer;
  // The extensions of the files the writer puts beside the name instead of
  // the name itself; empty when it writes the name.
  std::span<const std::string_view> writtenExtensions;
};

// Every entry, in the dialog's order: numbers 1, 2, 3...
std::span<const ExportEntry> ExportEntries();
// The default extension of a dialog entry: ".inc" for every number without
// an entry of its own.
std::string_view ExportExtension(int number);
// Finds an entry by number ("7") or short name ("dcb-msb").
std::optional<ExportEntry> FindExportEntry(std::string_view numberOrName);

// The name an entry writes to: the extension replaced by the entry's.
std::string ExportFileName(const std::string& chosen, int number);
// The files the entry writes for that name: the name itself, or the files
// beside it that the entry names. A device or FIFO keeps its name.
std::vector<std::string> ExportedFiles(const std::string& chosen, int number);

// Writes the entry's export of the font to ExportFileName(chosen, number).
// Throws std::invalid_argument for a number without an entry.
ExportNotes ExportEntryFile(const TFontHandler& font, int number, const std::string& chosen,
                            const ExportOptions& options);

// The file writers by file type, which is the entry number less three: 0..14
// the assembler includes, 15 and 16 the GFX headers, 17 and 18 the TFT_eSPI
// pairs, 19 BDF. Any other file type writes nothing.
void ExportFont(const TFontHandler& font, const std::string& filename, int filetype);
