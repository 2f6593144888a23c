#include "app/SubtreeView.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTreeView>

#include "app/EntryRowsModel.h"
#include "app/LocalePunctuation.h"
#include "app/ToolTipText.h"
#include "scan/ShownName.h"

namespace quillet {

TSubtreeView::TSubtreeView(QWidget* parent) : QWidget(parent) {
    Status_ = new QLabel(this);
    Status_->setTextFormat(Qt::PlainText);  // paths are shown, never read as markup
    Status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut at the view's edge (the tooltip holds it whole) rather than widening
    // the window.
    Status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Status_->setWordWrap(true);
    Status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitStatusLines();
}

void TSubtreeView::Show(const TViewSubject& subject) {
    if (subject == Subject_) return;
    const TViewSubject previous = Subject_;
    Subject_ = subject;
    if (!subject.Top) {
        StopWork();
        Drop();
        SetStatus(IdleText_);
        return;
    }
    Compute(previous);
}

void TSubtreeView::Abandon() {
    StopWork();
    Drop();
    Subject_ = {};
    SetStatus(IdleText_);
}

void TSubtreeView::SetIdleText(const QString& text) {
    IdleText_ = text;
    if (!Subject_.Top) SetStatus(text);
}

void TSubtreeView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitStatusLines();
}

void TSubtreeView::FitStatusLines() {
    Status_->setMaximumHeight(4 * Status_->fontMetrics().lineSpacing());
}

bool TSubtreeView::Computing() const {
    return Work_.Running();
}

QString TSubtreeView::Status() const {
    return Status_->text();
}

void TSubtreeView::StopWork() {
    Work_.Stop();
    Walk_.reset();
}

QTreeView* TSubtreeView::EntryTable(TEntryRowsModel* model) {
    auto* table = new QTreeView(this);
    table->setModel(model);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);  // a long list is drawn without measuring every row
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAllColumnsShowFocus(true);
    table->setTextElideMode(Qt::ElideMiddle);  // a long path keeps its file's name
    table->header()->setStretchLastSection(true);
    table->header()->setSectionsMovable(false);
    table->setColumnWidth(TEntryRowsModel::kSizeColumn,
                          table->fontMetrics().horizontalAdvance(tr("Allocated (GB) 0")));
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, table, model](QPoint at) {
        QModelIndex index = table->indexAt(at);
        if (index.isValid()) {
            table->setCurrentIndex(index);
        } else {
            // The Menu key: the current row.
            index = table->currentIndex();
            at = table->visualRect(index).center();
        }
        if (const TFolderData* node = model->Node(index.row()); node && OnRowMenu)
            OnRowMenu(node, table->viewport()->mapToGlobal(at));
    });
    const auto open = [this, table, model] {
        if (const TFolderData* node = model->Node(table->currentIndex().row()); node && OnRowOpen)
            OnRowOpen(node);
    };
    connect(table, &QAbstractItemView::doubleClicked, this, open);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(key, table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, open);
    }
    return table;
}

void TSubtreeView::SetStatus(const QString& text) {
    Status_->setText(text);
    Status_->setToolTip(text.isEmpty() ? QString() : ToolTipText(text));
}

QString TSubtreeView::SizeHeader(TDisplayMode mode, TSizeUnit unit, bool change) const {
    static const char* const kUnits[] = {QT_TR_NOOP("bytes"), QT_TR_NOOP("kB"),
                                         QT_TR_NOOP("MB"),    QT_TR_NOOP("GB"),
                                         QT_TR_NOOP("TB"),    QT_TR_NOOP("files")};
    static const char* const kKinds[] = {QT_TR_NOOP("Nominal"), QT_TR_NOOP("Allocated"),
                                         QT_TR_NOOP("Slack")};
    const QString kind = change                       ? tr("Change")
                         : unit == TSizeUnit::suCount ? tr("Files")
                                                      : tr(kKinds[static_cast<int>(mode)]);
    if (unit == TSizeUnit::suCount) return kind;
    return kind + QStringLiteral(" (") + tr(kUnits[static_cast<int>(unit)]) + ')';
}

QString TSubtreeView::Grouped(std::int64_t count) {
    return QString::fromUtf8(GroupedQuotientText(count, 1, 0, LocalePunctuation()));
}

void TSubtreeView::WalkSubtree(const EarlierScan* earlier,
                               std::function<void(const SubtreeWalk::Visit&)> add,
                               std::function<void()> done) {
    StopWork();
    Walk_ = std::make_unique<SubtreeWalk>(*Subject_.Top, earlier);
    Visited_ = 0;
    const auto visit = [this, add = std::move(add)](const SubtreeWalk::Visit& visit) {
        add(visit);
        // Every so many entries: a label is not set for each.
        constexpr std::int64_t kEvery = 1 << 18;
        if (++Visited_ % kEvery == 0)
            SetStatus(
                tr("Looking through %1 entries below %2...").arg(Grouped(Visited_), TopName()));
    };
    Work_.Start([this, visit] { return Walk_->Step(kEntriesPerStep, visit); },
                [this, done = std::move(done)] {
                    Walk_.reset();
                    done();
                });
}

QString TSubtreeView::TopName() const {
    return Subject_.Top ? QString::fromUtf8(ShownName(Subject_.Top->Path())) : QString();
}

}  // namespace quillet
