#include "app/FileTypesView.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/LargestFilesView.h"
#include "app/LocalePunctuation.h"
#include "app/TypeRowsModel.h"
#include "chart/zebPieChart.h"

namespace quillet {
namespace {

// Keeps the chart round: a square as large as the room, in its middle.
class TSquareBox final : public QWidget {
public:
    TSquareBox(QWidget* child, QWidget* parent) : QWidget(parent), Child_(child) {
        child->setParent(this);
        setMinimumSize(60, 60);
    }
    QSize sizeHint() const override { return {200, 200}; }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int side = std::min(width(), height());
        Child_->setGeometry((width() - side) / 2, (height() - side) / 2, side, side);
    }

private:
    QWidget* Child_;
};

}  // namespace

TFileTypesView::TFileTypesView(QWidget* parent)
    : TSubtreeView(parent),
      Chart_(new TPieChart),
      Model_(new TTypeRowsModel(this)),
      Table_(new QTreeView),
      Files_(new TLargestFilesView) {
    Table_->setModel(Model_);
    Table_->setRootIsDecorated(false);
    Table_->setUniformRowHeights(true);
    Table_->setAlternatingRowColors(true);
    Table_->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_->setAllColumnsShowFocus(true);
    Table_->header()->setStretchLastSection(true);
    const QFontMetrics metrics = Table_->fontMetrics();
    Table_->setColumnWidth(TTypeRowsModel::kSizeColumn,
                           metrics.horizontalAdvance(QStringLiteral("Allocated (GB) 0")));
    Table_->setColumnWidth(TTypeRowsModel::kShareColumn,
                           metrics.horizontalAdvance(QStringLiteral("100.0 % 0")));
    Table_->setColumnWidth(TTypeRowsModel::kFilesColumn,
                           metrics.horizontalAdvance(QStringLiteral("1,000,000 0")));
    connect(Table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) ChooseType(current.row());
            });

    Chart_->EntryHint = [](const TChartEntry& entry) {
        const TEntryParts parts = SplitEntryText(entry.Text);
        return QString::fromUtf8(parts.Name) + QStringLiteral(": ") +
               QString::fromUtf8(parts.Value);
    };
    Chart_->OnDblClick = [this](TPieChart& chart) {
        const auto* chosen = static_cast<const TTypeTotal*>(chart.HitObject());
        if (!chosen) return;
        const int row = Model_->RowOf(chosen->Extension);
        if (row >= 0) Table_->setCurrentIndex(Model_->index(row, 0));
    };

    Files_->SetIdleText(QStringLiteral("Choose a type to list its largest files"));
    Splitter_ = new QSplitter(Qt::Horizontal, this);
    Splitter_->addWidget(new TSquareBox(Chart_, Splitter_));
    Splitter_->addWidget(Table_);
    Splitter_->addWidget(Files_);
    Splitter_->setStretchFactor(0, 0);
    Splitter_->setStretchFactor(1, 2);
    Splitter_->setStretchFactor(2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Status_);
    layout->addWidget(Splitter_, 1);
}

TFileTypesView::~TFileTypesView() = default;

void TFileTypesView::CopyChartLook(const TPieChart& chart) {
    Chart_->SetColours(chart.Colours());
    Chart_->setFont(chart.font());
    Chart_->SetFontColour(chart.FontColour());
    Chart_->SetGhostColour(chart.GhostColour());
}

void TFileTypesView::Drop() {
    Walk_.reset();
    Totals_.reset();
    Found_ = {};
    HaveTypes_ = false;
    Chart_->ClearEntries();
    Model_->Clear();
    Files_->Abandon();
}

void TFileTypesView::Compute(const TViewSubject& previous) {
    // The totals hold every kind of size: another unit or kind only shows them otherwise.
    if (HaveTypes_ && previous.Top == Subject_.Top && previous.Earlier == Subject_.Earlier &&
        previous.Generation == Subject_.Generation) {
        ShowTypes();
        return;
    }
    Drop();
    Walk_ = std::make_unique<SubtreeWalk>(*Subject_.Top);
    Totals_ = std::make_unique<FileTypeTotals>();
    Visited_ = 0;
    SetStatus(QStringLiteral("Looking for the file types below %1...").arg(TopName()));
    const auto visit = [this](const SubtreeWalk::Visit& visit) {
        Totals_->Add(visit);
        ShowProgress(++Visited_);
    };
    Work_.Start([this, visit] { return Walk_->Step(kEntriesPerStep, visit); },
                [this] {
                    Walk_.reset();
                    if (!Subject_.Earlier) {
                        Finish();
                        return;
                    }
                    // Then the earlier scan's files of the same folder are taken off.
                    Totals_->BeginSubtract(*Subject_.Earlier, *Subject_.Top);
                    Work_.Start([this] { return Totals_->SubtractStep(kEntriesPerStep); },
                                [this] { Finish(); });
                });
}

void TFileTypesView::Finish() {
    Found_ = Totals_->Take();
    Totals_.reset();
    HaveTypes_ = true;
    ShowTypes();
}

void TFileTypesView::ShowTypes() {
    std::vector<TTypeTotal> types = Found_;
    SortTypes(types, Subject_.Mode, Subject_.Unit);
    std::int64_t files = 0;
    for (const TTypeTotal& type : types)
        files += type.Files;
    if (Subject_.Earlier) {
        SetStatus(QStringLiteral("How each file type below %1 changed: %2 types changed")
                      .arg(TopName(), Grouped(static_cast<std::int64_t>(types.size()))));
    } else {
        SetStatus(
            QStringLiteral("%1 files of %2 types below %3")
                .arg(Grouped(files), Grouped(static_cast<std::int64_t>(types.size())), TopName()));
    }
    Model_->SetRows(std::move(types), Subject_.Mode, Subject_.Unit, Subject_.Earlier != nullptr,
                    SizeHeader(Subject_.Mode, Subject_.Unit, Subject_.Earlier != nullptr),
                    LocalePunctuation());
    // The slices point at the model's rows, which stay until the next SetRows.
    TStringListWithDouble entries;
    entries.reserve(types.size());
    for (int i = 0; i < Model_->Count(); ++i) {
        const TTypeTotal& type = Model_->Type(i);
        entries.push_back(
            {EntrySizeText(TypeValue(type, Subject_.Mode, Subject_.Unit), Subject_.Unit) + "   " +
                 TypeName(type).toStdString(),
             {&type, 0}});
    }
    if (Subject_.Earlier) {
        Chart_->SetGrowthEntries(std::move(entries));
    } else {
        Chart_->SetEntries(std::move(entries));
    }
    // The type chosen before stays chosen, its files listed in the new unit.
    const int row = Chosen_ ? Model_->RowOf(*Chosen_) : -1;
    if (row >= 0) {
        Table_->setCurrentIndex(Model_->index(row, 0));  // which lists its files
    } else {
        Files_->Abandon();
    }
}

void TFileTypesView::ChooseType(int row) {
    if (row < 0 || row >= Model_->Count()) return;
    Chosen_ = Model_->Type(row).Extension;
    Files_->SetExtension(Chosen_);
    Files_->Show(Subject_);
}

}  // namespace quillet
