#include "app/KnownText.h"

#include <QCoreApplication>

namespace quillet {

QString KnownText(const char* context, std::span<const char* const> known,
                  const std::string& text) {
    for (const char* source : known) {
        if (text == source) return QCoreApplication::translate(context, source);
    }
    return QString::fromUtf8(text);
}

}  // namespace quillet
