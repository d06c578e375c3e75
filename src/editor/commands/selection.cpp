#include "commands/selection.h"

#include "editsession.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TSelectionCommands::TSelectionCommands(EditSession& session) : fsession(session) {}

bool TSelectionCommands::ClipboardHasPicture() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

// Qt offers the picture to other programs as PNG and the other formats it knows.
void TSelectionCommands::CopyMarkToClipboard() {
  QGuiApplication::clipboard()->setImage(CopyArea(fsession.CharBMP(), fsession.MarkedArea(), fsession.Colors()));
}

void TSelectionCommands::CutExecute() {
  CopyMarkToClipboard();
  fsession.ClearMarkedArea();
}

void TSelectionCommands::CopyExecute() { CopyMarkToClipboard(); }

void TSelectionCommands::PasteExecute() {
  fsession.PasteBlock(ClipboardHasPicture() ? QGuiApplication::clipboard()->image() : QImage());
}

void TSelectionCommands::InvertExecute() {
  const QRect area = fsession.MarkedArea();
  fsession.EditPictureUndoable([&](QImage& picture) {
    QImage block = CopyArea(picture, area, fsession.Colors());
    InvertBitmap(block, fsession.Colors());
    PasteToArea(picture, block, area);
  });
}
