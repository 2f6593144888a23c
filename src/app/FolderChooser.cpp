#include "app/FolderChooser.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace quillet {

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& start) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Choose a folder to scan"));
    dialog.resize(460, 520);
    QFileSystemModel model;
    model.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    model.setRootPath(QStringLiteral("/"));
    QTreeView tree;
    tree.setModel(&model);
    for (int column = 1; column < model.columnCount(); ++column)
        tree.hideColumn(column);
    tree.header()->hide();
    const QModelIndex current = model.index(QString::fromStdString(start));
    tree.setCurrentIndex(current);
    tree.scrollTo(current);
    tree.expand(current);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(&tree, &QTreeView::doubleClicked, &dialog, &QDialog::accept);
    // The desktop's own menu for a folder is out of reach here: offer its main verb.
    tree.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&tree, &QWidget::customContextMenuRequested, &dialog, [&](const QPoint& at) {
        const QModelIndex index = tree.indexAt(at);
        if (!index.isValid()) return;
        QMenu menu;
        menu.addAction(QStringLiteral("Open in File Manager"), [&] {
            QDesktopServices::openUrl(QUrl::fromLocalFile(model.filePath(index)));
        });
        menu.exec(tree.viewport()->mapToGlobal(at));
    });
    QVBoxLayout layout(&dialog);
    layout.addWidget(&tree);
    layout.addWidget(&buttons);
    if (dialog.exec() != QDialog::Accepted || !tree.currentIndex().isValid()) return std::nullopt;
    return model.filePath(tree.currentIndex()).toStdString();
}

}  // namespace quillet
