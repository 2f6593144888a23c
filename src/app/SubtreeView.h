// A view of the whole subtree below a folder, one tab of the panel under the chart and list:
// the largest files, the file types, or a search by name. It follows what the window shows
// (the folder, the unit and kind of size, an earlier scan to compare with) and computes its
// rows in slices on the GUI thread (TSlicedWork), dropping the work whenever that changes.
//
// Ownership: rows and work point into the window's tree and earlier scan, never owned; the
// window drops them (Abandon) before either goes. GUI thread only.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/SlicedWork.h"
#include "listing/SizeUnits.h"
#include "listing/SubtreeWalk.h"
#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"

class QLabel;
class QTreeView;

namespace quillet {

class TEntryRowsModel;

// What the views show: a folder's subtree as the window shows it.
struct TViewSubject {
    const TFolderList* Top = nullptr;  // null while there is nothing to show or a scan runs
    const EarlierScan* Earlier = nullptr;
    TDisplayMode Mode = TDisplayMode::dmAllocated;
    TSizeUnit Unit = TSizeUnit::suKB;
    // Changes whenever the tree or the earlier scan is replaced, so that a new one at the
    // same address is not taken for the old.
    std::uint64_t Generation = 0;

    friend bool operator==(const TViewSubject&, const TViewSubject&) = default;
};

class TSubtreeView : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    explicit TSubtreeView(QWidget* parent = nullptr);

    // Shows subject: computes again when it differs from the one shown.
    void Show(const TViewSubject& subject);
    // Drops the work and every row, and forgets the subject.
    void Abandon();
    bool Computing() const;
    // What the status line says.
    QString Status() const;
    // What the status line says while the view shows nothing.
    void SetIdleText(const QString& text);

    // A row's entry menu was asked for at a point of the screen.
    std::function<void(const TFolderData*, const QPoint&)> OnRowMenu;
    // A row was double-clicked or Enter pressed on it.
    std::function<void(const TFolderData*)> OnRowOpen;

protected:
    // Starts computing the rows of Subject_, whose Top is not null; previous is what was
    // shown before (its Top null when nothing was).
    virtual void Compute(const TViewSubject& previous) = 0;
    // Drops this view's own work and rows.
    virtual void Drop() = 0;

    // Whether previous was of the folder Subject_ is of, in the same tree and earlier scan.
    bool SameFolder(const TViewSubject& previous) const {
        return previous.Top == Subject_.Top && previous.Generation == Subject_.Generation;
    }
    // A table of entry rows whose rows offer the entry menu and open with a double-click.
    QTreeView* EntryTable(TEntryRowsModel* model);
    void SetStatus(const QString& text);
    // The size column's title: the kind of size, or "Change", and the unit.
    QString SizeHeader(TDisplayMode mode, TSizeUnit unit, bool change) const;
    // The folder's path as the views name it.
    QString TopName() const;
    // A count with the user's separators.
    static QString Grouped(std::int64_t count);
    // Walks the subtree of Subject_ in slices, giving add each entry, then calls done; the
    // status line says now and then how far the walk has come.
    void WalkSubtree(const EarlierScan* earlier, std::function<void(const SubtreeWalk::Visit&)> add,
                     std::function<void()> done);
    void changeEvent(QEvent* event) override;

    TViewSubject Subject_;
    TSlicedWork Work_;
    QLabel* Status_ = nullptr;
    QString IdleText_;

private:
    void StopWork();
    // The status line wraps to at most four lines: a hint in a narrow view is read whole, and a
    // long path takes no more room than that from the view's contents.
    void FitStatusLines();

    std::unique_ptr<SubtreeWalk> Walk_;
    std::int64_t Visited_ = 0;
};

// How many entries a view walks in one step of its work.
inline constexpr std::size_t kEntriesPerStep = 4096;

}  // namespace quillet
