#include "details/DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quillet {

void OpenWithDesktop(const QUrl& address, QObject* context, std::function<void()> noProgram) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(address)) noProgram();
        return;
    }
    // xdg-open ends at once when it hands over, or when it finds no program (3) or the one it
    // asked failed (4); on a bare desktop it waits for the program it started.
    auto* process = new QProcess(context);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context,
                     [process, noProgram](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code != 0) noProgram();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, noProgram](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         noProgram();
                         process->deleteLater();
                     });
    process->start(opener, {QString::fromLatin1(address.toEncoded())});
}

}  // namespace quillet
