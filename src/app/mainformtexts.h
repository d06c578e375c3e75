#pragma once

#include <QString>

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
