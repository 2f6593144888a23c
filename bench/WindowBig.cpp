// How the window answers on a big tree: the program opens on FOLDER (or on an exported scan)
// with the same services as the real program and its first scan runs as the start-up timer
// would run it. Prints, in milliseconds: the longest the window left its events waiting while
// the scan ran, the time from the scan's start to the root painted, and then, each timed from
// the action to the painted window: one level down into the folder of the most entries (and the
// longest wait for events in the half second after it, while the list places its rows), Up,
// a switch of units and one of the size kind (on the root and in that folder); and the peak
// memory after the root is shown and at the end. The time from the scan's end to the root
// painted is taken from the last turn of the event loop during the scan.
//
//   quillet-window-big FOLDER | --import FILE    (QT_QPA_PLATFORM=offscreen needs no display)
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "BenchWindow.h"
#include "app/FormMain.h"
#include "scan/FileInfo.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// From act to the window painted again.
double Painted(quillet::TMainForm& form, const std::function<void()>& act) {
    const auto start = Clock::now();
    act();
    QApplication::processEvents();
    form.repaint();
    return Milliseconds(Clock::now() - start);
}

// The process's peak memory so far, in MiB.
double PeakMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

// The folder node below list with the most entries in its own list, searched to depth levels.
const quillet::TFolderData* MostEntries(quillet::TFolderList& list, int depth) {
    const quillet::TFolderData* most = nullptr;
    for (int i = 0; i < list.Count(); ++i) {
        const quillet::TFolderData& node = list.Node(i);
        quillet::TFolderList* children = node.Children();
        if (!children || list.Name(i) == "..") continue;
        if (!most || children->Count() > most->Children()->Count()) most = &node;
        if (depth > 1) {
            const quillet::TFolderData* below = MostEntries(*children, depth - 1);
            if (below && below->Children()->Count() > most->Children()->Count()) most = below;
        }
    }
    return most;
}

// Switches box to another choice and back, timing each; returns the longer.
double Switched(quillet::TMainForm& form, QComboBox* box) {
    const int was = box->currentIndex();
    const double there = Painted(form, [&] { box->setCurrentIndex(was == 0 ? 1 : 0); });
    const double back = Painted(form, [&] { box->setCurrentIndex(was); });
    return std::max(there, back);
}

}  // namespace

int main(int argc, char** argv) {
    quillet::BenchWindow window(argc, argv);
    quillet::TMainForm& form = window.Form;

    // A timer of no interval runs on every turn of the event loop: the gaps between its runs
    // are how long input would have waited.
    double longestGap = 0;
    auto lastTurn = Clock::now();
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        longestGap = std::max(longestGap, Milliseconds(now - lastTurn));
        lastTurn = now;
    });
    turns.start(0);
    Clock::time_point scanEnd;
    const double shown = Painted(form, [&] {
        lastTurn = Clock::now();
        form.Timer1Timer();
        // The walk lets events run to its end: what follows its last turn is the window's own
        // work after the scan.
        scanEnd = lastTurn;
    });
    const double afterScan = Milliseconds(Clock::now() - scanEnd);
    turns.stop();
    if (!form.ShownList) {
        std::fprintf(stderr, "nothing was shown\n");
        std::_Exit(1);
    }
    std::printf(
        "scan or import to the root painted: %.1f ms (longest wait for events %.1f ms; from "
        "the scan's last turn of events %.1f ms), peak %.1f MiB\n",
        shown, longestGap, afterScan, PeakMiB());

    std::printf("on the root: units %.1f ms, size kind %.1f ms\n", Switched(form, form.cbxUnits),
                Switched(form, form.cbxDisplay));
    if (const quillet::TFolderData* big = MostEntries(*form.ShownList, 3)) {
        const int entries = big->Children()->Count();
        const double down = Painted(form, [&] { form.ShowNode(big); });
        // The list goes on placing the folder's rows while events run: how long they wait.
        longestGap = 0;
        lastTurn = Clock::now();
        turns.start(0);
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        turns.stop();
        const double settling = longestGap;
        std::printf(
            "into the folder of %d entries: %.1f ms (then the longest wait for events %.1f ms); "
            "there: units %.1f ms, size kind %.1f ms; ",
            entries, down, settling, Switched(form, form.cbxUnits),
            Switched(form, form.cbxDisplay));
        std::printf("Up: %.1f ms; peak %.1f MiB\n", Painted(form, [&] { form.BitBtnUpClick(); }),
                    PeakMiB());
    }
    std::fflush(stdout);
    std::_Exit(0);
}
