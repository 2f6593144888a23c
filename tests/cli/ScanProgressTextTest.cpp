#include <gtest/gtest.h>

#include "cli/ScanProgressText.h"

namespace quillet {
namespace {

// The line never reaches the terminal's last column, whatever the path, cuts the path in the
// middle on whole characters, and shows a path's bytes as names are shown.
TEST(ScanProgressText, FitsTheTerminalAndShowsThePathEscaped) {
    EXPECT_EQ(ScanProgressText(1234567, 1, "/usr/lib/", 80, 3725),
              "1,234,567 files, 1 folder, 1:02:05  /usr/lib/");
    EXPECT_EQ(ScanProgressText(1, 0, "/a\nb/\xFF/", 80, 59.9),
              "1 file, 0 folders, 0:59  /a\\nb/\\xFF/");

    const std::string counts = "12 files, 3 folders, 0:07  ";
    const std::string path = "/srv/data/" + std::string(100, 'x') + "/last/";
    std::string line = ScanProgressText(12, 3, path, 60, 7);
    EXPECT_EQ(line.size(), 59u);
    EXPECT_EQ(line, counts + "/srv/data/xxxx" + "..." + "xxxxxxxxx/last/");

    // Double-width characters count two columns, and none is cut in half.
    const std::string wide =
        "/\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87"
        "\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87/";
    line = ScanProgressText(12, 3, wide, 45, 7);
    EXPECT_EQ(line, counts + "/\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87..." +
                        "\xE6\x96\x87\xE6\x96\x87\xE6\x96\x87/");
    EXPECT_EQ(TextColumns(line), 44);

    // Too narrow for a useful path: the counts alone, cut if need be.
    EXPECT_EQ(ScanProgressText(12, 3, path, 39, 7), "12 files, 3 folders, 0:07");
    EXPECT_EQ(ScanProgressText(12, 3, path, 11, 7), "12 files, ");
    EXPECT_EQ(ScanProgressText(12, 3, path, 1, 7), "");
}

}  // namespace
}  // namespace quillet
