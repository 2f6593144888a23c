#include <gtest/gtest.h>

#include <QStringList>

#include "app/ToolTipText.h"

namespace quillet {
namespace {

TEST(ToolTipText, BreaksLongLinesAndShortensEndlessOnes) {
    EXPECT_EQ(ToolTipText("short\nlines"), "short\nlines");
    // A name of 255 characters takes four lines, each whole characters.
    const QString name = QString(246, 'n') + ".long.txt";
    const QStringList lines = ToolTipText(name + "\n296.0 kB allocated").split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QString(kToolTipLineLength, 'n'));
    EXPECT_EQ(lines.mid(0, 4).join(""), name);
    // A path breaks after a "/" near the end of a line.
    const QString path = "/" + QString(70, 'a') + "/" + QString(30, 'b');
    EXPECT_EQ(ToolTipText(path), "/" + QString(70, 'a') + "/\n" + QString(30, 'b'));
    // Characters beyond UTF-16's first plane are never cut in two.
    const QString wide = QString(kToolTipLineLength - 1, 'x') + QString::fromUtf8("\U0001F600");
    EXPECT_EQ(ToolTipText(wide).split('\n')[1], QString::fromUtf8("\U0001F600"));
    // A path too long to read is shortened in its middle.
    const QString deep = ToolTipText("/" + QString(100000, 'd') + "/end");
    EXPECT_LE(deep.size(), kToolTipMostLength + 2 * kToolTipMostLength / kToolTipLineLength);
    EXPECT_TRUE(deep.endsWith("end"));
    EXPECT_TRUE(deep.contains(QChar(0x2026)));
    // Markup in a name is shown as written.
    EXPECT_TRUE(ToolTipText("<b>bold</b>").contains("&lt;b&gt;"));
}

}  // namespace
}  // namespace quillet
