#include "platform/linux/X11PointerButtons.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace quillet {

std::optional<bool> X11LeftOrRightButtonHeld(xcb_connection_t* connection) {
    if (!connection || xcb_connection_has_error(connection)) return std::nullopt;
    // The button state is the pointer's, whichever window is asked; the first screen's root
    // is always there.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr),
        &std::free);
    if (!reply) return std::nullopt;
    return (reply->mask & (XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_3)) != 0;
}

}  // namespace quillet
