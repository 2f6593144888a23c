// How a row of the main window's list is drawn: the name on the left, the size right-aligned
// over it, so a long name runs under the size and is cut off by it.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <string_view>

namespace quillet {

struct TListRowParts {
    std::string_view Size;  // two blanks, the number, and the blank after it
    std::string_view Name;  // the rest, trimmed
    bool Valid = false;     // false when the text has no blank: nothing is drawn
};

// Splits a row text ("12.345   \windows") at its first blank. Size keeps the blank; the two
// leading blanks are added by the drawing.
TListRowParts SplitListRow(std::string_view text);

// A row's fill from the list's palette, and its text in the list's colour (the user's list
// font colour, or the highlight's text colour) where that reads on the fill, else in black
// or white.
struct TListRowColours {
    QColor Fill;
    QColor Ink;
};
TListRowColours ListRowColours(const QPalette& palette, bool selected);

// The height of every row: a line of the list's font, accents and descenders included, and
// never less than minimum (the height of "Cy" in the window's font).
int ListRowHeight(int minimum, const QFont& listFont);

class TListRowDelegate final : public QStyledItemDelegate {
public:
    // rowHeight: the least height of a row, whatever the list's font.
    TListRowDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), RowHeight_(rowHeight) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int RowHeight_;
};

}  // namespace quillet
