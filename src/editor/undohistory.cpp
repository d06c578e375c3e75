#include "undohistory.h"

#include <cassert>

void UndoHistory::Push(const QImage& snapshot) {
  if (fundo.size() >= kMaxSnapshots) fundo.pop_back();
  fundo.push_front(snapshot.copy());
  fredo.clear();
}

QImage UndoHistory::Undo(const QImage& current) {
  assert(CanUndo());
  QImage previous = std::move(fundo.front());
  fundo.pop_front();
  fredo.push_back(current.copy());
  return previous;
}

QImage UndoHistory::Redo(const QImage& current) {
  assert(CanRedo());
  QImage next = std::move(fredo.back());
  fredo.pop_back();
  fundo.push_front(current.copy());
  return next;
}

void UndoHistory::Clear() {
  fundo.clear();
  fredo.clear();
}
