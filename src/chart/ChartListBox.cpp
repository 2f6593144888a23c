#include "chart/ChartListBox.h"

#include <QMouseEvent>

namespace quillet {

void TChartListModel::ShowRows(const TChartEntries* entries) {
    beginResetModel();
    Entries_ = entries;
    endResetModel();
}

int TChartListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant TChartListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Count()) return {};
    const std::string text = Row(index.row()).Text;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TChartListBox::TChartListBox(QWidget* parent) : QListView(parent) {
    // One row height for all: the view then never measures rows it does not show.
    setUniformItemSizes(true);
    // The view still places every row once; a folder of a million rows is placed a slice at a
    // time while the window goes on answering, the first slice at once.
    setLayoutMode(QListView::Batched);
    setBatchSize(kRowsPlacedAtOnce);
    setModel(&Model_);
}

void TChartListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags TChartListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate
                                                           : command;
}

}  // namespace quillet
