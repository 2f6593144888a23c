// Acting on one entry: the context menu of the list and the chart (delete, explore or
// properties, open, move to the trash, copy its path), saving the listing and printing the
// window.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QToolButton>

#include "app/FileUrl.h"
#include "app/FormMain.h"
#include "app/KnownText.h"
#include "app/ListingFile.h"
#include "app/LocalePunctuation.h"
#include "app/SystemReasons.h"
#include "app/WindowPrint.h"
#include "chart/zebPieChart.h"
#include "details/DesktopOpener.h"
#include "details/FilProps.h"
#include "platform/FileDetails.h"
#include "platform/PathSeparator.h"
#include "platform/Trash.h"
#include "scan/ShownName.h"
#include "scan/SpecialEntries.h"

namespace quillet {
namespace {

// The trash's names on both systems (platform/Trash.h), so that every catalogue holds them.
constexpr const char* kTrashNames[] = {QT_TRANSLATE_NOOP("TMainForm", "Trash"),
                                       QT_TRANSLATE_NOOP("TMainForm", "trash"),
                                       QT_TRANSLATE_NOOP("TMainForm", "Recycle Bin")};

// The system's name of its trash, translated.
QString TrashText(const char* name) {
    return KnownText("TMainForm", kTrashNames, name);
}

}  // namespace

void TMainForm::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupDelete = PopupMenu1->addAction(tr("Delete"), this, [this] { PopupDeleteClick(); });
    PopupExplore = PopupMenu1->addAction(tr("Explore"), this, [this] { PopupExploreClick(); });
    PopupOpen = PopupMenu1->addAction(tr("Open"), this, [this] { PopupOpenClick(); });
    PopupTrash = PopupMenu1->addAction(tr("Move to %1").arg(TrashText(kTrashTitle)), this,
                                       [this] { PopupTrashClick(); });
    PopupCopyPath = PopupMenu1->addAction(tr("Copy Path"), this, [this] { PopupCopyPathClick(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(at)); });
    // The list offers the menu only once a row has been clicked.
    ListBox1->setContextMenuPolicy(Qt::NoContextMenu);
    PieChart1->OnRightClick = [this](TPieChart&) { PieChart1RightClick(); };
    PropertiesDialog = new TfrmFileProperties1(this);
    PropertiesDialog->Punctuation = LocalePunctuation();
    RunPropertiesDialog = [](TfrmFileProperties& dialog) { return dialog.exec(); };
}

void TMainForm::PieChart1RightClick() {
    SelectedName = PieChart1->HitName();
    SelectedNode_ = static_cast<const TFolderData*>(PieChart1->HitObject());
    PopupMenu1->popup(PieChart1->MenuPosition());
}

bool TMainForm::SelectedIsFolder() const {
    return !SelectedName.empty() && SelectedName[0] == kFolderMark;
}

void TMainForm::PopupMenu1Popup() {
    PopupExplore->setText(SelectedIsFolder() ? tr("Explore") : tr("Properties"));
    // An imported tree's files are elsewhere: nothing here reaches them.
    const bool onDisk = ScanFile_.empty();
    PopupDelete->setEnabled(onDisk);
    PopupExplore->setEnabled(onDisk);
    PopupOpen->setEnabled(onDisk && !SelectedIsFolder());
    PopupTrash->setEnabled(SelectedIsChangeable());
    PopupCopyPath->setEnabled(SelectedPath().has_value());
}

bool TMainForm::SelectedIsChangeable() const {
    // Only an entry that names a file or folder on disk.
    return SelectedPath().has_value();
}

std::optional<std::string> TMainForm::SelectedPath() const {
    if (!ScanFile_.empty()) return std::nullopt;  // an imported scan's files are elsewhere
    // Built from the name as stored on disk: names differing in case are different files.
    if (!SelectedNode_ || Scanning) return std::nullopt;
    // These two name no file, though a file of their name may exist.
    if (IsBackEntry(*SelectedNode_) || IsFreeSpaceEntry(*SelectedNode_)) return std::nullopt;
    const TFolderList* list = SelectedNode_->OwnerList();
    const int index = list ? list->IndexOf(SelectedNode_) : -1;
    if (index < 0) return std::nullopt;
    const std::string_view name = list->Name(index);
    if (SelectedIsFolder()) return list->Path() + std::string(name.substr(1, 999)) + kPathSeparator;
    return list->Path() + std::string(name);
}

bool TMainForm::ReportRefusedPath(const std::string& path, const QString& failure) {
    const std::string refusal = PathRefusal(path);
    if (refusal.empty()) return false;
    ReportError(failure.arg(QString::fromUtf8(ShownName(path)), SystemReasonText(refusal)));
    return true;
}

void TMainForm::PopupDeleteClick() {
    const auto path = SelectedPath();
    if (!path || ReportRefusedPath(*path, tr("Cannot delete %1: %2"))) return;
    const QString shown = QString::fromUtf8(ShownName(*path));
    const bool folder = SelectedIsFolder();
    if (folder ? !IsExistingFolder(*path) : !IsExistingFile(*path)) return;
    if (!Services_.Ask(this, folder ? tr("Confirm folder delete") : tr("Confirm file delete"),
                       (folder ? tr("Delete folder: %1") : tr("Delete file: %1")).arg(shown), true))
        return;
    // A folder goes only when it is empty; what it holds is never deleted with it. A refusal
    // changed nothing, so nothing is scanned again.
    const std::string problem = folder ? RemoveEmptyFolder(*path) : DeleteFile(*path);
    if (!problem.empty()) {
        ReportError(tr("Cannot delete %1: %2").arg(shown, SystemReasonText(problem)));
        return;
    }
    StartScan();
}

void TMainForm::PopupExploreClick() {
    const auto path = SelectedPath();
    if (!path) return;
    if (ReportRefusedPath(*path, SelectedIsFolder() ? tr("Cannot show %1: %2")
                                                    : tr("Cannot show the properties of %1: %2")))
        return;
    if (SelectedIsFolder()) {
        const std::string first = FirstFileIn(*path);
        const std::string target =
            !first.empty() && IsExistingFile(*path + first) ? *path + first : *path;
        if (Services_.ShowInFileManager)
            Services_.ShowInFileManager(target, NoProgramReport(tr("Cannot show %1: %2"), *path));
        return;
    }
    PropertiesDialog->FileName = *path;
    if (IsExistingFile(*path)) RunPropertiesDialog(*PropertiesDialog);
}

void TMainForm::PopupOpenClick() {
    const auto path = SelectedPath();
    if (!path || ReportRefusedPath(*path, tr("Cannot open %1: %2"))) return;
    if (Services_.OpenFile)
        Services_.OpenFile(*path, NoProgramReport(tr("Cannot open %1: %2"), *path));
}

std::function<void()> TMainForm::NoProgramReport(const QString& failure, const std::string& path) {
    return [this, failure, shown = QString::fromUtf8(ShownName(path))] {
        ReportError(failure.arg(shown, NoOpenerReason()));
    };
}

void TMainForm::PopupTrashClick() {
    if (!SelectedIsChangeable()) return;
    const std::string path = *SelectedPath();
    const QString trash = TrashText(kTrashInText);
    // The path and the reason are put in later, as for every refusal.
    const QString cannotMove = tr("Cannot move %1 to the %2: %3");
    if (ReportRefusedPath(path, cannotMove.arg(QStringLiteral("%1"), trash, QStringLiteral("%2"))))
        return;
    if (SelectedIsFolder() ? !IsExistingFolder(path) : !IsExistingFile(path)) return;
    const QString shown = QString::fromUtf8(ShownName(path));
    if (!Services_.Ask(this, tr("Confirm move to %1").arg(trash),
                       tr("Move to %1: %2").arg(TrashText(kTrashTitle), shown), true)) {
        return;
    }
    const std::string problem = MoveToTrash(path);
    if (!problem.empty()) {
        ReportError(cannotMove.arg(shown, trash, SystemReasonText(problem)));
        return;
    }
    StartScan();
}

void TMainForm::PopupCopyPathClick() {
    const auto path = SelectedPath();
    if (!path) return;
    // As text the path reads as the window shows it; as an address it names the very file,
    // so a file manager pastes the entry itself.
    auto data = std::make_unique<QMimeData>();
    data->setUrls({FileUrl(*path)});
    data->setText(QString::fromUtf8(ShownName(*path)));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TMainForm::FileSaveMenuClick() {
    if (ListBox1->Items().Count() == 0 || !Services_.ChooseSaveFile) return;
    const auto chosen = Services_.ChooseSaveFile(this, SaveFileName_);
    if (!chosen) return;
    SaveFileName_ = *chosen;
    const QString name = QString::fromUtf8(ShownName(*chosen));
    if (IsExistingFile(*chosen) &&
        !Services_.Ask(
            this, tr("Quillet - overwrite existing usage file?"),
            tr("File %1 already exists.  Do you want to overwrite the existing file?").arg(name),
            false)) {
        return;
    }
    if (const auto error = WriteListing(*chosen, SavedListing(ListBox1->Items())))
        ReportError(*error);
}

void TMainForm::FilePrint() {
    std::unique_ptr<QPrinter> printer =
        Services_.DefaultPrinter ? Services_.DefaultPrinter() : nullptr;
    if (!printer) {
        ReportError(tr("There is no default printer currently selected"));
        return;
    }
    printer->setDocName(windowTitle());
    // The client area: everything inside the frame below the menu bar.
    const QImage picture =
        grab(QRect(0, menuBar()->height(), width(), height() - menuBar()->height())).toImage();
    if (!PrintPicture(*printer, picture, logicalDpiX(), logicalDpiY())) {
        ReportError(tr("The printer could not be started"));
    }
}

}  // namespace quillet
