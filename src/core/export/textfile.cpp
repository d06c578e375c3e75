#include "export/textfile.h"

#include "model/codepages.h"

ByteArray EncodeTextFile(std::string_view utf8) {
  const std::string encoded = EncodeWindows1252(Utf8ToUtf32(utf8));
  return ByteArray(encoded.begin(), encoded.end());
}

void WriteTextFile(const std::string& path, std::string_view utf8) { WriteFileSafely(path, EncodeTextFile(utf8)); }
