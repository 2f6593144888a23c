// The Find view: the files and folders below the shown folder whose names match a pattern
// (NamePattern), largest first, with how many match and what they take in all.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "app/SubtreeView.h"
#include "listing/NameSearch.h"
#include "listing/SubtreeWalk.h"

class QLineEdit;

namespace quillet {

class TEntryRowsModel;

// How many matches the view lists at most; every match is counted.
inline constexpr std::size_t kMatchesListed = 10000;

class TFindView final : public TSubtreeView {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    explicit TFindView(QWidget* parent = nullptr);

    // Searches for the pattern typed, in the folder shown.
    void FindNow();
    // Puts the cursor in the pattern, its text chosen.
    void FocusPattern();

    QLineEdit* Pattern() const { return Pattern_; }
    const TEntryRowsModel& Rows() const { return *Model_; }
    QTreeView* Table() const { return Table_; }

private:
    void Compute(const TViewSubject& previous) override;
    void Drop() override;
    void Finish();
    QString ShownPattern() const;

    QLineEdit* Pattern_;
    TEntryRowsModel* Model_;
    QTreeView* Table_;
    QString Searched_;  // the pattern being searched for, or whose matches are listed
    std::unique_ptr<NameSearch> Search_;
};

}  // namespace quillet
