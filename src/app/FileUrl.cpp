#include "app/FileUrl.h"

#include <QByteArray>

#include "platform/PathSeparator.h"

namespace quillet {

QUrl FileUrl(const std::string& path) {
    // Windows names are Unicode (WTF-8 here): Qt makes their address.
    if (kPathSeparator == '\\') return QUrl::fromLocalFile(QString::fromStdString(path));
    return QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(path).toPercentEncoding(QByteArrayLiteral("/")),
        QUrl::StrictMode);
}

}  // namespace quillet
