#include "app/TreeViews.h"

#include <QTabBar>

#include "app/FileTypesView.h"
#include "app/FindView.h"
#include "app/LargestFilesView.h"

namespace quillet {
namespace {

const char* const kTitles[] = {QT_TRANSLATE_NOOP("TTreeViews", "Largest Files"),
                               QT_TRANSLATE_NOOP("TTreeViews", "File Types"),
                               QT_TRANSLATE_NOOP("TTreeViews", "Find")};

}  // namespace

TTreeViews::TTreeViews(QWidget* parent)
    : QTabWidget(parent),
      LargestFiles_(new TLargestFilesView(this)),
      FileTypes_(new TFileTypesView(this)),
      Find_(new TFindView(this)) {
    setTabsClosable(true);
    setDocumentMode(true);
    for (int kind = 0; kind < kViewKinds; ++kind) {
        TSubtreeView* view = View(static_cast<TViewKind>(kind));
        view->hide();  // until its tab opens
        view->OnRowMenu = [this](const TFolderData* node, const QPoint& at) {
            if (OnRowMenu) OnRowMenu(node, at);
        };
        view->OnRowOpen = [this](const TFolderData* node) {
            if (OnRowOpen) OnRowOpen(node);
        };
    }
    FileTypes_->Files()->OnRowMenu = FileTypes_->OnRowMenu;
    FileTypes_->Files()->OnRowOpen = FileTypes_->OnRowOpen;
    connect(this, &QTabWidget::tabCloseRequested, this, [this](int index) {
        for (int kind = 0; kind < kViewKinds; ++kind) {
            if (widget(index) != View(static_cast<TViewKind>(kind))) continue;
            SetOpen(static_cast<TViewKind>(kind), false);
            if (OnClosed) OnClosed(static_cast<TViewKind>(kind));
            return;
        }
    });
    hide();
}

TSubtreeView* TTreeViews::View(TViewKind kind) const {
    switch (kind) {
        case kLargestFiles:
            return LargestFiles_;
        case kFileTypes:
            return FileTypes_;
        default:
            return Find_;
    }
}

bool TTreeViews::IsOpen(TViewKind kind) const {
    return indexOf(View(kind)) >= 0;
}

void TTreeViews::SetOpen(TViewKind kind, bool open) {
    TSubtreeView* view = View(kind);
    if (open == IsOpen(kind)) {
        if (open) setCurrentWidget(view);
        return;
    }
    if (open) {
        // The tabs stand in the menu's order.
        int at = 0;
        for (int before = 0; before < kind; ++before)
            at += IsOpen(static_cast<TViewKind>(before)) ? 1 : 0;
        insertTab(at, view, tr(kTitles[kind]));
        setCurrentWidget(view);
        view->Show(Subject_);
    } else {
        removeTab(indexOf(view));
        view->hide();
        view->Abandon();
    }
    setVisible(AnyOpen());
}

void TTreeViews::Show(const TViewSubject& subject) {
    Subject_ = subject;
    for (int kind = 0; kind < kViewKinds; ++kind) {
        if (IsOpen(static_cast<TViewKind>(kind))) View(static_cast<TViewKind>(kind))->Show(subject);
    }
}

void TTreeViews::Abandon() {
    Subject_ = {};
    for (int kind = 0; kind < kViewKinds; ++kind)
        View(static_cast<TViewKind>(kind))->Abandon();
}

}  // namespace quillet
