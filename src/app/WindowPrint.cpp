#include "app/WindowPrint.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace quillet {

QRect PrintedRect(int width, int height, int printerDpiX, int printerDpiY, int screenDpiX,
                  int screenDpiY) {
    const auto scale = [](int size, int to, int from) {
        return static_cast<int>(std::lround(static_cast<double>(size) * to / from));
    };
    return QRect(0, 0, scale(width, printerDpiX, screenDpiX),
                 scale(height, printerDpiY, screenDpiY));
}

bool PrintPicture(QPrinter& printer, const QImage& picture, int screenDpiX, int screenDpiY) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect target = PrintedRect(picture.width(), picture.height(), printer.logicalDpiX(),
                                     printer.logicalDpiY(), screenDpiX, screenDpiY);
    painter.drawImage(target, picture);  // a plain copy: cut at the page's edge if larger
    painter.end();
    return true;
}

}  // namespace quillet
