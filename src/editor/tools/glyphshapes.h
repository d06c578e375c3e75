#pragma once

#include <QImage>
#include <QPoint>

// Drawing into the glyph picture at 1:1 with a pen one pixel wide; whatever
// falls outside the picture is dropped.

// Both end cells are set; nothing is drawn when they are the same cell.
void DrawLine(QImage& picture, QPoint from, QPoint to, QRgb color);
// The outline through both corner cells; one cell when they coincide.
void DrawRectangle(QImage& picture, QPoint corner, QPoint opposite, QRgb color);
// The outline of the ellipse inscribed in the box from the smaller to the
// larger column and row, the larger ones excluded.
void DrawEllipse(QImage& picture, QPoint corner, QPoint opposite, QRgb color);
// The seed pixel and every pixel of its colour joined to it through edge
// neighbours take the colour.
void FloodFill(QImage& picture, QPoint seed, QRgb color);
