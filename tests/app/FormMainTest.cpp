#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "app/DialogPath.h"
#include "app/EntryRowsModel.h"
#include "app/FindView.h"
#include "app/FormMain.h"
#include "app/LargestFilesView.h"
#include "app/MainLayout.h"
#include "app/TreeViews.h"
#include "chart/PieGeometry.h"
#include "chart/zebPieChart.h"
#include "details/AboutBx.h"
#include "details/FilProps.h"
#include "platform/PathNames.h"
#include "platform/linux/LinuxFolderSource.h"
#include "settings/OptnDlg.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

using test::FakeFile;
using test::FakeFolder;

// A main window over a fake disk: root holds big.bin, notes.txt and sub/ (inner.dat, deeper/).
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : Source(std::make_shared<test::FakeFolderSource>(
              FakeFolder("", {FakeFile("big.bin", 900000), FakeFile("notes.txt", 5000),
                              FakeFolder("sub", {FakeFile("inner.dat", 300000),
                                                 FakeFolder("deeper", {FakeFile("x", 10)})})}))),
          Volume(std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(false))) {
        Source->OnOpen = [this](const std::string& path) {
            if (path == "/data/") ++Scans;
            if (OnOpen) OnOpen(path);
        };
    }

    TMainServices Services() {
        TMainServices services;
        services.Folders = Source;
        services.Volumes = Volume;
        services.ExcludesFolder = "/nonexistent";
        services.ChooseFolder = [this](QWidget*, const std::string&) { return Chosen; };
        services.MouseButtonDown = [this] { return ButtonHeld; };
        services.ShowError = [this](QWidget*, const QString& title, const QString& text) {
            Errors.push_back(title + ": " + text);
        };
        services.ChooseScanFile = [this](QWidget*, const QString&) { return ScanFile; };
        return services;
    }

    // Services that count the questions asked (answering yes to each) and keep every path
    // handed to be opened or shown.
    TMainServices RecordingServices() {
        TMainServices services = Services();
        services.Ask = [this](QWidget*, const QString&, const QString&, bool) {
            ++Asked;
            return true;
        };
        services.OpenFile = [this](const std::string& path, std::function<void()>) {
            Opened.push_back(path);
        };
        services.ShowInFileManager = [this](const std::string& path, std::function<void()>) {
            Opened.push_back(path);
        };
        return services;
    }

    // Opens the window on /data and waits for its first scan to be shown.
    TMainForm& Open(std::vector<std::string> arguments = {"/data"}) {
        Form = std::make_unique<TMainForm>(Services(), arguments);
        Form->show();
        QApplication::setActiveWindow(Form.get());
        EXPECT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
        return *Form;
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < Form->ListBox1->Items().Count(); ++i)
            rows.emplace_back(Form->ListBox1->Items().Row(i).Text);
        return rows;
    }

    int RowOf(std::string_view name) const {
        for (int i = 0; i < Form->ListBox1->Items().Count(); ++i) {
            if (SplitEntryText(Form->ListBox1->Items().Row(i).Text).Name == name) return i;
        }
        return -1;
    }

    void DoubleClickRow(std::string_view name) {
        const int row = RowOf(name);
        ASSERT_GE(row, 0) << name;
        const QRect rect = Form->ListBox1->visualRect(Form->ListBox1->Items().index(row));
        // As a user's hand does it: a click, then the second press that makes it double.
        QTest::mouseClick(Form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(Form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void DoubleClickSlice(std::string_view name) {
        TPieChart& chart = *Form->PieChart1;
        const auto slices = PlanSlices(chart.Entries(), chart.Total(), chart.width(),
                                       chart.height(), chart.NumColours());
        for (const PieSlice& slice : slices) {
            if (SplitEntryText(chart.Entries().Text(static_cast<std::size_t>(slice.Entry))).Name !=
                name)
                continue;
            const double middle = (slice.Start + slice.End) / 2, r = chart.width() / 4.0;
            const QPoint at(
                chart.width() / 2 + static_cast<int>(std::lround(std::cos(middle) * r)),
                chart.height() / 2 - static_cast<int>(std::lround(std::sin(middle) * r)));
            QTest::mouseDClick(&chart, Qt::LeftButton, {}, at);
            return;
        }
        FAIL() << "no slice " << name;
    }

    std::string Shown() const { return Form->ShownList ? Form->ShownList->Path() : "<none>"; }

    std::shared_ptr<test::FakeFolderSource> Source;
    std::shared_ptr<test::FakeVolumeQuery> Volume;
    std::unique_ptr<TMainForm> Form;
    std::function<void(const std::string&)> OnOpen;
    std::optional<std::string> Chosen, ScanFile;
    bool ButtonHeld = false;
    int Scans = 0;
    std::vector<QString> Errors;
    int Asked = 0;
    std::vector<std::string> Opened;
};

TEST_F(MainWindowTest, ScansTheFolderGivenAtStartAndShowsItsRoot) {
    TMainForm& form = Open();
    EXPECT_EQ(Scans, 1);
    EXPECT_EQ(form.windowTitle(), "Quillet - /data/");
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"880.0   big.bin", "300.0   /sub", "8.0   notes.txt"}));
    EXPECT_EQ(form.StatusPanels[0]->text(), "1,188.0 kB  (51,200,000.0 kB free)");
    EXPECT_EQ(form.StatusPanels[1]->text(), " Files: 4");
    EXPECT_EQ(form.StatusPanels[2]->text(), " Folders: 2");
    EXPECT_EQ(form.StatusPanels[3]->text(), " /data/");
    EXPECT_EQ(form.lblMaxFileNameLength->text(), "Max path: 19");
    EXPECT_EQ(form.lblMaxFileNameLength->toolTip(),
              "Maximum characters in file name is 19 at /data/sub/inner.dat");
    EXPECT_FALSE(form.BitBtnUp->isEnabled());
    EXPECT_EQ(form.lblCompressed->text(), " sparse ");
    EXPECT_EQ(form.ApplicationTitle, "Quillet");
}

TEST_F(MainWindowTest, WithoutArgumentsTheWorkingDirectoryIsScanned) {
    test::TempTree tree;
    tree.File("here.txt", 10);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(tree.Root()));
    Source = nullptr;
    Form = std::make_unique<TMainForm>(
        [&] {
            TMainServices services = Services();
            services.Folders = std::make_shared<LinuxFolderSource>();
            return services;
        }(),
        std::vector<std::string>{});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
    QDir::setCurrent(previous);
    EXPECT_EQ(Form->windowTitle().toStdString(), "Quillet - " + tree.Root() + "/");
    EXPECT_EQ(Rows(), std::vector<std::string>{"4.0   here.txt"});
}

TEST_F(MainWindowTest, RelativeAndEmptyArgumentsAreTakenAgainstTheWorkingDirectory) {
    test::TempTree tree;
    tree.File("inside/a.txt", 10);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(tree.Root()));
    TMainServices services = Services();
    services.Folders = std::make_shared<LinuxFolderSource>();
    for (const auto& [argument, shown] :
         {std::pair<std::string, std::string>{"inside", tree.Root() + "/inside/"},
          std::pair<std::string, std::string>{"", tree.Root() + "/"}}) {
        Form = std::make_unique<TMainForm>(services, std::vector<std::string>{argument});
        EXPECT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
        EXPECT_EQ(Form->windowTitle().toStdString(), "Quillet - " + shown);
    }
    QDir::setCurrent(previous);
}

TEST_F(MainWindowTest, DrillsDownByRowsAndSlicesAndComesBackUp) {
    TMainForm& form = Open();
    DoubleClickRow("/sub");
    EXPECT_EQ(Shown(), "/data/sub/");
    EXPECT_TRUE(form.BitBtnUp->isEnabled());
    EXPECT_EQ(form.windowTitle(), "Quillet - /data/sub/");
    DoubleClickRow("..");
    EXPECT_EQ(Shown(), "/data/");

    DoubleClickSlice("/sub");
    EXPECT_EQ(Shown(), "/data/sub/");
    QTest::mouseClick(form.BitBtnUp, Qt::LeftButton);
    EXPECT_EQ(Shown(), "/data/");

    DoubleClickRow("/sub");
    DoubleClickRow("/deeper");
    EXPECT_EQ(Shown(), "/data/sub/deeper/");
    QTest::keyClick(&form, Qt::Key_Backspace);
    EXPECT_EQ(Shown(), "/data/sub/");
    DoubleClickRow("inner.dat");
    EXPECT_EQ(Shown(), "/data/") << "opening a file of a sub-folder goes up";

    DoubleClickRow("big.bin");
    QTest::keyClick(&form, Qt::Key_Backspace);
    QTest::mouseClick(form.BitBtnUp, Qt::LeftButton);
    EXPECT_EQ(Shown(), "/data/") << "at the root nothing leads further up";
    EXPECT_EQ(Scans, 1);
}

TEST_F(MainWindowTest, AnotherFolderShowsItsLargestRowsWhereverTheLastListWasLeft) {
    std::vector<test::FakeNode> files, root;
    for (int i = 0; i < 300; ++i)
        files.push_back(FakeFile("f" + std::to_string(i), 1000 + i));
    root = files;
    root.push_back(FakeFolder("many", files));
    Source = std::make_shared<test::FakeFolderSource>(FakeFolder("", root));
    TMainForm& form = Open();
    QScrollBar& bar = *form.ListBox1->verticalScrollBar();
    auto leftAtTheEnd = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return bar.maximum() > 0; }, 5000));
        form.ListBox1->scrollToBottom();
        EXPECT_GT(bar.value(), 0);
    };

    leftAtTheEnd();
    form.ShowNode(static_cast<const TFolderData*>(form.ListBox1->Items().Object(RowOf("/many"))));
    ASSERT_EQ(Shown(), "/data/many/");
    QTest::qWait(50);
    EXPECT_EQ(bar.value(), 0) << "down";

    leftAtTheEnd();
    QTest::keyClick(&form, Qt::Key_Backspace);
    ASSERT_EQ(Shown(), "/data/");
    QTest::qWait(50);
    EXPECT_EQ(bar.value(), 0) << "up";
}

TEST_F(MainWindowTest, AClickOnARowSelectsItsName) {
    TMainForm& form = Open();
    const QRect rect = form.ListBox1->visualRect(form.ListBox1->Items().index(RowOf("notes.txt")));
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form.SelectedName, "notes.txt");
    EXPECT_EQ(form.ListBox1->toolTip(), "notes.txt");
}

TEST_F(MainWindowTest, TheHighlightIsTheChosenRowWhateverChoosesIt) {
    TMainForm& form = Open();
    const auto rowRect = [&](std::string_view name) {
        return form.ListBox1->visualRect(form.ListBox1->Items().index(RowOf(name)));
    };
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rowRect("big.bin").center());
    QTest::mousePress(form.ListBox1->viewport(), Qt::RightButton, {},
                      rowRect("notes.txt").center());
    EXPECT_EQ(form.ListBox1->currentIndex().row(), RowOf("big.bin"))
        << "a right-click leaves the highlight on the entry the menu acts on";
    EXPECT_EQ(form.SelectedName, "big.bin");
    const auto highlighted = [&] {
        const QModelIndexList rows = form.ListBox1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    };
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {},
                      QPoint(10, form.ListBox1->viewport()->height() - 5));
    EXPECT_EQ(highlighted(), RowOf("big.bin"))
        << "a click below the rows keeps the highlight on the entry the menu acts on";
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      rowRect("big.bin").center());
    EXPECT_EQ(highlighted(), RowOf("big.bin")) << "and so does a Ctrl+click on it";

    form.ListBox1->setFocus();
    QTest::keyClick(form.ListBox1, Qt::Key_End);
    EXPECT_EQ(form.SelectedName, "notes.txt");
    QTest::keyClick(form.ListBox1, Qt::Key_Home);
    QTest::keyClick(form.ListBox1, Qt::Key_Down);
    EXPECT_EQ(form.SelectedName, "/sub");
    EXPECT_EQ(form.ListBox1->contextMenuPolicy(), Qt::CustomContextMenu);
    QTest::keyClick(form.ListBox1, Qt::Key_Return);
    EXPECT_EQ(Shown(), "/data/sub/") << "Enter opens the row as a double-click does";

    QTest::keyClick(form.ListBox1, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible()) << "Alt+X closes the window from anywhere in it";
}

TEST_F(MainWindowTest, UnitsAndModeRedrawWithoutARescan) {
    TMainForm& form = Open();
    form.cbxUnits->setCurrentIndex(2);
    EXPECT_EQ(Rows()[0], "0.86   big.bin");
    EXPECT_EQ(form.StatusPanels[0]->text(), "1.16 MB  (50,000.00 MB free)");
    form.cbxUnits->setCurrentIndex(0);
    EXPECT_EQ(form.StatusPanels[0]->text(), "1,216,512 bytes") << "no free space in bytes";
    form.cbxDisplay->setCurrentIndex(2);
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"7190   /sub", "3192   notes.txt", "1120   big.bin"}));
    form.cbxUnits->setCurrentIndex(5);
    EXPECT_EQ(Rows()[0], "2   /sub");
    EXPECT_EQ(Scans, 1);
}

TEST_F(MainWindowTest, AMountPointShowsItsFreeSpaceAsAGhostSliceAndANegativeRow) {
    Volume->LocationAnswer->PathIsMountPoint = true;
    TMainForm& form = Open();
    EXPECT_EQ(Rows()[0], "-51200000.0   (/media/usb free space)");
    ASSERT_FALSE(form.PieChart1->Entries().empty());
    EXPECT_EQ(form.PieChart1->Entries().Text(0).front(), '-');
    EXPECT_EQ(form.StatusPanels[1]->text(), " Files: 4") << "the free space is not a file";
}

TEST_F(MainWindowTest, F5DuringAScanIsDroppedAndEscStopsIt) {
    TMainForm& form = Open();
    OnOpen = [&](const std::string& path) {
        if (path == "/data/sub/") {
            QTest::keyClick(&form, Qt::Key_F5);
            QTest::keyClick(&form, Qt::Key_F5);
            QTest::keyClick(&form, Qt::Key_Escape);
        }
    };
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(Scans, 2) << "one scan for three presses";
    EXPECT_EQ(form.ApplicationTitle, "Quillet");
    EXPECT_FALSE(form.Scanning);
    EXPECT_EQ(form.RootList.FileCount, 3)
        << "the root's files, then sub's first entry; then it stopped";
    EXPECT_EQ(Shown(), "/data/");
    EXPECT_FALSE(form.BitBtnCancel->isEnabled());
}

TEST_F(MainWindowTest, ChangesDuringAScanNeverTouchTheFreedTree) {
    TMainForm& form = Open();
    DoubleClickRow("/sub");
    OnOpen = [&](const std::string& path) {
        if (path != "/data/sub/") return;
        form.cbxUnits->setCurrentIndex(2);
        form.RefreshFromHereClick();
        // The list is empty now: where its first row was, there is nothing to open.
        QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QTest::mouseDClick(form.ListBox1->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QTest::mouseDClick(form.PieChart1, Qt::LeftButton, {}, form.PieChart1->rect().center());
        QTest::keyClick(&form, Qt::Key_Backspace);
    };
    form.Refresh1Click();
    EXPECT_EQ(Scans, 2);
    EXPECT_EQ(Shown(), "/data/");
    EXPECT_EQ(Rows()[0], "0.86   big.bin") << "the new root in the unit chosen meanwhile";
}

TEST_F(MainWindowTest, ClosingTheWindowDuringAScanStopsIt) {
    TMainForm& form = Open();
    OnOpen = [&](const std::string& path) {
        if (path == "/data/sub/") form.close();
    };
    form.Refresh1Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Scanning);
    EXPECT_EQ(form.RootList.FileCount, 3) << "it stopped after sub's first entry";
}

TEST_F(MainWindowTest, TheRepeatTimerSkipsATickWhileAButtonIsHeld) {
    TMainForm& form = Open();
    ButtonHeld = true;
    form.TimerRepeatScanTimer();
    EXPECT_EQ(Scans, 1);
    ButtonHeld = false;
    form.TimerRepeatScanTimer();
    EXPECT_EQ(Scans, 2);
}

TEST_F(MainWindowTest, ATimedScanThatFailsAgainWhileItsBoxWaitsShowsNoSecondBox) {
    TMainServices services = Services();
    services.ShowError = [this](QWidget*, const QString& title, const QString& text) {
        Errors.push_back(title + ": " + text);
        // The box's own event loop runs the repeat timer while it waits for OK.
        if (Errors.size() < 3) Form->TimerRepeatScanTimer();
    };
    Form = std::make_unique<TMainForm>(services, std::vector<std::string>{"/data"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
    OnOpen = [](const std::string& path) {
        if (path == "/data/") throw std::runtime_error("the folder is gone");
    };
    Form->TimerRepeatScanTimer();
    ASSERT_EQ(Errors.size(), 1u) << "no second box over the first";
    EXPECT_EQ(Errors[0], "Quillet: the folder is gone");
    EXPECT_EQ(Scans, 3) << "the timer went on scanning";
    Form->TimerRepeatScanTimer();
    EXPECT_EQ(Errors.size(), 2u) << "once that box is closed, the next failure is said again";
}

TEST_F(MainWindowTest, OpenScansTheChosenFolderAndCancelChangesNothing) {
    TMainForm& form = Open();
    form.FileOpen();
    EXPECT_EQ(Scans, 1);
    Chosen = "/data";
    QTest::mouseClick(form.OpenBtn, Qt::LeftButton);
    EXPECT_EQ(Scans, 2);
}

TEST_F(MainWindowTest, AnErrorEndsTheScanWithABoxAndTheWindowGoesBackToIdle) {
    TMainForm& form = Open();
    OnOpen = [](const std::string& path) {
        if (path == "/data/sub/") throw std::runtime_error("the disk went away");
    };
    form.Refresh1Click();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Quillet: the disk went away");
    EXPECT_FALSE(form.Scanning);
    EXPECT_EQ(form.StatusPanels[0]->text(), "") << "no \"Scanning...\" left behind";
    EXPECT_EQ(form.StatusPanels[3]->text(), "");
    EXPECT_TRUE(form.RefreshBtn->isEnabled());
    OnOpen = nullptr;
    form.Refresh1Click();
    EXPECT_EQ(Shown(), "/data/");
}

TEST_F(MainWindowTest, AFolderThatCannotBeScannedSaysWhyAndLeavesTheViewEmpty) {
    test::TempTree tree;
    tree.File("gone/a.txt", 10);
    const std::string file = tree.File("plain.txt", 10);
    TMainServices services = Services();
    services.Folders = std::make_shared<LinuxFolderSource>();
    services.ScanRootProblem = FolderAccessError;
    Form = std::make_unique<TMainForm>(services, std::vector<std::string>{tree.Path("gone")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
    std::filesystem::remove_all(tree.Path("gone"));
    Form->Refresh1Click();
    Form->ScanPath = file;
    Form->Refresh1Click();
    ASSERT_EQ(Errors.size(), 2u);
    EXPECT_EQ(Errors[0].toStdString(),
              "Quillet: Cannot scan \"" + tree.Path("gone/") + "\": No such file or directory");
    EXPECT_EQ(Errors[1].toStdString(), "Quillet: Cannot scan \"" + file + "/\": Not a directory");
    EXPECT_FALSE(Form->Scanning);
    EXPECT_TRUE(Form->RefreshBtn->isEnabled());
    EXPECT_EQ(Form->ShownList, nullptr);
    EXPECT_EQ(Form->ListBox1->Items().Count(), 0);
    EXPECT_EQ(Form->windowTitle(), "Quillet");
    for (QLabel* panel : Form->StatusPanels)
        EXPECT_EQ(panel->text(), "");
}

// Folders that could not be read leave totals that look whole: the status bar says they are
// not, and its tooltip names the folders and why.
TEST_F(MainWindowTest, FoldersNotReadMarkTheScanIncomplete) {
    test::FakeNode locked = FakeFolder("locked", {FakeFile("secret", 7)});
    locked.Unreadable = true;
    test::FakeNode cut = FakeFolder("cut", {FakeFile("a", 1), FakeFile("b", 2)});
    cut.FailAfter = 1;
    Source = std::make_shared<test::FakeFolderSource>(
        FakeFolder("", {locked, cut, FakeFile("f", 3000)}));
    TMainForm& form = Open();
    EXPECT_TRUE(form.StatusPanels[0]->text().endsWith("(incomplete scan)"));
    const QString hint = form.StatusPanels[0]->toolTip();
    EXPECT_TRUE(hint.contains("Folders not read in full: 2")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("/data/locked/: Permission denied")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("/data/cut/ (in part): Input/output error")) << hint.toStdString();
}

// Every action a user may take on the selected entry and on the tree shown.
void TryEveryAction(TMainForm& form) {
    form.PopupDeleteClick();
    form.PopupTrashClick();
    form.PopupOpenClick();
    form.PopupExploreClick();
    form.Refresh1Click();
    form.RefreshFromHereClick();
    form.TimerRepeatScanTimer();
}

TEST_F(MainWindowTest, AScanFileIsShownReadOnlyAndABadOneShowsNothing) {
    test::TempTree tree;
    const std::string file = tree.File("far away.json", 0);
    std::ofstream(file) << "[1,2,{},\n[{\"name\":\"/srv\"},{\"name\":\"log\",\"asize\":5000,"
                           "\"dsize\":8192},\n[{\"name\":\"www\"},{\"name\":\"i.html\","
                           "\"asize\":100,\"dsize\":4096}]]]\n";
    TMainServices services = RecordingServices();
    services.ChooseScanFile = [&tree](QWidget*, const QString&) { return tree.Path("bad.json"); };
    Form = std::make_unique<TMainForm>(services, std::vector<std::string>{"--import", file});
    TMainForm& form = *Form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
    EXPECT_EQ(form.windowTitle().toStdString(), "Quillet - /srv/ (scan file " + file + ")");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"8.0   log", "4.0   /www"}));
    EXPECT_EQ(Scans, 0) << "the disk is never read";
    // What cannot act on an import is not offered.
    EXPECT_FALSE(form.Refresh1->isEnabled());
    EXPECT_FALSE(form.RefreshBtn->isEnabled());
    EXPECT_FALSE(form.RefreshFromHere->isEnabled());

    const QRect rect = form.ListBox1->visualRect(form.ListBox1->Items().index(RowOf("log")));
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    form.PopupMenu1Popup();
    EXPECT_FALSE(form.PopupDelete->isEnabled());
    EXPECT_FALSE(form.PopupExplore->isEnabled());
    EXPECT_FALSE(form.PopupOpen->isEnabled());
    TryEveryAction(form);
    EXPECT_EQ(Asked, 0);
    EXPECT_TRUE(Opened.empty());
    EXPECT_EQ(Scans, 0);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"8.0   log", "4.0   /www"}));
    DoubleClickRow("/www");
    EXPECT_EQ(Shown(), "/srv/www/");

    std::ofstream(tree.Path("bad.json")) << "[1,2,{},[{\"name\":\"/srv\"},{\"name\":\"x\"";
    form.OpenScanFile1Click();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].toStdString(), "Quillet: The scan file " + tree.Path("bad.json") +
                                           " cannot be read at byte 36: the file ends too early");
    EXPECT_EQ(form.ShownList, nullptr);
    EXPECT_EQ(form.ListBox1->Items().Count(), 0);

    // After a failed import F5 reads that file again.
    EXPECT_TRUE(form.Refresh1->isEnabled());
    EXPECT_TRUE(form.RefreshBtn->isEnabled());
    std::ofstream(tree.Path("bad.json")) << "[1,2,{},[{\"name\":\"/srv\"},{\"name\":\"x\","
                                            "\"asize\":1,\"dsize\":4096}]]\n";
    QTest::keyClick(&form, Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ShownList != nullptr; }, 5000));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"4.0   x"}));
    EXPECT_EQ(Scans, 0);
    EXPECT_FALSE(form.Refresh1->isEnabled());
}

// The rows of a view of entries once it is computed: size, three blanks, path.
std::vector<std::string> EntryRows(const TSubtreeView& view, const TEntryRowsModel& rows) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.Computing(); }, 20000));
    std::vector<std::string> texts;
    for (int row = 0; row < rows.Count(); ++row) {
        texts.push_back((rows.index(row, TEntryRowsModel::kSizeColumn).data().toString() +
                         QStringLiteral("   ") +
                         rows.index(row, TEntryRowsModel::kPathColumn).data().toString())
                            .toStdString());
    }
    return texts;
}

// The views work on an import as on a disk's tree, and their rows' menu touches nothing on
// this disk; a new tree drops a view's walk of the old one before that goes.
TEST_F(MainWindowTest, ViewsOfAnImportAreReadOnlyAndANewTreeDropsTheirWork) {
    test::TempTree tree;
    const std::string file = tree.File("far.json", 0);
    {
        std::ofstream out(file);
        out << "[1,2,{},[{\"name\":\"/srv\"},[{\"name\":\"www\"}";
        for (int i = 0; i < 50000; ++i)
            out << ",{\"name\":\"p" << i << ".png\",\"asize\":" << i << ",\"dsize\":4096}";
        out << "],{\"name\":\"Logo.PNG\",\"asize\":99999,\"dsize\":102400}]]\n";
    }
    TMainServices services = RecordingServices();
    services.ChooseScanFile = [&file](QWidget*, const QString&) { return file; };
    Form = std::make_unique<TMainForm>(services, std::vector<std::string>{"--import", file});
    TMainForm& form = *Form;
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ShownList != nullptr; }, 20000));

    form.Find1Click();
    TFindView& find = *form.Views->Find();
    QTest::keyClicks(find.Pattern(), "logo");
    QTest::keyClick(find.Pattern(), Qt::Key_Return);
    EXPECT_EQ(EntryRows(find, find.Rows()), std::vector<std::string>{"100.0   Logo.PNG"});
    EXPECT_TRUE(find.Status().startsWith("1 entry matches logo below /srv/"))
        << find.Status().toStdString();
    const QString longest(100000, 'x');
    find.Pattern()->setText(longest);
    find.FindNow();
    EXPECT_TRUE(EntryRows(find, find.Rows()).empty());
    EXPECT_EQ(find.Pattern()->text(), longest) << "a long pattern is searched for whole";
    EXPECT_TRUE(find.Status().startsWith("No name below /srv/ matches xxx"));
    find.Pattern()->setText(QStringLiteral("logo"));
    find.FindNow();
    ASSERT_EQ(EntryRows(find, find.Rows()).size(), 1u);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        shown = true;
        for (QAction* action : menu->actions())
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        form.PopupDeleteClick();
        form.PopupTrashClick();
        form.PopupOpenClick();
        form.PopupExploreClick();
        form.PopupCopyPathClick();
        menu->hide();
    });
    form.ViewRowMenu(find.Rows().Node(0), QPoint(20, 20));
    EXPECT_TRUE(shown);
    EXPECT_EQ(Asked, 0);
    EXPECT_TRUE(Opened.empty());

    form.LargestFiles1->trigger();
    TLargestFilesView& largest = *form.Views->LargestFiles();
    EXPECT_TRUE(largest.Computing());
    QCoreApplication::processEvents();  // a slice of the walk, or all of it
    form.OpenScanFile1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ShownList != nullptr; }, 20000));
    const std::vector<std::string> rows = EntryRows(largest, largest.Rows());
    ASSERT_EQ(rows.size(), 1000u);
    EXPECT_EQ(rows[0], "100.0   Logo.PNG");
    EXPECT_EQ(rows[1], "4.0   www/p0.png") << "files of one size by path";
    EXPECT_EQ(rows[2], "4.0   www/p1.png");
    EXPECT_EQ(rows[3], "4.0   www/p10.png");
}

TEST_F(MainWindowTest, AnImportStaysReadOnlyWhateverIsAskedWhileItRuns) {
    // An export of a folder that is on this disk too: its paths name real files.
    test::TempTree tree;
    const std::string precious = tree.File("local/precious.txt", 10);
    const std::string file = tree.File("big.json", 0);
    {
        std::ofstream out(file);
        out << "[1,2,{},[{\"name\":\"" << tree.Path("local")
            << "\"},{\"name\":\"precious.txt\",\"asize\":10,\"dsize\":4096}";
        for (int i = 0; i < 50; ++i)
            out << ",[{\"name\":\"d" << i << "\"}]";
        out << "]]\n";
    }
    TMainServices services = RecordingServices();
    services.ChooseScanFile = [&tree](QWidget*, const QString&) { return tree.Path("other.json"); };
    Chosen = "/data";
    Form = std::make_unique<TMainForm>(services, std::vector<std::string>{"--import", file});
    TMainForm& form = *Form;
    form.RunOptionsDialog = [](TOptionsDialog& dialog) {
        dialog.DisplayFreeDiskSpace = !dialog.DisplayFreeDiskSpace;
        return static_cast<int>(QDialog::Accepted);
    };
    form.show();
    QApplication::setActiveWindow(&form);

    // Every scan command, given while the import lets other handlers run.
    bool given = false;
    QTimer during;
    during.setInterval(0);
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (given || !form.Scanning) return;
        given = true;
        form.FileOpen();
        QTest::mouseClick(form.OpenBtn, Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_F5);
        form.OpenScanFile1Click();
        form.TimerRepeatScanTimer();
        form.RefreshFromHereClick();
        form.Options1Click();
        form.ShowFreeSpace1Click();
    });
    during.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ShownList != nullptr; }, 5000));
    during.stop();
    ASSERT_TRUE(given) << "the commands came while the import ran";
    EXPECT_EQ(form.windowTitle().toStdString(),
              "Quillet - " + tree.Path("local/") + " (scan file " + file + ")");

    const QRect rect =
        form.ListBox1->visualRect(form.ListBox1->Items().index(RowOf("precious.txt")));
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(form.SelectedName, "precious.txt");
    form.PopupMenu1Popup();
    EXPECT_FALSE(form.PopupDelete->isEnabled());
    EXPECT_FALSE(form.PopupTrash->isEnabled());
    TryEveryAction(form);
    EXPECT_EQ(Asked, 0);
    EXPECT_TRUE(Opened.empty());
    EXPECT_EQ(test::FileContent(precious).size(), 10u) << "the local file is untouched";
    EXPECT_EQ(Scans, 0) << "no disk scan was mixed in";
    EXPECT_EQ(form.StatusPanels[2]->text(), " Folders: 50");
}

TEST_F(MainWindowTest, PathsReachTheWindowAsTheirBytes) {
    // "dir\xFF" is not UTF-8: as text it reads "dir\uFFFD", which is its sibling's real name.
    test::TempTree tree;
    const std::string mine = tree.Folder("dir\xFF");
    tree.File("dir\xFF/mine.txt", 10);
    tree.File("dir\xEF\xBF\xBD/other.txt", 10);
    for (const auto& [folder, root] : {std::pair<std::string, std::string>{mine, "/mine"},
                                       {tree.Path("dir\xEF\xBF\xBD"), "/other"}}) {
        std::ofstream(folder + "/scan.json") << "[1,2,{},[{\"name\":\"" << root << "\"}]]\n";
    }
    TMainServices services = Services();
    services.Folders = std::make_shared<LinuxFolderSource>();
    services.ScanRootProblem = FolderAccessError;
    const auto shownOn = [&](std::vector<std::string> arguments) {
        Form = std::make_unique<TMainForm>(services, std::move(arguments));
        EXPECT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
        return Form->windowTitle().toStdString();
    };

    EXPECT_EQ(shownOn({mine}), "Quillet - " + tree.Root() + "/dir\\xFF/") << "as the argument";
    EXPECT_EQ(Rows(), (std::vector<std::string>{"4.0   mine.txt", "4.0   scan.json"}));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(mine);
    EXPECT_EQ(shownOn({}), "Quillet - " + tree.Root() + "/dir\\xFF/") << "as the working folder";
    std::filesystem::current_path(previous);
    EXPECT_EQ(shownOn({"--import", mine + "/scan.json"}),
              "Quillet - /mine/ (scan file " + tree.Root() + "/dir\\xFF/scan.json)");
    EXPECT_TRUE(Errors.empty());

    // A dialog's answer, in which both folders read "dir\uFFFD".
    const QString dir = QString::fromStdString(tree.Root()) + "/dir" + QChar::ReplacementCharacter;
    TDialogPath found = FindDialogPath(dir + "/mine.txt", false);
    EXPECT_EQ(found.Problem, TDialogPath::None);
    EXPECT_EQ(found.Path, mine + "/mine.txt") << "the only file of that name";
    found = FindDialogPath(dir + "/other.txt", true);
    EXPECT_EQ(found.Path, tree.Path("dir\xEF\xBF\xBD/other.txt"));
    EXPECT_EQ(FindDialogPath(dir, false).Problem, TDialogPath::Ambiguous);
    EXPECT_EQ(FindDialogPath(dir + "/scan.json", false).Problem, TDialogPath::Ambiguous);
    EXPECT_EQ(FindDialogPath(dir + "/new.txt", true).Problem, TDialogPath::Ambiguous)
        << "a new file, but in which folder?";
    EXPECT_EQ(FindDialogPath(dir + "/none.txt", false).Problem, TDialogPath::Missing);
    const std::string solo = tree.Folder("solo\xFE");
    EXPECT_EQ(FindDialogPath(QString::fromStdString(tree.Root()) + "/solo" +
                                 QChar::ReplacementCharacter + "/fresh.txt",
                             true)
                  .Path,
              solo + "/fresh.txt");
    EXPECT_EQ(DialogPathProblem(dir, TDialogPath::Ambiguous, false).toStdString(),
              "Cannot open \"" + tree.Root() +
                  "/dir\xEF\xBF\xBD\": more than one file has this name when shown as text");
}

TEST_F(MainWindowTest, KeepsTheChartSquareAndTheListBesideIt) {
    TMainForm& form = Open();
    // An outer width of 800 (the frame included) and 560 below the menu bar.
    const int frame = form.frameGeometry().width() - form.width();
    form.resize(800 - frame, 560 + form.menuBar()->height());
    ASSERT_EQ(form.frameGeometry().width(), 800);
    EXPECT_EQ(form.PieChart1->geometry(), QRect(5, 37, 490, 490));
    EXPECT_EQ(form.ListBox1->x(), 503);
    EXPECT_EQ(form.ListBox1->width(), 281);
}

TEST(MainLayout, TheWorkedExample) {
    TMainLayoutInput input;
    input.WindowWidth = 800;
    input.ClientHeight = 560;
    const TMainLayout layout = LayOutMainWindow(input);
    EXPECT_EQ(layout.ChartSize, 490);
    EXPECT_EQ(layout.ListLeft, 503);
    EXPECT_EQ(layout.ListWidth, 281);
    input.WindowWidth = 600;  // narrow: the width rule wins
    EXPECT_EQ(LayOutMainWindow(input).ChartSize, 365);
}

// A desktop with a larger font, or a language with longer words: the tool panel's labels
// and boxes move on rather than overlap, and each box shows its longest choice whole.
TEST_F(MainWindowTest, TheToolPanelNeverOverlapsWhateverTheFont) {
    TMainForm& form = Open();
    QFont large = form.font();
    for (const int size : {0, 16, 22}) {
        if (size > 0) {
            large.setPointSize(size);
            form.setFont(large);
            QCoreApplication::processEvents();
        }
        std::vector<QWidget*> controls;
        for (QObject* child : form.SpeedPanel->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isHidden()) controls.push_back(control);
        }
        std::sort(controls.begin(), controls.end(),
                  [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        for (std::size_t i = 1; i < controls.size(); ++i) {
            EXPECT_GE(controls[i]->x(), controls[i - 1]->x() + controls[i - 1]->sizeHint().width())
                << "at " << size << " points, " << controls[i - 1]->metaObject()->className()
                << " runs under " << controls[i]->metaObject()->className();
        }
        for (QComboBox* box : {form.cbxUnits, form.cbxDisplay})
            EXPECT_GE(box->width(), box->sizeHint().width()) << size;
    }
}

TEST(MainLayout, StatusPanelsStayInsideTheBar) {
    // Room for all: the path panel takes what is left, at most what it asks.
    std::array<TStatusPanelSpace, 4> panels{
        {{120, 110, 20}, {75, 66, 66}, {90, 80, 80}, {200, 140, 70}}};
    EXPECT_EQ(StatusPanelWidths(panels, 546, 2), (std::array<int, 4>{120, 75, 90, 200}));
    // Short of room: margins go first, then what is more than readable.
    EXPECT_EQ(StatusPanelWidths(panels, 400, 2), (std::array<int, 4>{110, 66, 80, 138}));
    // A total with a comparison and "(partial scan)": it keeps what it can of its shortest
    // form, the path keeps its least.
    panels[0] = {520, 300, 20};
    panels[2] = {122, 109, 109};
    EXPECT_EQ(StatusPanelWidths(panels, 546, 2), (std::array<int, 4>{295, 66, 109, 70}));
    EXPECT_EQ(StatusPanelWidths(panels, 300, 2), (std::array<int, 4>{49, 66, 109, 70}));
    // Narrower than the least: the panels are cut at the bar's edge, none past it.
    EXPECT_EQ(StatusPanelWidths(panels, 200, 2), (std::array<int, 4>{20, 66, 109, 0}));
}

// At the window's first size the panels stay inside it with the longest texts: a comparison
// and "(partial scan)" after the total and the free space, counts of millions, a deep path.
// Each shows a readable part: the total with its marks, the counts whole, a part of the path.
TEST_F(MainWindowTest, EveryStatusPanelKeepsAReadablePartAtTheFirstSize) {
    TMainForm& form = Open();
    test::TempTree exports;
    std::ofstream(exports.Path("before.json"))
        << R"([1,2,{"progname":"ncdu","progver":"1.18","timestamp":1765243479},)"
        << R"([{"name":"/data"},{"name":"big.bin","asize":5,"dsize":4096}]])";
    ScanFile = exports.Path("before.json");
    OnOpen = [&](const std::string& path) {
        if (path == "/data/sub/") QTest::keyClick(&form, Qt::Key_Escape);
    };
    form.Refresh1Click();
    form.CompareWithScanFile1Click();
    ASSERT_TRUE(Errors.empty()) << Errors.front().toStdString();

    TFolderList big("/data/" + std::string(20, 'x') + "/" + std::string(30, 'y') + "/");
    big.TotalAllocated = big.TotalNominal = 10995116277760.0;  // 10 TB
    big.FileCount = 12345678;
    big.FolderCount = 1234567;
    form.FreeSpace = 2199023255552.0;
    form.ShowFolder(&big);
    form.TimerAferResizeTimer();
    const QString whole = form.StatusPanels[0]->toolTip();
    EXPECT_TRUE(whole.contains("free)") && whole.contains(" since ") &&
                whole.contains("(partial scan)"))
        << whole.toStdString();

    const QWidget& strip = *form.StatusPanels[0]->parentWidget();
    for (const QLabel* panel : form.StatusPanels) {
        EXPECT_LE(panel->geometry().right(), strip.width() - 1) << panel->text().toStdString();
        EXPECT_GT(panel->width(), 0);
    }
    const auto fits = [](const QLabel* panel) {
        return QFontMetrics(panel->font()).horizontalAdvance(panel->text()) <= panel->width();
    };
    const QString total = form.StatusPanels[0]->text();
    EXPECT_TRUE(total.startsWith("10,737,418,240.0 kB") && total.contains("(partial scan)") &&
                fits(form.StatusPanels[0]))
        << total.toStdString();
    EXPECT_EQ(form.StatusPanels[1]->text(), " Files: 12,345,678");
    EXPECT_EQ(form.StatusPanels[2]->text(), " Folders: 1,234,567");
    EXPECT_TRUE(fits(form.StatusPanels[1]) && fits(form.StatusPanels[2]));
    const QString path = form.StatusPanels[3]->text();
    EXPECT_TRUE(path.startsWith(" /data") && path.contains(QChar(0x2026)) && path.endsWith("yy/") &&
                fits(form.StatusPanels[3]))
        << path.toStdString();
    form.ShowFolder(&form.RootList);
}

// Every slice as assistive technology reads it, one "name: size and share" line each.
std::string SliceListing(QAccessibleInterface& chart) {
    std::string listing;
    for (int i = 0; i < chart.childCount(); ++i) {
        QAccessibleInterface* slice = chart.child(i);
        listing += slice->text(QAccessible::Name).toStdString() + ": " +
                   slice->text(QAccessible::Value).toStdString() + "\n";
    }
    return listing;
}

TEST_F(MainWindowTest, TheChartReadsAsAListOfSlicesThatTheKeysMoveThrough) {
    // A small volume, so that its free space gets a slice beside the files'.
    Volume->LocationAnswer->PathIsMountPoint = true;
    Volume->SpaceAnswer->FreeBytes = 600000;
    TMainForm& form = Open();
    // A chart of an even size, whose rim's rightmost point lies one past its last pixel.
    const int frame = form.frameGeometry().width() - form.width();
    form.resize(800 - frame, 560 + form.menuBar()->height());
    ASSERT_EQ(form.PieChart1->width(), 490);
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(form.PieChart1);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->role(), QAccessible::List);
    EXPECT_EQ(chart->text(QAccessible::Name), "Folder chart");
    EXPECT_EQ(SliceListing(*chart),
              "big.bin: 880.0 kB, 49.6 %\n"
              "(/media/usb free space): 585.9 kB, 33.0 %\n"
              "/sub: 300.0 kB, 16.9 %\n"
              "notes.txt: 8.0 kB, 0.5 %\n");
    const QRect whole(form.PieChart1->mapToGlobal(QPoint(0, 0)), form.PieChart1->size());
    // Halfway out on a slice's middle ray, in the chart.
    const auto middleOf = [&](int i) {
        const PieSlice shape = form.PieChart1->Slices()[static_cast<std::size_t>(i)];
        const PiePoint middle = PointAt(whole.width() / 2, whole.height() / 2,
                                        (shape.Start + shape.End) / 2, whole.width() / 4.0);
        return QPoint(middle.X, middle.Y);
    };
    for (int i = 0; i < chart->childCount(); ++i) {
        QAccessibleInterface* slice = chart->child(i);
        EXPECT_EQ(chart->indexOfChild(slice), i);
        EXPECT_EQ(slice->role(), QAccessible::ListItem);
        EXPECT_EQ(slice->text(QAccessible::Description), slice->text(QAccessible::Value));
        EXPECT_TRUE(whole.contains(slice->rect())) << i;
        const QPoint at = whole.topLeft() + middleOf(i);
        EXPECT_TRUE(slice->rect().contains(at)) << i;
        EXPECT_EQ(chart->childAt(at.x(), at.y()), slice) << i;
    }

    const auto focusedName = [&] {
        QAccessibleInterface* focused = chart->focusChild();
        return focused && focused->state().focused ? focused->text(QAccessible::Name).toStdString()
                                                   : std::string("<none>");
    };
    const auto highlighted = [&] {
        const QModelIndexList rows = form.ListBox1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    };
    form.cbxDisplay->setFocus();
    QTest::keyClick(form.cbxDisplay, Qt::Key_Tab);
    ASSERT_TRUE(form.PieChart1->hasFocus()) << "Tab reaches the chart";
    EXPECT_EQ(focusedName(), "big.bin");
    EXPECT_EQ(form.SelectedName, "big.bin") << "the list follows the chart's focus";
    QTest::keyClick(form.PieChart1, Qt::Key_Right);
    QTest::keyClick(form.PieChart1, Qt::Key_Right);
    EXPECT_EQ(focusedName(), "/sub");
    EXPECT_EQ(highlighted(), RowOf("/sub"));
    EXPECT_EQ(form.SelectedName, "/sub");
    EXPECT_TRUE(chart->child(2)->state().selected);
    EXPECT_FALSE(chart->child(0)->state().selected);
    QTest::keyClick(form.PieChart1, Qt::Key_Up);
    EXPECT_EQ(focusedName(), "(/media/usb free space)") << "the free space is a slice too";
    QTest::keyClick(form.PieChart1, Qt::Key_End);
    QTest::keyClick(form.PieChart1, Qt::Key_Down);
    EXPECT_EQ(focusedName(), "notes.txt") << "the last slice is as far as the keys go";

    QTest::keyClick(form.PieChart1, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(form.PopupMenu1->isVisible()) << "Shift+F10 opens the slice's menu";
    EXPECT_EQ(form.PopupExplore->text(), "Properties");
    form.PopupMenu1->hide();
    QTest::keyClick(form.PieChart1, Qt::Key_Home);
    QTest::keyClick(form.PieChart1, Qt::Key_Menu);
    EXPECT_TRUE(form.PopupMenu1->isVisible()) << "and so does the Menu key";
    EXPECT_EQ(form.SelectedName, "big.bin");
    form.PopupMenu1->hide();
    QTest::mouseClick(form.PieChart1, Qt::RightButton, {}, middleOf(2));
    ASSERT_TRUE(form.PopupMenu1->isVisible());
    form.PopupMenu1->hide();
    EXPECT_EQ(form.SelectedName, "/sub")
        << "the focus coming back from the menu leaves it on the slice right-clicked";

    QTest::keyClick(form.PieChart1, Qt::Key_End);
    QTest::keyClick(form.PieChart1, Qt::Key_Left);
    QTest::keyClick(form.PieChart1, Qt::Key_Return);
    EXPECT_EQ(Shown(), "/data/sub/") << "Enter opens the slice as a double-click does";
    EXPECT_EQ(SliceListing(*chart), "inner.dat: 296.0 kB, 98.7 %\n/deeper: 4.0 kB, 1.3 %\n");
    EXPECT_EQ(focusedName(), "inner.dat") << "the focus stays in the chart, on its first slice";
    EXPECT_EQ(form.SelectedName, "inner.dat");
}

TEST_F(MainWindowTest, EveryControlHasANameForScreenReaders) {
    TMainForm& form = Open();
    form.LargestFiles1->trigger();
    form.FileTypes1->trigger();
    form.Find1->trigger();
    std::vector<std::string> unnamed;
    const std::vector<QWidget*> windows = {&form, form.OptionsDialog, form.PropertiesDialog,
                                           form.AboutBox};
    for (QWidget* top : windows) {
        for (QWidget* control : top->findChildren<QWidget*>()) {
            // Containers (the tab widgets, a spin box's inner field) are named by what they hold.
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            if (control->focusPolicy() == Qt::NoFocus || !read ||
                read->role() == QAccessible::Client)
                continue;
            if (read->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.push_back(std::string(control->metaObject()->className()) + " in " +
                                  top->metaObject()->className());
        }
    }
    EXPECT_EQ(unnamed, std::vector<std::string>{});
}

}  // namespace
}  // namespace quillet
