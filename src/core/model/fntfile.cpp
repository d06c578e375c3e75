#include "model/fntformat.h"
#include "model/fontfileerror.h"
#include "model/fonthandler.h"
#include "model/ioerror.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::size_t kHeaderSize = kFntHeaderSize;

// Compares the identification after its length byte, which the parser leaves
// to the identification bytes.
bool HasIdentification(const ByteArray& image, int type) {
  const std::string_view id = FntIdentification(type);
  return image.size() > kHeaderSize && std::equal(id.begin() + 1, id.end(), image.begin() + 1);
}

int ReadWord(const ByteArray& image, std::size_t offset) { return image[offset] | (image[offset + 1] << 8); }

void AppendWord(ByteArray& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

std::size_t RecordExtra(int type) { return type == 1 ? 0 : type == 2 ? 1 : 9; }

// Whether the header describes a cell the program can hold and the image
// carries every glyph record it implies.
bool ImageComplete(const ByteArray& image, int type) {
  const int w = ReadWord(image, 28);
  const int h = ReadWord(image, 30);
  if (w < kMinCellSize || w > kMaxCellSize || h < kMinCellSize || h > kMaxCellSize) return false;
  const std::size_t record = static_cast<std::size_t>((w + 7) / 8) * h + RecordExtra(type);
  return image.size() >= kHeaderSize + kGlyphCount * record;
}

int ImageType(const ByteArray& image) {
  for (int type = kMinFontType; type <= kMaxFontType; ++type)
    if (HasIdentification(image, type)) return type;
  return 0;
}

}  // namespace

void TFontHandler::SetFontAsString(const ByteArray& image) {
  const int type = ImageType(image);
  if (type == 0 || !ImageComplete(image, type)) {
    Clear();
    return;
  }
  if (type == 1)
    ParseType1(image);
  else
    ParseType23(image, type);
}

void TFontHandler::ParseType1(const ByteArray& image) {
  SetCellSize(ReadWord(image, 28), ReadWord(image, 30));
  ffont.assign(image.begin() + kHeaderSize, image.begin() + kHeaderSize + ffontsize);
  ffontvalid = true;
  DeriveWidthsFromInk();
  for (auto& kerning : fkerning) kerning.Reset();
  fbaseline = fy;
  ffonttype = 1;
}

// Type 1 files carry no widths: an inked glyph gets one column of space after
// its ink, an empty one keeps the width it had.
void TFontHandler::DeriveWidthsFromInk() {
  for (int c = 0; c < kGlyphCount; ++c) {
    const int x = RightmostInkedColumn(c);
    if (x >= 0) SetCharSize(c, x + 2);
    if (fsizes[c] == 0)
      fsizes[c] = static_cast<std::uint8_t>(fx / 2);
    else if (fsizes[c] > fx)
      fsizes[c] = static_cast<std::uint8_t>(fx);
  }
}

void TFontHandler::ParseType23(const ByteArray& image, int type) {
  fbaseline = ReadWord(image, 26);
  SetCellSize(ReadWord(image, 28), ReadWord(image, 30));
  ffont.resize(static_cast<std::size_t>(ffontsize));
  std::size_t pos = kHeaderSize;
  for (int c = 0; c < kGlyphCount; ++c) {
    auto* pixels = ffont.data() + static_cast<std::size_t>(c) * fcharsize;
    fkerning[c].Reset();
    if (type == 2) {
      std::copy_n(image.data() + pos, fcharsize, pixels);
      pos += fcharsize;
      SetCharSize(c, image[pos++]);
      continue;
    }
    SetCharSize(c, image[pos++]);
    TKerning& k = fkerning[c];
    for (TPoint* zone : {&k.NWKerning, &k.NOKerning, &k.SWKerning, &k.SOKerning}) {
      zone->X = image[pos++];
      zone->Y = image[pos++];
    }
    std::copy_n(image.data() + pos, fcharsize, pixels);
    pos += fcharsize;
  }
  ffontvalid = true;
  ffonttype = type;
}

ByteArray TFontHandler::FontImage(int type) const {
  if (type < kMinFontType || type > kMaxFontType) throw std::invalid_argument("FontImage: type outside 1..3");
  if (!ffontvalid) return {};
  ByteArray out;
  out.reserve(kHeaderSize + kGlyphCount * (fcharsize + RecordExtra(type)));
  const std::string_view id = FntIdentification(type);
  out.insert(out.end(), id.begin(), id.end());
  if (type != 1) AppendWord(out, fbaseline);
  AppendWord(out, fx);
  AppendWord(out, fy);
  for (int c = 0; c < kGlyphCount; ++c) {
    const auto pixels = ffont.begin() + static_cast<std::ptrdiff_t>(c) * fcharsize;
    if (type == 3) {
      out.push_back(fsizes[c]);
      const TKerning& k = fkerning[c];
      for (const TPoint* zone : {&k.NWKerning, &k.NOKerning, &k.SWKerning, &k.SOKerning}) {
        out.push_back(static_cast<std::uint8_t>(zone->X & 0xFF));
        out.push_back(static_cast<std::uint8_t>(zone->Y & 0xFF));
      }
    }
    out.insert(out.end(), pixels, pixels + fcharsize);
    if (type == 2) out.push_back(fsizes[c]);
  }
  return out;
}

ByteArray TFontHandler::FontAsString() const { return FontImage(std::clamp(ffonttype, kMinFontType, kMaxFontType)); }

bool IsFntFile(const ByteArray& data) {
  const int type = ImageType(data);
  return type != 0 && data[0] == static_cast<std::uint8_t>(FntIdentification(type)[0]);
}

ImportedFont ReadFnt(const ByteArray& data) {
  auto font = std::make_unique<TFontHandler>(16, 16);
  font->SetFontAsString(data);
  if (!font->Fontvalid())
    throw FontFileError("Die FNT-Datei ist unvollständig, oder ihre Zeichen sind nicht 1 bis 64 Pixel groß.",
                        "the FNT file is incomplete, or its cell is not 1 to 64 pixels");
  return {std::move(font), FontFileFormat::Fnt, 0};
}

void TFontHandler::LoadFont(const std::string& filename) {
  const ByteArray data = ReadWholeFile(filename, kFntMaxFileSize);
  // A file counts only when its length byte matches its identification too.
  SetFontAsString(IsFntFile(data) ? data : ByteArray());
}

void TFontHandler::SaveFont(const std::string& filename, int fonttype) const {
  if (!ffontvalid)
    throw FontError("Der Font enthält keine gültigen Daten und kann nicht gespeichert werden.",
                    "The font holds no valid data and cannot be saved.");
  WriteFileSafely(filename, FontImage(fonttype));
}
