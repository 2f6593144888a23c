#include "app/FolderChooser.h"

#include <QCompleter>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace quillet {
namespace {

// A typed or pasted path as a full one: "~" is the home folder, blanks around it go.
QString TypedPath(const QString& text) {
    QString path = text.trimmed();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path.replace(0, 1, QDir::homePath());
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

}  // namespace

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
    // Double-click and the arrow keys open and close folders, as in any tree; OK or Enter
    // chooses.

    // The path field: typed, pasted or completed paths; the tree follows a folder's path.
    QLineEdit field;
    field.setClearButtonEnabled(true);
    QFileSystemModel completions;
    completions.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    completions.setRootPath(QStringLiteral("/"));
    QCompleter completer(&completions);
    completer.setCompletionMode(QCompleter::PopupCompletion);
    field.setCompleter(&completer);
    QLabel problem;
    problem.setTextFormat(Qt::PlainText);
    problem.hide();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // Shows the folder in the tree, scrolled into sight. Folders are read and sorted in the
    // background, and a folder's row exists only once its parent has been read: until the
    // row shows, it is sought again a few times a second, for at most a few seconds.
    QString wanted;
    QTimer seek;
    seek.setInterval(100);
    int tries = 0;
    const auto reveal = [&] {
        const QModelIndex index = model.index(wanted);
        if (index.isValid()) {
            tree.setCurrentIndex(index);
            tree.scrollTo(index, QAbstractItemView::PositionAtCenter);
        }
        const bool shown = index.isValid() && tree.isVisible() &&
                           tree.viewport()->rect().contains(tree.visualRect(index).center());
        if (shown || ++tries > 30) {
            seek.stop();
        } else if (!seek.isActive()) {
            seek.start();
        }
    };
    QObject::connect(&seek, &QTimer::timeout, &dialog, reveal);
    QObject::connect(&field, &QLineEdit::textEdited, &dialog, [&](const QString& text) {
        const QString path = TypedPath(text);
        const bool folder = !path.isEmpty() && QFileInfo(path).isDir();
        problem.setText(path.isEmpty() ? QString() : "Not a folder: " + path);
        problem.setVisible(!folder && !path.isEmpty());
        buttons.button(QDialogButtonBox::Ok)->setEnabled(folder);
        if (folder) {
            wanted = path;
            tries = 0;
            reveal();
        }
    });
    QObject::connect(tree.selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [&](const QModelIndex& current) {
                         if (!current.isValid() || field.hasFocus()) return;
                         // The user's own choice ends the search for the wanted folder.
                         if (model.filePath(current) != wanted) seek.stop();
                         field.setText(model.filePath(current));
                         problem.hide();
                         buttons.button(QDialogButtonBox::Ok)->setEnabled(true);
                     });

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
    layout.addWidget(&field);
    layout.addWidget(&problem);
    layout.addWidget(&tree);
    layout.addWidget(&buttons);

    const QString startPath = QDir::cleanPath(QString::fromStdString(start));
    field.setText(startPath);
    wanted = startPath;
    reveal();
    tree.setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QString typed = TypedPath(field.text());
    if (QFileInfo(typed).isDir()) return typed.toStdString();
    if (!tree.currentIndex().isValid()) return std::nullopt;
    return model.filePath(tree.currentIndex()).toStdString();
}

}  // namespace quillet
