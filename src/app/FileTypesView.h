// The File Types view: the files below the shown folder grouped by type, as a pie in the
// chart's colours beside a list of the types (total, share, files, extension); while
// comparing, each type's change. Choosing a type, in the list or by double-clicking its
// slice, lists that type's largest files beside them.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "app/SubtreeView.h"
#include "listing/FileTypeTotals.h"
#include "listing/SubtreeWalk.h"

namespace quillet {

class TLargestFilesView;
class TPieChart;
class TTypeRowsModel;

class TFileTypesView final : public TSubtreeView {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    explicit TFileTypesView(QWidget* parent = nullptr);
    ~TFileTypesView() override;

    // Takes the colours and font of the window's chart.
    void CopyChartLook(const TPieChart& chart);
    // Chooses the type of row, whose largest files are then listed.
    void ChooseType(int row);

    TPieChart* Chart() const { return Chart_; }
    const TTypeRowsModel& Types() const { return *Model_; }
    QTreeView* Table() const { return Table_; }
    TLargestFilesView* Files() const { return Files_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Compute(const TViewSubject& previous) override;
    void Drop() override;
    // Counts the types of one pass (FileTypeTotals), then another or Finish.
    void CountPass();
    void Finish();
    // Shows the types found (in any order) in the unit and kind of Subject_.
    void ShowTypes(std::vector<TTypeTotal> types);
    // The pie, round: as high as the room below the status line, and never more than a quarter
    // across.
    void FitChart();

    TPieChart* Chart_;
    TTypeRowsModel* Model_;
    QTreeView* Table_;
    TLargestFilesView* Files_;
    std::unique_ptr<FileTypeTotals> Totals_;
    bool HaveTypes_ = false;             // the rows are of Subject_'s folder and earlier scan
    std::int64_t TypeCount_ = 0;         // listed or not
    TTypeTotal Others_;                  // the types not listed, summed
    std::optional<std::string> Chosen_;  // the extension whose files are listed
};

}  // namespace quillet
