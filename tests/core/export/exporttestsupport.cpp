#include "exporttestsupport.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

std::vector<std::string> CrParts(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = line.find('\r', start)) != std::string::npos; start = end + 1)
    parts.push_back(line.substr(start, end - start));
  parts.push_back(line.substr(start));
  return parts;
}

FileSizeCap::FileSizeCap(long bytes) {
  // Past the cap the write fails with EFBIG instead of the process being killed.
  fprevioushandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  fprevious = static_cast<long>(limit.rlim_cur);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeCap::~FileSizeCap() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(fprevious);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, fprevioushandler);
}

int RunCommand(const std::string& command, std::string* output) {
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return -1;
  std::string text;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
  const int status = ::pclose(pipe);
  if (output) *output = text;
  return status;
}

PixelSet InkWithin(const TFontHandler& font, int c, int width) {
  PixelSet ink;
  for (int y = 0; y < font.FontHeight(); ++y)
    for (int x = 0; x < width; ++x)
      if (font.GetPixel(c, x, y)) ink.emplace(x, y);
  return ink;
}
