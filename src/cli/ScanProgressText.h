// The text of the progress line quillet-scan shows on a terminal during a scan: what has been
// counted so far, the time taken and the folder being read, in a given terminal width. Plain
// code, so that the text can be checked without a terminal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// "12,345 files, 678 folders, 1:05  /path/being/read", the path escaped as names are shown
// and cut in the middle ("...") to fit, the whole line at most columns - 1 wide so that it
// never wraps, not even onto the terminal's last column.
std::string ScanProgressText(std::int64_t files, std::int64_t folders, std::string_view path,
                             int columns, double seconds);

// Columns that UTF-8 text takes on a terminal, counted high rather than low: characters from
// U+1100 on (where the double-width scripts begin) count two.
int TextColumns(std::string_view text);

}  // namespace quillet
