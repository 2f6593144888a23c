#include "app/DialogFit.h"

#include <QScreen>
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

}  // namespace quillet
