#pragma once

#include <QDialog>

#include <cstdint>

class QFrame;
class QPushButton;
class TKVLabel;

// "Version 3.1.0.1 64 bit Beta": the file version, the build's word size
// from the last part of the product version, and whether it is a pre-release.
QString VersionLine(std::uint64_t fileVersion, std::uint64_t productVersion, bool preRelease);

// The borderless box with the program's icon, maker, title and version. A
// click on it, or Escape, Space or Enter, closes it.
class TAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TAbout(QWidget* parent = nullptr);

  TKVLabel* Version() const { return fVersion; }
  QPushButton* OKButton() const { return fOKButton; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  static QWidget* CreateIconPanel();
  void VersionClick() { accept(); }

  TKVLabel* fVersion;
  QPushButton* fOKButton;
};
