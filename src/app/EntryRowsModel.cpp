#include "app/EntryRowsModel.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "app/ToolTipText.h"
#include "listing/NameSearch.h"
#include "platform/PathSeparator.h"
#include "scan/ShownName.h"

namespace quillet {

TEntryRowsModel::TEntryRowsModel(QObject* parent)
    : QAbstractTableModel(parent),
      FolderIcon_(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
      FileIcon_(QApplication::style()->standardIcon(QStyle::SP_FileIcon)) {}

void TEntryRowsModel::SetRows(const TFolderList* top, std::vector<TEntryRow> rows, TSizeUnit unit,
                              const QString& sizeHeader) {
    beginResetModel();
    Top_ = top;
    Rows_ = std::move(rows);
    Unit_ = unit;
    SizeHeader_ = sizeHeader;
    Icons_ = std::any_of(Rows_.begin(), Rows_.end(),
                         [](const TEntryRow& row) { return row.Node->Children() != nullptr; });
    endResetModel();
}

void TEntryRowsModel::Clear() {
    beginResetModel();
    Top_ = nullptr;
    Rows_ = {};  // given back, not only emptied
    endResetModel();
}

const TFolderData* TEntryRowsModel::Node(int row) const {
    return row >= 0 && row < Count() ? Rows_[static_cast<std::size_t>(row)].Node : nullptr;
}

int TEntryRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TEntryRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TEntryRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count() || !Top_) return {};
    const TEntryRow& row = Rows_[static_cast<std::size_t>(index.row())];
    const bool folder = row.Node->Children() != nullptr;
    if (index.column() == kSizeColumn) {
        if (role == Qt::DisplayRole)
            return QString::fromStdString(EntrySizeText(row.Value, Unit_)).trimmed();
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(ShownName(RelativePath(*row.Node, *Top_)));
        case Qt::ToolTipRole: {
            std::string path = Top_->Path() + RelativePath(*row.Node, *Top_);
            if (folder) path += kPathSeparator;
            return ToolTipText(QString::fromUtf8(ShownName(path)));
        }
        case Qt::DecorationRole:
            if (Icons_) return folder ? FolderIcon_ : FileIcon_;
            return {};
        default:
            return {};
    }
}

QVariant TEntryRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return section == kSizeColumn ? SizeHeader_ : tr("Path");
    if (role == Qt::TextAlignmentRole && section == kSizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

}  // namespace quillet
