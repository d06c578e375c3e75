#pragma once

#include "mainform.h"
#include "settings.h"
#include "ui/scriptedwindowdialogs.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>

#include <array>
#include <memory>

// A main window over a temporary settings file, answering its questions from
// a script.
class MainFormTest : public ::testing::Test {
 protected:
  TMainForm& Start() {
    // Another test's copy must not offer a picture to paste.
    QGuiApplication::clipboard()->clear();
    fform = std::make_unique<TMainForm>(fsettings, fdialogs, fdialogs, &fdialogs);
    return *fform;
  }
  // Destroys the window without closing it (which writes the recent files).
  void Stop() { fform.reset(); }
  TMainForm& Form() { return *fform; }
  FontDocument& Document() { return fform->Document(); }
  EditSession& Session() { return fform->Session(); }

  QString Path(const QString& name) const { return fdir.filePath(name); }

  void Trigger(const char* action) {
    fform->Action(action)->trigger();
    QCoreApplication::processEvents();
  }

  template <typename T>
  T* Child(const char* name) const {
    auto* child = fform->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no child " << name;
    return child;
  }

  // The captions of a menu's entries, top to bottom.
  QStringList MenuTexts(const char* menu) const {
    QStringList texts;
    for (const QAction* action : Child<QMenu>(menu)->actions()) texts << action->text();
    return texts;
  }

  // Positions of the menu, file, edit and draw tool bars in the shown window.
  std::array<QPoint, 4> ShownToolBarPositions() {
    fform->show();
    QCoreApplication::processEvents();
    std::array<QPoint, 4> positions;
    const char* names[] = {"MenuBar", "FileToolBar", "EditToolBar", "DrawToolBar"};
    for (int i = 0; i < 4; ++i) positions[i] = Child<QToolBar>(names[i])->pos();
    return positions;
  }

  // Writes a W x H font file of the given type with glyph 65's pixel (0, 0) set.
  void WriteFontFile(const QString& path, int type, int width, int height) const {
    TFontHandler font(width, height);
    font.SetPixel(65, 0, 0, true);
    font.SaveFont(path.toStdString(), type);
  }

  QTemporaryDir fdir;
  Settings fsettings{fdir.filePath("settings.ini")};
  ScriptedWindowDialogs fdialogs;
  std::unique_ptr<TMainForm> fform;
};
