#include "app/FileUrl.h"

#include <QByteArray>

namespace quillet {

QUrl FileUrl(const std::string& path) {
    return QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(path).toPercentEncoding(QByteArrayLiteral("/")),
        QUrl::StrictMode);
}

}  // namespace quillet
