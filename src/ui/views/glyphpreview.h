#pragma once

#include <QWidget>

class EditSession;

// The edited glyph at its real size, set pixels white on black.
class TGlyphPreview : public QWidget {
  Q_OBJECT

 public:
  explicit TGlyphPreview(const EditSession& session, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const EditSession& fsession;
};
