#include "exportcommand.h"

#include "clierror.h"
#include "export/gfxexport.h"
#include "export/u8g2export.h"
#include "fontio.h"
#include "formats/exporttable.h"
#include "model/ioerror.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace {

constexpr const char* kUsage =
    "usage: glyphwright-cli export --entry E [--highlight-size on|off] [--codepage latin1|cp1252|cp437] FONT OUT, "
    "or export --list";

struct ExportArguments {
  ExportEntry entry{};
  bool highlightSize = true;  // as the program starts
  CodePage codePage = CodePage::Latin1;
  std::vector<std::string> files;
};

ExportEntry ParseEntry(const std::string& text) {
  const auto entry = FindExportEntry(text);
  if (!entry) throw CliError("unknown export entry '" + text + "'; see 'glyphwright-cli export --list'");
  return *entry;
}

bool ParseSwitch(const std::string& text) {
  if (text == "on") return true;
  if (text == "off") return false;
  throw CliError("--highlight-size must be on or off, not '" + text + "'");
}

CodePage ParseCodePage(const std::string& text) {
  if (const auto page = FindCodePage(text)) return *page;
  throw CliError("--codepage must be latin1, cp1252 or cp437, not '" + text + "'");
}

ExportArguments ParseOptions(const std::vector<std::string>& args) {
  ExportArguments options;
  bool entryGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--entry" && hasValue) {
      options.entry = ParseEntry(args[++i]);
      entryGiven = true;
    } else if (args[i] == "--highlight-size" && hasValue) {
      options.highlightSize = ParseSwitch(args[++i]);
    } else if (args[i] == "--codepage" && hasValue) {
      options.codePage = ParseCodePage(args[++i]);
    } else if (args[i].rfind("--", 0) == 0) {
      throw CliError(kUsage);
    } else {
      options.files.push_back(args[i]);
    }
  }
  if (!entryGiven || options.files.size() != 2) throw CliError(kUsage);
  return options;
}

// The entry with codes up to 127 that cuts the bitmaps as the chosen one does.
std::string_view NarrowerGfxEntry(const ExportEntry& chosen) {
  return chosen.name.ends_with("-compact") ? "gfx127-compact" : "gfx127";
}

std::string DescribeGfxLimit(const GfxLimitError& error, const TFontHandler& font, const ExportEntry& chosen) {
  const int value = error.value();
  std::ostringstream reason;
  if (error.reason() == GfxLimitError::Reason::BaseLine)
    reason << "its baseline " << value << " lies outside the cell height of " << font.FontHeight() << " pixels (1 to "
           << font.FontHeight() << " needed)";
  else
    reason << "the bitmap of glyph " << value << " (0x" << std::hex << std::uppercase << std::setw(2)
           << std::setfill('0') << value << ") would lie beyond the 65535 bytes a GFX font can address; "
           << "export with entry " << NarrowerGfxEntry(chosen) << " instead";
  return reason.str();
}

std::string DescribeU8g2Limit(const U8g2LimitError& error, const TFontHandler& font) {
  std::ostringstream reason;
  if (error.reason() == U8g2LimitError::Reason::BaseLine)
    reason << "its baseline " << error.value() << " does not fit (" << std::max(font.FontHeight() - 128, -128)
           << " to 127 needed)";
  else
    reason << "glyph " << error.value() << " (0x" << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
           << error.value() << std::dec << ") needs " << error.bytes()
           << " bytes, more than the 255 bytes u8g2 holds per glyph";
  return reason.str();
}

std::string QuotedNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "'" : " and '") + name + "'";
  return text;
}

// The extensions of the files an entry writes, such as ".h .c".
std::string WrittenExtensions(const ExportEntry& entry) {
  if (entry.writtenExtensions.empty()) return std::string(entry.extension);
  std::string text;
  for (const std::string_view extension : entry.writtenExtensions) (text += text.empty() ? "" : " ") += extension;
  return text;
}

void ListEntries(std::ostream& out) {
  std::size_t nameWidth = 15;
  std::size_t extensionWidth = 0;
  for (const ExportEntry& entry : ExportEntries()) {
    nameWidth = std::max(nameWidth, entry.name.size());
    extensionWidth = std::max(extensionWidth, WrittenExtensions(entry).size());
  }
  const auto width = [](std::size_t columns) { return std::setw(static_cast<int>(columns)); };
  for (const ExportEntry& entry : ExportEntries())
    out << std::setw(2) << entry.number << "  " << std::left << width(nameWidth) << entry.name << "  "
        << width(extensionWidth) << WrittenExtensions(entry) << std::right << "  " << entry.caption << "\n";
}

}  // namespace

void ExportCommand(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() == 1 && args[0] == "--list") return ListEntries(out);
  const ExportArguments options = ParseOptions(args);
  const std::string& target = options.files[1];
  try {
    RequireFileName(target);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + target + "': " + DescribeIoError(error));
  }
  const ImportedFont input = LoadFontFile(options.files[0], options.codePage);
  const TFontHandler& font = *input.font;
  ExportNotes notes;
  try {
    notes = ExportEntryFile(font, options.entry.number, target,
                            {.highlightSize = options.highlightSize, .codePage = options.codePage});
  } catch (const IoError& error) {
    throw CliError("cannot write " + QuotedNames(ExportedFiles(target, options.entry.number)) + ": " +
                   DescribeIoError(error));
  } catch (const GfxLimitError& error) {
    throw CliError("cannot export '" + options.files[0] +
                   "' as a GFX font: " + DescribeGfxLimit(error, font, options.entry));
  } catch (const U8g2LimitError& error) {
    throw CliError("cannot export '" + options.files[0] + "' as a u8g2 font: " + DescribeU8g2Limit(error, font));
  }
  if (notes.unmappedCodes > 0)
    out << "note: " << notes.unmappedCodes << (notes.unmappedCodes == 1 ? " glyph" : " glyphs")
        << " left out: no character in " << CodePageName(options.codePage) << "\n";
}
