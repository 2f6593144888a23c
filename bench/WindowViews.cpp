// The views of the whole subtree as a user opens them: the program opens on FOLDER (or on an
// exported scan) with the same services as the real program, and once the tree is shown each
// view is opened and timed from the click to its rows; then one level down into the largest
// folder, with every view open and with none. Prints milliseconds, one line each.
//
//   quillet-window-views FOLDER | --import FILE    (QT_QPA_PLATFORM=offscreen needs no display)
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchWindow.h"
#include "app/FileTypesView.h"
#include "app/FindView.h"
#include "app/FormMain.h"
#include "app/LargestFilesView.h"
#include "app/TreeViews.h"
#include "chart/zebPieChart.h"

namespace {

// Milliseconds from act to the moment no open view computes any more, and the longest the
// event loop waited between two turns meanwhile (how long the window did not answer).
struct Timing {
    double Total;
    double LongestPause = 0;
};

Timing Timed(quillet::TTreeViews& views, const std::function<void()>& act) {
    using Clock = std::chrono::steady_clock;
    const auto milliseconds = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    const auto start = Clock::now();
    act();
    const auto computing = [&] {
        return views.LargestFiles()->Computing() || views.FileTypes()->Computing() ||
               views.FileTypes()->Files()->Computing() || views.Find()->Computing();
    };
    Timing timing{0};
    auto turn = start;
    while (computing()) {
        QApplication::processEvents();
        const auto now = Clock::now();
        timing.LongestPause = std::max(timing.LongestPause, milliseconds(now - turn));
        turn = now;
    }
    timing.Total = milliseconds(Clock::now() - start);
    return timing;
}

void Print(const char* what, const Timing& timing) {
    std::printf("%s: %.1f ms (longest pause %.1f ms)\n", what, timing.Total, timing.LongestPause);
}

}  // namespace

int main(int argc, char** argv) {
    quillet::BenchWindow window(argc, argv);
    quillet::TMainForm& form = window.Form;
    form.Timer1Timer();
    QApplication::processEvents();
    if (!form.ShownList) {
        std::fprintf(stderr, "nothing was shown\n");
        std::_Exit(1);
    }
    quillet::TTreeViews& views = *form.Views;
    Print("Largest Files", Timed(views, [&] { form.LargestFiles1->trigger(); }));
    Print("File Types", Timed(views, [&] { form.FileTypes1->trigger(); }));
    Print("Find *.png", Timed(views, [&] {
              form.Find1Click();
              views.Find()->Pattern()->setText(QStringLiteral("*.png"));
              views.Find()->FindNow();
          }));
    // The largest folder: the first row that holds a list.
    const quillet::TFolderData* largest = nullptr;
    const quillet::TChartEntries& entries = form.PieChart1->Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto* node = static_cast<const quillet::TFolderData*>(entries.Record(i).Obj);
        if (node && node->Children()) {
            largest = node;
            break;
        }
    }
    if (largest) {
        const double with = Timed(views, [&] { form.ShowNode(largest); }).Total;
        form.BitBtnUpClick();
        Timed(views, [] {});
        views.SetOpen(quillet::TTreeViews::kLargestFiles, false);
        views.SetOpen(quillet::TTreeViews::kFileTypes, false);
        views.SetOpen(quillet::TTreeViews::kFind, false);
        const double without = Timed(views, [&] { form.ShowNode(largest); }).Total;
        std::printf("One level down, every view open: %.1f ms, none open: %.1f ms\n", with,
                    without);
    }
    std::fflush(stdout);
    std::_Exit(0);
}
