#pragma once

#include "model/canvas.h"
#include "model/fileio.h"

#include <array>
#include <string>
#include <string_view>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The four kerning zones of one glyph. X counts columns from the left edge
// (W zones) or the right edge (O zones), Y rows from the top (N zones) or the
// bottom (S zones); (0, 0) is a zone that is not set.
class TKerning {
 public:
  TPoint NWKerning;
  TPoint NOKerning;
  TPoint SWKerning;
  TPoint SOKerning;

  void Reset() { *this = TKerning(); }
  void Assign(const TKerning& value) { *this = value; }
  friend bool operator==(const TKerning&, const TKerning&) = default;
};

// The FNT file types.
constexpr int kMinFontType = 1;
constexpr int kMaxFontType = 3;
// The cell size limits every part of the program relies on.
constexpr int kMinCellSize = 1;
constexpr int kMaxCellSize = 64;
constexpr int kGlyphCount = 256;

// A font of 256 glyphs sharing one W x H cell. Pixels are stored glyph after
// glyph, rows top to bottom, (W + 7) / 8 bytes per row, most significant bit
// leftmost, a set bit being ink; the FNT file uses the same layout.
class TFontHandler {
 public:
  TFontHandler(int ax, int ay);

  void Assign(const TFontHandler& afonthandler);
  void Clear();

  // No index checks: glyph 0..255, x 0..W-1, y 0..H-1. An invalid font has
  // no pixel store: its pixels read as clear and setting one does nothing.
  bool GetPixel(int c, int x, int y) const { return ffontvalid && (ffont[ByteIndex(c, x, y)] & Mask(x)) != 0; }
  void SetPixel(int c, int x, int y, bool value) {
    if (!ffontvalid) return;
    auto& byte = ffont[ByteIndex(c, x, y)];
    byte = value ? (byte | Mask(x)) : (byte & ~Mask(x));
  }
  int GetCharSize(int c) const { return fsizes[c]; }
  // Stores the width clamped to 0..W.
  void SetCharSize(int c, int value);
  TKerning& GetKerning(int c) { return fkerning[c]; }
  const TKerning& GetKerning(int c) const { return fkerning[c]; }
  // The only checked accessor: other glyph numbers are ignored.
  void SetKerning(int c, const TKerning& value);

  int BaseLine() const { return fbaseline; }
  void SetBaseLine(int value) { fbaseline = value; }
  bool Fontvalid() const { return ffontvalid; }
  int FontWidth() const { return fx; }
  int FontHeight() const { return fy; }
  int fonttype() const { return ffonttype; }
  void Setfonttype(int value) { ffonttype = value; }
  int BytesPerRow() const { return fbytex; }
  int BytesPerGlyph() const { return fcharsize; }

  // The font byte image: byte for byte an FNT file of the font's own type;
  // empty for an invalid font.
  ByteArray FontAsString() const;
  // Parses a byte image; an image that is no complete FNT image of a usable
  // cell size leaves the font invalid and its other fields untouched.
  void SetFontAsString(const ByteArray& image);

  // Throws IoError when the file cannot be read; a file that is no FNT file
  // leaves the font invalid.
  void LoadFont(const std::string& filename);
  // Throws FontError for an invalid font and IoError when writing fails; the
  // previous file stays whole on failure. Does not change fonttype.
  void SaveFont(const std::string& filename, int fonttype) const;
  // The byte image of the font in the given type (1..3).
  ByteArray FontImage(int type) const;

  void CalculateCharSize(int c, int space);
  void RemoveLeftCols(int c, int space);
  int CalculateKerning(int PrevChar, int CurrentChar) const;
  // A character above 255 counts as the glyph of its low eight bits.
  int TextWidth(std::u32string_view aText) const;
  int TextHeight(std::u32string_view aText) const;

  void DrawCharacter(int Character, Canvas& canvas, int aX, int aY) const;
  void DrawCharacterEX(int Character, Canvas& canvas, int aX, int aY, int MaxWidth) const;
  void DrawText(Canvas& canvas, int aX, int aY, std::u32string_view aText) const;
  void ScanCharacter(int Character, const Canvas& canvas, int aX, int aY);

 private:
  std::size_t ByteIndex(int c, int x, int y) const {
    return static_cast<std::size_t>(c) * fcharsize + static_cast<std::size_t>(y) * fbytex + (x >> 3);
  }
  static std::uint8_t Mask(int x) { return static_cast<std::uint8_t>(0x80u >> (x & 7)); }
  void SetCellSize(int ax, int ay);
  bool ColumnInked(int c, int x) const;
  int RightmostInkedColumn(int c) const;
  void ParseType1(const ByteArray& image);
  void ParseType23(const ByteArray& image, int type);
  void DeriveWidthsFromInk();

  ByteArray ffont;
  std::array<std::uint8_t, kGlyphCount> fsizes{};
  std::array<TKerning, kGlyphCount> fkerning{};
  int fx = 0;
  int fy = 0;
  int fbytex = 0;
  int fbaseline = 0;
  int fcharsize = 0;
  int ffontsize = 0;
  bool ffontvalid = false;
  int ffonttype = 3;
};
