// Printing the window: its picture on one page, at the size it has on the screen.
#pragma once

#include <QRect>

class QImage;
class QPaintDevice;

namespace quillet {

// The printed rectangle for a picture of width x height screen pixels: top left of the
// printable area, each side times the printer's dots per inch over the screen's, rounded.
QRect PrintedRect(int width, int height, int printerDpiX, int printerDpiY, int screenDpiX,
                  int screenDpiY);

// Draws the picture on one page of the printer; false when the printer cannot be started.
// A picture taken on a screen scaled to 150 % or 200 % holds more pixels than the window has
// at the screen's logical resolution: its size on paper comes from the window's size, and
// its extra pixels only make the print sharper.
bool PrintPicture(QPaintDevice& printer, const QImage& picture, int screenDpiX, int screenDpiY);

}  // namespace quillet
