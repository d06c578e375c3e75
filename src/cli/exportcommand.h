#pragma once

#include <ostream>
#include <string>
#include <vector>

// export --entry E [--highlight-size on|off] FONT OUT, and export --list.
void ExportCommand(const std::vector<std::string>& args, std::ostream& out);
