#include "document.h"
#include "editor/scripteddialogs.h"
#include "editsession.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// What the document and the session announced during one edit.
struct Heard {
  int glyphChanged = -1;
  int metricsChanged = 0;
  int saveRequests = 0;
  int pictureChanged = 0;
  int charRequests = 0;
  int commandStates = 0;
};

class EditScopesTest : public ::testing::Test {
 protected:
  EditScopesTest() {
    fsession.ResetForNewFont();
    QObject::connect(&fdocument, &FontDocument::GlyphChanged, [this](int c) { fheard.glyphChanged = c; });
    QObject::connect(&fdocument, &FontDocument::MetricsChanged, [this] { ++fheard.metricsChanged; });
    QObject::connect(&fdocument, &FontDocument::SaveRequestChanged, [this] { ++fheard.saveRequests; });
    QObject::connect(&fsession, &EditSession::PictureChanged, [this] { ++fheard.pictureChanged; });
    QObject::connect(&fsession, &EditSession::CharRequestChanged, [this] { ++fheard.charRequests; });
    QObject::connect(&fsession, &EditSession::CommandStateChanged, [this] { ++fheard.commandStates; });
  }

  void Ink(QImage& picture) const { picture.setPixel(3, 4, 0xFF000000u | fsession.SetColor()); }
  void EditPicture(bool undoable, const EditSession::PictureChange& change) {
    if (undoable)
      fsession.EditPictureUndoable(change);
    else
      fsession.EditPicture(change);
  }
  static void Ink(TFontHandler& font, int c) {
    font.SetPixel(c, 1, 2, true);
    font.SetCharSize(c, 3);
  }

  ScriptedDialogs fdialogs;
  FontDocument fdocument;
  EditSession fsession{fdocument, fdialogs};
  Heard fheard;
};

TEST_F(EditScopesTest, APictureEditFlagsTheGlyphAndShowsItAfterwards) {
  for (const bool undoable : {false, true}) {
    fsession.ResetForNewFont();
    fsession.SetCharRequest(false);
    fheard = {};
    const QImage before = fsession.CharBMP().copy();
    EditPicture(undoable, [this](QImage& picture) { Ink(picture); });
    EXPECT_NE(fsession.CharBMP(), before);
    EXPECT_TRUE(fsession.CharRequest());
    EXPECT_EQ(fheard.charRequests, 1);
    EXPECT_EQ(fheard.pictureChanged, 1);
    ASSERT_EQ(fsession.CanUndo(), undoable);
    EXPECT_EQ(fheard.commandStates, undoable ? 1 : 0);
    if (undoable) {
      fsession.Undo();
      EXPECT_EQ(fsession.CharBMP(), before);
    }
  }
}

TEST_F(EditScopesTest, APictureEditLeftByAnExceptionLeavesNoTrace) {
  for (const bool undoable : {false, true}) {
    const QImage before = fsession.CharBMP().copy();
    const auto failing = [this](QImage& picture) {
      Ink(picture);
      throw std::runtime_error("drawing failed");
    };
    EXPECT_THROW(EditPicture(undoable, failing), std::runtime_error);
    EXPECT_EQ(fsession.CharBMP(), before);
    EXPECT_FALSE(fsession.CharRequest());
    EXPECT_FALSE(fsession.CanUndo());
    EXPECT_EQ(fheard.charRequests, 0);
    EXPECT_EQ(fheard.pictureChanged, 0);
    EXPECT_EQ(fheard.commandStates, 0);
  }
}

TEST_F(EditScopesTest, AFontEditAsksForSavingAndAnnouncesWhatChanged) {
  fdocument.ChangeGlyph(66, [](TFontHandler& font) { Ink(font, 66); });
  EXPECT_TRUE(fdocument.EditFont().GetPixel(66, 1, 2));
  EXPECT_EQ(fheard.glyphChanged, 66);
  EXPECT_EQ(fheard.metricsChanged, 0);
  EXPECT_TRUE(fdocument.SaveRequest());

  fdocument.SetSaveRequest(false);
  fheard = {};
  fdocument.ChangeMetrics([](TFontHandler& font) { Ink(font, 67); });
  EXPECT_EQ(fdocument.EditFont().GetCharSize(67), 3);
  EXPECT_EQ(fheard.metricsChanged, 1);
  EXPECT_EQ(fheard.glyphChanged, -1);
  EXPECT_TRUE(fdocument.SaveRequest());
}

TEST_F(EditScopesTest, AFontEditLeftByAnExceptionRestoresTheFont) {
  const auto failing = [](TFontHandler& font) {
    Ink(font, 66);
    throw std::runtime_error("change failed");
  };
  const int width = fdocument.EditFont().GetCharSize(66);
  EXPECT_THROW(fdocument.ChangeGlyph(66, failing), std::runtime_error);
  EXPECT_THROW(fdocument.ChangeMetrics(failing), std::runtime_error);
  EXPECT_FALSE(fdocument.EditFont().GetPixel(66, 1, 2));
  EXPECT_EQ(fdocument.EditFont().GetCharSize(66), width);
  EXPECT_FALSE(fdocument.SaveRequest());
  EXPECT_EQ(fheard.glyphChanged, -1);
  EXPECT_EQ(fheard.metricsChanged, 0);
  EXPECT_EQ(fheard.saveRequests, 0);
}

}  // namespace
