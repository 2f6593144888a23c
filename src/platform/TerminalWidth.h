// Whether standard error is a terminal, and how wide it is: quillet-scan keeps a progress line
// there during a scan, one that must never wrap, and never writes it into a file or a pipe.
#pragma once

namespace quillet {

// Standard error's width in columns, asked anew on each call (the window may be resized);
// 80 when it is a terminal of unknown width, 0 when it is no terminal.
int StandardErrorColumns();

}  // namespace quillet
