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

void FontDocument::NotifyGlyphChanged(int c) { emit GlyphChanged(c); }

void FontDocument::NotifyMetricsChanged() { emit MetricsChanged(); }
