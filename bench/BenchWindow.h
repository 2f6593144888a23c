// The main window as the real program opens it, for the benchmarks that time it: the heaps,
// the application and its name as main() sets them up, the same services, the arguments after
// the program's name (a folder, or --import FILE); shown, its first events handled, its first
// scan not yet started (Form.Timer1Timer() starts it).
#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "app/FormMain.h"
#include "app/MainServices.h"
#include "platform/SharedHeaps.h"

namespace quillet {

class BenchApplication {
public:
    BenchApplication(int& argc, char** argv) : Application_(WithSharedHeaps(argc), argv) {
        QApplication::setApplicationName(QStringLiteral("Quillet"));
    }

private:
    // The heaps are shared before the application's first allocation.
    static int& WithSharedHeaps(int& argc) {
        ShareHeapsAcrossThreads();
        return argc;
    }

    QApplication Application_;
};

class BenchWindow : private BenchApplication {
public:
    BenchWindow(int& argc, char** argv)
        : BenchApplication(argc, argv),
          Form(SystemMainServices(), std::vector<std::string>(argv + 1, argv + argc)) {
        Form.show();
        QApplication::processEvents();
    }

    TMainForm Form;
};

}  // namespace quillet
