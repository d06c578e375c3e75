#pragma once

#include "document.h"
#include "editsession.h"

// Test setup that draws into the editor's picture or the font. The flags stay
// as they were, so a test sees only what the step under test changes.
inline void SetUpPicture(EditSession& session, const EditSession::PictureChange& draw) {
  const bool pending = session.CharRequest();
  session.EditPicture(draw);
  session.SetCharRequest(pending);
}

inline void SetUpGlyph(FontDocument& document, int c, const FontDocument::FontChange& change) {
  const bool unsaved = document.SaveRequest();
  document.ChangeGlyph(c, change);
  document.SetSaveRequest(unsaved);
}
