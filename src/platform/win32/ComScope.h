// COM set up on the calling thread for as long as a scope lasts, as the shell's calls ask. A
// thread whose COM is already set up keeps it: the window's thread has its own from the toolkit.
#pragma once

#include <objbase.h>

namespace quillet {

class ComScope {
public:
    ComScope()
        : Joined_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComScope() {
        if (Joined_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool Joined_;  // every successful CoInitializeEx, S_FALSE too, needs its CoUninitialize
};

}  // namespace quillet
