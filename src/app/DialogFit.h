// Dialogs that fit the screen they open on: one made larger than the screen's available area
// (a large scale factor, a small screen) is made smaller before it shows, so its buttons stay
// in reach.
#pragma once

class QWidget;

namespace quillet {

// Bounds the size given to dialog by the available area of its parent's screen (without a
// parent, the primary screen's). Called once its size is set, before it shows.
void FitToScreen(QWidget& dialog);

}  // namespace quillet
