// TMultiColourControl: a control that owns the colour list its descendant (the pie chart)
// deals out, and reads and writes it as text. See ColourList.h for the text form.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "chart/ColourList.h"

namespace quillet {

// A COLORREF value (0x00BBGGRR) as a Qt colour, and back.
inline QColor ColourFromRef(std::uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>(ref >> 8 & 0xFF),
                  static_cast<int>(ref >> 16 & 0xFF));
}
inline std::uint32_t RefFromColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

class TMultiColourControl : public QWidget {
public:
    explicit TMultiColourControl(QWidget* parent = nullptr);

    int NumColours() const { return Colours_.NumColours; }
    // Accepted only from 1 to MaxColours; repaints.
    void SetNumColours(int n);

    std::string Colours() const { return ColourListText(Colours_); }
    // Reads a colour text; when it converts, repaints and calls OnColourChange. A text that
    // fails leaves no colours in use and calls nothing.
    void SetColours(std::string_view text);

    // Direct slot access: neither repaints nor calls OnColourChange.
    std::uint32_t Colour(int slot) const { return Colours_.Slots[static_cast<std::size_t>(slot)]; }
    void SetColour(int slot, std::uint32_t colour) {
        Colours_.Slots[static_cast<std::size_t>(slot)] = colour;
    }

    std::function<void(TMultiColourControl&)> OnColourChange;

protected:
    const TColourList& ColourList() const { return Colours_; }

private:
    TColourList Colours_;
};

}  // namespace quillet
