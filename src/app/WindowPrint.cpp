#include "app/WindowPrint.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
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

bool PrintPicture(QPaintDevice& printer, const QImage& picture, int screenDpiX, int screenDpiY) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QSize window = picture.deviceIndependentSize().toSize();
    const QRect target = PrintedRect(window.width(), window.height(), printer.logicalDpiX(),
                                     printer.logicalDpiY(), screenDpiX, screenDpiY);
    painter.drawImage(target, picture);  // a plain copy: cut at the page's edge if larger
    painter.end();
    return true;
}

}  // namespace quillet
