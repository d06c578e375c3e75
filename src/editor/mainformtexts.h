#pragma once

#include <QString>

#include <optional>

class QKeyEvent;

// The texts the main window shows in its caption, status bar and glyph lists.

QString WindowCaption(const QString& filename);
QString FontTypeText(int fonttype);
QString EditSizeText(int size);
QString BaseLineText(int baseline);
// "Zeichen 'A' geändert" for printable codes, "Zeichen 0A geändert" below 32.
QString CharChangedText(int code);
// The glyph list entry of code c, as 65=41h="AA": the code, its hex form, the
// character of the byte in the DOS code page and the Unicode character c.
QString GlyphListText(int c);
// A code as at least two upper-case hexadecimal digits: 0A, 41, FF.
QString TwoHexDigits(int value);
// The glyph a key typed in one of the glyph lists chooses: the code of its
// character when that is below 256. Tab and Backtab keep moving the focus.
std::optional<int> TypedGlyph(const QKeyEvent& key);
