#include "export/textfile.h"

#include "model/codepages.h"

namespace {

bool IsAscii(char ch) { return static_cast<unsigned char>(ch) < 0x80; }
bool IsContinuation(char ch) { return (static_cast<unsigned char>(ch) & 0xC0) == 0x80; }

}  // namespace

ByteArray EncodeTextFile(std::string_view utf8) {
  // Runs of ASCII, nearly all of an export, are copied as they are; each
  // other character is converted with the bytes that continue it.
  ByteArray bytes;
  bytes.reserve(utf8.size());
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = start;
    while (end < utf8.size() && IsAscii(utf8[end])) ++end;
    bytes.insert(bytes.end(), utf8.begin() + static_cast<std::ptrdiff_t>(start),
                 utf8.begin() + static_cast<std::ptrdiff_t>(end));
    if (end == utf8.size()) break;
    start = end + 1;
    while (start < utf8.size() && IsContinuation(utf8[start])) ++start;
    const std::string encoded = EncodeWindows1252(Utf8ToUtf32(utf8.substr(end, start - end)));
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  return bytes;
}

void WriteTextFile(const std::string& path, std::string_view utf8) { WriteFileSafely(path, EncodeTextFile(utf8)); }
