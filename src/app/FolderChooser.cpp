#include "app/FolderChooser.h"

#include <QCompleter>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/FileUrl.h"
#include "app/TypedPath.h"
#include "base/PathText.h"
#include "platform/FolderNames.h"
#include "platform/PathNames.h"
#include "platform/PathSeparator.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

constexpr int kPathRole = Qt::UserRole;        // the folder's full path: its bytes
constexpr int kListedRole = Qt::UserRole + 1;  // its sub-folders have been read

QString ShownText(const std::string& path) {
    return QString::fromUtf8(ShownName(path));
}

std::string ChildPath(const std::string& folder, const std::string& name) {
    // A root ("/", "C:\") ends in the separator already.
    return (folder.ends_with(kPathSeparator) ? folder : folder + kPathSeparator) + name;
}

// The root that path begins with; empty when none.
std::string RootOf(const std::string& path) {
    for (const std::string& root : RootFolders()) {
        if (path.starts_with(root) || path + kPathSeparator == root) return root;
    }
    return {};
}

struct SubFolder {
    QString Shown;
    std::string Name;  // its bytes
};

// The sub-folders of folder, ordered as their shown names read.
std::vector<SubFolder> SubFolders(const std::string& folder) {
    std::vector<SubFolder> folders;
    if (const auto entries = ReadFolderNames(folder)) {
        for (const NamedEntry& entry : *entries) {
            if (entry.IsFolder) folders.push_back({ShownText(entry.Name), entry.Name});
        }
    }
    std::sort(folders.begin(), folders.end(), [](const SubFolder& a, const SubFolder& b) {
        const int order = a.Shown.compare(b.Shown, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.Name < b.Name;
    });
    return folders;
}

// The machine's folders as a tree, each folder read when it is first opened. Every item keeps
// its folder's path as bytes: the shown name is for reading only, and two names that are not
// UTF-8 may show alike.
class FolderTreeModel : public QStandardItemModel {
public:
    explicit FolderTreeModel(const QIcon& icon) : Icon_(icon) {
        for (const std::string& root : RootFolders())
            appendRow(NewItem(ShownText(root), root));
    }

    static std::string PathOf(const QModelIndex& index) {
        const QByteArray path = index.data(kPathRole).toByteArray();
        return std::string(path.constData(), static_cast<std::size_t>(path.size()));
    }

    bool hasChildren(const QModelIndex& parent) const override {
        if (parent.isValid() && !parent.data(kListedRole).toBool()) return true;
        return QStandardItemModel::hasChildren(parent);
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return parent.isValid() && !parent.data(kListedRole).toBool();
    }
    void fetchMore(const QModelIndex& parent) override { List(itemFromIndex(parent)); }

    // The item of a full, clean path, its folders read on the way; null when one of its names
    // is not there.
    QStandardItem* Find(const std::string& path) {
        const std::string root = RootOf(path);
        QStandardItem* found = nullptr;
        for (int row = 0; row < rowCount() && !found; ++row) {
            if (PathOf(item(row)->index()) == root) found = item(row);
        }
        std::size_t at = root.size();
        while (found && at < path.size()) {
            const std::size_t end = std::min(path.find(kPathSeparator, at), path.size());
            if (end > at) {
                List(found);
                const std::string wanted = path.substr(0, end);
                QStandardItem* parent = found;
                found = nullptr;
                for (int row = 0; row < parent->rowCount() && !found; ++row) {
                    if (PathOf(parent->child(row)->index()) == wanted) found = parent->child(row);
                }
            }
            at = end + 1;
        }
        return found;
    }

private:
    QStandardItem* NewItem(const QString& text, const std::string& path) const {
        auto* item = new QStandardItem(Icon_, text);
        item->setEditable(false);
        item->setData(QByteArray::fromStdString(path), kPathRole);
        item->setData(false, kListedRole);
        return item;
    }

    void List(QStandardItem* folder) {
        if (!folder || folder->data(kListedRole).toBool()) return;
        folder->setData(true, kListedRole);
        const std::string path = PathOf(folder->index());
        QList<QStandardItem*> rows;
        for (const SubFolder& sub : SubFolders(path))
            rows.append(NewItem(sub.Shown, ChildPath(path, sub.Name)));
        folder->appendRows(rows);
    }

    QIcon Icon_;
};

std::string HomeFolder() {
    // Windows keeps the home folder in the user's profile, not in HOME.
    const QByteArray home = kPathSeparator == '/' ? qgetenv("HOME") : QByteArray();
    return home.isEmpty()
               ? QFile::encodeName(QDir::toNativeSeparators(QDir::homePath())).toStdString()
               : home.toStdString();
}

}  // namespace

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& start) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Choose a folder to scan"));
    dialog.resize(460, 520);
    FolderTreeModel model(dialog.style()->standardIcon(QStyle::SP_DirIcon));
    QTreeView tree;
    tree.setModel(&model);
    tree.header()->hide();
    // Double-click and the arrow keys open and close folders, as in any tree; OK or Enter
    // chooses.

    // The path field: typed, pasted or completed paths, shown and read as the program shows
    // paths; the tree follows a folder's path.
    const std::string home = HomeFolder();
    const auto typedFolder = [&home](const QString& text) {
        const std::string typed = TypedPath(text, home);
        return typed.empty() ? typed : AbsoluteFolderPath(typed);
    };
    QLineEdit field;
    field.setClearButtonEnabled(true);
    QStringListModel completions;
    QCompleter completer(&completions);
    completer.setCompletionMode(QCompleter::PopupCompletion);
    field.setCompleter(&completer);
    std::string completedFolder;  // the folder whose sub-folders the completions are
    QLabel problem;
    problem.setTextFormat(Qt::PlainText);
    problem.hide();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // Shows the folder in the tree, opened down to it and scrolled into sight.
    const auto reveal = [&](const std::string& path) {
        if (QStandardItem* item = model.Find(path)) {
            tree.setCurrentIndex(item->index());
            tree.scrollTo(item->index(), QAbstractItemView::PositionAtCenter);
        }
    };
    QObject::connect(&field, &QLineEdit::textEdited, &dialog, [&](const QString& text) {
        // The completions: the sub-folders of the folder being typed in.
        const std::string typed = TypedPath(text, home);
        const std::string folder =
            typed.find(kPathSeparator) == std::string::npos
                ? std::string()
                : ParentOf(typed, {&kPathSeparator, 1}, RootOf(typed).size());
        if (folder != completedFolder) {
            completedFolder = folder;
            QStringList paths;
            if (!folder.empty()) {
                for (const SubFolder& sub : SubFolders(folder))
                    paths.append(ShownText(ChildPath(folder, sub.Name)));
            }
            completions.setStringList(paths);
        }
    });
    // Whatever changed the text, typing, a chosen completion, a paste or the tree, the path
    // is checked again.
    QObject::connect(&field, &QLineEdit::textChanged, &dialog, [&](const QString& text) {
        const std::string path = typedFolder(text);
        const bool isFolder = !path.empty() && LeadsToFolder(path);
        problem.setText(path.empty() ? QString() : "Not a folder: " + ShownText(path));
        problem.setVisible(!isFolder && !path.empty());
        buttons.button(QDialogButtonBox::Ok)->setEnabled(isFolder);
        // The tree's own choice is already in sight: it is not scrolled away under the mouse.
        if (isFolder && (!tree.currentIndex().isValid() ||
                         FolderTreeModel::PathOf(tree.currentIndex()) != path))
            reveal(path);
    });
    QObject::connect(tree.selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [&](const QModelIndex& current) {
                         if (!current.isValid() || field.hasFocus()) return;
                         field.setText(ShownText(FolderTreeModel::PathOf(current)));
                     });

    // The desktop's own menu for a folder is out of reach here: offer its main verb.
    tree.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&tree, &QWidget::customContextMenuRequested, &dialog, [&](const QPoint& at) {
        const QModelIndex index = tree.indexAt(at);
        if (!index.isValid()) return;
        QMenu menu;
        menu.addAction(QStringLiteral("Open in File Manager"),
                       [&] { QDesktopServices::openUrl(FileUrl(FolderTreeModel::PathOf(index))); });
        menu.exec(tree.viewport()->mapToGlobal(at));
    });
    QVBoxLayout layout(&dialog);
    layout.addWidget(&field);
    layout.addWidget(&problem);
    layout.addWidget(&tree);
    layout.addWidget(&buttons);

    const std::string startPath = AbsoluteFolderPath(start);
    field.setText(ShownText(startPath));
    // Once the dialog is shown and laid out, so the folder can be scrolled to its middle.
    QTimer::singleShot(0, &dialog, [&] { reveal(startPath); });
    tree.setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::string typed = typedFolder(field.text());
    if (!typed.empty() && LeadsToFolder(typed)) return typed;
    if (!tree.currentIndex().isValid()) return std::nullopt;
    return FolderTreeModel::PathOf(tree.currentIndex());
}

}  // namespace quillet
