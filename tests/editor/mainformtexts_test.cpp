#include "mainformtexts.h"

#include <gtest/gtest.h>

namespace {

TEST(MainFormTexts, GlyphListTextShowsCodeHexOemAndUnicodeCharacter) {
  struct Row {
    int code;
    QString expected;
  };
  const Row rows[] = {
      {65, QStringLiteral("65=41h=\"AA\"")},
      {10, QStringLiteral("10=0Ah=\"\n\n\"")},
      {0x8E, QStringLiteral("142=8Eh=\"Ä") + QChar(0x8E) + u'"'},
      {0xE1, QStringLiteral("225=E1h=\"ßá\"")},
      {0xFF, QStringLiteral("255=FFh=\"") + QChar(0xA0) + QStringLiteral("ÿ\"")},
  };
  for (const Row& row : rows) EXPECT_EQ(GlyphListText(row.code), row.expected) << row.code;
}

TEST(MainFormTexts, CharChangedTextQuotesPrintableCodesAndShowsOthersInHex) {
  struct Row {
    int code;
    QString expected;
  };
  const Row rows[] = {
      {10, QStringLiteral("Zeichen 0A geändert")},  {31, QStringLiteral("Zeichen 1F geändert")},
      {32, QStringLiteral("Zeichen ' ' geändert")}, {65, QStringLiteral("Zeichen 'A' geändert")},
      {37, QStringLiteral("Zeichen '%' geändert")}, {0xC4, QStringLiteral("Zeichen 'Ä' geändert")},
  };
  for (const Row& row : rows) EXPECT_EQ(CharChangedText(row.code), row.expected) << row.code;
}

TEST(MainFormTexts, CaptionShowsFileNameWithoutFolderOrOhneNamen) {
  EXPECT_EQ(WindowCaption(QStringLiteral("/tmp/fonts/lcd8x8.fnt")),
            QStringLiteral("<kelvaront> Rastermeister - lcd8x8.fnt"));
  EXPECT_EQ(WindowCaption(QString()), QStringLiteral("<kelvaront> Rastermeister - ohne Namen"));
}

TEST(MainFormTexts, StatusPanelTexts) {
  EXPECT_EQ(FontTypeText(2), QStringLiteral("Font Type 2"));
  EXPECT_EQ(EditSizeText(8), QStringLiteral("Zeichenbreite = 8"));
  EXPECT_EQ(BaseLineText(-3), QStringLiteral("BaseLine = -3"));
}

}  // namespace
