// The list box that mirrors a chart's entries: one row per entry, the entry's text and the
// caller's object, in the chart's order. Rows live in a small model that reads the chart's own
// entries, so a folder of a million entries costs neither a million widgets nor a million texts:
// a row's text is asked for when the row is drawn. Its rows are placed a slice at a time. Only
// the chart fills and empties it; how a row is drawn belongs to the window that shows it.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <string>

#include "listing/ChartEntries.h"

namespace quillet {

struct TListRow {
    std::string Text;
    const void* Obj = nullptr;
};

class TChartListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows entries as the rows, in one update. The caller keeps them, unchanged, until it
    // shows others or clears the model.
    void ShowRows(const TChartEntries* entries);
    void Clear() { ShowRows(nullptr); }

    int Count() const { return Entries_ ? static_cast<int>(Entries_->size()) : 0; }
    TListRow Row(int index) const {
        return {Entries_->Text(static_cast<std::size_t>(index)), Object(index)};
    }
    // The row's object alone, without writing its text.
    const void* Object(int index) const {
        return Entries_->Record(static_cast<std::size_t>(index)).Obj;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const TChartEntries* Entries_ = nullptr;
};

class TChartListBox : public QListView {
public:
    static constexpr int kRowsPlacedAtOnce = 20000;

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
