// The list box that mirrors a chart's entries: one row per entry, the entry's text and the
// caller's object, in the chart's order. Rows live in a small model, so a folder of half a
// million entries costs one list, not half a million widgets. Only the chart fills and empties
// it; how a row is drawn belongs to the window that shows it.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

namespace quillet {

struct TListRow {
    std::string Text;
    const void* Obj = nullptr;
};

class TChartListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row in one update.
    void SetRows(std::vector<TListRow> rows);
    void Clear() { SetRows({}); }

    int Count() const { return static_cast<int>(Rows_.size()); }
    const TListRow& Row(int index) const { return Rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<TListRow> Rows_;
};

class TChartListBox : public QListView {
public:
    explicit TChartListBox(QWidget* parent = nullptr);

    TChartListModel& Items() { return Model_; }
    const TChartListModel& Items() const { return Model_; }

protected:
    // A right-button press leaves the highlight where it is: a context menu acts on the row
    // chosen last, and the highlight must keep showing which one that is.
    void mousePressEvent(QMouseEvent* event) override;
    // Nor does a click below the last row or a Ctrl+click on the highlighted one take the
    // highlight away: the entry the menu acts on is always the one shown highlighted.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    TChartListModel Model_;
};

}  // namespace quillet
