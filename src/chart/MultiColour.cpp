#include "chart/MultiColour.h"

namespace quillet {

TMultiColourControl::TMultiColourControl(QWidget* parent) : QWidget(parent) {}

void TMultiColourControl::SetNumColours(int n) {
    if (n < 1 || n > MaxColours) return;
    Colours_.NumColours = n;
    update();
}

void TMultiColourControl::SetColours(std::string_view text) {
    if (!ReadColourListText(text, Colours_)) return;
    update();
    if (OnColourChange) OnColourChange(*this);
}

}  // namespace quillet
