#pragma once

#include <QImage>

#include <deque>
#include <vector>

// Snapshots of the editor glyph, newest first, and the steps undone since the
// last new snapshot, so they can be redone.
class UndoHistory {
 public:
  // 31, not 30: a new snapshot first drops the oldest when more than 30 are kept.
  static constexpr std::size_t kMaxSnapshots = 31;

  // A new snapshot drops the steps that could be redone.
  void Push(const QImage& snapshot);
  bool CanUndo() const { return !fundo.empty(); }
  bool CanRedo() const { return !fredo.empty(); }
  std::size_t UndoCount() const { return fundo.size(); }
  // The picture to go back to; current is kept for redo. Only when CanUndo.
  QImage Undo(const QImage& current);
  // The picture undone last; current is kept for undo. Only when CanRedo.
  QImage Redo(const QImage& current);
  void Clear();

 private:
  std::deque<QImage> fundo;
  std::vector<QImage> fredo;
};
