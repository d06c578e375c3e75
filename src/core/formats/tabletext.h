#pragma once

// Marks a table's German text that the program translates where it shows it,
// under the given context. Qt's lupdate reads the mark as QT_TRANSLATE_NOOP;
// the core itself keeps the text as it stands.
#define GLYPH_TRANSLATE_NOOP(context, text) (text)
