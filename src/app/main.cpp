#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "app/FormMain.h"
#include "formats/ProgramVersion.h"
#include "platform/ProgramArguments.h"
#include "platform/SharedHeaps.h"

namespace {

constexpr const char* kUsage =
    "Usage: quillet [FOLDER]\n"
    "       quillet --import FILE\n"
    "\n"
    "Shows where the space on a disk goes: scans FOLDER (default: the working directory)\n"
    "and shows it as a pie chart beside a list of its entries, largest first.\n"
    "\n"
    "  --import FILE  show a scan exported by quillet-scan --export, ncdu -o or gdu -o\n"
    "                 instead of scanning a folder\n"
    "  --help         show this text\n"
    "  --version      show the version\n";

}  // namespace

int main(int argc, char** argv) {
    quillet::ShareHeapsAcrossThreads();
    // Answered before the application object exists, so they need no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << quillet::ProgramVersionText("quillet");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillet.svg")));
    // Qt has taken its own options out of argv by now; the rest are the system's own (bytes on
    // Linux, UTF-16 on Windows), which name a file exactly where QApplication::arguments()
    // would decode them.
    quillet::TMainForm form(quillet::SystemMainServices(), quillet::ProgramArguments(argc, argv));
    form.show();
    return QApplication::exec();
}
