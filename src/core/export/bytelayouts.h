#pragma once

#include "model/fileio.h"
#include "model/fonthandler.h"

// The byte arrangements small displays expect a glyph in. Column layouts hold
// eight vertical pixels per byte; "mirrored" emits each column's pages bottom
// page first.
enum class ByteLayout {
  Rows,
  ColumnsMsbTop,
  ColumnsLsbTop,
  ColumnsMsbTopMirrored,
  ColumnsLsbTopMirrored,
};

// Format numbers 0..14: the assembler export's file types, each selecting a
// layout.
constexpr int kMinByteFormat = 0;
constexpr int kMaxByteFormat = 14;

bool IsByteFormat(int format);
// Throws std::invalid_argument outside 0..14.
ByteLayout LayoutOfFormat(int format);

int LayoutBytesPerGlyph(const TFontHandler& font, ByteLayout layout);
// Appends glyph c of a valid font, the whole cell whatever the glyph's width.
void AppendGlyphBytes(const TFontHandler& font, int c, ByteLayout layout, ByteArray& out);

// The font as a type-2 FNT image whose glyphs are in the format's layout;
// empty for an invalid font. Throws std::invalid_argument outside 0..14.
ByteArray GetFontByFormat(const TFontHandler& font, int aformat);
