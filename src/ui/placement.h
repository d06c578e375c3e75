#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where the main window starts: the stored position, or nothing (centre it)
// when a coordinate is negative or the window would reach past the screen.
std::optional<QPoint> StoredWindowPosition(QPoint stored, QSize window, QSize screen);

// The stored window size when it fits the screen's free area, else nothing.
std::optional<QSize> StoredWindowSize(QSize stored, QSize available);

// Top left of a dialog centred over the main window, kept on the screen; a
// negative coordinate becomes 1.
QPoint CenteredDialogPosition(const QRect& mainWindow, QSize dialog, QSize screen);

// Places the dialog centred over the window, on the window's screen.
void CenterForm(const QWidget& window, QWidget& form);

// The main window's size never drops below this.
constexpr QSize kMinimumWindowSize(500, 400);
