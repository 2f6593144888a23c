// The rows of a view of a whole subtree that lists entries (largest files, find): each an
// entry of the tree with its figure, shown as its size and its path from the view's folder.
// Paths are built when a row is drawn, so a long list holds two words per row.
//
// Ownership: rows point into the tree, never owned; the view clears them before the tree goes.
#pragma once

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QIcon>
#include <vector>

#include "listing/SizeUnits.h"
#include "scan/FileInfo.h"

namespace quillet {

struct TEntryRow {
    const TFolderData* Node;
    ByteCount Value;  // in bytes, or files in Count
};

class TEntryRowsModel final : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    enum TColumn { kSizeColumn, kPathColumn, kColumns };

    explicit TEntryRowsModel(QObject* parent = nullptr);

    // top: the folder the paths start from; unit: what the values are shown in; sizeHeader:
    // the title of the size column.
    void SetRows(const TFolderList* top, std::vector<TEntryRow> rows, TSizeUnit unit,
                 const QString& sizeHeader);
    void Clear();
    int Count() const { return static_cast<int>(Rows_.size()); }
    const TFolderData* Node(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TFolderList* Top_ = nullptr;
    std::vector<TEntryRow> Rows_;
    TSizeUnit Unit_ = TSizeUnit::suKB;
    QString SizeHeader_;
    bool Icons_ = false;  // folders among the rows: every row shows what it is
    QIcon FolderIcon_, FileIcon_;
};

}  // namespace quillet
