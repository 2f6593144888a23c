// The list box that mirrors a chart's entries: one row per entry, the entry's text and the
// caller's object, in the chart's order. Rows live in a small model that reads the chart's own
// entries, so a folder of a million entries costs neither a million widgets nor a second copy
// of its texts. Only the chart fills and empties it; how a row is drawn belongs to the window
// that shows it.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <string_view>

#include "listing/ChartEntries.h"

namespace quillet {

struct TListRow {
    std::string_view Text;  // valid while the model shows the same entries
    const void* Obj = nullptr;
};

class TChartListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows entries as the rows, in one update. The caller keeps them, unchanged, until it
    // shows others or clears the model.
    void ShowRows(const TStringListWithDouble* entries);
    void Clear() { ShowRows(nullptr); }

    int Count() const { return Entries_ ? static_cast<int>(Entries_->size()) : 0; }
    TListRow Row(int index) const {
        const TChartEntry& entry = (*Entries_)[static_cast<std::size_t>(index)];
        return {entry.Text, entry.Record.Obj};
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const TStringListWithDouble* Entries_ = nullptr;
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
