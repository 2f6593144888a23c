// The main window's construction, menus and layout.
#include "app/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "app/ListRow.h"
#include "app/MainLayout.h"
#include "app/TreeViews.h"
#include "chart/zebPieChart.h"
#include "details/AboutBx.h"
#include "platform/PathNames.h"
#include "settings/OptnDlg.h"

namespace quillet {
namespace {

constexpr int kSpeedPanelHeight = 34;
constexpr int kStatusBarHeight = 24;
constexpr std::array<int, 4> kStatusPanelWidths = {115, 95, 95, 50};
constexpr int kStatusPanelGap = 2;

// name: what a screen reader calls the button, which shows only its icon.
QToolButton* ToolButton(QWidget* parent, const QIcon& icon, const QString& hint,
                        const QString& name, int left) {
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    button->setGeometry(left, 4, 26, 26);
    return button;
}

}  // namespace

TMainForm::TMainForm(TMainServices services, std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), Services_(std::move(services)), Arguments_(std::move(arguments)) {
    ScanPath = AbsoluteFolderPath(".");  // the working directory, as its bytes
    SaveFileName_ = tr("Usage").toStdString();
    setWindowTitle(QStringLiteral("Quillet"));
    CreateControls();
    CreateMenus();
    CreatePopupMenu();
    // At design: at 193, 124 with a client area of 542 x 421; no smaller than 550 x 435.
    setMinimumSize(550, 435);
    move(193, 124);
    resize(542, 421 + menuBar()->sizeHint().height());
    FormInfo_ = std::make_unique<TRegistryFormInfo>(this);
    LoadSettings();
    // At every start, so a program that moved gets its path written again.
    if (Services_.FolderMenu) RegisterFolderMenu(Settings.RightClickFolder, *Services_.FolderMenu);

    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2.setInterval(333);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    TimerAferResize.setSingleShot(true);
    TimerAferResize.setInterval(200);
    connect(&TimerAferResize, &QTimer::timeout, this, [this] { TimerAferResizeTimer(); });
    connect(&TimerRepeatScan, &QTimer::timeout, this, [this] { TimerRepeatScanTimer(); });
    SetRepeatTimer();
    Timer1.start();
}

TMainForm::~TMainForm() {
    FormInfo_.reset();  // saves the placement while the window can still report it
    // The chart, list and views point into the tree: empty them before the tree goes.
    PieChart1->ClearEntries();
    AbandonViews();
}

void TMainForm::setVisible(bool visible) {
    // Before the native window exists: a position given then is the frame's, which is what
    // was stored; once it exists, Qt would take it for the inside's.
    if (visible && !Shown_) {
        Shown_ = true;
        FormInfo_->Apply();
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::CreateControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    SpeedPanel = new QWidget(client);
    SpeedPanel->setGeometry(0, 0, 542, kSpeedPanelHeight);
    OpenBtn = ToolButton(SpeedPanel, style()->standardIcon(QStyle::SP_DirOpenIcon), tr(" Open "),
                         tr("Open"), 4);
    RefreshBtn = ToolButton(SpeedPanel, style()->standardIcon(QStyle::SP_BrowserReload),
                            tr("F5 - Refresh"), tr("Refresh"), 32);
    // The style has no printer of its own: the desktop theme's, else the program's.
    PrintBtn = ToolButton(
        SpeedPanel,
        QIcon::fromTheme(QStringLiteral("document-print"), QIcon(QStringLiteral(":/printer.svg"))),
        tr(" Print "), tr("Print"), 60);
    RefreshBtn->setEnabled(false);
    PrintBtn->setEnabled(false);
    connect(OpenBtn, &QToolButton::clicked, this, [this] { FileOpen(); });
    connect(RefreshBtn, &QToolButton::clicked, this, [this] { Refresh1Click(); });
    connect(PrintBtn, &QToolButton::clicked, this, [this] { FilePrint(); });

    auto* unitsLabel = new QLabel(tr("Units:  "), SpeedPanel);
    unitsLabel->move(96, 9);
    cbxUnits = new QComboBox(SpeedPanel);
    cbxUnits->addItems({tr("bytes"), tr("kB"), tr("MB"), tr("GB"), tr("TB"), tr("Count")});
    cbxUnits->setToolTip(tr(" Show size in bytes, KB, MB, GB, TB or a count of files "));
    cbxUnits->setCurrentIndex(static_cast<int>(Settings.DisplayUnits));
    cbxUnits->setGeometry(136, 5, 72, 24);
    // Windows' screen readers read the name; AT-SPI reads a box's label by its buddy.
    cbxUnits->setAccessibleName(tr("Units"));
    unitsLabel->setBuddy(cbxUnits);
    connect(cbxUnits, &QComboBox::currentIndexChanged, this, [this] { cbxUnitsChange(); });

    auto* displayLabel = new QLabel(tr("Disk space: "), SpeedPanel);
    displayLabel->move(218, 9);
    cbxDisplay = new QComboBox(SpeedPanel);
    cbxDisplay->addItems({tr("Nominal"), tr("Allocated"), tr("Slack only")});
    cbxDisplay->setToolTip(tr(" Choose how to include the slack space "));
    cbxDisplay->setCurrentIndex(static_cast<int>(Settings.DisplayMode));
    cbxDisplay->setGeometry(290, 5, 96, 24);
    cbxDisplay->setAccessibleName(tr("Disk space"));
    displayLabel->setBuddy(cbxDisplay);
    connect(cbxDisplay, &QComboBox::currentIndexChanged, this, [this] { cbxDisplayChange(); });

    lblCompressed = new QLabel(QStringLiteral(" "), SpeedPanel);
    lblCompressed->setGeometry(392, 9, 120, 18);
    lblCompressed->hide();
    SpeedButtonStopRefresh =
        ToolButton(SpeedPanel, style()->standardIcon(QStyle::SP_MediaStop),
                   tr("Stop timer refresh"), tr("Stop timer refresh"), kStopButtonLeft);
    SpeedButtonStopRefresh->setCheckable(true);  // drawn pressed while the timer runs
    connect(SpeedButtonStopRefresh, &QToolButton::clicked, this,
            [this] { SpeedButtonStopRefreshClick(); });
    UnitsLabel_ = unitsLabel;
    DisplayLabel_ = displayLabel;
    LayOutSpeedPanel();

    PieChart1 = new TPieChart(client);
    PieChart1->move(5, 37);
    PieChart1->SetGhostColour(RefFromColour(palette().color(QPalette::Window)));
    PieChart1->OnDblClick = [this](TPieChart&) { PieChart1DblClick(); };
    PieChart1->EntryHint = [this](const TObjectAndDouble& entry, const std::string&) {
        return PieChart1Hint(entry);
    };
    PieChart1->ValueText = [this](double value) { return PieChart1ValueText(value); };
    PieChart1->OnSliceFocus = [this](TPieChart&) { PieChart1SliceFocus(); };
    PieChart1->setAccessibleName(QCoreApplication::translate("TMainForm", "Folder chart"));

    ListBox1 = new TChartListBox(client);
    ListBox1->setGeometry(326, 40, 209, 300);
    ListBox1->setAccessibleName(QCoreApplication::translate("TMainForm", "Folder entries"));
    // Every row as high as "Cy" in the window's font, whatever font the list gets later.
    ListBox1->setItemDelegate(
        new TListRowDelegate(QFontMetrics(font()).boundingRect("Cy").height(), ListBox1));
    PieChart1->SetListBox(ListBox1);
    connect(ListBox1, &QAbstractItemView::clicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QAbstractItemView::doubleClicked, this, [this] { ListBox1DblClick(); });
    // Moving the highlight with the keyboard chooses the row as a click does. The highlight
    // is the selection: a row that only has the focus frame is not chosen.
    connect(ListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && ListBox1->selectionModel()->isSelected(current))
                    ListBox1Click();
            });
    // Enter opens the highlighted row; Shift+F10 opens its menu, as the Menu key does.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(key, ListBox1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { ListBox1DblClick(); });
    }
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), ListBox1, nullptr, nullptr,
                                  Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QPoint at = ListBox1->visualRect(ListBox1->currentIndex()).center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at,
                                  ListBox1->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(ListBox1, &request);
    });

    lblMaxFileNameLength = new QLabel(client);
    lblMaxFileNameLength->setTextFormat(Qt::PlainText);
    lblMaxFileNameLength->setToolTip(tr("Maximum characters in file name"));
    lblMaxFileNameLength->move(4, 360);

    BitBtnCancel = new QPushButton(tr("Cancel"), client);
    BitBtnCancel->setToolTip(tr(" Stop the present scan "));
    BitBtnCancel->setEnabled(false);
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { btnStopClick(); });
    BitBtnUp = new QPushButton(tr("&Up"), client);
    BitBtnUp->setToolTip(tr("Previous folder"));
    BitBtnUp->setEnabled(false);
    connect(BitBtnUp, &QPushButton::clicked, this, [this] { BitBtnUpClick(); });
    BitBtnExit = new QPushButton(tr("E&xit"), client);
    // Alt+X belongs to the menu's "E&xit", which works from anywhere in the window; the
    // button's own mnemonic would make the key ambiguous, and then neither would act.
    BitBtnExit->setShortcut(QKeySequence());
    connect(BitBtnExit, &QPushButton::clicked, this, [this] { FileExit(); });
    // Esc presses the cancel button, while it can be pressed.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (BitBtnCancel->isEnabled()) BitBtnCancel->click();
    });

    statusBar()->setFixedHeight(kStatusBarHeight);
    statusBar()->setSizeGripEnabled(false);
    // The panels sit side by side at their own widths; what does not fit is cut off at the
    // window's right edge rather than squeezing the panels before it.
    StatusStrip_ = new QWidget(statusBar());
    StatusStrip_->setMinimumWidth(0);
    statusBar()->addWidget(StatusStrip_, 1);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(StatusStrip_);
        StatusPanels[i]->setTextFormat(Qt::PlainText);  // paths are shown, never read as markup
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        StatusPanelWidths_[i] = kStatusPanelWidths[i];
    }
    LayOutStatusPanels();
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    Open1 = file->addAction(tr("&Open..."), this, [this] { FileOpen(); });
    OpenScanFile1 =
        file->addAction(tr("Open scan file..."), this, [this] { OpenScanFile1Click(); });
    FileSaveMenu = file->addAction(tr("&Save"), this, [this] { FileSaveMenuClick(); });
    Print1 = file->addAction(tr("&Print"), this, [this] { FilePrint(); });
    file->addSeparator();
    Exit1 = file->addAction(tr("E&xit"), this, [this] { FileExit(); });
    Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    Refresh1 = view->addAction(tr("&Refresh"), this, [this] { Refresh1Click(); });
    Refresh1->setShortcut(QKeySequence(Qt::Key_F5));
    RefreshFromHere =
        view->addAction(tr("Refresh from &here"), this, [this] { RefreshFromHereClick(); });
    view->addSeparator();
    CompareWithScanFile1 = view->addAction(tr("&Compare with Scan File..."), this,
                                           [this] { CompareWithScanFile1Click(); });
    StopComparing1 =
        view->addAction(tr("&Stop Comparing"), this, [this] { StopComparing1Click(); });
    StopComparing1->setEnabled(false);
    view->addSeparator();
    CreateViews(view);
    view->addSeparator();
    Options1 = view->addAction(tr("&Options..."), this, [this] { Options1Click(); });
    ShowFreeSpace1 =
        view->addAction(tr("Show &Free Space"), this, [this] { ShowFreeSpace1Click(); });
    ShowFreeSpace1->setCheckable(true);
    // The options dialog changes the same setting: the tick is read from it at each opening.
    connect(view, &QMenu::aboutToShow, this,
            [this] { ShowFreeSpace1->setChecked(Settings.DisplayFreeDiskSpace); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AboutItem = help->addAction(tr("&About..."), this, [this] { About(); });
    AboutBox = new TAboutBoxZEB1(this);
    OptionsDialog = new TOptionsDialog(this);
    RunOptionsDialog = [](TOptionsDialog& dialog) { return dialog.exec(); };
}

void TMainForm::SetRepeatTimer() {
    // The timer counts afresh only when it is switched or its period changes.
    const int period = Settings.RepeatInterval * 60000;
    if (TimerRepeatScan.isActive() != Settings.RepeatedScan ||
        TimerRepeatScan.interval() != period) {
        TimerRepeatScan.setInterval(period);
        if (Settings.RepeatedScan) {
            TimerRepeatScan.start();
        } else {
            TimerRepeatScan.stop();
        }
    }
    SpeedButtonStopRefresh->setEnabled(TimerRepeatScan.isActive());
    SpeedButtonStopRefresh->setChecked(TimerRepeatScan.isActive());
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize() {
    TMainLayoutInput input;
    input.WindowWidth = frameGeometry().width();
    input.ClientHeight = height() - menuBar()->height();
    input.SpeedPanelHeight = kSpeedPanelHeight;
    input.StatusBarHeight = statusBar()->height();
    input.LabelHeight = lblMaxFileNameLength->sizeHint().height();
    input.ButtonHeight = BitBtnExit->sizeHint().height();
    input.ViewsShown = Views->AnyOpen();
    const TMainLayout layout = LayOutMainWindow(input);

    SpeedPanel->resize(width(), kSpeedPanelHeight);
    PieChart1->setGeometry(layout.ChartLeft, layout.ChartTop, layout.ChartSize, layout.ChartSize);
    ListBox1->setGeometry(layout.ListLeft, layout.ListTop, layout.ListWidth, layout.ListHeight);
    ListBox1->viewport()->update();
    Views->setGeometry(layout.ViewsLeft, layout.ViewsTop, layout.ViewsWidth, layout.ViewsHeight);
    lblMaxFileNameLength->setGeometry(4, layout.LabelTop, layout.ListLeft - 8, input.LabelHeight);
    // Cancel, Up and Exit stay at the bottom right.
    int right = width() - 8;
    for (QPushButton* button : {BitBtnExit, BitBtnUp, BitBtnCancel}) {
        const QSize size = button->sizeHint().expandedTo(QSize(75, 0));
        right -= size.width();
        button->setGeometry(right, layout.ButtonTop, size.width(), size.height());
        right -= 6;
    }
    if (!TimerAferResize.isActive()) TimerAferResize.start();
}

void TMainForm::LayOutSpeedPanel() {
    // Left to right, with their places and widths in the design's font.
    const std::array<std::pair<QWidget*, TPanelItem>, 6> controls = {{
        {UnitsLabel_, {96, 40, UnitsLabel_->sizeHint().width()}},
        {cbxUnits, {136, 72, std::max(72, cbxUnits->sizeHint().width())}},
        {DisplayLabel_, {218, 72, DisplayLabel_->sizeHint().width()}},
        {cbxDisplay, {290, 96, std::max(96, cbxDisplay->sizeHint().width())}},
        {lblCompressed,
         {392, 116, lblCompressed->isHidden() ? 0 : lblCompressed->sizeHint().width()}},
        {SpeedButtonStopRefresh, {kStopButtonLeft, 26, 26}},
    }};
    std::vector<TPanelItem> items;
    for (const auto& control : controls)
        items.push_back(control.second);
    const std::vector<int> lefts = PanelLefts(items);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i].first;
        control->move(lefts[i], control->y());
        // The texts whole, the boxes as wide as their longest choice.
        if (control == SpeedButtonStopRefresh || items[i].Width == 0) continue;
        const int height = control == cbxUnits || control == cbxDisplay
                               ? control->height()
                               : control->sizeHint().height();
        control->resize(items[i].Width, height);
    }
}

void TMainForm::LayOutStatusPanels() {
    const QFontMetrics metrics(StatusPanels[0]->font());
    const int margin = 2 * StatusPanels[0]->frameWidth() + metrics.horizontalAdvance(' ');
    const auto width = [&](const QString& text) {
        return metrics.horizontalAdvance(text) + margin;
    };
    const int ellipsis = width(QStringLiteral(" \u2026"));
    std::array<TStatusPanelSpace, 4> spaces;
    // The counts read only whole. The total reads in its shortest form, with the marks of a
    // tree that is not whole; the path, shortened in the middle, from a few characters on, and
    // better from a score.
    for (std::size_t i = 1; i <= 2; ++i) {
        const int whole = width(StatusPanels[i]->text());
        spaces[i] = {std::max(StatusPanelWidths_[i], whole), whole, whole};
    }
    const QString shortestTotal =
        StatusTotalForms_.isEmpty() ? StatusPanels[0]->text() : StatusTotalForms_.back();
    spaces[0] = {StatusPanelWidths_[0], std::min(StatusPanelWidths_[0], width(shortestTotal)),
                 std::min(StatusPanelWidths_[0], ellipsis)};
    const auto characters = [&](int count) {
        return std::min(StatusPanelWidths_[3], width(QStringLiteral(" ") + QString(count, 'x')));
    };
    spaces[3] = {StatusPanelWidths_[3], characters(20), characters(10)};
    std::array<int, 4> widths = StatusPanelWidths(spaces, StatusStrip_->width(), kStatusPanelGap);
    // The total in the first form that fits whole, else its shortest cut at the end; the
    // path shortened in the middle.
    QString total = StatusTotalForms_.isEmpty() ? StatusPanels[0]->text() : QString();
    for (const QString& form : StatusTotalForms_) {
        total = form;
        if (width(form) <= widths[0]) break;
    }
    // A shorter form leaves the rest of its room to the path.
    if (total != StatusTotalForms_.value(0) && width(total) < widths[0]) {
        spaces[0].Wanted = spaces[0].Readable = width(total);
        widths = StatusPanelWidths(spaces, StatusStrip_->width(), kStatusPanelGap);
    }
    const auto fitted = [&](const QString& text, Qt::TextElideMode mode, int room) {
        if (width(text) <= room) return text;
        // The leading blank is the panel's own margin: it stays whatever is cut.
        const QString lead = text.left(text.startsWith(' ') ? 1 : 0);
        return lead + metrics.elidedText(text.mid(lead.size()), mode,
                                         room - margin - metrics.horizontalAdvance(lead));
    };
    const std::array<std::pair<std::size_t, QString>, 2> shown = {
        std::pair{std::size_t{0}, fitted(total, Qt::ElideRight, widths[0])},
        std::pair{std::size_t{3}, fitted(StatusPath_, Qt::ElideMiddle, widths[3])}};
    for (const auto& [i, text] : shown) {
        if (StatusPanels[i]->text() != text) StatusPanels[i]->setText(text);
    }
    int x = 0;
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i]->setGeometry(x, 0, widths[i], StatusStrip_->height());
        x += widths[i] + kStatusPanelGap;
    }
}

void TMainForm::TimerAferResizeTimer() {
    TimerAferResize.stop();
    statusBar()->hide();
    statusBar()->show();
    LayOutStatusPanels();
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Not while the window is still being made: it takes the palette and font of the moment.
    if (!Views) return;
    if (event->type() == QEvent::PaletteChange) FollowPalette();
    // Once the controls have the desktop's new font too.
    if (event->type() == QEvent::FontChange)
        QMetaObject::invokeMethod(
            this, [this] { LayOutSpeedPanel(); }, Qt::QueuedConnection);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) {
        if (BitBtnUp->isEnabled()) BitBtnUpClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A scan in progress stops at its next entry; the program ends once it has unwound.
    CancelRequested = true;
    SaveSettings();
    event->accept();
}

void TMainForm::FileExit() {
    close();
}

void TMainForm::About() {
    AboutBox->exec();
}

void TMainForm::SetApplicationTitle(const QString& title) {
    ApplicationTitle = title;
    setWindowIconText(title);
}

}  // namespace quillet
