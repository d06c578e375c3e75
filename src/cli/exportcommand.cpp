#include "exportcommand.h"

#include "clierror.h"
#include "export/gfxexport.h"
#include "fontio.h"
#include "formats/exporttable.h"
#include "model/ioerror.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace {

constexpr const char* kUsage =
    "usage: glyphwright-cli export --entry E [--highlight-size on|off] FONT OUT, or export --list";

struct ExportOptions {
  ExportEntry entry{};
  bool highlightSize = true;  // as the program starts
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

ExportOptions ParseOptions(const std::vector<std::string>& args) {
  ExportOptions options;
  bool entryGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--entry" && hasValue) {
      options.entry = ParseEntry(args[++i]);
      entryGiven = true;
    } else if (args[i] == "--highlight-size" && hasValue) {
      options.highlightSize = ParseSwitch(args[++i]);
    } else if (args[i].rfind("--", 0) == 0) {
      throw CliError(kUsage);
    } else {
      options.files.push_back(args[i]);
    }
  }
  if (!entryGiven || options.files.size() != 2) throw CliError(kUsage);
  return options;
}

std::string DescribeGfxLimit(const GfxLimitError& error, const TFontHandler& font) {
  const int value = error.value();
  std::ostringstream reason;
  if (error.reason() == GfxLimitError::Reason::BaseLine)
    reason << "its baseline " << value << " lies outside the cell height of " << font.FontHeight() << " pixels (1 to "
           << font.FontHeight() << " needed)";
  else
    reason << "the bitmap of glyph " << value << " (0x" << std::hex << std::uppercase << std::setw(2)
           << std::setfill('0') << value << ") would lie beyond the 65535 bytes a GFX font can address; "
           << "export with entry gfx127 instead";
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
  const ExportOptions options = ParseOptions(args);
  const std::string& target = options.files[1];
  try {
    RequireFileName(target);
  } catch (const IoError& error) {
    throw CliError("cannot write '" + target + "': " + DescribeIoError(error));
  }
  const ImportedFont input = LoadFontFile(options.files[0]);
  const TFontHandler& font = *input.font;
  try {
    ExportEntryFile(font, options.entry.number, target, options.highlightSize);
  } catch (const IoError& error) {
    throw CliError("cannot write " + QuotedNames(ExportedFiles(target, options.entry.number)) + ": " +
                   DescribeIoError(error));
  } catch (const GfxLimitError& error) {
    throw CliError("cannot export '" + options.files[0] + "' as a GFX font: " + DescribeGfxLimit(error, font));
  }
}
