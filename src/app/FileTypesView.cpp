#include "app/FileTypesView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <cmath>

#include "app/LargestFilesView.h"
#include "app/LocalePunctuation.h"
#include "app/TypeRowsModel.h"
#include "chart/zebPieChart.h"

namespace quillet {
namespace {

// The types the pie draws a slice for at most; the rest share one.
constexpr std::size_t kTypesCharted = 1000;
// The types listed at most, the largest; the rest are summed.
constexpr std::size_t kTypesListed = 10000;

}  // namespace
TFileTypesView::TFileTypesView(QWidget* parent)
    : TSubtreeView(parent),
      Chart_(new TPieChart(this)),
      Model_(new TTypeRowsModel(this)),
      Table_(new QTreeView(this)),
      Files_(new TLargestFilesView(this)) {
    Table_->setModel(Model_);
    Table_->setRootIsDecorated(false);
    Table_->setUniformRowHeights(true);
    Table_->setAlternatingRowColors(true);
    Table_->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_->setAllColumnsShowFocus(true);
    Table_->header()->setStretchLastSection(true);
    Table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // every column fits
    const QFontMetrics metrics = Table_->fontMetrics();
    Table_->setColumnWidth(TTypeRowsModel::kSizeColumn,
                           metrics.horizontalAdvance(tr("Allocated (GB) 0")));
    Table_->setColumnWidth(TTypeRowsModel::kShareColumn,
                           metrics.horizontalAdvance(QStringLiteral("100.0 % 0")));
    Table_->setColumnWidth(TTypeRowsModel::kFilesColumn,
                           metrics.horizontalAdvance(QStringLiteral("1,000,000 0")));
    connect(Table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) ChooseType(current.row());
            });

    Chart_->EntryHint = [](const TObjectAndDouble&, const std::string& text) {
        const TEntryParts parts = SplitEntryText(text);
        return QString::fromUtf8(parts.Name) + QStringLiteral(": ") +
               QString::fromUtf8(parts.Value);
    };
    const auto choose = [this](const void* slice) {
        const auto* chosen = static_cast<const TTypeTotal*>(slice);
        if (!chosen) return;
        const int row = Model_->RowOf(chosen->Extension);
        if (row >= 0) Table_->setCurrentIndex(Model_->index(row, 0));
    };
    Chart_->OnDblClick = [choose](TPieChart& chart) { choose(chart.HitObject()); };
    // The keyboard on a slice chooses its type, as a double-click does.
    Chart_->OnSliceFocus = [choose](TPieChart& chart) { choose(chart.FocusedObject()); };
    Chart_->ValueText = [this](double value) {
        const ByteCount figure =
            std::llround(value * static_cast<double>(UnitDivisor(Subject_.Unit)));
        return QString::fromUtf8(SizeWithUnitText(figure, Subject_.Unit, LocalePunctuation()));
    };
    Chart_->setAccessibleName(tr("File types chart"));
    Table_->setAccessibleName(tr("File types"));

    Files_->SetIdleText(tr("Choose a type to list its largest files"));
    // The pie as high as the room (FitChart), the types as wide as their columns, the
    // files the rest.
    int types = Table_->verticalScrollBar()->sizeHint().width() + 2 * Table_->frameWidth() + 8;
    for (int column = 0; column < TTypeRowsModel::kColumns; ++column)
        types += column == TTypeRowsModel::kTypeColumn
                     ? metrics.horizontalAdvance(tr("(no extension)  "))
                     : Table_->columnWidth(column);
    Table_->setFixedWidth(types);
    auto* parts = new QHBoxLayout;
    parts->setContentsMargins(0, 0, 0, 0);
    parts->addWidget(Chart_, 0, Qt::AlignTop);
    parts->addWidget(Table_);
    parts->addWidget(Files_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Status_);
    layout->addLayout(parts, 1);
}

TFileTypesView::~TFileTypesView() = default;

bool TFileTypesView::event(QEvent* event) {
    // The status line takes more or fewer lines as its text changes, without a resize.
    if (event->type() == QEvent::LayoutRequest) FitChart();
    return TSubtreeView::event(event);
}

void TFileTypesView::resizeEvent(QResizeEvent* event) {
    TSubtreeView::resizeEvent(event);
    FitChart();
}

void TFileTypesView::FitChart() {
    const int status = std::min(Status_->heightForWidth(width()), Status_->maximumHeight());
    const int side = std::max(40, std::min(height() - status - 2, width() / 4));
    Chart_->setFixedSize(side, side);
}

void TFileTypesView::CopyChartLook(const TPieChart& chart) {
    Chart_->SetColours(chart.Colours());
    Chart_->setFont(chart.font());
    Chart_->SetFontColour(chart.FontColour());
    Chart_->SetGhostColour(chart.GhostColour());
}

void TFileTypesView::Drop() {
    Totals_.reset();
    HaveTypes_ = false;
    TypeCount_ = 0;
    Others_ = {};
    Chart_->ClearEntries();
    Model_->Clear();
    Files_->Abandon();
}

void TFileTypesView::Compute(const TViewSubject& previous) {
    // The totals hold every kind of size: another unit or kind only shows them otherwise,
    // unless some types were left out by the ranking of the kind shown before.
    if (HaveTypes_ && previous.Top == Subject_.Top && previous.Earlier == Subject_.Earlier &&
        previous.Generation == Subject_.Generation && TypeCount_ == Model_->Count()) {
        ShowTypes(Model_->TakeRows());
        return;
    }
    Drop();
    // A view may keep 8 bytes a file while it is open, or a megabyte below a small folder;
    // the rows listed take their part of it first.
    const std::size_t budget =
        std::max<std::size_t>(8 * static_cast<std::size_t>(Subject_.Top->FileCount), 1 << 20);
    const std::size_t rows = kTypesListed * sizeof(TTypeTotal);
    Totals_ = std::make_unique<FileTypeTotals>(
        Subject_.Mode, Subject_.Unit,
        TTypeLimits{kTypesListed, budget > 2 * rows ? budget - rows : budget / 2});
    SetStatus(tr("Looking for the file types below %1...").arg(TopName()));
    CountPass();
}

void TFileTypesView::CountPass() {
    const auto passDone = [this] {
        if (Totals_->EndPass()) {
            CountPass();
        } else {
            Finish();
        }
    };
    WalkSubtree(
        nullptr, [this](const SubtreeWalk::Visit& visit) { Totals_->Add(visit); },
        [this, passDone] {
            if (!Subject_.Earlier) {
                passDone();
                return;
            }
            // Then the earlier scan's files of the same folder are taken off.
            Totals_->BeginSubtract(*Subject_.Earlier, *Subject_.Top);
            Work_.Start([this] { return Totals_->SubtractStep(kEntriesPerStep); }, passDone);
        });
}

void TFileTypesView::Finish() {
    std::vector<TTypeTotal> types = Totals_->Take();
    TypeCount_ = Totals_->TypeCount();
    Others_ = Totals_->Others();
    Totals_.reset();
    HaveTypes_ = true;
    ShowTypes(std::move(types));
}

void TFileTypesView::ShowTypes(std::vector<TTypeTotal> types) {
    Chart_->ClearEntries();  // its slices point at the rows about to go
    SortTypes(types, Subject_.Mode, Subject_.Unit);
    std::int64_t files = Others_.Files;
    for (const TTypeTotal& type : types)
        files += type.Files;
    // A file has one type: one file is one type, and one type may be many files.
    QString status;
    if (Subject_.Earlier) {
        status = (TypeCount_ == 1 ? tr("How each file type below %1 changed: %2 type changed")
                                  : tr("How each file type below %1 changed: %2 types changed"))
                     .arg(TopName(), Grouped(TypeCount_));
    } else {
        status = (files == 1        ? tr("%1 file of %2 type below %3")
                  : TypeCount_ == 1 ? tr("%1 files of %2 type below %3")
                                    : tr("%1 files of %2 types below %3"))
                     .arg(Grouped(files), Grouped(TypeCount_), TopName());
    }
    if (static_cast<std::size_t>(TypeCount_) > types.size())
        status += tr(" (the %1 largest listed)").arg(Grouped(std::ssize(types)));
    SetStatus(status);
    // A share of changes, some of them losses, says nothing.
    Table_->setColumnHidden(TTypeRowsModel::kShareColumn, Subject_.Earlier != nullptr);
    Model_->SetRows(
        std::move(types), Others_, Subject_.Mode, Subject_.Unit, Subject_.Earlier != nullptr,
        SizeHeader(Subject_.Mode, Subject_.Unit, Subject_.Earlier != nullptr), LocalePunctuation());
    // The slices point at the model's rows, which stay until the next SetRows. Past the
    // largest types the slices could not be told apart: the rest share one.
    TStringListWithDouble entries;
    ByteCount rest = 0;
    std::int64_t restTypes = 0;
    for (int i = 0; i < Model_->Count(); ++i) {
        const TTypeTotal& type = Model_->Type(i);
        const ByteCount value = TypeValue(type, Subject_.Mode, Subject_.Unit);
        if (static_cast<std::size_t>(i) < kTypesCharted) {
            entries.push_back(
                {EntrySizeText(value, Subject_.Unit) + "   " + TypeName(type).toStdString(),
                 {&type, 0}});
        } else if (value > 0) {
            rest = AddBytes(rest, value);
            ++restTypes;
        }
    }
    if (const ByteCount others = TypeValue(Others_, Subject_.Mode, Subject_.Unit); others > 0) {
        rest = AddBytes(rest, others);
        restTypes += TypeCount_ - Model_->Count();
    }
    if (restTypes > 0) {
        entries.push_back({EntrySizeText(rest, Subject_.Unit) + "   (" +
                               tr("%1 more types").arg(Grouped(restTypes)).toStdString() + ")",
                           {}});
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
