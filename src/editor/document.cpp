#include "document.h"

namespace {

constexpr int kFirstFontSize = 16;

}  // namespace

FontDocument::FontDocument()
    : fEditFont(std::make_unique<TFontHandler>(kFirstFontSize, kFirstFontSize)), ffonttype(fEditFont->fonttype()) {}

FontDocument::~FontDocument() = default;

void FontDocument::ReplaceFont(std::unique_ptr<TFontHandler> font) {
  fEditFont = std::move(font);
  emit FontReplaced();
}

void FontDocument::ChangeFont(std::unique_ptr<TFontHandler> font) {
  ReplaceFont(std::move(font));
  SetSaveRequest(true);
}

void FontDocument::AssignFont(const TFontHandler& font) {
  fEditFont->Assign(font);
  emit FontReplaced();
}

void FontDocument::Setfilename(const QString& value) {
  if (value == ffilename) return;
  ffilename = value;
  emit filenameChanged(ffilename);
}

void FontDocument::Setfonttype(int value) {
  if (value == ffonttype) return;
  ffonttype = value;
  emit fonttypeChanged(ffonttype);
}

void FontDocument::SetSaveRequest(bool value) {
  fsaverequest = value;
  emit SaveRequestChanged(value);
}

void FontDocument::SetBaseLine(int value) {
  fEditFont->SetBaseLine(value);
  emit BaseLineChanged(value);
}

void FontDocument::ChangeBaseLine(int value) {
  SetBaseLine(value);
  SetSaveRequest(true);
}

void FontDocument::ChangeGlyph(int c, const FontChange& change) {
  ChangeInPlace(change);
  emit GlyphChanged(c);
  SetSaveRequest(true);
}

void FontDocument::ChangeMetrics(const FontChange& change) {
  ChangeInPlace(change);
  emit MetricsChanged();
  SetSaveRequest(true);
}

void FontDocument::ChangeInPlace(const FontChange& change) {
  const TFontHandler saved = *fEditFont;
  try {
    change(*fEditFont);
  } catch (...) {
    fEditFont->Assign(saved);
    throw;
  }
}
