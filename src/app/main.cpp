#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "app/CommandLine.h"
#include "app/FormMain.h"
#include "app/Translations.h"
#include "formats/ProgramVersion.h"
#include "platform/ProgramArguments.h"
#include "platform/SharedHeaps.h"

int main(int argc, char** argv) {
    quillet::ShareHeapsAcrossThreads();
    // Answered before the application object exists, so they need no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << quillet::ProgramVersionText("quillet");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << quillet::kWindowUsage;
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillet.svg")));
    // Before the first widget, which takes its texts as it is made.
    const auto translators = quillet::InstallTranslations();
    // Qt has taken its own options out of argv by now; the rest are the system's own (bytes on
    // Linux, UTF-16 on Windows), which name a file exactly where QApplication::arguments()
    // would decode them.
    const quillet::TCommandLine line =
        quillet::ReadCommandLine(quillet::ProgramArguments(argc, argv));
    if (!line.Problem.empty()) {
        std::cerr << quillet::CommandLineProblemText(line.Problem);
        return 2;
    }
    if (line.Help || line.Version) {
        std::cout << (line.Help ? std::string(quillet::kWindowUsage)
                                : quillet::ProgramVersionText("quillet"));
        return 0;
    }
    quillet::TMainForm form(quillet::SystemMainServices(), line.Arguments);
    form.show();
    return QApplication::exec();
}
