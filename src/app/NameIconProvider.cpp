#include "app/NameIconProvider.h"

namespace quillet {

QIcon TNameIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    if (!info.isFile()) return icon(File);  // a pipe, a socket, a device: no type by name
    return QIcon::fromTheme(
        Types_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).iconName(),
        icon(File));
}

QString TNameIconProvider::type(const QFileInfo& info) const {
    // Qt's words for everything but a file do not depend on what the file holds.
    if (info.isRoot() || !info.isFile()) return QFileIconProvider::type(info);
    const QMimeType type = Types_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

}  // namespace quillet
