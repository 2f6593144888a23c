#include "app/FolderChooser.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
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

#include "app/DialogFit.h"
#include "app/FileUrl.h"
#include "app/TypedPath.h"
#include "base/AsciiCase.h"
#include "base/PathText.h"
#include "platform/FolderNames.h"
#include "platform/PathNames.h"
#include "platform/PathSeparator.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

constexpr int kPathRole = Qt::UserRole;        // the entry's full path: its bytes
constexpr int kListedRole = Qt::UserRole + 1;  // its sub-folders have been read (a file: none)
constexpr int kFileRole = Qt::UserRole + 2;    // a file, not a folder

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

bool EndsWithIgnoringAsciiCase(const std::string& name, const std::string& ending) {
    return name.size() >= ending.size() &&
           SameIgnoringAsciiCase(std::string_view(name).substr(name.size() - ending.size()),
                                 ending);
}

struct ListedEntry {
    QString Shown;
    std::string Name;  // its bytes
    bool IsFile = false;
};

// The sub-folders of folder, ordered as their shown names read, then, when fileEnding is
// given, the files whose names end in it, in the same order.
std::vector<ListedEntry> ListedEntries(const std::string& folder,
                                       const std::optional<std::string>& fileEnding) {
    std::vector<ListedEntry> listed;
    if (const auto entries = ReadFolderNames(folder)) {
        for (const NamedEntry& entry : *entries) {
            if (entry.IsFolder ||
                (fileEnding && EndsWithIgnoringAsciiCase(entry.Name, *fileEnding)))
                listed.push_back({ShownText(entry.Name), entry.Name, !entry.IsFolder});
        }
    }
    std::sort(listed.begin(), listed.end(), [](const ListedEntry& a, const ListedEntry& b) {
        if (a.IsFile != b.IsFile) return b.IsFile;
        const int order = a.Shown.compare(b.Shown, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.Name < b.Name;
    });
    return listed;
}

// The machine's folders as a tree, each folder read when it is first opened; when a file
// ending is set, each folder's files of that ending too. Every item keeps its entry's path as
// bytes: the shown name is for reading only, and two names that are not UTF-8 may show alike.
class FolderTreeModel : public QStandardItemModel {
public:
    FolderTreeModel(const QIcon& folderIcon, const QIcon& fileIcon)
        : FolderIcon_(folderIcon), FileIcon_(fileIcon) {
        AddRoots();
    }

    static std::string PathOf(const QModelIndex& index) {
        const QByteArray path = index.data(kPathRole).toByteArray();
        return std::string(path.constData(), static_cast<std::size_t>(path.size()));
    }
    static bool IsFile(const QModelIndex& index) { return index.data(kFileRole).toBool(); }

    // Lists the files that end in ending from now on (none: folders only), every folder read
    // again.
    void SetFileEnding(std::optional<std::string> ending) {
        FileEnding_ = std::move(ending);
        clear();
        AddRoots();
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
    void AddRoots() {
        for (const std::string& root : RootFolders())
            appendRow(NewItem(ShownText(root), root, false));
    }

    QStandardItem* NewItem(const QString& text, const std::string& path, bool isFile) const {
        auto* item = new QStandardItem(isFile ? FileIcon_ : FolderIcon_, text);
        item->setEditable(false);
        item->setData(QByteArray::fromStdString(path), kPathRole);
        item->setData(isFile, kListedRole);
        item->setData(isFile, kFileRole);
        return item;
    }

    void List(QStandardItem* folder) {
        if (!folder || folder->data(kListedRole).toBool()) return;
        folder->setData(true, kListedRole);
        const std::string path = PathOf(folder->index());
        QList<QStandardItem*> rows;
        for (const ListedEntry& entry : ListedEntries(path, FileEnding_))
            rows.append(NewItem(entry.Shown, ChildPath(path, entry.Name), entry.IsFile));
        folder->appendRows(rows);
    }

    QIcon FolderIcon_, FileIcon_;
    std::optional<std::string> FileEnding_;
};

std::string HomeFolder() {
    // Windows keeps the home folder in the user's profile, not in HOME.
    const QByteArray home = kPathSeparator == '/' ? qgetenv("HOME") : QByteArray();
    return home.isEmpty()
               ? QFile::encodeName(QDir::toNativeSeparators(QDir::homePath())).toStdString()
               : home.toStdString();
}

// The dialog of both choosers. filters: none chooses a folder; otherwise a file, listed by
// the filter chosen.
std::optional<std::string> Choose(QWidget* parent, const QString& caption, const std::string& start,
                                  const std::vector<TFileFilter>& filters) {
    const bool choosingFile = !filters.empty();
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.resize(460, 520);
    FitToScreen(dialog);
    FolderTreeModel model(dialog.style()->standardIcon(QStyle::SP_DirIcon),
                          dialog.style()->standardIcon(QStyle::SP_FileIcon));
    if (choosingFile) model.SetFileEnding(filters.front().Ending);
    QTreeView tree;
    tree.setModel(&model);
    tree.header()->hide();
    tree.setAccessibleName(choosingFile
                               ? QCoreApplication::translate("TFolderChooser", "Folders and files")
                               : QCoreApplication::translate("TFolderChooser", "Folders"));
    // Double-click and the arrow keys open and close folders, as in any tree; OK or Enter
    // chooses, and so does a double-click on a file.

    // The path field: typed, pasted or completed paths, shown and read as the program shows
    // paths; the tree follows a folder's or a listed file's path.
    const std::string home = HomeFolder();
    const auto typedPath = [&home](const QString& text) {
        const std::string typed = TypedPath(text, home);
        return typed.empty() ? typed : AbsoluteFolderPath(typed);
    };
    const auto isChoice = [choosingFile](const std::string& path) {
        return !path.empty() && (choosingFile ? LeadsToFile(path) : LeadsToFolder(path));
    };
    // A folder's path as the field shows it; while choosing a file, ended by the separator,
    // ready for a name.
    const auto fieldText = [choosingFile](const std::string& path, bool isFile) {
        if (!choosingFile || isFile || path.ends_with(kPathSeparator)) return ShownText(path);
        return ShownText(path + kPathSeparator);
    };
    QLineEdit field;
    field.setClearButtonEnabled(true);
    field.setAccessibleName(choosingFile
                                ? QCoreApplication::translate("TFolderChooser", "File path")
                                : QCoreApplication::translate("TFolderChooser", "Folder path"));
    QStringListModel completions;
    QCompleter completer(&completions);
    completer.setCompletionMode(QCompleter::PopupCompletion);
    field.setCompleter(&completer);
    std::string completedFolder;  // the folder whose entries the completions are
    QLabel problem;
    problem.setTextFormat(Qt::PlainText);
    problem.hide();
    QComboBox filterBox;
    for (const TFileFilter& filter : filters)
        filterBox.addItem(filter.Caption);
    filterBox.setVisible(choosingFile);
    filterBox.setAccessibleName(QCoreApplication::translate("TFolderChooser", "File type"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // Shows the entry in the tree, opened down to it and scrolled into sight. The path came
    // from the field, which keeps it as it was typed.
    bool revealing = false;
    const auto reveal = [&](const std::string& path) {
        if (QStandardItem* item = model.Find(path)) {
            revealing = true;
            tree.setCurrentIndex(item->index());
            revealing = false;
            // A folder on the way to a file shows its files, in sight below it.
            const bool onTheWay = choosingFile && !FolderTreeModel::IsFile(item->index());
            if (onTheWay) tree.expand(item->index());
            tree.scrollTo(item->index(), onTheWay ? QAbstractItemView::PositionAtTop
                                                  : QAbstractItemView::PositionAtCenter);
        }
    };
    QObject::connect(&field, &QLineEdit::textEdited, &dialog, [&](const QString& text) {
        // The completions: the entries of the folder being typed in.
        const std::string typed = TypedPath(text, home);
        const std::string folder =
            typed.find(kPathSeparator) == std::string::npos
                ? std::string()
                : ParentOf(typed, {&kPathSeparator, 1}, RootOf(typed).size());
        if (folder != completedFolder) {
            completedFolder = folder;
            QStringList paths;
            if (!folder.empty()) {
                const std::optional<std::string> ending =
                    choosingFile
                        ? std::optional(
                              filters[static_cast<std::size_t>(filterBox.currentIndex())].Ending)
                        : std::nullopt;
                for (const ListedEntry& entry : ListedEntries(folder, ending))
                    paths.append(ShownText(ChildPath(folder, entry.Name)));
            }
            completions.setStringList(paths);
        }
    });
    // Whatever changed the text, typing, a chosen completion, a paste or the tree, the path
    // is checked again.
    const auto check = [&](const QString& text) {
        const std::string path = typedPath(text);
        const bool chosen = isChoice(path);
        // While choosing a file, a folder is a place on the way, not a mistake.
        const bool onTheWay = choosingFile && !path.empty() && LeadsToFolder(path);
        problem.setText(
            path.empty()
                ? QString()
                : (choosingFile ? QCoreApplication::translate("TFolderChooser", "Not a file: %1")
                                : QCoreApplication::translate("TFolderChooser", "Not a folder: %1"))
                      .arg(ShownText(path)));
        problem.setVisible(!chosen && !onTheWay && !path.empty());
        buttons.button(QDialogButtonBox::Ok)->setEnabled(chosen);
        // The tree's own choice is already in sight: it is not scrolled away under the mouse.
        if ((chosen || onTheWay) && (!tree.currentIndex().isValid() ||
                                     FolderTreeModel::PathOf(tree.currentIndex()) != path))
            reveal(path);
    };
    QObject::connect(&field, &QLineEdit::textChanged, &dialog, check);
    QObject::connect(tree.selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [&](const QModelIndex& current) {
                         if (!current.isValid() || revealing) return;
                         field.setText(fieldText(FolderTreeModel::PathOf(current),
                                                 FolderTreeModel::IsFile(current)));
                     });
    QObject::connect(
        &tree, &QAbstractItemView::doubleClicked, &dialog, [&](const QModelIndex& index) {
            if (FolderTreeModel::IsFile(index) && buttons.button(QDialogButtonBox::Ok)->isEnabled())
                dialog.accept();
        });
    QObject::connect(&filterBox, &QComboBox::currentIndexChanged, &dialog, [&](int index) {
        if (index < 0) return;
        model.SetFileEnding(filters[static_cast<std::size_t>(index)].Ending);
        completedFolder.clear();
        // The typed path again, or the folder of the file that is no longer listed.
        const std::string path = typedPath(field.text());
        reveal(path);
        if (!tree.currentIndex().isValid() && !path.empty())
            reveal(ParentOf(path, {&kPathSeparator, 1}, RootOf(path).size()));
    });

    // The desktop's own menu for a folder is out of reach here: offer its main verb.
    tree.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&tree, &QWidget::customContextMenuRequested, &dialog, [&](const QPoint& at) {
        const QModelIndex index = tree.indexAt(at);
        if (!index.isValid() || FolderTreeModel::IsFile(index)) return;
        QMenu menu;
        menu.addAction(QCoreApplication::translate("TFolderChooser", "Open in File Manager"),
                       [&] { QDesktopServices::openUrl(FileUrl(FolderTreeModel::PathOf(index))); });
        menu.exec(tree.viewport()->mapToGlobal(at));
    });
    QVBoxLayout layout(&dialog);
    layout.addWidget(&field);
    layout.addWidget(&problem);
    layout.addWidget(&tree);
    layout.addWidget(&filterBox);
    layout.addWidget(&buttons);

    const std::string startPath = AbsoluteFolderPath(start);
    field.setText(fieldText(startPath, LeadsToFile(startPath)));
    // Once the dialog is shown and laid out, so the entry can be scrolled to its middle.
    QTimer::singleShot(0, &dialog, [&] { reveal(startPath); });
    // What is typed replaces the path shown, and is what is chosen.
    field.setFocus();
    field.selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::string typed = typedPath(field.text());
    if (isChoice(typed)) return typed;
    const QModelIndex current = tree.currentIndex();
    if (!current.isValid() || FolderTreeModel::IsFile(current) != choosingFile) return std::nullopt;
    return FolderTreeModel::PathOf(current);
}

}  // namespace

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& start) {
    return Choose(parent, QCoreApplication::translate("TFolderChooser", "Choose a folder to scan"),
                  start, {});
}

std::optional<std::string> ChooseFile(QWidget* parent, const QString& caption,
                                      const std::string& start,
                                      const std::vector<TFileFilter>& filters) {
    return Choose(parent, caption, start, filters);
}

}  // namespace quillet
