// Opening a file, a folder or a web address with the program the desktop sets for it, and
// knowing when there is none. Where xdg-open is installed it is run and watched, as it says
// only by its exit status that nothing opened; elsewhere (Windows, a desktop without
// xdg-open) Qt's own call answers at once.
//
// GUI thread only. The watched opener belongs to context; the program it starts may outlive
// both, and writes nowhere of ours.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QObject;
class QUrl;

namespace quillet {

// What the window says when nothing opens an entry or an address.
inline QString NoOpenerReason() {
    return QCoreApplication::translate("TMainForm", "No program is set to open it");
}

// noProgram is called, at once or later, only when nothing could open the address; never
// once context is gone.
void OpenWithDesktop(const QUrl& address, QObject* context, std::function<void()> noProgram);

}  // namespace quillet
