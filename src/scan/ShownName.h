// How a name or a path is shown or written as text: in the list, the chart, the saved listing,
// quillet-scan's output, message boxes, the status bar, captions and the properties dialog.
// Names are bytes; the text must keep one entry on one line and must never let two different
// names look alike, so what could hide, break or reorder a line is written as an escape:
//
//   \\    a backslash (so that every other backslash starts an escape); on Windows, where a
//         backslash separates names and no name can hold one, it is kept as it is
//   \n \t \r   line feed, tab, carriage return
//   \xHH  any other control character (below 0x20, 0x7F), every byte of a character that
//         breaks or reorders a line (U+0080 to U+009F, U+2028, U+2029, the bidirectional
//         marks and overrides) or that draws nothing (zero-width space, joiners, byte order
//         mark, soft hyphen...), every byte that is not part of valid UTF-8, and a blank or
//         another space (no-break, ideographic...) at the very start or end (lists trim those)
//
// Everything else is kept as it is. The result is valid UTF-8, and the bytes can always be read
// back from it, so different names always give different texts. Actions never use it: they
// work on the name as stored.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

std::string ShownName(std::string_view name);

// Whether ShownName gives name back unchanged for certain, as it does for most names: printable
// ASCII without a backslash, and no blank at either end.
bool ShownAsItIs(std::string_view name);

}  // namespace quillet
