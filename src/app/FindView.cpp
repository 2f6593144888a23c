#include "app/FindView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

#include "app/EntryRowsModel.h"
#include "app/LocalePunctuation.h"
#include "app/StatusTexts.h"

namespace quillet {

TFindView::TFindView(QWidget* parent)
    : TSubtreeView(parent),
      Pattern_(new QLineEdit(this)),
      Model_(new TEntryRowsModel(this)),
      Table_(EntryTable(Model_)) {
    Pattern_->setPlaceholderText(tr("Part of a name, or a pattern with * and ?"));
    Pattern_->setToolTip(
        tr("Text without * or ? is found anywhere in a name; with them the whole "
           "name must match (* any characters, ? one).\nA to Z match either case. "
           "A character shown as an escape is typed as it is shown."));
    Pattern_->setClearButtonEnabled(true);
    Pattern_->setAccessibleName(tr("Name"));
    Table_->setAccessibleName(tr("Found entries"));
    Pattern_->setMaxLength(std::numeric_limits<int>::max());  // a pasted pattern is never cut
    auto* find = new QPushButton(tr("Find"), this);
    connect(Pattern_, &QLineEdit::returnPressed, this, [this] { FindNow(); });
    connect(find, &QPushButton::clicked, this, [this] { FindNow(); });
    SetIdleText(tr("Nothing to search yet"));

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(tr("Name:"), this));
    row->addWidget(Pattern_, 1);
    row->addWidget(find);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(row);
    layout->addWidget(Status_);
    layout->addWidget(Table_, 1);
}

void TFindView::FindNow() {
    Searched_ = Pattern_->text();
    if (Subject_.Top) Compute(Subject_);
}

void TFindView::FocusPattern() {
    Pattern_->setFocus(Qt::ShortcutFocusReason);
    Pattern_->selectAll();
}

QString TFindView::ShownPattern() const {
    // A pattern may be as long as any name: the status line says how it begins.
    constexpr int kShown = 60;
    return Searched_.size() <= kShown ? Searched_ : Searched_.left(kShown) + QChar(0x2026);
}

void TFindView::Drop() {
    Search_.reset();
    Model_->Clear();
}

void TFindView::Compute(const TViewSubject& previous) {
    Work_.Stop();
    // Another unit or kind of the same folder: its rows stay until the new ones are in.
    if (!SameFolder(previous)) Drop();
    if (Searched_.isEmpty()) {
        Drop();
        SetStatus(tr("Type a name or a pattern, then Enter, to search below %1").arg(TopName()));
        return;
    }
    Search_ = std::make_unique<NameSearch>(NamePattern(Searched_.toStdString()), Subject_.Mode,
                                           Subject_.Unit, kMatchesListed);
    SetStatus(tr("Looking for %1 below %2...").arg(ShownPattern(), TopName()));
    WalkSubtree(
        nullptr, [this](const SubtreeWalk::Visit& visit) { Search_->Add(visit); },
        [this] { Finish(); });
}

void TFindView::Finish() {
    const std::int64_t matches = Search_->Matches();
    const ByteCount total = Search_->Total();
    std::vector<TEntryRow> rows;
    for (const TFolderData* node : Search_->Take())
        rows.push_back({node, EntryValue(*node, Subject_.Mode, Subject_.Unit)});
    Search_.reset();
    const auto listed = static_cast<std::int64_t>(rows.size());
    // A search shows sizes, never changes, even while comparing.
    Model_->SetRows(Subject_.Top, std::move(rows), Subject_.Unit,
                    SizeHeader(Subject_.Mode, Subject_.Unit, false));
    QString status;
    if (matches == 0) {
        status = tr("No name below %1 matches %2").arg(TopName(), ShownPattern());
    } else {
        status =
            tr("%1 %2 %3 below %4, %5 in all")
                .arg(Grouped(matches), matches == 1 ? tr("entry matches") : tr("entries match"),
                     ShownPattern(), TopName(),
                     QString::fromUtf8(SizeShownText(total, Subject_.Unit, LocalePunctuation())));
        if (matches > listed) status += tr(" (the %1 largest listed)").arg(Grouped(listed));
    }
    SetStatus(status);
}

}  // namespace quillet
