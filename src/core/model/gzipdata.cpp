#include "model/gzipdata.h"

#include "model/fontfileerror.h"

#include <zlib.h>
#include <algorithm>
#include <climits>

namespace {

constexpr FileKind kGzipKind{"gzip-Datei", "gzip file"};

// Frees the inflate state on every way out.
class Inflater {
 public:
  Inflater() {
    // 16 above the window size: a gzip header and trailer, not zlib's.
    if (inflateInit2(&fstream, 16 + MAX_WBITS) != Z_OK) throw std::bad_alloc();
  }
  ~Inflater() { inflateEnd(&fstream); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  z_stream& Stream() { return fstream; }

 private:
  z_stream fstream{};
};

FontFileError Damaged(std::size_t offset, const char* reason) {
  const std::string detail = reason ? std::string(" (") + reason + ")" : std::string();
  return FilePlace::Offset(kGzipKind, offset)
      .Error("Die komprimierten Daten sind beschädigt" + detail + ".", "the compressed data is damaged" + detail);
}

}  // namespace

bool IsGzip(const ByteArray& data) { return data.size() >= 2 && data[0] == 0x1F && data[1] == 0x8B; }

ByteArray Gunzip(const ByteArray& data, std::size_t maxSize) {
  Inflater inflater;
  z_stream& stream = inflater.Stream();
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(std::min<std::size_t>(data.size(), UINT_MAX));
  ByteArray out;
  std::uint8_t chunk[65536];
  for (;;) {
    stream.next_out = chunk;
    stream.avail_out = sizeof chunk;
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t got = sizeof chunk - stream.avail_out;
    if (out.size() + got > maxSize)
      throw FilePlace::Offset(kGzipKind, stream.total_in)
          .Error("Die Daten ergeben entpackt mehr als " + std::to_string(maxSize) + " Bytes.",
                 "the data unpacks to more than " + std::to_string(maxSize) + " bytes");
    out.insert(out.end(), chunk, chunk + got);
    if (status == Z_STREAM_END) return out;
    if (status == Z_BUF_ERROR && stream.avail_in == 0)
      throw FilePlace::Offset(kGzipKind, stream.total_in)
          .Error("Die komprimierten Daten enden vorzeitig.", "the compressed data ends early");
    if (status != Z_OK && status != Z_BUF_ERROR) throw Damaged(stream.total_in, stream.msg);
  }
}
