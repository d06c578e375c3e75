#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Where the main window starts: the stored position, or nothing (centre it)
// when a coordinate is negative or the window would reach past the screen.
std::optional<QPoint> StoredWindowPosition(QPoint stored, QSize window, QSize screen);

// Top left of a dialog centred over the main window, kept on the screen; a
// negative coordinate becomes 1.
QPoint CenteredDialogPosition(const QRect& mainWindow, QSize dialog, QSize screen);

// The main window's size never drops below this.
constexpr QSize kMinimumWindowSize(500, 400);
