#include "app/ListingFile.h"

#include <QCoreApplication>

#include "app/SystemReasons.h"
#include "chart/ChartListBox.h"
#include "platform/FileWriting.h"
#include "scan/ShownName.h"

namespace quillet {

std::string SavedListing(const TChartListModel& rows) {
    std::string listing;
    for (int i = 0; i < rows.Count(); ++i)
        listing.append(rows.Row(i).Text).append("\r\n");
    return listing;
}

std::optional<QString> WriteListing(const std::string& path, const std::string& listing) {
    const WriteOutcome outcome = WriteWholeFile(path, listing);
    switch (outcome.Outcome) {
        case WriteOutcome::CannotCreate:
            return QCoreApplication::translate("TMainForm", "Cannot create file \"%1\". %2")
                .arg(QString::fromUtf8(ShownName(path)), SystemReasonText(outcome.SystemText));
        case WriteOutcome::WriteFailed:
            return QCoreApplication::translate("TMainForm", "Stream write error");
        case WriteOutcome::Written:
            break;
    }
    return std::nullopt;
}

}  // namespace quillet
