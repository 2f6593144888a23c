#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/FolderChooser.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// The path is checked whatever changed the field: typing, a chosen completion or the program.
TEST(FolderChooser, ChecksThePathOnEveryChangeOfTheField) {
    test::TempTree tree;
    tree.Folder("usr/share");
    const QString start = QString::fromStdString(tree.Root());
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>();
        auto* problem = dialog->findChild<QLabel*>();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        ASSERT_NE(field, nullptr);
        ASSERT_NE(problem, nullptr);
        const auto problemShown = [&] { return !problem->isHidden(); };

        field->setFocus();
        field->clear();
        QTest::keyClicks(field, start + "/usr/sh");
        EXPECT_TRUE(problemShown());
        EXPECT_EQ(problem->text(), "Not a folder: " + start + "/usr/sh");
        EXPECT_FALSE(ok->isEnabled());
        // A chosen completion sets the text, as the completer does: no edit signal.
        field->completer()->popup()->hide();
        field->setText(start + "/usr/share");
        EXPECT_FALSE(problemShown()) << "a completed folder";
        EXPECT_TRUE(ok->isEnabled());

        field->setText(start + "/usr/none");
        EXPECT_TRUE(problemShown()) << "a path set by the program";
        EXPECT_FALSE(ok->isEnabled());

        checked = true;
        dialog->reject();
    });
    ChooseFolder(nullptr, tree.Root());
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace quillet
