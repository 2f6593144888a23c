#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include "app/FormMain.h"
#include "chart/zebPieChart.h"
#include "settings/OptnDlg.h"
#include "settings/PlacementFit.h"
#include "settings/RegistryVariables.h"
#include "settings/SettingsKey.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"

namespace quillet {
namespace {

QString SettingsFile(const QString& name = "quillet") {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/corvane/" + name + ".conf";
}

// Each test starts with no stored settings at all.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& name :
             {QStringLiteral("quillet"), QStringLiteral("other"), ExecutableKeyName()}) {
            QFile::remove(SettingsFile(name.toLower()));
        }
    }

    std::unique_ptr<TMainForm> MakeForm() {
        TMainServices services;
        services.Folders = Source;
        services.Volumes = std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(false));
        services.ExcludesFolder = "/nonexistent";
        return std::make_unique<TMainForm>(services, std::vector<std::string>{"/data"});
    }

    void Store(const QString& name, const QVariant& value) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "corvane", "quillet");
        settings.setValue(name, value);
    }

    // The placement lives under the executable's own name: this test program's.
    static QSettings Placement() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "corvane",
                         ExecutableKeyName().toLower());
    }

    QString Stored(const QString& name) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "corvane", "quillet");
        return settings.value(name).toString();
    }

    std::shared_ptr<test::FakeFolderSource> Source =
        std::make_shared<test::FakeFolderSource>(test::FakeFolder(
            "", {test::FakeFile("a", 10), test::FakeFolder("sub", {test::FakeFile("b", 20)})}));
};

TEST_F(SettingsTest, AFirstStartTakesTheDefaultsAndTheCloseWritesThemAsText) {
    auto form = MakeForm();
    EXPECT_EQ(form->Settings.DisplayMode, TDisplayMode::dmAllocated);
    EXPECT_EQ(form->Settings.DisplayUnits, TSizeUnit::suKB);
    EXPECT_EQ(form->Settings.DisplayCompressed, 1);
    EXPECT_EQ(form->Settings.DisplaySparse, 1);
    EXPECT_TRUE(form->Settings.DisplayFreeDiskSpace);
    EXPECT_TRUE(form->Settings.RightClickFolder);
    EXPECT_FALSE(form->TimerRepeatScan.isActive());
    EXPECT_EQ(form->TimerRepeatScan.interval(), 600000);
    EXPECT_FALSE(form->SpeedButtonStopRefresh->isEnabled());
    EXPECT_EQ(form->cbxUnits->currentIndex(), 1);
    EXPECT_EQ(form->cbxDisplay->currentIndex(), 1);
    form->close();
    EXPECT_EQ(Stored("Display mode"), "1");
    EXPECT_EQ(Stored("Display units"), "1");
    EXPECT_EQ(Stored("RightClickFolder"), "1");
    EXPECT_EQ(Stored("RepeatInterval"), "10");
    EXPECT_EQ(Stored("PieChartColours"),
              "$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF");
    EXPECT_FALSE(Stored("PieChartFont.Name").isEmpty());
    EXPECT_EQ(Stored("ListboxFont.Bold"), "0");
}

TEST_F(SettingsTest, AStoredRepeatStartsTheTimerWithItsPeriod) {
    Store("RepeatedScan", "1");
    Store("RepeatInterval", "15");
    auto form = MakeForm();
    EXPECT_TRUE(form->TimerRepeatScan.isActive());
    EXPECT_EQ(form->TimerRepeatScan.interval(), 900000);
    EXPECT_TRUE(form->SpeedButtonStopRefresh->isEnabled());
}

TEST_F(SettingsTest, BadOrOutOfRangeValuesFallBackAndGoodOnesStay) {
    Store("Display units", "abc");
    Store("Display mode", "7");
    Store("Display compressed", "258");  // only the low 8 bits count: 2
    Store("RepeatInterval", "5000");
    Store("PieChartColours", "$FF,nonsense");
    Store("DisplayFreeDiskSpace", "0");
    auto form = MakeForm();
    EXPECT_EQ(form->Settings.DisplayUnits, TSizeUnit::suKB);
    EXPECT_EQ(form->Settings.DisplayMode, TDisplayMode::dmAllocated);
    EXPECT_EQ(form->Settings.DisplayCompressed, 2);
    EXPECT_EQ(form->Settings.RepeatInterval, 1440);
    EXPECT_EQ(form->PieChart1->Colours(), ColourListText(TColourList{}))
        << "a colour list that does not read leaves the defaults";
    EXPECT_FALSE(form->Settings.DisplayFreeDiskSpace);
    Store("Display units", "261");  // low 8 bits: 5, Count
    Store("RepeatInterval", "0");
    auto second = MakeForm();
    EXPECT_EQ(second->Settings.DisplayUnits, TSizeUnit::suCount);
    EXPECT_EQ(second->Settings.RepeatInterval, 1);
}

TEST_F(SettingsTest, AHandEditedFileKeepsItsGoodValues) {
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\n\x01\x02 garbage without equals\n=\nDisplay%20mode=2\n"
        "Display%20units=@Variant(\\0\\0\\0\\x7f)\nRepeatInterval=twenty\n"
        "RepeatedScan=1\n[Other]\nx=y\n");
    file.close();
    auto form = MakeForm();
    EXPECT_EQ(form->Settings.DisplayMode, TDisplayMode::dmSlackOnly);
    EXPECT_EQ(form->Settings.DisplayUnits, TSizeUnit::suKB);
    EXPECT_EQ(form->Settings.RepeatInterval, 10);
    EXPECT_TRUE(form->Settings.RepeatedScan);
}

TEST_F(SettingsTest, FontsComeBackWithoutUnderline) {
    {
        auto form = MakeForm();
        QFont font = form->PieChart1->font();
        font.setUnderline(true);
        font.setBold(true);
        font.setPointSize(17);
        form->PieChart1->setFont(font);
        form->PieChart1->SetFontColour(QColor(0x12, 0x34, 0x56));
        form->close();
    }
    EXPECT_EQ(Stored("PieChartFont.Color"), QString::number(0x563412));
    auto form = MakeForm();
    EXPECT_TRUE(form->PieChart1->font().bold());
    EXPECT_EQ(form->PieChart1->font().pointSize(), 17);
    EXPECT_FALSE(form->PieChart1->font().underline());
    EXPECT_EQ(form->PieChart1->FontColour(), QColor(0x12, 0x34, 0x56));
}

TEST_F(SettingsTest, ClosingDuringAScanStillSaves) {
    auto form = MakeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->ShownList != nullptr; }, 5000));
    form->cbxUnits->setCurrentIndex(3);
    Source->OnOpen = [&](const std::string& path) {
        if (path == "/data/sub/") form->close();
    };
    form->Refresh1Click();
    EXPECT_EQ(Stored("Display units"), "3");
}

TEST_F(SettingsTest, ThePlacementComesBack) {
    {
        auto form = MakeForm();
        form->show();
        form->move(60, 50);
        form->resize(700, 500);
    }
    const QSettings stored = Placement();
    EXPECT_EQ(stored.value("FormLeft").toInt(), 60);
    EXPECT_EQ(stored.value("FormClientWidth").toInt(), 700);
    EXPECT_EQ(stored.value("FormState").toInt(), 0);
    auto form = MakeForm();
    form->show();
    EXPECT_EQ(form->pos(), QPoint(60, 50));
    EXPECT_EQ(form->size(), QSize(700, 500));
}

TEST_F(SettingsTest, AMaximisedWindowComesBackMaximisedOverItsNormalPlacement) {
    {
        auto form = MakeForm();
        form->show();
        form->setGeometry(40, 30, 600, 450);
        form->showMaximized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }, 2000));
    }
    EXPECT_EQ(Placement().value("FormState").toInt(), 2);
    EXPECT_EQ(Placement().value("FormClientWidth").toInt(), 600);
    auto form = MakeForm();
    form->show();
    EXPECT_TRUE(form->isMaximized());
    form->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->isMaximized(); }, 2000));
    EXPECT_EQ(form->size(), QSize(600, 450));
}

TEST(PlacementFit, WhatCannotBeAWindowIsAbsentAndTheRestFitsOneScreen) {
    const TPlacementFit design{{193, 124}, {542, 440}};
    const QSize minimum(550, 435);
    const auto fit = [&](TStoredPlacement stored, std::vector<QRect> screens) {
        const TPlacementFit placed = FitPlacement(stored, design, minimum, screens);
        return std::make_pair(placed.FramePosition, placed.Client);
    };
    const std::vector<QRect> one{{0, 0, 1280, 800}};
    EXPECT_EQ(fit({300, 200, 702, 525, 700, 500}, one),
              std::make_pair(QPoint(300, 200), QSize(700, 500)));
    EXPECT_EQ(fit({}, one), std::make_pair(QPoint(193, 124), QSize(550, 440)));
    EXPECT_EQ(fit({2147483600, -2147483600, 100000, 100000, 100000, 100000}, one),
              std::make_pair(QPoint(193, 124), QSize(550, 440)))
        << "values no window can have count as absent";
    // Stored at scale 1, restored at scale 2: the size shrinks first, then the window moves.
    EXPECT_EQ(fit({193, 124, 552, 465, 550, 440}, {{0, 0, 640, 400}}),
              std::make_pair(QPoint(88, 0), QSize(550, 375)));
    // The screen it overlaps most keeps it; off every screen it comes onto the first.
    const std::vector<QRect> two{{0, 0, 800, 600}, {800, 0, 1024, 768}};
    EXPECT_EQ(fit({1500, 500, 600, 450, 600, 450}, two),
              std::make_pair(QPoint(1224, 318), QSize(600, 450)));
    EXPECT_EQ(fit({-5000, 9000, 600, 450, 600, 450}, two),
              std::make_pair(QPoint(0, 150), QSize(600, 450)));
    // A first start at scale 2 on a 1600 x 1000 screen: the frame is not known yet, and the
    // window fits with the one it is likely to get; so does a dialog of the same height.
    EXPECT_EQ(fit({}, {{0, 0, 800, 500}}), std::make_pair(QPoint(193, 20), QSize(550, 440)));
    EXPECT_EQ(FitDialogSize({460, 520}, {0, 0, 800, 500}), QSize(460, 460));
}

TEST_F(SettingsTest, HandEditedValuesReadAsTheyAreAndComeBackUnchanged) {
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + "/corvane");
    const auto write = [](const QByteArray& text) {
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + text);
    };
    write(
        "PieChartColours=$000000FF,$0000FF00,$00FF0000\nListboxFont.Color=-2147483640\n"
        "ListboxFont.Size=14\n");
    {
        auto form = MakeForm();
        EXPECT_EQ(form->PieChart1->NumColours(), 3) << "a list written without quotes";
        EXPECT_EQ(form->ListBox1->palette().color(QPalette::Text),
                  QGuiApplication::palette().color(QPalette::WindowText))
            << "a system colour paints in the desktop's colour for it";
        form->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->ShownList != nullptr; }, 5000));
        EXPECT_GE(form->ListBox1->sizeHintForRow(0), QFontMetrics(form->ListBox1->font()).height())
            << "rows as high as a line of the list's font";
        form->close();
    }
    EXPECT_EQ(Stored("PieChartColours"), "$000000FF,$0000FF00,$00FF0000");
    EXPECT_EQ(Stored("ListboxFont.Color"), "-2147483640");
    // A list that does not read: the chart draws in its default colours, and those are what
    // the options show and what the close saves.
    write("PieChartColours=\"$E0E0FF,,$E0FFFF\"\n");
    {
        auto form = MakeForm();
        std::size_t previewSlices = 0;
        std::string previewColours;
        form->RunOptionsDialog = [&](TOptionsDialog& dialog) {
            dialog.FormShow();
            previewSlices = dialog.PieChart1->Entries().size();
            previewColours = dialog.PieChart1->Colours();
            return static_cast<int>(QDialog::Rejected);
        };
        form->Options1Click();
        EXPECT_EQ(previewSlices, 6u);
        EXPECT_EQ(previewColours, ColourListText(TColourList{}));
        form->close();
    }
    EXPECT_EQ(Stored("PieChartColours"), QString::fromStdString(ColourListText(TColourList{})));
}

TEST_F(SettingsTest, ATextLeftEdgeIsIgnoredAndANarrowClientIsHeldToTheMinimum) {
    {
        QSettings placement = Placement();
        placement.setValue("FormLeft", "left");
        placement.setValue("FormClientWidth", 100);
        placement.setValue("FormState", 9);
    }
    auto form = MakeForm();
    form->show();
    EXPECT_EQ(form->pos().x(), 193);
    EXPECT_EQ(form->width(), 550);
    EXPECT_FALSE(form->isMaximized());
}

TEST_F(SettingsTest, APositionOffEveryScreenComesOntoThePrimaryOne) {
    {
        QSettings placement = Placement();
        placement.setValue("FormLeft", -30000);
        placement.setValue("FormTop", 40000);
    }
    auto form = MakeForm();
    form->show();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(form->pos()));
}

// Run in a copy of this test program named "other" (see below): a window that saves.
TEST_F(SettingsTest, RunInACopy) {
    if (qEnvironmentVariable("QUILLET_TEST_COPY") != "1") GTEST_SKIP() << "runs only in a copy";
    auto form = MakeForm();
    form->show();
    form->move(250, 150);
    form->close();
}

TEST_F(SettingsTest, ACopyUnderAnotherNameKeepsItsOwnPlacement) {
    const QString copy = qEnvironmentVariable("HOME") + "/other";
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLET_TEST_COPY", "1");
    process.setProcessEnvironment(environment);
    process.start(copy, {"--gtest_filter=SettingsTest.RunInACopy"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
    QSettings own(QSettings::NativeFormat, QSettings::UserScope, "corvane", "other");
    EXPECT_EQ(own.value("FormLeft").toInt(), 250);
    EXPECT_FALSE(own.contains("Display mode"));
    EXPECT_EQ(Stored("Display mode"), "1") << "the settings stay under Quillet's name";
    EXPECT_FALSE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "corvane", "quillet")
                     .contains("FormLeft"));
}

TEST(SettingsKey, ReadsOnlyWholeNumbersAndSurvivesAReadOnlyFolder) {
    EXPECT_EQ(IntegerFromText(" 42 "), 42);
    EXPECT_EQ(IntegerFromText("-7"), -7);
    EXPECT_FALSE(IntegerFromText("4.5"));
    EXPECT_FALSE(IntegerFromText("abc"));
    EXPECT_FALSE(IntegerFromText("99999999999"));

    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/readonly";
    QDir().mkpath(folder + "/corvane");
    QFile::setPermissions(folder + "/corvane", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    {
        TSettingsKey key;
        key.WriteInteger("Display mode", 2);
        key.Close();
    }
    if (getuid() != 0) {
        EXPECT_EQ(TSettingsKey().ReadInteger("Display mode", 1), 1) << "nothing was written";
    }
    qputenv("XDG_CONFIG_HOME", previous);
}

// A store file that is a pipe (or a link to one) would hold the window at start for good.
TEST_F(SettingsTest, AStoreThatIsAPipeIsNeitherWaitedOnNorWritten) {
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + "/corvane");
    ASSERT_EQ(
        mkfifo(QFile::encodeName(SettingsFile(ExecutableKeyName().toLower())).constData(), 0600),
        0);
    ASSERT_TRUE(QFile::link(SettingsFile(ExecutableKeyName().toLower()), SettingsFile()));
    {
        auto form = MakeForm();
        EXPECT_EQ(form->Settings.DisplayUnits, TSizeUnit::suKB) << "the defaults";
        form->close();
    }
    TSettingsKey key;
    key.WriteInteger("Display mode", 2);
    key.Close();
    EXPECT_EQ(key.ReadInteger("Display mode", 1), 1);
    EXPECT_EQ(QFileInfo(SettingsFile()).symLinkTarget(),
              SettingsFile(ExecutableKeyName().toLower()));
    QFile::remove(SettingsFile());
    QFile::remove(SettingsFile(ExecutableKeyName().toLower()));
}

}  // namespace
}  // namespace quillet
