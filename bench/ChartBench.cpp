// The pie chart with many entries, and a look at it with a few.
//
//   chart-bench            times SetEntries with 500,000 entry texts, one paint of the chart
//                          and one of its filled list box (offscreen)
//   chart-bench --show     opens a window with a dozen entries, one of them a ghost
#include <QApplication>
#include <QHBoxLayout>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "chart/zebPieChart.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

quillet::TStringListWithDouble ManyEntries(int count) {
    quillet::TStringListWithDouble lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Folder-like sizes: a few large entries and a long tail of small ones.
        const double kb = 1e6 / (1.0 + i) + (i % 7);
        char text[64];
        std::snprintf(text, sizeof text, "%.1f   file%06d.dat", kb, i);
        lines.push_back({text, {nullptr, 0}});
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    const bool show = argc > 1 && std::strcmp(argv[1], "--show") == 0;
    if (!show) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* chart = new quillet::TPieChart;
    auto* list = new quillet::TChartListBox;
    chart->setFixedSize(400, 400);
    chart->SetListBox(list);
    layout->addWidget(chart);
    layout->addWidget(list);

    if (show) {
        chart->SetGhostColour(0x00F0F0F0);
        chart->SetEntries({{"812.4   \\windows", {}},
                           {"-640.0   (c: free space)", {}},
                           {"402.9   \\program files", {}},
                           {"233.0   pagefile.sys", {}},
                           {"120.7   \\users", {}},
                           {"88.1   \\programdata", {}},
                           {"45.5   hiberfil.sys", {}},
                           {"30.2   \\program files (x86)", {}},
                           {"12.9   \\drivers", {}},
                           {"6.0   \\temp", {}},
                           {"2.4   swapfile.sys", {}},
                           {"0.3   bootmgr", {}}});
        window.resize(700, 430);
        window.show();
        return application.exec();
    }

    quillet::TStringListWithDouble lines = ManyEntries(500000);
    window.resize(700, 430);
    window.show();
    const auto start = Clock::now();
    chart->SetEntries(std::move(lines));
    const double set = Since(start);
    const auto paintStart = Clock::now();
    chart->grab();
    list->grab();
    const double paint = Since(paintStart);
    std::printf("SetEntries with 500,000 texts: %.3f s\n", set);
    std::printf("paint of chart and list:       %.3f s\n", paint);
    std::printf("total:                         %.3f s\n", set + paint);
    return 0;
}
