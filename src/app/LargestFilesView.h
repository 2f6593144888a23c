// The Largest Files view: the largest files anywhere below the shown folder, largest first,
// with their paths from it; while comparing, the files that grew most. The File Types view
// lists the largest files of one type through it too.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

#include "app/SubtreeView.h"
#include "listing/LargestFiles.h"
#include "listing/SubtreeWalk.h"

namespace quillet {

class TEntryRowsModel;

// How many files the view lists.
inline constexpr std::size_t kLargestFilesListed = 1000;

class TLargestFilesView final : public TSubtreeView {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    explicit TLargestFilesView(QWidget* parent = nullptr);

    // Lists only the files of one type (FileExtension's text) from the next Show on.
    void SetExtension(std::optional<std::string> extension);
    const TEntryRowsModel& Rows() const { return *Model_; }
    QTreeView* Table() const { return Table_; }

private:
    void Compute(const TViewSubject& previous) override;
    void Drop() override;
    void Finish();
    // "files", ".png files" or "files without an extension".
    QString FilesName() const;
    // The same for one: "file", ".png file" or "file without an extension".
    QString OneFileName() const;

    TEntryRowsModel* Model_;
    QTreeView* Table_;
    std::optional<std::string> Extension_;
    std::unique_ptr<LargestFiles> Largest_;
};

}  // namespace quillet
