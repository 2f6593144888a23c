#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "app/FormMain.h"
#include "chart/PieGeometry.h"
#include "chart/zebPieChart.h"
#include "platform/PathSeparator.h"
#include "settings/OptnDlg.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"

namespace quillet {
namespace {

using test::FakeFile;
using test::FakeFolder;

// The scanned folder, as the system writes a full path.
const std::string kData = kPathSeparator == '/' ? "/data" : "C:\\data";

// The main window on a fake disk, with the options dialog driven by the test: Edit changes
// its controls as a user would, then OK (or Cancel) closes it.
class OptionsTest : public ::testing::Test {
protected:
    void Open(bool mountPoint = false) {
        auto source = std::make_shared<test::FakeFolderSource>(FakeFolder(
            "", {FakeFile("big.bin", 900000), FakeFolder("sub", {FakeFile("x", 5000)})}));
        source->OnOpen = [this](const std::string& path) {
            if (path == kData + kPathSeparator) ++Scans;
        };
        TMainServices services;
        services.Folders = source;
        services.Volumes = std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(mountPoint));
        services.ExcludesFolder = "/nonexistent";
        Form = std::make_unique<TMainForm>(services, std::vector<std::string>{kData});
        Form->RunOptionsDialog = [this](TOptionsDialog& dialog) {
            dialog.FormShow();
            if (Edit) Edit(dialog);
            if (!Confirm) return static_cast<int>(QDialog::Rejected);
            dialog.ButtonOKClick();
            return static_cast<int>(QDialog::Accepted);
        };
        Form->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Form->ShownList != nullptr; }, 5000));
        Scans = 0;
    }

    std::unique_ptr<TMainForm> Form;
    std::function<void(TOptionsDialog&)> Edit;
    bool Confirm = true;
    int Scans = 0;
};

TEST_F(OptionsTest, ShowingFreeSpaceForcesAllocatedAndRescans) {
    Open();
    Form->Settings.DisplayFreeDiskSpace = false;
    Edit = [](TOptionsDialog& d) {
        d.btnActual->setChecked(true);
        d.chkShowFreeDisk->setChecked(true);
    };
    Form->Options1Click();
    EXPECT_EQ(Form->Settings.DisplayMode, TDisplayMode::dmAllocated);
    EXPECT_EQ(Form->cbxDisplay->currentText(), "Allocated");
    EXPECT_TRUE(Form->Settings.DisplayFreeDiskSpace);
    EXPECT_EQ(Scans, 1);
}

TEST_F(OptionsTest, TheViewMenusFreeSpaceItemIsTheDialogsCheckBox) {
    Open(true);
    Form->cbxDisplay->setCurrentIndex(0);
    const auto freeSpaceRow = [this] {
        return Form->ListBox1->Items().Row(0).Text.find("free space") != std::string::npos;
    };
    ASSERT_TRUE(freeSpaceRow());
    Form->ShowFreeSpace1->trigger();
    EXPECT_FALSE(Form->Settings.DisplayFreeDiskSpace);
    EXPECT_FALSE(Form->ShowFreeSpace1->isChecked());
    EXPECT_EQ(Scans, 1);
    EXPECT_FALSE(freeSpaceRow());
    EXPECT_EQ(Form->cbxDisplay->currentText(), "Nominal") << "hiding it forces nothing";

    Form->ShowFreeSpace1->trigger();
    EXPECT_TRUE(Form->Settings.DisplayFreeDiskSpace);
    EXPECT_EQ(Form->cbxDisplay->currentText(), "Allocated") << "as the dialog's OK forces it";
    EXPECT_EQ(Scans, 2);
    EXPECT_TRUE(freeSpaceRow());

    bool ticked = false;
    Edit = [&](TOptionsDialog& d) {
        ticked = d.chkShowFreeDisk->isChecked();
        d.chkShowFreeDisk->setChecked(false);
    };
    Form->Options1Click();
    EXPECT_TRUE(ticked);
    QMenu* view = Form->menuBar()->actions()[1]->menu();
    ASSERT_EQ(view->title(), "&View");
    emit view->aboutToShow();
    EXPECT_FALSE(Form->ShowFreeSpace1->isChecked()) << "the menu shows what the dialog set";
}

TEST_F(OptionsTest, AtAMountPointUncompressedWithFreeSpaceScansTwice) {
    Open(true);
    Form->Settings.DisplayFreeDiskSpace = false;
    Edit = [](TOptionsDialog& d) {
        d.btnUncompressed->setChecked(true);
        d.chkShowFreeDisk->setChecked(true);
    };
    Form->Options1Click();
    EXPECT_EQ(Scans, 2);
    EXPECT_EQ(Form->Settings.DisplayCompressed, 1) << "the second scan shows free space again";
}

TEST_F(OptionsTest, UnitsAloneRedisplayWithoutAScan) {
    Open();
    Edit = [](TOptionsDialog& d) { d.RadioGroupUnits->button(2)->setChecked(true); };
    Form->Options1Click();
    EXPECT_EQ(Scans, 0);
    EXPECT_EQ(Form->cbxUnits->currentText(), "MB");
    EXPECT_EQ(Form->ListBox1->Items().Row(0).Text, "0.86   big.bin");
}

TEST_F(OptionsTest, CompressedAndUnitsTogetherScanOnceInTheNewUnits) {
    Open();
    Edit = [](TOptionsDialog& d) {
        d.btnUncompressed->setChecked(true);
        d.RadioGroupUnits->button(0)->setChecked(true);
    };
    Form->Options1Click();
    EXPECT_EQ(Scans, 1);
    EXPECT_EQ(Form->Settings.DisplayCompressed, 2);
    EXPECT_EQ(Form->ListBox1->Items().Row(0).Text, "901120   big.bin");
}

TEST_F(OptionsTest, AnUnavailableChoiceIsShownFixedAndStaysUnavailable) {
    Open();
    Form->Settings.DisplayCompressed = 0;
    Form->Settings.DisplaySparse = 0;
    Edit = [](TOptionsDialog& d) {
        for (QRadioButton* b : {d.btnCompressed, d.btnUncompressed, d.btnSparse, d.btnUnsparse}) {
            EXPECT_FALSE(b->isEnabled());
        }
        EXPECT_TRUE(d.btnUncompressed->isChecked());
        EXPECT_TRUE(d.btnUnsparse->isChecked());
    };
    Form->Options1Click();
    EXPECT_EQ(Form->Settings.DisplayCompressed, 0);
    EXPECT_EQ(Form->Settings.DisplaySparse, 0);
    EXPECT_EQ(Scans, 0);
}

TEST_F(OptionsTest, ALongIntervalShowsAsADayAndTheTimerRestarts) {
    Open();
    Form->Settings.RepeatInterval = 5000;
    Form->SpeedButtonStopRefreshClick();
    Edit = [](TOptionsDialog& d) {
        EXPECT_EQ(d.SpinEditScanInterval->value(), 1440);
        d.CheckBoxRepeatedScan->setChecked(true);
    };
    Form->Options1Click();
    EXPECT_EQ(Form->Settings.RepeatInterval, 1440);
    EXPECT_TRUE(Form->TimerRepeatScan.isActive());
    EXPECT_EQ(Form->TimerRepeatScan.interval(), 1440 * 60000);
    EXPECT_TRUE(Form->SpeedButtonStopRefresh->isEnabled());
}

TEST_F(OptionsTest, ACancelledFontChooserChangesNothing) {
    Open();
    const QFont before = Form->PieChart1->font();
    Edit = [](TOptionsDialog& d) {
        d.ChooseFont = [](const QFont&, QWidget*) { return std::optional<QFont>(); };
        QTest::mouseClick(d.btnPieFont, Qt::LeftButton);
    };
    Form->Options1Click();
    EXPECT_EQ(Form->PieChart1->font(), before);

    Edit = [](TOptionsDialog& d) {
        d.ChooseFont = [](const QFont& initial, QWidget*) {
            QFont bigger = initial;
            bigger.setPointSize(initial.pointSize() + 6);
            return std::optional<QFont>(bigger);
        };
        QTest::mouseClick(d.btnListBoxFont, Qt::LeftButton);
    };
    Form->Options1Click();
    EXPECT_EQ(Form->ListBox1->font().pointSize(), before.pointSize() + 6);
    EXPECT_EQ(Form->PieChart1->font(), before) << "only the chosen font changes";
}

TEST_F(OptionsTest, RevertThenCancelKeepsTheColours) {
    Open();
    Form->PieChart1->SetColours("$010203,$040506");
    Edit = [](TOptionsDialog& d) {
        QTest::mouseClick(d.btnRevert, Qt::LeftButton);
        EXPECT_EQ(d.PieChart1->Entries().size(), 6u) << "a slice for each default colour";
    };
    Confirm = false;
    Form->Options1Click();
    EXPECT_EQ(Form->PieChart1->Colours(), "$00010203,$00040506");
    Confirm = true;
    Form->Options1Click();
    EXPECT_EQ(Form->PieChart1->Colours(),
              "$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF");
}

TEST_F(OptionsTest, EightColoursGiveEightPreviewSlicesAndTheFourthEditsColourThree) {
    Open();
    Form->PieChart1->SetColours("1,2,3,4,5,6,7,8");
    Edit = [](TOptionsDialog& d) {
        TPieChart& chart = *d.PieChart1;
        ASSERT_EQ(chart.Entries().size(), 8u);
        EXPECT_EQ(chart.Entries().Text(0), "20   Colour0");
        EXPECT_EQ(chart.Entries().Text(7), "13   Colour7");
        d.ChooseColour = [](const QColor&, QWidget*) {
            return std::optional<QColor>(QColor(255, 0, 0));
        };
        const auto slices =
            PlanSlices(chart.Entries(), chart.Total(), chart.width(), chart.height(), 8);
        const double middle = (slices[3].Start + slices[3].End) / 2;
        const QPoint at(chart.width() / 2 + static_cast<int>(std::lround(std::cos(middle) * 40)),
                        chart.height() / 2 - static_cast<int>(std::lround(std::sin(middle) * 40)));
        QTest::mouseDClick(&chart, Qt::LeftButton, {}, at);
        EXPECT_EQ(chart.Colour(3), 0x000000FFu);
    };
    Form->Options1Click();
    EXPECT_EQ(Form->PieChart1->Colours(),
              "$00000001,$00000002,$00000003,$000000FF,$00000005,$00000006,"
              "$00000007,$00000008");
}

TEST_F(OptionsTest, RevertWithEightColoursKeepsEightPreviewEntries) {
    Open();
    Form->PieChart1->SetColours("1,2,3,4,5,6,7,8");
    Edit = [](TOptionsDialog& d) {
        QTest::mouseClick(d.btnRevert, Qt::LeftButton);
        TPieChart& chart = *d.PieChart1;
        EXPECT_EQ(chart.NumColours(), 6);
        EXPECT_EQ(chart.Entries().size(), 8u);
        const auto slices =
            PlanSlices(chart.Entries(), chart.Total(), chart.width(), chart.height(), 6);
        ASSERT_EQ(slices.size(), 8u);
        EXPECT_EQ(slices[6].ColourSlot, 0);
        EXPECT_EQ(slices[7].ColourSlot, 1);
    };
    Form->Options1Click();
}

}  // namespace
}  // namespace quillet
