#include "app/glyphstore.h"

#include "app/mainstate.h"
#include "app/qimagecanvas.h"
#include "app/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

const QString kStoreQuestion =
    QStringLiteral("Das aktuelle Zeichen wurde noch nicht gesichert.\rSoll die Sicherung jetzt durchgeführt werden?");

class GlyphStoreTest : public ::testing::Test {
 protected:
  GlyphStoreTest() {
    fstate.ClearEditChar();
    fstate.EditChar = 65;
  }

  // Paints one pixel of the editor glyph and marks the glyph as changed.
  void EditPixel(int x, int y) {
    QImageCanvas(fstate.CharBMP).SetPixel(x, y, fstate.SetColor);
    fstate.SetCharRequest(true);
  }

  ScriptedDialogs fdialogs;
  MainState fstate;
  TGlyphStore fstore{fstate, fdialogs};
};

TEST_F(GlyphStoreTest, NothingPendingMeansNoQuestionAndNoChange) {
  fstore.StoreEditChar(true);
  EXPECT_FALSE(fstate.SaveRequest());
  EXPECT_TRUE(fdialogs.Asked().empty());
}

TEST_F(GlyphStoreTest, StoresPixelsWidthAndKerningWhenAnsweredOrNotAsked) {
  struct Row {
    bool ask;
    bool stored;
  };
  const Row rows[] = {{true, true}, {true, false}, {false, true}};
  for (const Row& row : rows) {
    fstate.ReplaceFont(std::make_unique<TFontHandler>(16, 16));
    fstate.ClearEditChar();
    EditPixel(3, 5);
    fstate.SetEditSize(7);
    TKerning kerning;
    kerning.NWKerning = {2, 3};
    fstate.SetEditKerning(kerning);
    if (row.ask) fdialogs.ExpectYesNo(row.stored ? DialogAnswer::Yes : DialogAnswer::No);

    fstore.StoreEditChar(row.ask);

    const TFontHandler& font = fstate.EditFont();
    EXPECT_EQ(font.GetPixel(65, 3, 5), row.stored);
    EXPECT_FALSE(font.GetPixel(65, 4, 5));
    EXPECT_EQ(font.GetCharSize(65), row.stored ? 7 : 16);
    EXPECT_EQ(font.GetKerning(65) == kerning, row.stored);
    // Whatever the answer, the edit counts as handled and the font as changed.
    EXPECT_FALSE(fstate.CharRequest());
    EXPECT_TRUE(fstate.SaveRequest());
    if (row.ask) {
      EXPECT_EQ(fdialogs.LastText(), kStoreQuestion);
    }
    fdialogs.VerifyAllAnswered();
  }
}

TEST_F(GlyphStoreTest, StoringClearsPixelsThatWereSetInTheFont) {
  fstate.EditFont().SetPixel(65, 0, 0, true);
  fstate.SetCharRequest(true);
  fstore.StoreEditChar(false);
  EXPECT_FALSE(fstate.EditFont().GetPixel(65, 0, 0));
}

}  // namespace
