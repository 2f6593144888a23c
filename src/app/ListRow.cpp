#include "app/ListRow.h"

#include <QPainter>
#include <algorithm>

#include "chart/ChartListBox.h"
#include "chart/ContrastColour.h"
#include "chart/MultiColour.h"
#include "listing/ChartEntries.h"

namespace quillet {

TListRowParts SplitListRow(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return {};
    return {text.substr(0, blank + 1), TrimEntryText(text.substr(blank)), true};
}

TListRowColours ListRowColours(const QPalette& palette, bool selected) {
    const QColor fill = (selected ? palette.highlight() : palette.base()).color();
    const QColor wanted = (selected ? palette.highlightedText() : palette.text()).color();
    return {fill, ColourFromRef(TextRefOn(RefFromColour(wanted), RefFromColour(fill)))};
}

void TListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const auto [fill, ink] = ListRowColours(option.palette, option.state & QStyle::State_Selected);
    painter->fillRect(option.rect, fill);
    const auto* model = static_cast<const TChartListModel*>(index.model());
    if (index.row() >= model->Count()) return;
    const TListRow row = model->Row(index.row());
    const TListRowParts parts = SplitListRow(row.Text);
    if (!parts.Valid) return;

    const QString size = QStringLiteral("  ") + QString::fromUtf8(parts.Size);
    const QString name = QString::fromUtf8(parts.Name);
    const QFontMetrics metrics(option.font);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(ink);
    painter->setClipRect(option.rect);
    const int baseline = option.rect.top() + metrics.ascent();
    painter->drawText(QPoint(option.rect.left() + 2, baseline), name);
    // The size covers whatever of the name reaches under it.
    const int sizeWidth = metrics.horizontalAdvance(size);
    const QRect sizeRect(option.rect.right() + 1 - sizeWidth, option.rect.top(), sizeWidth,
                         option.rect.height());
    painter->fillRect(sizeRect, fill);
    painter->drawText(QPoint(sizeRect.left(), baseline), size);
    painter->restore();
}

int ListRowHeight(int minimum, const QFont& listFont) {
    return std::max(minimum, QFontMetrics(listFont).height());
}

QSize TListRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(1, ListRowHeight(RowHeight_, option.font));
}

}  // namespace quillet
