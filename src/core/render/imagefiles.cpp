#include "render/imagefiles.h"

#include "model/fileio.h"
#include "model/ioerror.h"

#include <png.h>
#include <cerrno>
#include <csetjmp>
#include <exception>

namespace {

// libpng reports errors by longjmp; the writer's exception is parked here and
// raised again once libpng has unwound.
struct PngSink {
  SafeFileWriter* file = nullptr;
  std::exception_ptr failure;
};

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  try {
    sink->file->Write(data, length);
  } catch (...) {
    sink->failure = std::current_exception();
  }
  if (sink->failure) png_error(png, "write failed");
}

void PngFlush(png_structp) {}

// libpng would print its errors and warnings; the writer reports the failure
// itself, once.
[[noreturn]] void PngFail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngIgnoreWarning(png_structp, png_const_charp) {}

int BitDepthFor(std::size_t colours) { return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8; }

void EncodePng(png_structp png, png_infop info, const IndexedImageSource& image, std::vector<png_color>& palette,
               std::vector<std::uint8_t>& row) {
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height),
               BitDepthFor(image.palette.size()), PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  // Chosen by measuring demo pictures of real fonts (bench/demo_png_compare.sh)
  // and the dense pattern of the demo benchmark: the Sub filter at deflate
  // level 7 gives files a third smaller than ImageMagick's, written 4.5 to 8
  // times faster than ImageMagick writes its, and the dense 64 x 64 picture
  // in half the time budget. Level 8 comes within 9 % of optipng -o2's size
  // but takes twice as long on the dense picture, close to the budget, and is
  // barely 3 times faster than ImageMagick for an 8 x 8 font.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_compression_level(png, 7);
  png_write_info(png, info);
  png_set_packing(png);
  for (int y = 0; y < image.height; ++y) {
    image.row(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
}

// Kept apart so that no local of the caller lives across the longjmp.
bool EncodePngGuarded(png_structp png, png_infop info, PngSink& sink, const IndexedImageSource& image,
                      std::vector<png_color>& palette, std::vector<std::uint8_t>& row) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_write_fn(png, &sink, PngWrite, PngFlush);
  EncodePng(png, info, image, palette, row);
  return true;
}

}  // namespace

void WritePng(const std::string& filename, const IndexedImageSource& image) {
  SafeFileWriter file(filename);
  PngSink sink{&file, nullptr};
  std::vector<png_color> palette;
  for (const TColor colour : image.palette)
    palette.push_back(
        {static_cast<png_byte>(colour >> 16), static_cast<png_byte>(colour >> 8), static_cast<png_byte>(colour)});
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width));

  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, PngIgnoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw IoError(ENOMEM);
  }
  const bool written = EncodePngGuarded(png, info, sink, image, palette, row);
  png_destroy_write_struct(&png, &info);
  if (sink.failure) std::rethrow_exception(sink.failure);
  if (!written) throw IoError(EIO);
  file.Commit();
}

namespace {

void AppendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> BmpHeaders(int width, int height, std::uint32_t rowSize) {
  constexpr std::uint32_t kHeadersSize = 14 + 40;
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out{'B', 'M'};
  AppendLittleEndian(out, kHeadersSize + imageSize, 4);
  AppendLittleEndian(out, 0, 4);
  AppendLittleEndian(out, kHeadersSize, 4);
  AppendLittleEndian(out, 40, 4);
  AppendLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  AppendLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
  AppendLittleEndian(out, 1, 2);                                   // planes
  AppendLittleEndian(out, 24, 2);                                  // bits per pixel
  AppendLittleEndian(out, 0, 4);                                   // BI_RGB
  AppendLittleEndian(out, imageSize, 4);
  AppendLittleEndian(out, 0, 4);  // pixels per metre, x and y: unspecified
  AppendLittleEndian(out, 0, 4);
  AppendLittleEndian(out, 0, 4);  // colours used, important
  AppendLittleEndian(out, 0, 4);
  return out;
}

}  // namespace

void WriteBmp(const std::string& filename, const IndexedImageSource& image) {
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  SafeFileWriter file(filename);
  file.Write(BmpHeaders(image.width, image.height, rowSize));
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(image.width));
  std::vector<std::uint8_t> pixels(rowSize, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    image.row(y, indices.data());
    for (std::size_t x = 0; x < indices.size(); ++x) {
      const TColor colour = image.palette[indices[x]];
      pixels[3 * x] = static_cast<std::uint8_t>(colour);  // blue, green, red
      pixels[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
      pixels[3 * x + 2] = static_cast<std::uint8_t>(colour >> 16);
    }
    file.Write(pixels.data(), pixels.size());
  }
  file.Commit();
}
