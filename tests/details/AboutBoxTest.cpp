#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "details/AboutBx.h"
#include "platform/ExecutableFolder.h"
#include "support/ExecutableImages.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

QString ExecutableName() {
    return QFileInfo(QString::fromStdString(ExecutablePath())).fileName();
}

// The test program carries the program's version data, so the box reads what quillet's does.
TEST(AboutBox, ShowsTheProgramsOwnVersionData) {
    TAboutBoxZEB1 box;
    std::vector<QString> opened;
    box.OpenAddress = [&](const QString& address) { opened.push_back(address); };
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About " QUILLET_PRODUCT_NAME));
    EXPECT_EQ(box.ProductName->text(), QStringLiteral(QUILLET_PRODUCT_NAME));
    EXPECT_EQ(box.Version->text(),
              ExecutableName() + ", V" QUILLET_FILE_VERSION ", " QUILLET_RELEASE_DATE);
    EXPECT_TRUE(box.Copyright->text().startsWith("Copyright"));
    EXPECT_EQ(box.WebSite->text(), QStringLiteral(QUILLET_WEB_SITE));
    EXPECT_TRUE(box.WebSite->font().underline());
    EXPECT_EQ(box.WebSite->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_EQ(box.WebSite->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(box.WebSite, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QString>{"http://" QUILLET_WEB_SITE});
    box.WebSite->setText("http://already.example/page");
    box.WebSiteClick();
    EXPECT_EQ(opened.back(), "http://already.example/page") << "an address with http:// stays";
    box.WebSite->setText("");
    box.WebSiteClick();
    EXPECT_EQ(opened.size(), 2u) << "an empty address opens nothing";
}

// A desktop with a larger font: the box widens until every line shows whole across its
// panel, and the web address keeps its place at the right.
TEST(AboutBox, ALargerFontWidensTheBoxUntilEveryLineShows) {
    TAboutBoxZEB1 box;
    QFont large = box.font();
    large.setPointSize(20);
    box.setFont(large);
    box.FormShow();
    EXPECT_GT(box.width(), 402);
    const QRect inside = box.Panel1->contentsRect();
    for (QLabel* label : {box.ProductName, box.Version, box.Copyright, box.Comments, box.WebSite}) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        EXPECT_GE(label->x(), inside.left()) << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), inside.right()) << label->text().toStdString();
    }
    EXPECT_EQ(box.WebSite->geometry().right() + 1, box.Panel1->width() - 42);
}

TEST(AboutBox, WithoutVersionDataTheTextsAreEmpty) {
    test::TempTree tree;
    test::WriteFile(tree.Path("plain"), test::MakeElf(true, false, {}));
    TAboutBoxZEB1 box;
    box.QXVersionInfo.SetFileName(tree.Path("plain"));
    box.FormShow();
    EXPECT_EQ(box.windowTitle(), "About ");
    EXPECT_EQ(box.Copyright->text(), "");
    EXPECT_EQ(box.Version->text(), ExecutableName() + ", V, ");
    EXPECT_EQ(box.WebSite->text(), "");
}

}  // namespace
}  // namespace quillet
