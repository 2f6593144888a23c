// The views of the shown folder's whole subtree: View > "&Largest Files", "File &Types" and
// "&Find...", in a panel below the chart and list. They follow the shown folder, the unit and
// kind of size and the comparison; their rows offer the entry menu of the list.
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QScreen>

#include "app/FileTypesView.h"
#include "app/FindView.h"
#include "app/FormMain.h"
#include "app/TreeViews.h"
#include "base/AsciiCase.h"
#include "chart/zebPieChart.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

// A window smaller than this grows when the first view opens, as far as the screen lets it.
constexpr int kWidthWithViews = 820;
constexpr int kHeightWithViews = 720;

}  // namespace

void TMainForm::CreateViews(QMenu* view) {
    LargestFiles1 = view->addAction(tr("&Largest Files"), this, [this] { LargestFiles1Click(); });
    LargestFiles1->setCheckable(true);
    LargestFiles1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    FileTypes1 = view->addAction(tr("File &Types"), this, [this] { FileTypes1Click(); });
    FileTypes1->setCheckable(true);
    Find1 = view->addAction(tr("&Find..."), this, [this] { Find1Click(); });
    Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    Views = new TTreeViews(centralWidget());
    Views->OnRowMenu = [this](const TFolderData* node, const QPoint& at) { ViewRowMenu(node, at); };
    Views->OnRowOpen = [this](const TFolderData* node) { ViewRowOpen(node); };
    Views->OnClosed = [this](TTreeViews::TViewKind kind) {
        if (kind == TTreeViews::kLargestFiles) LargestFiles1->setChecked(false);
        if (kind == TTreeViews::kFileTypes) FileTypes1->setChecked(false);
        ViewsToggled();
    };
}

void TMainForm::LargestFiles1Click() {
    Views->SetOpen(TTreeViews::kLargestFiles, LargestFiles1->isChecked());
    ViewsToggled();
}

void TMainForm::FileTypes1Click() {
    Views->SetOpen(TTreeViews::kFileTypes, FileTypes1->isChecked());
    ViewsToggled();
}

void TMainForm::Find1Click() {
    Views->SetOpen(TTreeViews::kFind, true);
    ViewsToggled();
    Views->Find()->FocusPattern();
}

void TMainForm::ViewsToggled() {
    const bool open = Views->AnyOpen();
    // Room for the panel: a low window grows once, when the first view opens.
    if (open && !ViewsGrown_) {
        ViewsGrown_ = true;
        if (!isMaximized() && !isFullScreen() && screen()) {
            const QRect room = screen()->availableGeometry();
            const QRect outer = frameGeometry();
            const int wanted = std::min(kHeightWithViews,
                                        room.bottom() - outer.top() - (outer.height() - height()));
            const int wide =
                std::min(kWidthWithViews, room.right() - outer.left() - (outer.width() - width()));
            resize(std::max(width(), wide), std::max(height(), wanted));
        }
    }
    FormResize();
    ShowViews();
}

void TMainForm::ShowViews() {
    if (!KeepViewsTop_) ViewsTop_ = ShownList;
    if (Views->IsOpen(TTreeViews::kFileTypes)) Views->FileTypes()->CopyChartLook(*PieChart1);
    // While a scan rebuilds the tree nothing is shown (AbandonViews, and ShownList is null
    // until the new tree is in).
    Views->Show(
        {ViewsTop_, Earlier_.get(), Settings.DisplayMode, Settings.DisplayUnits, ViewsGeneration_});
}

void TMainForm::AbandonViews() {
    ++ViewsGeneration_;
    ViewsTop_ = nullptr;
    Views->Abandon();
}

void TMainForm::ChooseEntry(const TFolderData* node) {
    SelectedNode_ = node;
    SelectedName.clear();
    const TFolderList* list = node ? node->OwnerList() : nullptr;
    const int index = list ? list->IndexOf(node) : -1;
    // The name as the list shows it, a folder's with its mark.
    if (index >= 0) SelectedName = ShownName(LowerAsciiLetters(list->Name(index)));
}

void TMainForm::ViewRowMenu(const TFolderData* node, const QPoint& at) {
    if (Scanning || !node) return;
    const std::string keptName = SelectedName;
    const TFolderData* keptNode = SelectedNode_;
    const std::uint64_t generation = ViewsGeneration_;
    ChooseEntry(node);
    PopupMenu1->exec(at);
    // A rescan after a change forgot every entry; else the list's menu acts on its own again.
    if (ViewsGeneration_ == generation && !Scanning) {
        SelectedName = keptName;
        SelectedNode_ = keptNode;
    }
}

void TMainForm::ViewRowOpen(const TFolderData* node) {
    if (Scanning || !node) return;
    // The views stay on their folder: the user may go on to their next row.
    KeepViewsTop_ = true;
    ShowFolder(node->OwnerList());
    KeepViewsTop_ = false;
    ChooseRow(node);
}

}  // namespace quillet
