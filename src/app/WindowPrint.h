// Printing the window: its picture on one page, at the size it has on the screen.
#pragma once

#include <QRect>

class QImage;
class QPrinter;

namespace quillet {

// The printed rectangle for a picture of width x height screen pixels: top left of the
// printable area, each side times the printer's dots per inch over the screen's, rounded.
QRect PrintedRect(int width, int height, int printerDpiX, int printerDpiY, int screenDpiX,
                  int screenDpiY);

// Draws the picture on one page of the printer; false when the printer cannot be started.
bool PrintPicture(QPrinter& printer, const QImage& picture, int screenDpiX, int screenDpiY);

}  // namespace quillet
