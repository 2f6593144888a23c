#include "settings/OptnDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart/zebPieChart.h"
#include "settings/FontSettings.h"

namespace quillet {
namespace {

constexpr const char* kDefaultColours = "$E0E0FF,$E0FFFF,$E0FFE0,$FFFFE0,$FFE0E0,$FFE0FF";

QLabel* Explanation(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A tab of a group of controls above an explanatory text.
QWidget* Sheet(QWidget* group, const QString& text) {
    auto* sheet = new QWidget;
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(group);
    if (!text.isEmpty()) layout->addWidget(Explanation(text), 1);
    layout->addStretch();
    return sheet;
}

// A group of two radio buttons, each excluding only the other.
QGroupBox* RadioPair(const QString& title, QRadioButton*& first, const QString& firstText,
                     QRadioButton*& second, const QString& secondText) {
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    first = new QRadioButton(firstText);
    second = new QRadioButton(secondText);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

}  // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Quillet Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    setFixedSize(450, 270);
    Tabs = new QTabWidget(this);
    Tabs->setGeometry(4, 4, 442, 228);

    // Space
    auto* space = new QGroupBox(tr(" Space Display "));
    auto* spaceLayout = new QVBoxLayout(space);
    btnActual = new QRadioButton(tr("Only show nominal bytes, ignore slack"));
    btnAllocated = new QRadioButton(tr("Show actual space on disk, with slack"));
    btnSlack = new QRadioButton(tr("Show only the slack space"));
    for (QRadioButton* button : {btnActual, btnAllocated, btnSlack})
        spaceLayout->addWidget(button);
    Tabs->addTab(
        Sheet(space,
              tr("Space on the disk is allocated in fixed size clusters, thus wasting space if "
                 "these clusters are not completely filled.  Choose whether you wish to include "
                 "the wasted slack space in the display and see a true picture.")),
        tr("Space"));

    // Units
    auto* units = new QGroupBox(tr(" Units "));
    auto* unitsLayout = new QHBoxLayout(units);
    RadioGroupUnits = new QButtonGroup(this);
    const char* unitNames[] = {QT_TR_NOOP("Bytes"), QT_TR_NOOP("kB"), QT_TR_NOOP("MB"),
                               QT_TR_NOOP("GB"),    QT_TR_NOOP("TB"), QT_TR_NOOP("Count")};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QRadioButton(tr(unitNames[i]));
        RadioGroupUnits->addButton(button, i);
        unitsLayout->addWidget(button);
    }
    Tabs->addTab(
        Sheet(units,
              tr("Choose whether the display will be in bytes, kilobytes (kB), megabytes (MB), "
                 "gigabytes (GB) ot terabytes (TB).  The definitions used are 1024 bytes = 1 KB "
                 "etc.  Or simply display a count of the files, not their size.")),
        tr("Units"));

    // Compressed & sparse: two groups, so each pair excludes only its own partner.
    auto* compression = new QWidget;
    auto* compressionLayout = new QHBoxLayout(compression);
    compressionLayout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* compressed =
        RadioPair(tr(" Compressed files "), btnCompressed, tr("Compressed size"), btnUncompressed,
                  tr("Uncompressed size"));
    QGroupBox* sparse = RadioPair(tr(" Sparse files "), btnSparse, tr("Sparse size"), btnUnsparse,
                                  tr("Size if not sparse"));
    compressionLayout->addWidget(compressed);
    compressionLayout->addWidget(sparse);
    Tabs->addTab(
        Sheet(compression,
              tr("For non-9X Windows systems only, choose whether to take into account any "
                 "file compression or sparse attributes or to ingore them.  Measuring the "
                 "compressed size more accurately reflects the actual disk usage.")),
        tr("Compressed && sparse"));

    // Right click
    auto* rightClick = new QGroupBox(tr(" Explorer Folder right-click menu "));
    auto* rightClickLayout = new QVBoxLayout(rightClick);
    chkRightClick = new QCheckBox(tr("Enable \"Usage Pie Chart\" menu item"));
    rightClickLayout->addWidget(chkRightClick);
    connect(chkRightClick, &QCheckBox::toggled, this, [this](bool on) { RightClickFolder = on; });
    Tabs->addTab(
        Sheet(rightClick,
              tr("Enable allows you to right-click on a folder and get a pie-chart of that "
                 "folder's disk usage.  Disable removes this option and restores the menu to "
                 "its original state.")),
        tr("Right Click"));

    // Free disk
    auto* freeDisk = new QGroupBox(tr(" Free disk space  display "));
    auto* freeDiskLayout = new QHBoxLayout(freeDisk);
    chkShowFreeDisk = new QCheckBox(tr("Show free disk space"));
    freeDiskLayout->addWidget(chkShowFreeDisk);
    freeDiskLayout->addWidget(
        Explanation(
            tr("Note: free space will show as a negative value in the list box. This is not an "
               "error, but to force display as a grey pie segment.")),
        1);
    connect(chkShowFreeDisk, &QCheckBox::toggled, this,
            [this](bool on) { DisplayFreeDiskSpace = on; });
    Tabs->addTab(
        Sheet(freeDisk,
              tr("Checking the Show Free Disk Space box displays not only the used space on the "
                 "disk, but the free space as well.  This is only relevant if and entire disk "
                 "is being displayed.  This forces the Space to \"Allocated\" and NTFS display "
                 "to \"Compressed\".")),
        tr("Free Disk"));

    // Timer
    auto* timer = new QGroupBox(tr(" Repeat scan at regular intervals "));
    auto* timerLayout = new QHBoxLayout(timer);
    CheckBoxRepeatedScan = new QCheckBox(tr("Repeat scan every"));
    SpinEditScanInterval = new QSpinBox;
    SpinEditScanInterval->setRange(1, 1440);
    SpinEditScanInterval->setAccessibleName(
        QCoreApplication::translate("TOptionsDialog", "Minutes between scans"));
    timerLayout->addWidget(CheckBoxRepeatedScan);
    timerLayout->addWidget(SpinEditScanInterval);
    timerLayout->addWidget(new QLabel(tr("minutes")));
    timerLayout->addStretch();
    connect(CheckBoxRepeatedScan, &QCheckBox::toggled, this,
            [this](bool on) { RepeatedScan = on; });
    connect(SpinEditScanInterval, &QSpinBox::valueChanged, this,
            [this](int minutes) { RepeatInterval = minutes; });
    // Each timed scan compared with the one before it: where the last interval's growth went.
    auto* timerSheet = new QWidget;
    auto* timerSheetLayout = new QVBoxLayout(timerSheet);
    timerSheetLayout->setContentsMargins(0, 0, 0, 0);
    timerSheetLayout->addWidget(timer);
    chkCompareRepeatedScans = new QCheckBox(tr("Show what changed since the previous scan"));
    timerSheetLayout->addWidget(chkCompareRepeatedScans);
    connect(chkCompareRepeatedScans, &QCheckBox::toggled, this,
            [this](bool on) { CompareRepeatedScans = on; });
    Tabs->addTab(
        Sheet(timerSheet,
              tr("Checking the timer option makes the program automatically repeat the current "
                 "scan every so often.  The interval is set above.")),
        tr("Timer"));

    // Display: the preview chart and list.
    auto* display = new QWidget;
    auto* displayLayout = new QHBoxLayout(display);
    auto* left = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    btnPieFont = new QPushButton(tr("Pie Font"));
    btnPieFont->setToolTip(tr("Choose the text font for the piechart"));
    btnRevert = new QPushButton(tr("Revert"));
    btnRevert->setToolTip(tr("Reset piechart colours to default values"));
    buttons->addWidget(btnPieFont);
    buttons->addWidget(btnRevert);
    left->addLayout(buttons);
    auto* chartRow = new QHBoxLayout;
    PieChart1 = new TPieChart;
    PieChart1->setFixedSize(153, 153);
    PieChart1->SetNumColours(8);
    PieChart1->setAccessibleName(QCoreApplication::translate("TOptionsDialog", "Chart colours"));
    chartRow->addWidget(PieChart1);
    chartRow->addWidget(
        Explanation(tr("Double-click or right-click a piechart segement to change the colour")));
    left->addLayout(chartRow);
    auto* right = new QVBoxLayout;
    btnListBoxFont = new QPushButton(tr("List Font"));
    btnListBoxFont->setToolTip(tr("Choose the font for the listbox"));
    ListBox1 = new TChartListBox;
    ListBox1->setAccessibleName(QCoreApplication::translate("TOptionsDialog", "Colour list"));
    right->addWidget(btnListBoxFont);
    right->addWidget(ListBox1);
    displayLayout->addLayout(left);
    displayLayout->addLayout(right, 1);
    PieChart1->SetListBox(ListBox1);
    PieChart1->OnDblClick = [this](TPieChart&) { PieChart1DblClick(); };
    PieChart1->OnRightClick = [this](TPieChart&) { PieChart1DblClick(); };
    connect(btnPieFont, &QPushButton::clicked, this, [this] { btnPieFontClick(); });
    connect(btnListBoxFont, &QPushButton::clicked, this, [this] { btnListBoxFontClick(); });
    connect(btnRevert, &QPushButton::clicked, this, [this] { btnRevertClick(); });
    Tabs->addTab(display, tr("Display"));

    // 450 wide at design; wider where the desktop's font needs it for every tab to show.
    const int width = std::max(450, Tabs->tabBar()->sizeHint().width() + 16);
    setFixedSize(width, 270);
    Tabs->setGeometry(4, 4, width - 8, 228);
    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setDefault(true);
    ButtonOK->setGeometry(width - 160, 240, 75, 25);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setGeometry(width - 79, 240, 75, 25);
    connect(ButtonOK, &QPushButton::clicked, this, [this] {
        ButtonOKClick();
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    // Windows lists font families that hold no font; the Qt that the Windows build ships
    // (tools/windows-qt/) shows them in its font dialog without ending the program.
    ChooseFont = [](const QFont& initial, QWidget* owner) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, owner);
        if (!ok) return std::nullopt;
        return font;
    };
    ChooseColour = [](const QColor& initial, QWidget* owner) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, owner);
        if (!colour.isValid()) return std::nullopt;
        return colour;
    };
}

void TOptionsDialog::showEvent(QShowEvent* event) {
    FormShow();
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TOptionsDialog::FormShow() {
    // Exclusive groups keep one button checked: clearing all takes switching that off.
    for (QRadioButton* button : {btnActual, btnAllocated, btnSlack}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (DisplayMode == 0) btnActual->setChecked(true);
    if (DisplayMode == 1) btnAllocated->setChecked(true);
    if (DisplayMode == 2) btnSlack->setChecked(true);
    if (DisplayUnits <= 5) RadioGroupUnits->button(DisplayUnits)->setChecked(true);

    const auto fillPair = [](std::uint8_t value, QRadioButton* onDisk, QRadioButton* nominal) {
        if (value == 0) {
            nominal->setChecked(true);
            onDisk->setEnabled(false);
            nominal->setEnabled(false);
        }
        if (value == 1) onDisk->setChecked(true);
        if (value == 2) nominal->setChecked(true);
    };
    fillPair(DisplayCompressed, btnCompressed, btnUncompressed);
    fillPair(DisplaySparse, btnSparse, btnUnsparse);

    ListBox1->setFont(ListFont);
    PieChart1->setFont(PieFont);
    PieChart1->SetColours(ChartColours);
    // A list that does not read is drawn in the default colours: the preview shows those.
    if (PieChart1->NumColours() == 0) PieChart1->SetColours(kDefaultColours);
    ChartColours = PieChart1->Colours();
    PieFontChosen = ListFontChosen = false;
    ShowPreviewSlices(PieChart1->NumColours());

    chkRightClick->setChecked(RightClickFolder);
    chkShowFreeDisk->setChecked(DisplayFreeDiskSpace);
    CheckBoxRepeatedScan->setChecked(RepeatedScan);
    chkCompareRepeatedScans->setChecked(CompareRepeatedScans);
    const int interval = RepeatInterval;
    SpinEditScanInterval->setValue(interval);  // the field shows it within 1..1440
    RepeatInterval = interval;
}

void TOptionsDialog::ButtonOKClick() {
    DisplayMode = btnAllocated->isChecked() ? 1 : btnSlack->isChecked() ? 2 : 0;
    const int units = RadioGroupUnits->checkedId();
    DisplayUnits = units >= 1 && units <= 5 ? static_cast<std::uint8_t>(units) : 0;
    if (DisplayCompressed != 0) DisplayCompressed = btnCompressed->isChecked() ? 1 : 2;
    if (DisplaySparse != 0) DisplaySparse = btnSparse->isChecked() ? 1 : 2;
    if (DisplayFreeDiskSpace) DisplayMode = 1;  // the free space only makes sense as allocated
    RepeatInterval = std::clamp(RepeatInterval, 1, 1440);
}

void TOptionsDialog::btnPieFontClick() {
    if (const auto font = ChooseFont(PieChart1->font(), this)) PieChart1->setFont(*font);
    PieFont = PieChart1->font();
    PieFontChosen = true;
    ButtonOK->setFocus();
}

void TOptionsDialog::btnListBoxFontClick() {
    if (const auto font = ChooseFont(ListBox1->font(), this)) ListBox1->setFont(*font);
    ListFont = ListBox1->font();
    ListFontChosen = true;
    ButtonOK->setFocus();
}

void TOptionsDialog::PieChart1DblClick() {
    const auto slot = static_cast<int>(reinterpret_cast<std::uintptr_t>(PieChart1->HitObject()));
    if (slot < 0 || slot >= MaxColours) return;
    const auto colour = ChooseColour(ColourFromRef(PieChart1->Colour(slot)), this);
    if (!colour) return;
    PieChart1->SetColour(slot, RefFromColour(*colour));
    ChartColours = PieChart1->Colours();
    PieChart1->update();
}

void TOptionsDialog::btnRevertClick() {
    PieChart1->SetColours(kDefaultColours);
    // The slices shown stay; a preview with fewer than the defaults gets one for each.
    if (PieChart1->Entries().size() < static_cast<std::size_t>(PieChart1->NumColours()))
        ShowPreviewSlices(PieChart1->NumColours());
    PieChart1->update();
    ChartColours = PieChart1->Colours();
}

void TOptionsDialog::ShowPreviewSlices(int count) {
    TStringListWithDouble previewItems;
    for (int i = 0; i < count && i < MaxColours; ++i) {
        previewItems.push_back(
            {std::to_string(20 - i) + "   " + tr("Colour%1").arg(i).toStdString(),
             {reinterpret_cast<const void*>(static_cast<std::uintptr_t>(i)), 0}});
    }
    PieChart1->SetEntries(std::move(previewItems));
}

}  // namespace quillet
