// Dialogs that fit the screen they open on: one made larger than the screen's available area
// (a large scale factor, a small screen) is made smaller before it shows, so its buttons stay
// in reach.
#pragma once

class QMessageBox;
class QWidget;

namespace quillet {

// Bounds the size given to dialog by the available area of its parent's screen (without a
// parent, the primary screen's). Called once its size is set, before it shows.
void FitToScreen(QWidget& dialog);

// Widens box so that the window manager has room for its whole title: a short message under a
// long title (as translations make them) would otherwise have the title cut in the middle.
void RoomForTitle(QMessageBox& box);

}  // namespace quillet
