#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "details/FilProps.h"
#include "details/FileTexts.h"
#include "formats/VersionInfoWriter.h"
#include "support/ExecutableImages.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

const NumberPunctuation kEnglish;

TEST(FileTexts, SizesInTheirUnitWithTheBytesBeside) {
    EXPECT_EQ(FileSizeText(0, kEnglish), "0 bytes (0 bytes)");
    EXPECT_EQ(FileSizeText(1023, kEnglish), "1,023 bytes (1,023 bytes)");
    EXPECT_EQ(FileSizeText(1024, kEnglish), "1.00 KB (1,024 bytes)");
    EXPECT_EQ(FileSizeText(1048576, kEnglish), "1.00 MB (1,048,576 bytes)");
    EXPECT_EQ(FileSizeText(5368709120.0, kEnglish), "5.00 GB (5,368,709,120 bytes)");
    EXPECT_EQ(CompressedSizeText(100, kEnglish), "100 bytes (100 bytes)");
    EXPECT_EQ(CompressedSizeText(5 * 1048576, kEnglish), "5.00 MB (5,242,880 bytes)")
        << "no GB step";
}

TEST(FileTexts, TimesInUtcAndTypesFromTheExtension) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FileTimeText(1577973909, english), "2020-Jan-02 14:05:09");
    EXPECT_EQ(FileDateText(1577973909, english), "2020-Jan-02");
    EXPECT_EQ(FileTimeText(std::nullopt, english), "(unknown)");
    EXPECT_EQ(FileDateText(std::nullopt, english), "(unknown)");
    EXPECT_EQ(TypeFromExtension("a.txt"), "TXT file");
    EXPECT_EQ(TypeFromExtension("Makefile"), " file");
}

TEST(FileTexts, DatesKeepTheWholeMonthNameInEveryLanguage) {
    const std::int64_t december = 1796463000;  // 2026-12-05 09:30:00 UTC
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(FileDateText(december, german), "2026-Dez.-05");
    EXPECT_EQ(FileDateText(december, french), "2026-déc.-05");
    EXPECT_EQ(FileTimeText(december, german), "2026-Dez.-05 09:30:00");
    EXPECT_EQ(FileTimeText(december, french), "2026-déc.-05 09:30:00");
}

class FilePropertiesTest : public ::testing::Test {
protected:
    test::TempTree Tree;
    TfrmFileProperties1 Dialog;
};

TEST_F(FilePropertiesTest, DescribesAPlainFile) {
    const std::string path = Tree.File("notes.txt", 1536);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Dialog.FileName = path;
    Dialog.FormShow();
    EXPECT_EQ(Dialog.windowTitle(), "notes.txt properties");
    EXPECT_EQ(Dialog.lblName->text(), "notes.txt");
    EXPECT_EQ(Dialog.lblDOSName->text(), "notes.txt");
    EXPECT_EQ(Dialog.lblLocation->text().toStdString(), Tree.Root() + "/");
    EXPECT_EQ(Dialog.lblLocation->toolTip(), Dialog.lblLocation->text());
    EXPECT_EQ(Dialog.lblSize->text(), "1.50 KB (1,536 bytes)");
    EXPECT_FALSE(Dialog.lblType->text().isEmpty());
    EXPECT_EQ(Dialog.lblAccessed->text().size(), 11);
    EXPECT_FALSE(Dialog.PageControl1->isTabVisible(1)) << "no version data, no Version page";
    EXPECT_FALSE(Dialog.pnlError->isVisibleTo(&Dialog));
    EXPECT_TRUE(Dialog.chkReadOnly->isChecked());
    QTest::mouseClick(Dialog.chkReadOnly, Qt::LeftButton);
    EXPECT_TRUE(Dialog.chkReadOnly->isChecked()) << "the boxes only show";
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

// A desktop with a larger font: the dialog widens until the size, the times and the
// attributes show whole, side by side without overlapping.
TEST_F(FilePropertiesTest, ALargerFontWidensTheDialogUntilItsValuesShow) {
    QFont large = Dialog.font();
    large.setPointSize(20);
    Dialog.setFont(large);
    Dialog.FileName = Tree.File("notes.txt", 1536);
    Dialog.FormShow();
    EXPECT_GT(Dialog.width(), 361);
    const int right = Dialog.PageControl1->width() - 4;
    for (QLabel* value : {Dialog.lblSize, Dialog.lblModified, Dialog.lblCreated}) {
        EXPECT_GE(value->width(), value->sizeHint().width()) << value->text().toStdString();
        EXPECT_LE(value->geometry().right(), right) << value->text().toStdString();
    }
    EXPECT_GE(Dialog.chkHidden->x(), Dialog.chkReadOnly->geometry().right());
    EXPECT_GE(Dialog.chkSystem->x(), Dialog.chkArchive->geometry().right());
    EXPECT_LE(Dialog.chkSystem->geometry().right(), right);
}

TEST_F(FilePropertiesTest, AMissingFileShowsTheErrorPanel) {
    Dialog.FileName = Tree.Path("gone.txt");
    Dialog.FormShow();
    EXPECT_EQ(Dialog.windowTitle(), "Error - can't find this file");
    EXPECT_TRUE(Dialog.pnlError->isVisibleTo(&Dialog));
    EXPECT_EQ(Dialog.pnlError->text().toStdString(), Tree.Path("gone.txt"));
    EXPECT_FALSE(Dialog.PageControl1->isVisibleTo(&Dialog));
}

TEST_F(FilePropertiesTest, ListsTheVersionFieldsOfAWindowsProgram) {
    VersionInfoContents contents;
    contents.Tables.push_back({"040904E4",
                               {{"FileVersion", "2.1.0.7"},
                                {"FileDescription", "Sample tool"},
                                {"LegalCopyright", "(c) Someone"},
                                {"InternalName", "sample"},
                                {"ProductName", "Sample"}}});
    contents.Translation = TranslationValue({0x04E40409});
    test::WriteFile(Tree.Path("sample.exe"),
                    test::MakePe(true, {{0x409, WriteVersionInfo(contents)}}));
    Dialog.FileName = Tree.Path("sample.exe");
    Dialog.FormShow();
    EXPECT_TRUE(Dialog.PageControl1->isTabVisible(1));
    EXPECT_EQ(Dialog.lblFileVersion->text(), "2.1.0.7");
    EXPECT_EQ(Dialog.lblFileDescription->text(), "Sample tool");
    EXPECT_EQ(Dialog.lblLegalCopyright->text(), "(c) Someone");
    ASSERT_EQ(Dialog.lbxNames->count(), 2) << "only the fields that have a value, in table order";
    EXPECT_EQ(Dialog.lbxNames->item(0)->text(), "InternalName");
    EXPECT_EQ(Dialog.lbxNames->item(1)->text(), "ProductName");
    Dialog.lbxNames->setCurrentRow(1);
    EXPECT_EQ(Dialog.memValues->toPlainText(), "Sample");

    // A language without a code page: the key ends in 0000. And nothing of the last file stays.
    contents.Tables = {{"04090000", {{"FileVersion", "3.0"}}}};
    contents.Translation = {0x09, 0x04};
    test::WriteFile(Tree.Path("short.exe"),
                    test::MakePe(false, {{0x409, WriteVersionInfo(contents)}}));
    Dialog.FileName = Tree.Path("short.exe");
    Dialog.FormShow();
    EXPECT_EQ(Dialog.lblFileVersion->text(), "3.0");
    EXPECT_EQ(Dialog.lblFileDescription->text(), "");
    EXPECT_EQ(Dialog.lbxNames->count(), 0);

    Dialog.FileName = Tree.File("plain.txt", 1);
    Dialog.FormShow();
    EXPECT_EQ(Dialog.lblFileVersion->text(), "") << "emptied for a file without version data";
}

}  // namespace
}  // namespace quillet
