#pragma once

#include "model/fonthandler.h"
#include "support/tempdir.h"

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The file's bytes as they are (the export texts are Windows-1252).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Lines of an export text: split at CR LF; a last line end is required and
// not reported as an empty line.
std::vector<std::string> CrLfLines(const std::string& text);
// The parts of a block between single CRs.
std::vector<std::string> CrParts(const std::string& line);

// Caps the size of files this process writes, so that writing fails part
// way like a full disk does; the cap is lifted again when this goes.
class FileSizeCap {
 public:
  explicit FileSizeCap(long bytes);
  ~FileSizeCap();
  FileSizeCap(const FileSizeCap&) = delete;
  FileSizeCap& operator=(const FileSizeCap&) = delete;

 private:
  long fprevious;
  void (*fprevioushandler)(int);
};

// Runs a shell command; returns its exit status and, if wanted, its output.
int RunCommand(const std::string& command, std::string* output = nullptr);

// Every glyph pixel in columns 0..width-1, as (x, y) pairs in cell coordinates.
using PixelSet = std::set<std::pair<int, int>>;
PixelSet InkWithin(const TFontHandler& font, int c, int width);
