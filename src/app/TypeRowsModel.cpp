#include "app/TypeRowsModel.h"

#include "scan/ShownName.h"

namespace quillet {

QString TypeName(const TTypeTotal& type) {
    // quillet-scan's types say the same in English (kNoExtensionText).
    if (type.Extension.empty()) return TTypeRowsModel::tr("(no extension)");
    return QString::fromUtf8(ShownName(type.Extension));
}

void TTypeRowsModel::SetRows(std::vector<TTypeTotal> types, const TTypeTotal& others,
                             TDisplayMode mode, TSizeUnit unit, bool comparing,
                             const QString& sizeHeader, const NumberPunctuation& punctuation) {
    beginResetModel();
    Types_ = std::move(types);
    Mode_ = mode;
    Unit_ = unit;
    Comparing_ = comparing;
    SizeHeader_ = sizeHeader;
    Punctuation_ = punctuation;
    Total_ = TypeValue(others, Mode_, Unit_);
    for (const TTypeTotal& type : Types_)
        Total_ = AddBytes(Total_, TypeValue(type, Mode_, Unit_));
    endResetModel();
}

void TTypeRowsModel::Clear() {
    beginResetModel();
    Types_ = {};
    endResetModel();
}

std::vector<TTypeTotal> TTypeRowsModel::TakeRows() {
    beginResetModel();
    std::vector<TTypeTotal> types = std::move(Types_);
    Types_ = {};
    endResetModel();
    return types;
}

int TTypeRowsModel::RowOf(const std::string& extension) const {
    for (int row = 0; row < Count(); ++row) {
        if (Type(row).Extension == extension) return row;
    }
    return -1;
}

int TTypeRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TTypeRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TTypeRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    const TTypeTotal& type = Type(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != kTypeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const ByteCount value = TypeValue(type, Mode_, Unit_);
    switch (index.column()) {
        case kSizeColumn:
            return QString::fromStdString(EntrySizeText(value, Unit_)).trimmed();
        case kShareColumn:
            if (Comparing_ || Total_ <= 0) return {};
            return QString::fromUtf8(GroupedNumberText(
                       100.0 * static_cast<double>(value) / static_cast<double>(Total_), 1,
                       Punctuation_)) +
                   QStringLiteral(" %");
        case kFilesColumn: {
            const QString files =
                QString::fromUtf8(GroupedQuotientText(type.Files, 1, 0, Punctuation_));
            return Comparing_ && type.Files > 0 ? '+' + files : files;
        }
        case kTypeColumn:
            return TypeName(type);
        default:
            return {};
    }
}

QVariant TTypeRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole && section != kTypeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
        case kSizeColumn:
            return SizeHeader_;
        case kShareColumn:
            return tr("Share");
        case kFilesColumn:
            return tr("Files");
        case kTypeColumn:
            return tr("Type");
        default:
            return {};
    }
}

}  // namespace quillet
