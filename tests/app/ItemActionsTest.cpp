#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPicture>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "app/EntryRowsModel.h"
#include "app/ErrorBox.h"
#include "app/FileTypesView.h"
#include "app/FileUrl.h"
#include "app/FindView.h"
#include "app/FormMain.h"
#include "app/LargestFilesView.h"
#include "app/ListingFile.h"
#include "app/TreeViews.h"
#include "app/TypeRowsModel.h"
#include "app/WindowPrint.h"
#include "chart/PieGeometry.h"
#include "chart/zebPieChart.h"
#include "details/FilProps.h"
#include "platform/FileDetails.h"
#include "platform/linux/LinuxFolderSource.h"
#include "settings/OptnDlg.h"
#include "support/ExportedScan.h"
#include "support/FakeVolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SavedListing, IsTheRowsWithCarriageReturnAndLineFeed) {
    TChartListModel rows;
    const TChartEntries three(TStringListWithDouble{
        {"1234.57   /windows", {}}, {"512.00   pagefile.sys", {}}, {"0.00   ..", {}}});
    rows.ShowRows(&three);
    EXPECT_EQ(SavedListing(rows), "1234.57   /windows\r\n512.00   pagefile.sys\r\n0.00   ..\r\n");
    const TChartEntries one(TStringListWithDouble{{"1.5   \xC3\x84rger.txt", {}}});
    rows.ShowRows(&one);
    EXPECT_EQ(SavedListing(rows), "1.5   \xC3\x84rger.txt\r\n") << "UTF-8, no byte-order mark";
}

TEST(SavedListing, FailuresAreToldApart) {
    EXPECT_EQ(WriteListing("/nonexistent/folder/u.txt", "x\r\n"),
              QStringLiteral(
                  "Cannot create file \"/nonexistent/folder/u.txt\". No such file or directory"));
    // A device is never written to (a full disk is the platform test's tmpfs).
    if (QFile::exists("/dev/full")) {
        EXPECT_EQ(WriteListing("/dev/full", std::string(100000, 'x')),
                  QStringLiteral("Cannot create file \"/dev/full\". Not a regular file"));
    }
}

TEST(WindowPrint, KeepsThePhysicalSizeOfTheScreen) {
    EXPECT_EQ(PrintedRect(542, 421, 300, 300, 96, 96), QRect(0, 0, 1694, 1316));
    EXPECT_EQ(PrintedRect(100, 50, 600, 1200, 100, 100), QRect(0, 0, 600, 600));
    // A window of 100 x 50 on a screen at 200 %: its picture has 200 x 100 pixels, and it
    // prints as large as the window is, not twice that.
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDevicePixelRatio(2);
    QPicture page;
    ASSERT_TRUE(PrintPicture(page, picture, page.logicalDpiX(), page.logicalDpiY()));
    EXPECT_EQ(page.boundingRect(), QRect(0, 0, 100, 50));
}

// The main window over a folder on disk: big.bin, readme.txt, Readme.TXT, docs/ (a.txt),
// only-folders/ (inner/).
class ItemActionsTest : public ::testing::Test {
protected:
    void Open(bool mountPoint = false) {
        Tree.File("big.bin", 200000);
        Tree.File("readme.txt", 3000);
        Tree.File("Readme.TXT", 6000);
        Tree.File("docs/a.txt", 100);
        Tree.Folder("only-folders/inner");
        TMainServices services;
        services.Folders = std::make_shared<LinuxFolderSource>();
        services.Volumes = std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(mountPoint));
        services.ExcludesFolder = "/nonexistent";
        services.Ask = [this](QWidget*, const QString& caption, const QString& text, bool) {
            Questions.push_back(caption + ": " + text);
            return Answer;
        };
        services.ShowInFileManager = [this](const std::string& path,
                                            std::function<void()> noProgram) {
            Shown.push_back(path);
            if (NoOpener) noProgram();
        };
        services.OpenFile = [this](const std::string& path, std::function<void()> noProgram) {
            Opened.push_back(path);
            if (NoOpener) noProgram();
        };
        services.ChooseSaveFile = [this](QWidget*, const std::string&) { return SaveAs; };
        services.ChooseScanFile = [this](QWidget*, const QString&) { return ScanFile; };
        services.ChooseFolder = [this](QWidget*, const std::string&) { return Folder; };
        services.ShowError = [this](QWidget*, const QString&, const QString& text) {
            Errors.push_back(text);
        };
        services.ShowNote = [this](QWidget*, const QString&, const QString& text) {
            Notes.push_back(text);
        };
        services.DefaultPrinter = [this]() -> std::unique_ptr<QPrinter> {
            if (PdfOutput.empty()) return nullptr;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(PdfOutput));
            return printer;
        };
        Form = std::make_unique<TMainForm>(services, std::vector<std::string>{Tree.Root()});
        Form->RunPropertiesDialog = [this](TfrmFileProperties& dialog) {
            Properties.push_back(dialog.FileName);
            return 0;
        };
        Form->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
    }

    // Clicks the row of name, as a user selects an entry.
    void ClickRow(std::string_view name) {
        for (int i = 0; i < Form->ListBox1->Items().Count(); ++i) {
            if (SplitEntryText(Form->ListBox1->Items().Row(i).Text).Name != name) continue;
            const QRect rect = Form->ListBox1->visualRect(Form->ListBox1->Items().index(i));
            QTest::mouseClick(Form->ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
            return;
        }
        FAIL() << "no row " << name;
    }

    // The rows of the list, as they read.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < Form->ListBox1->Items().Count(); ++i)
            rows.emplace_back(Form->ListBox1->Items().Row(i).Text);
        return rows;
    }

    // Rescans the tree, changed since file was exported, and compares it with that export, in
    // nominal bytes.
    void RefreshAndCompareWith(const std::string& file) {
        Form->Refresh1Click();
        Form->cbxUnits->setCurrentIndex(0);
        Form->cbxDisplay->setCurrentIndex(0);
        ScanFile = file;
        Form->CompareWithScanFile1Click();
        ASSERT_TRUE(Errors.empty()) << Errors.front().toStdString();
    }

    // A pixel of the chart whose angle lies strictly inside the named entry's range, as near
    // the rim as one can be found; (-1, -1) when none.
    QPoint PointOnEntry(std::string_view name) const {
        const TPieChart& chart = *Form->PieChart1;
        const int cx = chart.width() / 2, cy = chart.height() / 2;
        double start = 0;
        for (std::size_t i = 0; i < chart.Entries().size(); ++i) {
            const double sweep = TwoPi * chart.Entries().Record(i).Value / chart.Total();
            if (SplitEntryText(chart.Entries().Text(i)).Name == name) {
                for (int r = cx - 2; r > 2; --r) {
                    const double a = start + sweep / 2;
                    const QPoint at(cx + static_cast<int>(std::lround(std::cos(a) * r)),
                                    cy - static_cast<int>(std::lround(std::sin(a) * r)));
                    double angle = PointAngle(at.x() - cx, cy - at.y());
                    if (angle < 0) angle += TwoPi;
                    if (start < angle && angle < start + sweep) return at;
                }
                return {-1, -1};
            }
            start += sweep;
        }
        return {-1, -1};
    }

    // The XDG data home, where the home trash lives, for the rest of the test.
    void DataHome(const std::string& path) {
        if (!SavedDataHome) {
            const char* old = std::getenv("XDG_DATA_HOME");
            SavedDataHome = old ? old : "";
        }
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }

    void TearDown() override {
        if (SavedDataHome) setenv("XDG_DATA_HOME", SavedDataHome->c_str(), 1);
    }

    // The rows of a view once it is computed, each as its cells read, three blanks between.
    static std::vector<std::string> ViewRows(const TSubtreeView& view,
                                             const QAbstractItemModel& model) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view.Computing(); }, 20000));
        std::vector<std::string> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model.columnCount(); ++column)
                cells << model.index(row, column).data().toString();
            rows.push_back(cells.join(QStringLiteral("   ")).toStdString());
        }
        return rows;
    }
    std::vector<std::string> LargestRows() const {
        return ViewRows(*Form->Views->LargestFiles(), Form->Views->LargestFiles()->Rows());
    }

    // Opens the entry menu of a view's row and hands it to act, which closes it.
    void ViewRowMenu(const TFolderData* node, const std::function<void(QMenu&)>& act) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            shown = true;
            act(*menu);
            menu->hide();
        });
        Form->ViewRowMenu(node, QPoint(20, 20));
        EXPECT_TRUE(shown);
    }

    std::pair<QString, bool> Menu() {
        Form->PopupMenu1Popup();
        return {Form->PopupExplore->text(), Form->PopupOpen->isEnabled()};
    }

    test::TempTree Tree;
    std::unique_ptr<TMainForm> Form;
    std::vector<QString> Questions, Errors, Notes;
    std::vector<std::string> Shown, Opened, Properties;
    std::optional<std::string> SaveAs, ScanFile, Folder;
    std::string PdfOutput;
    bool Answer = false;
    bool NoOpener = false;  // no program opens or shows anything
    std::optional<std::string> SavedDataHome;
};

TEST_F(ItemActionsTest, TheMenuFitsTheEntry) {
    Open(true);
    ClickRow("/docs");
    EXPECT_EQ(Menu(), std::make_pair(QStringLiteral("Explore"), false));
    ClickRow("big.bin");
    EXPECT_EQ(Menu(), std::make_pair(QStringLiteral("Properties"), true));
    ClickRow("(/media/usb free space)");
    EXPECT_EQ(Menu(), std::make_pair(QStringLiteral("Properties"), true));
    EXPECT_EQ(Form->ListBox1->contextMenuPolicy(), Qt::CustomContextMenu);
    ClickRow("/docs");
    Form->ListBox1DblClick();
    ClickRow("..");
    EXPECT_EQ(Menu(), std::make_pair(QStringLiteral("Properties"), true));
    Answer = true;
    Form->PopupDeleteClick();
    EXPECT_TRUE(Questions.empty()) << "the back entry is no file: nothing to delete";
}

// The views of the whole subtree follow the folder shown and the unit; their rows offer the
// list's entry menu, acting on the row's entry and leaving the list's own choice alone, and a
// double-click shows the entry in its folder.
TEST_F(ItemActionsTest, ViewsFollowTheShownFolderAndTheirRowsActAsTheListsDo) {
    Tree.File("logs/app.log", 5000);
    Open();
    Form->cbxUnits->setCurrentIndex(0);
    Form->cbxDisplay->setCurrentIndex(0);
    Form->LargestFiles1->trigger();
    EXPECT_TRUE(Form->Views->isVisible());
    EXPECT_EQ(LargestRows(), std::vector<std::string>({"200000   big.bin", "6000   Readme.TXT",
                                                       "5000   logs/app.log", "3000   readme.txt",
                                                       "100   docs/a.txt"}));
    ClickRow("/docs");
    Form->ListBox1DblClick();
    EXPECT_EQ(LargestRows(), std::vector<std::string>{"100   a.txt"});
    EXPECT_EQ(Form->Views->LargestFiles()->Status().toStdString(),
              "1 file below " + Tree.Path("docs/"));
    Form->FileTypes1->trigger();
    const std::string oneType = "1 file of 1 type below " + Tree.Path("docs/");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Form->Views->FileTypes()->Status().toStdString() == oneType; }, 5000))
        << Form->Views->FileTypes()->Status().toStdString();
    Form->BitBtnUpClick();
    Form->cbxUnits->setCurrentIndex(1);
    ASSERT_EQ(LargestRows().size(), 5u);
    EXPECT_EQ(LargestRows()[0], "195.3   big.bin");
    Form->cbxUnits->setCurrentIndex(0);
    ASSERT_EQ(LargestRows().size(), 5u);

    // A folder that matches holds a file that matches: both are listed, their bytes counted
    // once.
    Form->Find1Click();
    TFindView& find = *Form->Views->Find();
    find.Pattern()->setText(QStringLiteral("LOG"));
    find.FindNow();
    EXPECT_EQ(ViewRows(find, find.Rows()),
              std::vector<std::string>({"5000   logs", "5000   logs/app.log"}));
    EXPECT_EQ(find.Status().toStdString(),
              "2 entries match LOG below " + Tree.Root() + "/, 5,000 bytes in all");

    const TEntryRowsModel& rows = Form->Views->LargestFiles()->Rows();
    Form->ViewRowOpen(rows.Node(4));
    EXPECT_EQ(Form->ShownList->Path(), Tree.Path("docs/"));
    EXPECT_EQ(Form->SelectedName, "a.txt");
    EXPECT_EQ(Form->ListBox1->Items().Row(Form->ListBox1->currentIndex().row()).Obj, rows.Node(4));
    EXPECT_EQ(LargestRows().size(), 5u) << "the view stays on its folder";

    Form->BitBtnUpClick();
    ClickRow("/docs");
    ViewRowMenu(rows.Node(0), [&](QMenu&) {
        EXPECT_EQ(Form->PopupExplore->text(), "Properties");
        EXPECT_TRUE(Form->PopupOpen->isEnabled());
        EXPECT_TRUE(Form->PopupDelete->isEnabled());
    });
    EXPECT_EQ(Form->SelectedName, "/docs") << "the list's menu acts on the list's entry again";
    Answer = true;
    ViewRowMenu(rows.Node(1), [&](QMenu&) { Form->PopupDelete->trigger(); });
    EXPECT_EQ(Questions, std::vector<QString>{"Confirm file delete: Delete file: " +
                                              QString::fromStdString(Tree.Path("Readme.TXT"))});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Tree.Path("Readme.TXT"))));
    EXPECT_EQ(LargestRows(), std::vector<std::string>({"200000   big.bin", "5000   logs/app.log",
                                                       "3000   readme.txt", "100   docs/a.txt"}))
        << "the rescan shows what is left";
}

// The free-space entry's name is also a path below a folder "(", and a name may hold markup:
// the entry clicked is the one acted on, and its name is shown as it is.
TEST_F(ItemActionsTest, EntriesThatNameNoFileAreNeverActedOnAndNamesAreNeverMarkup) {
    const std::string decoy = Tree.File("(/media/usb free space)", 10);
    Tree.File("<span>report.txt", 10);
    Tree.File("report.txt", 10);
    Tree.File("bad\xFFname.dat", 10);
    Open(true);
    Answer = true;
    ClickRow("(/media/usb free space)");
    Form->PopupDeleteClick();
    Form->PopupExploreClick();
    Form->PopupOpenClick();
    ClickRow("/(");
    Form->ListBox1DblClick();
    ClickRow("..");
    Form->PopupOpenClick();
    EXPECT_TRUE(Questions.empty());
    EXPECT_TRUE(Properties.empty());
    EXPECT_TRUE(Opened.empty());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(decoy)));

    Form->BitBtnUpClick();
    ClickRow("<span>report.txt");
    Answer = false;
    Form->PopupDeleteClick();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Confirm file delete: Delete file: " +
                                QString::fromStdString(Tree.Path("<span>report.txt")));
    ClickRow("bad\\xFFname.dat");
    Form->PopupOpenClick();
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(FileUrl(Opened[0]).toEncoded().toStdString(),
              "file://" + Tree.Root() + "/bad%FFname.dat");
    EXPECT_EQ(FileUrl("/a b/#1?%.txt").toEncoded(), "file:///a%20b/%231%3F%25.txt");

    // The error box shows its text as plain text, whatever it looks like.
    QString shownText;
    Qt::TextFormat shownFormat = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shownText = box->text();
        shownFormat = box->textFormat();
        box->accept();
    });
    ShowErrorBox(nullptr, "Quillet", "Cannot scan \"/<b>x</b>/\": Permission denied");
    EXPECT_EQ(shownText, "Cannot scan \"/<b>x</b>/\": Permission denied.");
    EXPECT_EQ(shownFormat, Qt::PlainText);
}

TEST_F(ItemActionsTest, ARightClickOnASliceSelectsItsEntry) {
    Open();
    TPieChart& chart = *Form->PieChart1;
    // The largest entry, big.bin, starts at angle 0: press just above three o'clock.
    const QPoint at(chart.width() / 2 + chart.width() / 4, chart.height() / 2 - 5);
    QTest::mousePress(&chart, Qt::RightButton, {}, at);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, at);
    EXPECT_EQ(Form->SelectedName, "big.bin");
    EXPECT_TRUE(Form->PopupMenu1->isVisible());
    Form->PopupMenu1->hide();
    EXPECT_EQ(Menu(), std::make_pair(QStringLiteral("Properties"), true));
}

TEST_F(ItemActionsTest, DeleteAsksFirstAndActsOnTheNameAsStored) {
    Open();
    ClickRow("readme.txt");  // two rows read so: the one clicked is the one deleted
    const std::string clicked = std::string(Form->ListBox1->toolTip().toStdString());
    const int before = Form->ListBox1->Items().Count();
    Answer = false;
    Form->PopupDeleteClick();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_TRUE(Questions[0].startsWith("Confirm file delete: Delete file: " +
                                        QString::fromStdString(Tree.Root())));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Tree.Path("readme.txt"))));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Tree.Path("Readme.TXT"))));

    Answer = true;
    Form->PopupDeleteClick();
    const bool smallGone = !QFile::exists(QString::fromStdString(Tree.Path("readme.txt")));
    const bool bigGone = !QFile::exists(QString::fromStdString(Tree.Path("Readme.TXT")));
    EXPECT_NE(smallGone, bigGone) << "exactly one of the two files went";
    EXPECT_EQ(Form->ListBox1->Items().Count(), before - 1) << "a rescan shows what is left";
    EXPECT_EQ(clicked, "readme.txt");
}

TEST_F(ItemActionsTest, DeletingANonEmptyFolderRemovesNothingAndSaysWhy) {
    Open();
    ClickRow("/docs");
    Answer = true;
    Form->PopupDeleteClick();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Confirm folder delete: Delete folder: " +
                                QString::fromStdString(Tree.Path("docs/")));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Tree.Path("docs/a.txt"))));
    EXPECT_EQ(Errors,
              std::vector<QString>{"Cannot delete " + QString::fromStdString(Tree.Path("docs/")) +
                                   ": Directory not empty"});
    EXPECT_EQ(Form->ShownList, &Form->RootList);
    EXPECT_TRUE(Form->ListBox1->Items().Count() > 0);
}

TEST_F(ItemActionsTest, ExploreShowsTheFirstFileOrTheFolderItself) {
    Open();
    ClickRow("/docs");
    Form->PopupExploreClick();
    ClickRow("/only-folders");
    Form->PopupExploreClick();
    EXPECT_EQ(Shown,
              (std::vector<std::string>{Tree.Path("docs/a.txt"), Tree.Path("only-folders/")}));
}

TEST_F(ItemActionsTest, PropertiesAndOpenActOnFilesThatStillExist) {
    Open();
    ClickRow("big.bin");
    Form->PopupExploreClick();
    Form->PopupOpenClick();
    EXPECT_EQ(Properties, std::vector<std::string>{Tree.Path("big.bin")});
    EXPECT_EQ(Opened, std::vector<std::string>{Tree.Path("big.bin")});
    NoOpener = true;
    Form->PopupOpenClick();
    ClickRow("/docs");
    Form->PopupExploreClick();
    EXPECT_EQ(Errors,
              (std::vector<QString>{"Cannot open " + QString::fromStdString(Tree.Path("big.bin")) +
                                        ": No program is set to open it",
                                    "Cannot show " + QString::fromStdString(Tree.Path("docs/")) +
                                        ": No program is set to open it"}));
    ClickRow("big.bin");
    QFile::remove(QString::fromStdString(Tree.Path("big.bin")));
    Form->PopupExploreClick();
    EXPECT_EQ(Properties.size(), 1u) << "a file deleted since the scan shows nothing";
}

TEST_F(ItemActionsTest, EveryActionSaysWhenTheSystemRefusesTheEntrysPath) {
    // A chain whose bottom lies far past PATH_MAX, made relative to open folders.
    const std::string name(250, 'n');
    int fd = open(Tree.Folder("deep").c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    close(openat(fd, "far.txt", O_WRONLY | O_CREAT, 0644));
    close(fd);
    Open();
    ClickRow("/deep");
    for (int i = 0; i < 21; ++i) {
        Form->ListBox1DblClick();
        ClickRow(i < 20 ? "/" + name : "far.txt");
    }
    Answer = true;
    Form->PopupDeleteClick();
    Form->PopupExploreClick();
    Form->PopupOpenClick();
    Form->PopupTrashClick();
    ASSERT_EQ(Errors.size(), 4u);
    const QString tail = QStringLiteral("/far.txt: File name too long");
    EXPECT_TRUE(Errors[0].startsWith("Cannot delete /") && Errors[0].endsWith(tail))
        << Errors[0].toStdString();
    EXPECT_TRUE(Errors[1].startsWith("Cannot show the properties of /")) << Errors[1].toStdString();
    EXPECT_TRUE(Errors[2].startsWith("Cannot open /")) << Errors[2].toStdString();
    EXPECT_TRUE(Errors[3].endsWith("/far.txt to the trash: File name too long"))
        << Errors[3].toStdString();
    EXPECT_TRUE(Questions.empty() && Opened.empty() && Properties.empty());
}

TEST_F(ItemActionsTest, SavesTheRowsAndAsksBeforeOverwriting) {
    Open(true);
    SaveAs = Tree.Path("usage.txt");
    Form->FileSaveMenuClick();
    const std::string first = ReadAll(*SaveAs);
    EXPECT_EQ(first.substr(0, first.find("\r\n")), "-51200000.0   (/media/usb free space)");
    EXPECT_TRUE(Questions.empty()) << "a new file is not asked about";

    Form->cbxUnits->setCurrentIndex(4);
    Answer = false;
    Form->FileSaveMenuClick();
    EXPECT_EQ(ReadAll(*SaveAs), first) << "No keeps the old file";
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Quillet - overwrite existing usage file?: File " +
                                QString::fromStdString(*SaveAs) +
                                " already exists.  Do you want to overwrite the existing file?");
    Answer = true;
    Form->FileSaveMenuClick();
    const std::string terabytes = ReadAll(*SaveAs);
    EXPECT_EQ(terabytes.substr(0, terabytes.find("\r\n")), "-0.04768   (/media/usb free space)");
    EXPECT_NE(terabytes.find("0.00000   readme.txt\r\n"), std::string::npos);

    Form->cbxUnits->setCurrentIndex(5);
    Form->FileSaveMenuClick();
    EXPECT_NE(ReadAll(*SaveAs).find("1   /docs\r\n"), std::string::npos) << "Count: no decimals";

    SaveAs = "/nonexistent/u.txt";
    Form->FileSaveMenuClick();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_TRUE(Errors[0].startsWith("Cannot create file \"/nonexistent/u.txt\"."));
}

TEST_F(ItemActionsTest, PrintsOnePageOrSaysThereIsNoPrinter) {
    Open();
    Form->FilePrint();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "There is no default printer currently selected");
    PdfOutput = Tree.Path("print.pdf");
    Form->FilePrint();
    const std::string pdf = ReadAll(PdfOutput);
    ASSERT_FALSE(pdf.empty());
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
    }
    EXPECT_EQ(pages, 1u);
    // The document title, the window's caption, is written as UTF-16, high byte first.
    std::string title;
    for (const QChar c : Form->windowTitle()) {
        title += static_cast<char>(c.unicode() >> 8);
        title += static_cast<char>(c.unicode() & 0xFF);
    }
    EXPECT_NE(pdf.find(title), std::string::npos) << "the caption is the title";
}

TEST_F(ItemActionsTest, SlicesTellWhatTheyAreEvenWhenTooNarrowToDraw) {
    Tree.File("huge.bin", 5000000);
    Open(true);
    TPieChart& chart = *Form->PieChart1;
    // The free space takes nearly all of the pie, from angle 0 on.
    const QPoint freeSpace(chart.width() / 4, chart.height() / 2);
    EXPECT_EQ(chart.HintAt(freeSpace).toStdString(),
              "(/media/usb free space)\nFree space on the volume: 51,200,000.0 kB");
    QHelpEvent hover(QEvent::ToolTip, freeSpace, chart.mapToGlobal(freeSpace));
    QApplication::sendEvent(&chart, &hover);
    EXPECT_EQ(QToolTip::text(), chart.HintAt(freeSpace)) << "resting the mouse shows it";
    QToolTip::hideText();

    Form->ShowFreeSpace1->trigger();
    ASSERT_EQ(Form->ShownList, &Form->RootList);
    // Allocated in 4 kB clusters: 5,001,216 + 200,704 + 8,192 + 4,096 + 4,096 bytes.
    EXPECT_EQ(chart.HintAt(PointOnEntry("big.bin")).toStdString(),
              "big.bin\n196.0 kB allocated\n3.8% of this folder");
    // A sweep of 0.0049 radians: no slice of its own, it lies in the undrawn rest.
    const std::vector<PieSlice> drawn =
        PlanSlices(chart.Entries(), chart.Total(), chart.width(), chart.height(), 6);
    for (const PieSlice& slice : drawn)
        EXPECT_NE(SplitEntryText(chart.Entries().Text(static_cast<std::size_t>(slice.Entry))).Name,
                  "/docs");
    EXPECT_EQ(chart.HintAt(PointOnEntry("/docs")).toStdString(),
              "/docs\n4.0 kB allocated\n0.1% of this folder\nFiles: 1\nFolders: 0");
    Form->cbxUnits->setCurrentIndex(5);
    EXPECT_EQ(chart.HintAt(PointOnEntry("huge.bin")).toStdString(),
              "huge.bin\n1 file\n20.0% of this folder");
    EXPECT_EQ(chart.HintAt({0, 0}).toStdString(), "") << "outside the pie";
}

TEST_F(ItemActionsTest, MoveToTrashAsksThenMovesIntoTheTrashOrSaysWhy) {
    Tree.File("bad\xFFname.dat", 10);
    const test::TempTree home;  // beside the scanned tree, on its volume
    DataHome(home.Path("data"));
    Open(true);
    const auto trashEnabled = [this] {
        Form->PopupMenu1Popup();
        return Form->PopupTrash->isEnabled();
    };
    ClickRow("(/media/usb free space)");
    EXPECT_FALSE(trashEnabled());
    ClickRow("bad\\xFFname.dat");
    EXPECT_TRUE(trashEnabled());
    Form->PopupTrashClick();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Confirm move to trash: Move to Trash: " +
                                QString::fromStdString(Tree.Root()) + "/bad\\xFFname.dat");
    const int before = Form->ListBox1->Items().Count();
    Answer = true;
    Form->PopupTrashClick();
    EXPECT_EQ(Form->ListBox1->Items().Count(), before - 1) << "rescanned";
    EXPECT_TRUE(IsExistingFile(home.Path("data/Trash/files/bad\xFFname.dat")));
    const std::string info = ReadAll(home.Path("data/Trash/info/bad\xFFname.dat.trashinfo"));
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=/", 0), 0u) << info;
    EXPECT_NE(info.find("/bad%FFname.dat\nDeletionDate=20"), std::string::npos) << info;

    // A trash that cannot be made: the reason, nothing moved, no rescan.
    ClickRow("/docs");
    Form->ListBox1DblClick();
    ClickRow("..");
    EXPECT_FALSE(trashEnabled());
    ClickRow("a.txt");
    DataHome(Tree.Path("big.bin/data"));
    Form->PopupTrashClick();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Cannot move " + QString::fromStdString(Tree.Path("docs/a.txt")) +
                             " to the trash: the trash folder cannot be made (Not a directory)");
    EXPECT_TRUE(IsExistingFile(Tree.Path("docs/a.txt")));
    EXPECT_NE(Form->ShownList, &Form->RootList);

    // A whole folder goes, under a name of its own beside the one already there.
    Form->BitBtnUpClick();
    home.File("data/Trash/info/docs.trashinfo", 0);
    DataHome(home.Path("data"));
    ClickRow("/docs");
    Form->PopupTrashClick();
    EXPECT_TRUE(IsExistingFile(home.Path("data/Trash/files/docs.2/a.txt")));
    EXPECT_TRUE(IsExistingFile(home.Path("data/Trash/info/docs.2.trashinfo")));
    EXPECT_FALSE(IsExistingFolder(Tree.Path("docs")));
}

TEST_F(ItemActionsTest, CopyPathGivesTheShownTextAndTheAddressOfTheStoredName) {
    Tree.File("Odd\tName <b>\xFF.txt", 10);
    Open();
    ClickRow("odd\\tname <b>\\xFF.txt");
    Form->PopupMenu1Popup();
    ASSERT_TRUE(Form->PopupCopyPath->isEnabled());
    Form->PopupCopyPathClick();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), QString::fromStdString(Tree.Root()) + "/Odd\\tName <b>\\xFF.txt");
    ASSERT_EQ(copied->urls().size(), 1);
    EXPECT_EQ(copied->urls()[0].toEncoded().toStdString(),
              "file://" + Tree.Root() + "/Odd%09Name%20%3Cb%3E%FF.txt");
    ClickRow("/docs");
    Form->ListBox1DblClick();
    ClickRow("..");
    Form->PopupMenu1Popup();
    EXPECT_FALSE(Form->PopupCopyPath->isEnabled()) << "the back entry names no path";
}

// Compared with an export made before, the view lists what changed, largest growth first and
// then what shrank or went, negative and without a slice; nothing acts on an entry that is gone.
TEST_F(ItemActionsTest, ComparingShowsWhatChangedAndNeverActsOnAGoneEntry) {
    Tree.File("old.log", 8192);
    Open(true);
    test::TempTree exports;
    std::ofstream(exports.Path("before.json"), std::ios::binary)
        << test::ExportedScan(Tree.Root(), 1700000000);
    Tree.File("big.bin", 300000);
    Tree.File("docs/new.txt", 12288);
    std::remove(Tree.Path("old.log").c_str());
    RefreshAndCompareWith(exports.Path("before.json"));

    EXPECT_EQ(Rows(),
              std::vector<std::string>({"100000   big.bin", "12288   /docs", "-8192   old.log"}));
    EXPECT_NE(PointOnEntry("big.bin"), QPoint(-1, -1));
    EXPECT_EQ(PointOnEntry("old.log"), QPoint(-1, -1)) << "a loss has no slice";
    EXPECT_TRUE(Form->StatusPanels[0]->toolTip().contains(QStringLiteral("(+104,096 bytes since ")))
        << Form->StatusPanels[0]->toolTip().toStdString();
    // The views: the files that grew, and how each type changed.
    Form->LargestFiles1->trigger();
    Form->FileTypes1->trigger();
    EXPECT_EQ(LargestRows(),
              std::vector<std::string>({"100000   big.bin", "12288   docs/new.txt"}));
    EXPECT_EQ(ViewRows(*Form->Views->FileTypes(), Form->Views->FileTypes()->Types()),
              std::vector<std::string>(
                  {"100000      0   bin", "12288      +1   txt", "-8192      -1   log"}));

    ClickRow("big.bin");
    ClickRow("old.log");
    EXPECT_EQ(Form->ListBox1->contextMenuPolicy(), Qt::NoContextMenu);
    Answer = true;
    Form->PopupDeleteClick();
    Form->PopupTrashClick();
    Form->PopupExploreClick();
    Form->PopupOpenClick();
    Form->ListBox1DblClick();
    EXPECT_TRUE(Questions.empty() && Shown.empty() && Opened.empty() && Properties.empty());
    EXPECT_EQ(Form->ShownList, &Form->RootList);

    ClickRow("/docs");
    Form->ListBox1DblClick();
    ASSERT_GE(Form->ListBox1->Items().Count(), 1);
    EXPECT_EQ(Form->ListBox1->Items().Row(0).Text, "12288   new.txt") << "drilling down compares";
    Form->StopComparing1Click();
    EXPECT_EQ(Form->ListBox1->Items().Row(0).Text, "12288   new.txt");
    EXPECT_EQ(Form->ListBox1->Items().Count(), 3) << "every entry again, with a.txt and ..";

    // With the option, a timed scan is compared with the tree it replaces.
    Form->Settings.CompareRepeatedScans = true;
    Tree.File("later.bin", 500);
    Form->TimerRepeatScanTimer();
    ASSERT_EQ(Form->ListBox1->Items().Count(), 1);
    EXPECT_EQ(Form->ListBox1->Items().Row(0).Text, "500   later.bin");
}

// Refresh from here while comparing: the folder, now scanned alone, is compared with that
// folder of the earlier scan, not with its root; a folder it did not have is new.
TEST_F(ItemActionsTest, RefreshFromHereComparesWithTheSameFolderOfTheEarlierScan) {
    Open();
    test::TempTree exports;
    std::ofstream(exports.Path("before.json"), std::ios::binary)
        << test::ExportedScan(Tree.Root(), 1700000000);
    Tree.File("docs/b.txt", 5000);
    Tree.File("only-folders/inner/later/c.txt", 700);
    RefreshAndCompareWith(exports.Path("before.json"));

    ClickRow("/docs");
    Form->ListBox1DblClick();
    Form->RefreshFromHereClick();
    ASSERT_EQ(Form->RootList.Path(), Tree.Path("docs") + "/");
    EXPECT_EQ(Rows(), std::vector<std::string>({"5000   b.txt"}));

    // Opening the whole tree again compares it from the earlier scan's root.
    Folder = Tree.Root();
    Form->FileOpen();
    ASSERT_EQ(Form->RootList.Path(), Tree.Root() + "/");
    EXPECT_EQ(Rows(), std::vector<std::string>({"5000   /docs", "700   /only-folders"}));
    ClickRow("/only-folders");
    Form->ListBox1DblClick();
    ClickRow("/inner");
    Form->ListBox1DblClick();
    ClickRow("/later");
    Form->ListBox1DblClick();
    Form->RefreshFromHereClick();
    ASSERT_EQ(Form->RootList.Path(), Tree.Path("only-folders/inner/later") + "/");
    EXPECT_EQ(Rows(), std::vector<std::string>({"700   c.txt"}));
}

// A folder compared with an export of a folder above it is compared with its own folder there,
// and the window says so, once for each folder scanned: after Open, and with the timer too. A
// folder of other paths is compared from the roots, and the window says that too.
TEST_F(ItemActionsTest, ComparingSaysWhatItComparesAndMatchesTheShownFolder) {
    Open();
    test::TempTree exports;
    std::ofstream(exports.Path("before.json"), std::ios::binary)
        << test::ExportedScan(Tree.Root(), 1700000000);
    Folder = Tree.Path("docs");
    Form->FileOpen();
    Tree.File("docs/b.txt", 5000);
    RefreshAndCompareWith(exports.Path("before.json"));
    const QString root = QString::fromStdString(Tree.Root() + "/");
    const auto same = [&](const std::string& folder) {
        return "Comparing " + QString::fromStdString(Tree.Path(folder)) +
               "/\nwith the same folder of the earlier scan of " + root + ".";
    };
    EXPECT_EQ(Rows(), std::vector<std::string>({"5000   b.txt"}));
    Form->Refresh1Click();
    Form->TimerRepeatScanTimer();
    EXPECT_EQ(Rows(), std::vector<std::string>({"5000   b.txt"}));
    EXPECT_EQ(Notes, std::vector<QString>{same("docs")}) << "said once for the folder";

    Folder = Tree.Path("only-folders");
    Form->FileOpen();
    EXPECT_TRUE(Rows().empty());
    Tree.File("only-folders/new/c.txt", 700);
    Folder = Tree.Path("only-folders/new");
    Form->FileOpen();
    EXPECT_EQ(Rows(), std::vector<std::string>({"700   c.txt"}));
    Folder = exports.Root();
    Form->FileOpen();
    EXPECT_EQ(Notes,
              (std::vector<QString>{same("docs"), same("only-folders"),
                                    "The earlier scan of " + root + "\ndoes not hold " +
                                        QString::fromStdString(Tree.Path("only-folders/new")) +
                                        "/:\neverything in it shows as new.",
                                    "Comparing " + QString::fromStdString(exports.Root()) +
                                        "/\nwith the earlier scan of " + root + "."}));

    // An earlier scan of a folder inside the shown one: that folder is compared with it, the
    // rest is new.
    std::ofstream(exports.Path("docs.json"), std::ios::binary)
        << test::ExportedScan(Tree.Path("docs"), 1700000000);
    Folder = Tree.Root();
    Form->FileOpen();
    ScanFile = exports.Path("docs.json");
    Form->CompareWithScanFile1Click();
    EXPECT_EQ(Notes.back(), "The earlier scan of " + QString::fromStdString(Tree.Path("docs")) +
                                "/\nholds only part of " + root + ":\nthe rest shows as new.");
    const std::vector<std::string> rows = Rows();
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [](const std::string& row) {
        return row.ends_with("/docs");
    })) << "unchanged";
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
        return row.ends_with("big.bin");
    })) << "new";
}

// Counting files otherwise while comparing (Options > Compressed & sparse) counts the earlier
// scan again the same way: an unchanged sparse file shows no change, compared with an export
// or with the tree kept before a timed scan.
TEST_F(ItemActionsTest, ComparingCountsTheEarlierScanAsTheNewOneCounts) {
    Tree.SparseFile("sparse.img", 10485760);
    Open();
    test::TempTree exports;
    std::ofstream(exports.Path("before.json"), std::ios::binary)
        << test::ExportedScan(Tree.Root(), 1700000000);
    RefreshAndCompareWith(exports.Path("before.json"));
    ASSERT_TRUE(Rows().empty());
    bool sparseOnDisk = false;
    Form->RunOptionsDialog = [&](TOptionsDialog& dialog) {
        dialog.FormShow();
        (sparseOnDisk ? dialog.btnSparse : dialog.btnUnsparse)->setChecked(true);
        dialog.ButtonOKClick();
        return static_cast<int>(QDialog::Accepted);
    };
    Form->Options1Click();
    ASSERT_EQ(Form->Settings.DisplaySparse, 2);
    EXPECT_TRUE(Rows().empty()) << Rows().front();

    Form->Settings.CompareRepeatedScans = true;
    Form->TimerRepeatScanTimer();
    sparseOnDisk = true;
    Form->Options1Click();
    ASSERT_EQ(Form->Settings.DisplaySparse, 1);
    EXPECT_TRUE(Rows().empty()) << Rows().front();
    EXPECT_TRUE(Errors.empty());
}

// A pipe chosen to compare with is refused unread, as the window would wait on it, and says so.
TEST_F(ItemActionsTest, ComparingWithAPipeIsRefusedForWhatItIs) {
    Open(true);
    test::TempTree exports;
    ASSERT_EQ(mkfifo(exports.Path("pipe.json").c_str(), 0600), 0);
    ScanFile = exports.Path("pipe.json");
    Form->CompareWithScanFile1Click();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_TRUE(Errors[0].endsWith(": Not a regular file")) << Errors[0].toStdString();
    EXPECT_FALSE(Form->StopComparing1->isEnabled());
}

}  // namespace
}  // namespace quillet
