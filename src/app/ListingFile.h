// The saved listing: the rows of the list, one line each, as they read on screen, every line
// ending in CR LF, in the locale's encoding (UTF-8) with no byte-order mark.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace quillet {

class TChartListModel;

std::string SavedListing(const TChartListModel& rows);

// Writes the listing; the text for the error box when that fails: "Cannot create file "%s".
// %s" or "Stream write error".
std::optional<QString> WriteListing(const std::string& path, const std::string& listing);

}  // namespace quillet
