// The rows of the File Types view: each type's figure, its share of all, its number of files
// and its extension; while comparing, each type's change, the file count's too, and no share.
#pragma once

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <vector>

#include "listing/FileTypeTotals.h"
#include "scan/NumberText.h"

namespace quillet {

class TTypeRowsModel final : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(TTreeViews)

public:
    enum TColumn { kSizeColumn, kShareColumn, kFilesColumn, kTypeColumn, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    // types in the order shown (SortTypes); others, the sums of the types not listed, count
    // in the shares.
    void SetRows(std::vector<TTypeTotal> types, const TTypeTotal& others, TDisplayMode mode,
                 TSizeUnit unit, bool comparing, const QString& sizeHeader,
                 const NumberPunctuation& punctuation);
    void Clear();
    // The rows, to be shown again otherwise; the model is empty afterwards.
    std::vector<TTypeTotal> TakeRows();
    int Count() const { return static_cast<int>(Types_.size()); }
    const TTypeTotal& Type(int row) const { return Types_[static_cast<std::size_t>(row)]; }
    // The row of the type with that extension; -1 when there is none.
    int RowOf(const std::string& extension) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TTypeTotal> Types_;
    TDisplayMode Mode_ = TDisplayMode::dmAllocated;
    TSizeUnit Unit_ = TSizeUnit::suKB;
    bool Comparing_ = false;
    QString SizeHeader_;
    NumberPunctuation Punctuation_;
    ByteCount Total_ = 0;  // of every type, for the shares
};

// The name a type is shown by: its extension as names are shown, or "(no extension)".
QString TypeName(const TTypeTotal& type);

}  // namespace quillet
