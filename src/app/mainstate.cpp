#include "app/mainstate.h"

#include "app/qimagecanvas.h"

#include <algorithm>

namespace {

constexpr int kFirstFontSize = 16;
constexpr TColor kLightGrey = 0xC0C0C0;
constexpr TColor kGrey = 0x808080;

// The colour a pixel of the image really holds after writing the given one,
// so that later comparisons match the image's own representation.
TColor StoredColor(QImage& image, TColor color) {
  QImageCanvas canvas(image);
  canvas.SetPixel(0, 0, color);
  return canvas.GetPixel(0, 0);
}

}  // namespace

MainState::MainState()
    : CharBMP(1, 1, QImage::Format_RGB32),
      fEditFont(std::make_unique<TFontHandler>(kFirstFontSize, kFirstFontSize)),
      ffonttype(fEditFont->fonttype()),
      fEditSize(fEditFont->FontWidth()) {
  OffColor = StoredColor(CharBMP, kGrey);
  SetColor = StoredColor(CharBMP, kLightGrey);
}

MainState::~MainState() = default;

void MainState::ReplaceFont(std::unique_ptr<TFontHandler> font) { fEditFont = std::move(font); }

void MainState::Setfilename(const QString& value) {
  if (value == ffilename) return;
  ffilename = value;
  emit filenameChanged(ffilename);
}

void MainState::Setfonttype(int value) {
  if (value == ffonttype) return;
  ffonttype = value;
  emit fonttypeChanged(ffonttype);
}

void MainState::SetSaveRequest(bool value) {
  fsaverequest = value;
  emit SaveRequestChanged(value);
}

void MainState::SetCharRequest(bool value) {
  fcharrequest = value;
  emit CharRequestChanged(value);
}

void MainState::SetEditSize(int value) {
  fEditSize = std::min(value, fEditFont->FontWidth());
  emit EditSizeChanged(fEditSize);
}

void MainState::SetBaseLine(int value) {
  fEditFont->SetBaseLine(value);
  emit BaseLineChanged(value);
}

void MainState::ClearEditChar() {
  CharBMP = QImage(fEditFont->FontWidth(), fEditFont->FontHeight(), QImage::Format_RGB32);
  CharBMP.fill(0xFF000000u | OffColor);
  SetEditSize(fEditFont->FontWidth());
  SetBaseLine(BaseLine());
}
