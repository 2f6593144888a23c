// The window's services that Linux answers: the scan's folders read ahead, the X server's word
// on the mouse buttons, the freedesktop file manager and the desktop's opener.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QUrl>

#include "app/FileUrl.h"
#include "app/MainServices.h"
#include "details/DesktopOpener.h"
#include "platform/linux/LinuxFolderSource.h"
#include "platform/linux/LinuxVolumeQuery.h"
#include "platform/linux/X11PointerButtons.h"
#include "scan/ReadAheadSource.h"

namespace quillet {

void AddSystemServices(TMainServices& services) {
    // The window's thread builds the tree and never reads a folder itself: a folder whose
    // server stops answering then leaves the window answering, and the scan cancellable.
    services.Folders = std::make_shared<ReadAheadSource>(std::make_unique<LinuxFolderSource>(),
                                                         ReadAheadLimits{.ScanReads = false});
    services.Volumes = std::make_shared<LinuxVolumeQuery>();
    services.MouseButtonDown = [] {
        // Qt knows the buttons only while they are pressed over the program's own windows;
        // the X server knows them over every window. Elsewhere (Wayland) Qt's word it is.
        if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (const std::optional<bool> held = X11LeftOrRightButtonHeld(x11->connection()))
                return *held;
        }
        return (QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    };
    services.ShowInFileManager = [](const std::string& path, std::function<void()> noProgram) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
            "org.freedesktop.FileManager1", "ShowItems");
        call << QStringList{QString::fromLatin1(FileUrl(path).toEncoded())} << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            // No file manager answers: open the item's folder (or the folder that is the item).
            const std::string folder = path.substr(0, path.rfind('/'));
            OpenWithDesktop(FileUrl(folder.empty() ? "/" : folder), qApp, std::move(noProgram));
        }
    };
    services.OpenFile = [](const std::string& path, std::function<void()> noProgram) {
        OpenWithDesktop(FileUrl(path), qApp, std::move(noProgram));
    };
}

}  // namespace quillet
