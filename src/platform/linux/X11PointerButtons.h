// The mouse buttons as the X server sees them: held over any window of any program, not only
// over the program's own windows, which are all that the toolkit is told about. Asked on the
// toolkit's own connection to the server, so no second connection is opened.
#pragma once

#include <optional>

struct xcb_connection_t;

namespace quillet {

// Whether the left or the right button is held now; nothing when the server gives no answer.
// Waits for the server's reply, a round trip on the connection.
std::optional<bool> X11LeftOrRightButtonHeld(xcb_connection_t* connection);

}  // namespace quillet
