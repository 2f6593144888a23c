#include "app/DialogFit.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

#include "settings/PlacementFit.h"

namespace quillet {

void FitToScreen(QWidget& dialog) {
    // One that nobody sized takes its size hint when shown, which Qt keeps to two thirds of
    // the screen.
    if (!dialog.testAttribute(Qt::WA_Resized)) return;
    const QWidget* parent = dialog.parentWidget();
    if (const QScreen* screen = (parent ? parent->window() : &dialog)->screen())
        dialog.resize(FitDialogSize(dialog.size(), screen->availableGeometry()));
}

void RoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    // The title bar's font is the window manager's: a bold one of the program's size is a
    // fair guess, and the room for its icon and buttons some six lines' heights.
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace quillet
