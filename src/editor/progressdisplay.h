#pragma once

#include <QImage>
#include <QString>

// Where a long operation over all 256 glyphs shows its progress.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;

  // A file or font name and an action text, at step 0.
  virtual void Start(const QString& name, const QString& action) = 0;
  virtual void Step(int step) = 0;
  virtual void ShowPicture(const QImage& picture) = 0;
  virtual void Finish() = 0;
};

// Shows the progress for one operation and ends it however the operation ends.
class ProgressRun {
 public:
  ProgressRun(ProgressDisplay& display, const QString& name, const QString& action) : fdisplay(display) {
    fdisplay.Start(name, action);
  }
  ~ProgressRun() { fdisplay.Finish(); }
  ProgressRun(const ProgressRun&) = delete;
  ProgressRun& operator=(const ProgressRun&) = delete;

  void Step(int step) { fdisplay.Step(step); }
  void ShowPicture(const QImage& picture) { fdisplay.ShowPicture(picture); }

 private:
  ProgressDisplay& fdisplay;
};
