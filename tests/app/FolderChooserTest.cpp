#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/FolderChooser.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// The path field starts with the keyboard focus and the start folder, and what is typed
// replaces it; the path is checked whatever changed the field: typing, a chosen completion or
// the program.
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

        EXPECT_EQ(field->text(), start);
        EXPECT_EQ(dialog->focusWidget(), field) << "not the tree's type-ahead";
        QTest::keyClicks(dialog->focusWidget(), start + "/usr/sh");
        EXPECT_EQ(field->text(), start + "/usr/sh") << "what is typed replaces the start";
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

// A file whose name is not text is listed and chosen by its bytes, never as a sibling that
// shows alike, and the filter decides which files the tree lists.
TEST(FolderChooser, TheFileChooserReachesEveryFileByItsBytes) {
    test::TempTree tree;
    const std::string wanted = tree.File("dir\xFF/solo\xFF.json", 1);
    tree.File("dir\xFF/solo\xFE.json", 1);
    tree.File("dir\xFF/notes.txt", 1);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>();
        auto* view = dialog->findChild<QTreeView*>();
        auto* filter = dialog->findChild<QComboBox*>();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        const auto listed = [&] {
            QStringList names;
            const QModelIndex folder = view->currentIndex().parent();
            for (int row = 0; row < view->model()->rowCount(folder); ++row)
                names.append(view->model()->index(row, 0, folder).data().toString());
            return names;
        };

        QTest::keyClicks(field, QString::fromStdString(tree.Root()) + "/dir\\xFF/solo\\xFF.json");
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(view->currentIndex().data().toString(), "solo\\xFF.json");
        EXPECT_EQ(listed(), QStringList({"solo\\xFE.json", "solo\\xFF.json"}));
        filter->setCurrentIndex(1);
        EXPECT_EQ(listed(), QStringList({"notes.txt", "solo\\xFE.json", "solo\\xFF.json"}));
        checked = true;
        ok->click();
    });
    EXPECT_EQ(ChooseFile(nullptr, "Open scan file", tree.Root(),
                         {{"Scan files (*.json)", ".JSON"}, {"All files (*)", ""}}),
              wanted);
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace quillet
