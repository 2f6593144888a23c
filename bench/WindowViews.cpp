// The views of the whole subtree as a user opens them: the program opens on FOLDER (or on an
// exported scan) with the same services as the real program, and once the tree is shown each
// view is opened and timed from the click to its rows; then one level down into the largest
// folder, with every view open and with none. Prints milliseconds, one line each.
//
//   quillet-window-views FOLDER | --import FILE    (QT_QPA_PLATFORM=offscreen needs no display)
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/FileTypesView.h"
#include "app/FindView.h"
#include "app/FormMain.h"
#include "app/LargestFilesView.h"
#include "app/MainServices.h"
#include "app/TreeViews.h"
#include "chart/zebPieChart.h"
#include "platform/SharedHeaps.h"

namespace {

// Milliseconds from act to the moment no open view computes any more.
double Timed(quillet::TTreeViews& views, const std::function<void()>& act) {
    const auto start = std::chrono::steady_clock::now();
    act();
    const auto computing = [&] {
        return views.LargestFiles()->Computing() || views.FileTypes()->Computing() ||
               views.FileTypes()->Files()->Computing() || views.Find()->Computing();
    };
    while (computing())
        QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    quillet::ShareHeapsAcrossThreads();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    quillet::TMainForm form(quillet::SystemMainServices(),
                            std::vector<std::string>(argv + 1, argv + argc));
    form.show();
    QApplication::processEvents();
    form.Timer1Timer();
    QApplication::processEvents();
    if (!form.ShownList) {
        std::fprintf(stderr, "nothing was shown\n");
        std::_Exit(1);
    }
    quillet::TTreeViews& views = *form.Views;
    std::printf("Largest Files: %.1f ms\n", Timed(views, [&] { form.LargestFiles1->trigger(); }));
    std::printf("File Types: %.1f ms\n", Timed(views, [&] { form.FileTypes1->trigger(); }));
    std::printf("Find *.png: %.1f ms\n", Timed(views, [&] {
                    form.Find1Click();
                    views.Find()->Pattern()->setText(QStringLiteral("*.png"));
                    views.Find()->FindNow();
                }));
    // The largest folder: the first row that holds a list.
    const quillet::TFolderData* largest = nullptr;
    for (const quillet::TChartEntry& entry : form.PieChart1->Entries()) {
        const auto* node = static_cast<const quillet::TFolderData*>(entry.Record.Obj);
        if (node && node->Children()) {
            largest = node;
            break;
        }
    }
    if (largest) {
        const double with = Timed(views, [&] { form.ShowNode(largest); });
        form.BitBtnUpClick();
        Timed(views, [] {});
        views.SetOpen(quillet::TTreeViews::kLargestFiles, false);
        views.SetOpen(quillet::TTreeViews::kFileTypes, false);
        views.SetOpen(quillet::TTreeViews::kFind, false);
        const double without = Timed(views, [&] { form.ShowNode(largest); });
        std::printf("One level down, every view open: %.1f ms, none open: %.1f ms\n", with,
                    without);
    }
    std::fflush(stdout);
    std::_Exit(0);
}
