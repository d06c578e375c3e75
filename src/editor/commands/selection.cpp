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
  fsession.PushUndo();
  CopyMarkToClipboard();
  ClearArea(fsession.CharBMP(), fsession.MarkedArea(), fsession.Colors());
  fsession.SetCharRequest(true);
  fsession.ClearMark();
}

void TSelectionCommands::CopyExecute() { CopyMarkToClipboard(); }

void TSelectionCommands::PasteExecute() {
  fsession.PushUndo();
  fsession.SetCharRequest(true);
  if (!ClipboardHasPicture()) return;
  fsession.PlaceBlock(QGuiApplication::clipboard()->image());
}

void TSelectionCommands::InvertExecute() {
  fsession.PushUndo();
  const QRect area = fsession.MarkedArea();
  QImage block = CopyArea(fsession.CharBMP(), area, fsession.Colors());
  InvertBitmap(block, fsession.Colors());
  PasteToArea(fsession.CharBMP(), block, area);
  fsession.SetCharRequest(true);
  fsession.NotifyPictureChanged();
}
