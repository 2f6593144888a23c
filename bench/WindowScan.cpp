// The window's scan, as a user starts it: the program opens on FOLDER with the same services
// as the real program, and its first scan runs as the start-up timer would run it. Prints the
// time from the scan's start to the folder shown (painted), then ends; the tree is left to
// the system, as quillet-scan leaves it.
//
//   quillet-window-scan FOLDER     (QT_QPA_PLATFORM=offscreen needs no display)
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchWindow.h"
#include "app/FormMain.h"

int main(int argc, char** argv) {
    quillet::BenchWindow window(argc, argv);
    quillet::TMainForm& form = window.Form;
    const auto start = std::chrono::steady_clock::now();
    form.Timer1Timer();
    QApplication::processEvents();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!form.ShownList) {
        std::fprintf(stderr, "nothing was shown\n");
        std::_Exit(1);
    }
    std::printf("%.4f\n", seconds);
    std::fflush(stdout);
    std::_Exit(0);
}
