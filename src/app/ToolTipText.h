// Tooltips and message boxes of names and paths, which can be as long as the system allows: a
// line wider than the screen is cut at its edge, so long lines are broken, and a text too long
// to read there (a deep tree's path) is shortened in its middle.
#pragma once

#include <QString>

namespace quillet {

// Characters a tooltip line holds before it is broken, and a line's most before it is
// shortened: enough for a name of the longest length systems allow, in a few lines.
constexpr int kToolTipLineLength = 80;
constexpr int kToolTipMostLength = 1200;

// Plain text with its long lines broken, after a "/" or a blank where one is near the break,
// and its endless ones shortened in the middle.
QString BrokenLines(const QString& text);

// The tooltip that shows plain text exactly as it is: long lines broken, after a "/" or a
// blank where one is near the break; markup in a name shown as written, never read as markup.
QString ToolTipText(const QString& text);

}  // namespace quillet
