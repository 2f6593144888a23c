// Acting on one entry: the context menu of the list and the chart (delete, explore or
// properties, open), saving the listing and printing the window.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QToolButton>

#include "app/FormMain.h"
#include "app/ListingFile.h"
#include "app/LocalePunctuation.h"
#include "app/WindowPrint.h"
#include "chart/zebPieChart.h"
#include "details/FilProps.h"
#include "platform/FileDetails.h"
#include "scan/ShownName.h"
#include "scan/SpecialEntries.h"

namespace quillet {

void TMainForm::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupDelete =
        PopupMenu1->addAction(QStringLiteral("Delete"), this, [this] { PopupDeleteClick(); });
    PopupExplore =
        PopupMenu1->addAction(QStringLiteral("Explore"), this, [this] { PopupExploreClick(); });
    PopupOpen = PopupMenu1->addAction(QStringLiteral("Open"), this, [this] { PopupOpenClick(); });
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
    PopupMenu1->popup(QCursor::pos());
}

bool TMainForm::SelectedIsFolder() const {
    return !SelectedName.empty() && SelectedName[0] == '/';
}

void TMainForm::PopupMenu1Popup() {
    PopupExplore->setText(SelectedIsFolder() ? QStringLiteral("Explore")
                                             : QStringLiteral("Properties"));
    PopupOpen->setEnabled(!SelectedIsFolder());
}

std::optional<std::string> TMainForm::SelectedPath() const {
    if (!ScanFile.empty()) return std::nullopt;  // an imported scan's files are elsewhere
    // Built from the name as stored on disk: names differing in case are different files.
    if (!SelectedNode_ || Scanning) return std::nullopt;
    // These two name no file, though a file of their name may exist.
    if (IsBackEntry(*SelectedNode_) || IsFreeSpaceEntry(*SelectedNode_)) return std::nullopt;
    const TFolderList* list = SelectedNode_->OwnerList;
    const int index = list ? list->IndexOf(SelectedNode_) : -1;
    if (index < 0) return std::nullopt;
    const std::string_view name = list->Name(index);
    if (SelectedIsFolder()) return list->Path() + std::string(name.substr(1, 999)) + "/";
    return list->Path() + std::string(name);
}

void TMainForm::PopupDeleteClick() {
    const auto path = SelectedPath();
    if (!path) return;
    const QString shown = QString::fromUtf8(ShownName(*path));
    bool yes;
    if (SelectedIsFolder()) {
        if (!IsExistingFolder(*path)) return;
        yes = Services_.Ask(this, QStringLiteral("Confirm folder delete"),
                            "Delete folder: " + shown, true);
        if (yes) RemoveEmptyFolder(*path);
    } else {
        if (!IsExistingFile(*path)) return;
        yes = Services_.Ask(this, QStringLiteral("Confirm file delete"), "Delete file: " + shown,
                            true);
        if (yes) DeleteFile(*path);
    }
    if (yes) StartScan();
}

void TMainForm::PopupExploreClick() {
    const auto path = SelectedPath();
    if (!path) return;
    if (SelectedIsFolder()) {
        const std::string first = FirstFileIn(*path);
        const std::string target =
            !first.empty() && IsExistingFile(*path + first) ? *path + first : *path;
        if (Services_.ShowInFileManager) Services_.ShowInFileManager(target);
        return;
    }
    PropertiesDialog->FileName = *path;
    if (IsExistingFile(*path)) RunPropertiesDialog(*PropertiesDialog);
}

void TMainForm::PopupOpenClick() {
    const auto path = SelectedPath();
    if (path && Services_.OpenFile) Services_.OpenFile(*path);
}

void TMainForm::FileSaveMenuClick() {
    if (ListBox1->Items().Count() == 0 || !Services_.ChooseSaveFile) return;
    const auto chosen = Services_.ChooseSaveFile(this, SaveFileName_);
    if (!chosen) return;
    SaveFileName_ = *chosen;
    const QString name = QString::fromUtf8(ShownName(*chosen));
    if (IsExistingFile(*chosen) &&
        !Services_.Ask(
            this, QStringLiteral("Quillet - overwrite existing usage file?"),
            "File " + name + " already exists.  Do you want to overwrite the existing file?",
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
        ReportError(QStringLiteral("There is no default printer currently selected"));
        return;
    }
    printer->setDocName(windowTitle());
    // The client area: everything inside the frame below the menu bar.
    const QImage picture =
        grab(QRect(0, menuBar()->height(), width(), height() - menuBar()->height())).toImage();
    if (!PrintPicture(*printer, picture, logicalDpiX(), logicalDpiY())) {
        ReportError(QStringLiteral("The printer could not be started"));
    }
}

}  // namespace quillet
