#include "app/BytesInText.h"

namespace quillet {

std::string WithBytes(const QString& form, const std::string& bytes) {
    const qsizetype at = form.indexOf(QStringLiteral("%1"));
    if (at < 0) return form.toStdString();
    return form.left(at).toStdString() + bytes + form.mid(at + 2).toStdString();
}

}  // namespace quillet
