#include "commands.h"

#include "clierror.h"
#include "exportcommand.h"
#include "fontio.h"
#include "model/dosfont.h"
#include "model/fntformat.h"
#include "model/fonthandler.h"
#include "model/programversion.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

namespace {

using Args = std::vector<std::string>;
using Command = std::function<void(const Args&, std::ostream&)>;

struct CommandEntry {
  std::string_view name;
  std::string_view usage;
  std::string_view summary;
  Command run;
};

void RequireArgs(const Args& args, std::size_t count, std::string_view usage) {
  if (args.size() != count) throw CliError("usage: glyphwright-cli " + std::string(usage));
}

int InkedGlyphCount(const TFontHandler& font) {
  int count = 0;
  for (int c = 0; c < kGlyphCount; ++c) {
    bool inked = false;
    for (int y = 0; y < font.FontHeight() && !inked; ++y)
      for (int x = 0; x < font.FontWidth() && !inked; ++x) inked = font.GetPixel(c, x, y);
    count += inked ? 1 : 0;
  }
  return count;
}

void Info(const Args& args, std::ostream& out) {
  RequireArgs(args, 1, "info FILE");
  const ImportedFont input = LoadFontFile(args[0]);
  const TFontHandler& font = *input.font;
  int smallest = font.GetCharSize(0);
  int largest = smallest;
  for (int c = 1; c < kGlyphCount; ++c) {
    smallest = std::min(smallest, font.GetCharSize(c));
    largest = std::max(largest, font.GetCharSize(c));
  }
  out << "format: " << input.format << "\n";
  if (input.format != FontFileFormat::Fnt) out << "glyphs dropped: " << input.dropped << "\n";
  out << "type: " << font.fonttype() << "\n"
      << "width: " << font.FontWidth() << "\n"
      << "height: " << font.FontHeight() << "\n"
      << "baseline: " << font.BaseLine() << "\n"
      << "glyphs with ink: " << InkedGlyphCount(font) << "\n"
      << "smallest width: " << smallest << "\n"
      << "largest width: " << largest << "\n";
}

int ParseType(const std::string& text) {
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '3') return text[0] - '0';
  throw CliError("--type must be 1, 2 or 3, not '" + text + "'");
}

void Convert(const Args& args, std::ostream&) {
  constexpr std::string_view usage = "convert --type N IN OUT";
  RequireArgs(args, 4, usage);
  if (args[0] != "--type") throw CliError("usage: glyphwright-cli " + std::string(usage));
  const int type = ParseType(args[1]);
  SaveFntFile(*LoadFontFile(args[2]).font, args[3], type);
}

void ImportDos(const Args& args, std::ostream&) {
  RequireArgs(args, 2, "import-dos IN OUT");
  const ByteArray file = ReadInputFile(args[0], kDosFontMaxSize);
  if (!IsDosFontSize(file.size()))
    throw CliError("'" + args[0] + "' is not a DOS font file: its size of " + std::to_string(file.size()) +
                   " bytes gives no cell height from 1 to 64 (it must be 256 to 16639 bytes)");
  SaveFntFile(*MakeDosFont(file), args[1], 1);
}

void Version(const Args& args, std::ostream& out) {
  RequireArgs(args, 0, "--version");
  out << "glyphwright " << ProgramVersionText() << "\n";
}

const std::vector<CommandEntry>& Commands();

void Help(const Args&, std::ostream& out) {
  out << "glyphwright-cli - converts Glyphwright FNT bitmap fonts\n\n"
      << "FONT, FILE and IN may be FNT, BDF, PSF 1 or 2 (also gzip-compressed) or Arduino GFX header files;\n"
      << "the format is recognised by content.\n\nCommands:\n";
  for (const auto& command : Commands())
    out << "  glyphwright-cli " << command.usage << "\n      " << command.summary << "\n";
  out << "\nExit status: 0 on success, 1 on any error (message on stderr).\n";
}

const std::vector<CommandEntry>& Commands() {
  static const std::vector<CommandEntry> commands = {
      {"info", "info FILE",
       "Prints format, type, cell size, baseline, inked glyphs and the width range; for other formats\n"
       "      than FNT also how many glyphs were dropped (codes outside 0..255).",
       Info},
      {"convert", "convert --type N IN OUT", "Writes the font as an FNT file of type 1, 2 or 3.", Convert},
      {"import-dos", "import-dos IN OUT", "Turns a DOS OEM font file (8 x H) into a type-1 FNT file.", ImportDos},
      {"export",
       "export --entry E [--highlight-size on|off] [--codepage latin1|cp1252|cp437] FONT OUT\n"
       "  glyphwright-cli export --list",
       "Exports like the program's export dialog; E is an entry number or name from export --list.\n"
       "      The extension of OUT is replaced by the entry's; TFT entries write OUT.h and OUT.c.\n"
       "      The code page (default latin1) maps codes to Unicode in the formats that speak it (BDF),\n"
       "      read or written; glyphs whose code has no character in it are left out, and a note\n"
       "      says how many.",
       ExportCommand},
      {"--help", "-h, --help", "Shows this text.", Help},
      {"--version", "--version", "Prints the version.", Version},
  };
  return commands;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw CliError("no command given; try 'glyphwright-cli --help'");
    const auto& commands = Commands();
    const std::string& name = args[0] == "-h" ? "--help" : args[0];
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const CommandEntry& entry) { return entry.name == name; });
    if (command == commands.end()) throw CliError("unknown command '" + args[0] + "'; try 'glyphwright-cli --help'");
    command->run(Args(args.begin() + 1, args.end()), out);
    if (!out.flush()) throw CliError("cannot write to standard output");
    return 0;
  } catch (const std::exception& error) {
    err << "glyphwright-cli: " << error.what() << "\n";
    return 1;
  }
}
