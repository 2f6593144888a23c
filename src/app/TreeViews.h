// The panel below the main window's chart and list that holds the open views of the shown
// folder's whole subtree, a tab each: Largest Files, File Types, Find. It is hidden while no
// view is open; a closed view gives its rows and work back.
//
// Ownership: the panel owns its views; they point into the window's tree (TSubtreeView).
#pragma once

#include <QCoreApplication>
#include <QTabWidget>
#include <array>
#include <functional>

#include "app/SubtreeView.h"

namespace quillet {

class TFileTypesView;
class TFindView;
class TLargestFilesView;

class TTreeViews final : public QTabWidget {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    enum TViewKind { kLargestFiles, kFileTypes, kFind, kViewKinds };

    explicit TTreeViews(QWidget* parent = nullptr);

    void SetOpen(TViewKind kind, bool open);
    bool IsOpen(TViewKind kind) const;
    bool AnyOpen() const { return count() > 0; }
    // Shows subject in the open views; a view opened later shows it too.
    void Show(const TViewSubject& subject);
    // Drops every view's work and rows: the tree or earlier scan they point into is about to
    // go. Show brings them back.
    void Abandon();

    TLargestFilesView* LargestFiles() const { return LargestFiles_; }
    TFileTypesView* FileTypes() const { return FileTypes_; }
    TFindView* Find() const { return Find_; }

    // A row's entry menu, asked for at a point of the screen; a row opened.
    std::function<void(const TFolderData*, const QPoint&)> OnRowMenu;
    std::function<void(const TFolderData*)> OnRowOpen;
    // A view was closed by its tab's button.
    std::function<void(TViewKind)> OnClosed;

private:
    TSubtreeView* View(TViewKind kind) const;

    TLargestFilesView* LargestFiles_;
    TFileTypesView* FileTypes_;
    TFindView* Find_;
    TViewSubject Subject_;
};

}  // namespace quillet
