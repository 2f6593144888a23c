#include "app/SystemReasons.h"

#include <QCoreApplication>

#include "app/KnownText.h"

namespace quillet {
namespace {

// Both systems' (src/platform/linux, src/platform/win32), so that every catalogue holds them.
constexpr const char* kReasons[] = {
    QT_TRANSLATE_NOOP("TMainForm", "Not a folder"),
    QT_TRANSLATE_NOOP("TMainForm", "Not a regular file"),
    QT_TRANSLATE_NOOP("TMainForm", "the operation was cancelled"),
    QT_TRANSLATE_NOOP("TMainForm", "access is denied"),
    QT_TRANSLATE_NOOP("TMainForm", "its path is too long for the Recycle Bin"),
    QT_TRANSLATE_NOOP("TMainForm", "the path is not valid"),
    QT_TRANSLATE_NOOP("TMainForm", "it is on a disc that cannot be written"),
    QT_TRANSLATE_NOOP("TMainForm", "there is no Recycle Bin on its drive"),
    QT_TRANSLATE_NOOP("TMainForm", "the Recycle Bin cannot take it"),
    QT_TRANSLATE_NOOP("TMainForm",
                      "the Windows shell cannot reach a name that ends in a dot or a blank"),
    QT_TRANSLATE_NOOP("TMainForm",
                      "a name in its path holds one of < > : \" | ? *, which no "
                      "Windows name may hold")};

}  // namespace

QString SystemReasonText(const std::string& reason) {
    return KnownText("TMainForm", kReasons, reason);
}

}  // namespace quillet
