#include "app/LargestFilesView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/EntryRowsModel.h"
#include "scan/ShownName.h"

namespace quillet {

TLargestFilesView::TLargestFilesView(QWidget* parent)
    : TSubtreeView(parent), Model_(new TEntryRowsModel(this)), Table_(EntryTable(Model_)) {
    Table_->setAccessibleName(tr("Largest files"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Status_);
    layout->addWidget(Table_, 1);
}

void TLargestFilesView::SetExtension(std::optional<std::string> extension) {
    Extension_ = std::move(extension);
    Abandon();
}

void TLargestFilesView::Drop() {
    Largest_.reset();
    Model_->Clear();
}

void TLargestFilesView::Compute(const TViewSubject& previous) {
    // Another unit or kind of the same folder: its rows stay until the new ones are in.
    if (!SameFolder(previous)) Drop();
    Largest_ = std::make_unique<LargestFiles>(kLargestFilesListed, Subject_.Mode, Subject_.Unit,
                                              Subject_.Earlier != nullptr, Extension_);
    SetStatus(tr("Looking for the largest %1 below %2...").arg(FilesName(), TopName()));
    WalkSubtree(
        Subject_.Earlier, [this](const SubtreeWalk::Visit& visit) { Largest_->Add(visit); },
        [this] { Finish(); });
}

void TLargestFilesView::Finish() {
    const std::int64_t files = Largest_->Files();
    std::vector<TEntryRow> rows;
    for (const TRankedFile& file : Largest_->Take())
        rows.push_back({file.Node, file.Value});
    Largest_.reset();
    const int listed = static_cast<int>(rows.size());
    const TSizeUnit unit = RankedUnit(Subject_.Unit);
    const TDisplayMode mode =
        Subject_.Unit == TSizeUnit::suCount ? TDisplayMode::dmNominal : Subject_.Mode;
    Model_->SetRows(Subject_.Top, std::move(rows), unit,
                    SizeHeader(mode, unit, Subject_.Earlier != nullptr));
    QString status;
    if (Subject_.Earlier) {
        if (listed == 0) {
            status = tr("No %1 below %2 grew").arg(FilesName(), TopName());
        } else if (listed == 1) {
            status = tr("%1 %2 below %3 grew (a new one by its whole size)")
                         .arg(Grouped(listed), OneFileName(), TopName());
        } else if (static_cast<std::size_t>(listed) < kLargestFilesListed) {
            status = tr("%1 %2 below %3 grew, the most first (a new one by its whole size)")
                         .arg(Grouped(listed), FilesName(), TopName());
        } else {
            status = tr("The %1 %2 below %3 that grew most (a new one by its whole size)")
                         .arg(Grouped(listed), FilesName(), TopName());
        }
    } else if (files > listed) {
        status = tr("The %1 largest of %2 %3 below %4")
                     .arg(Grouped(listed), Grouped(files), FilesName(), TopName());
    } else if (listed == 1) {
        status = tr("%1 %2 below %3").arg(Grouped(listed), OneFileName(), TopName());
    } else {
        status = tr("%1 %2 below %3, largest first").arg(Grouped(listed), FilesName(), TopName());
    }
    SetStatus(status);
}

QString TLargestFilesView::OneFileName() const {
    if (!Extension_) return tr("file");
    if (Extension_->empty()) return tr("file without an extension");
    return tr(".%1 file").arg(QString::fromUtf8(ShownName(*Extension_)));
}

QString TLargestFilesView::FilesName() const {
    if (!Extension_) return tr("files");
    if (Extension_->empty()) return tr("files without an extension");
    return tr(".%1 files").arg(QString::fromUtf8(ShownName(*Extension_)));
}

}  // namespace quillet
