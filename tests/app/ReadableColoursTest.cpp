#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "app/FormMain.h"
#include "app/ListRow.h"
#include "chart/ContrastColour.h"
#include "chart/zebPieChart.h"
#include "details/AboutBx.h"
#include "platform/PathSeparator.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"

namespace quillet {
namespace {

using test::FakeFile;
using test::FakeFolder;

// A dark desktop's palette (the colours of KDE's Breeze Dark), whose highlight is too light
// for its own highlighted text.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(42, 46, 50), view(27, 30, 32), text(252, 252, 252);
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, text},
             {QPalette::Base, view},
             {QPalette::AlternateBase, QColor(35, 38, 41)},
             {QPalette::Text, text},
             {QPalette::Button, QColor(49, 54, 59)},
             {QPalette::ButtonText, text},
             {QPalette::Highlight, QColor(61, 174, 233)},
             {QPalette::HighlightedText, text},
             {QPalette::ToolTipBase, QColor(49, 54, 59)},
             {QPalette::ToolTipText, text}})
        dark.setColor(role, colour);
    return dark;
}

double Contrast(const QColor& a, const QColor& b) {
    return ContrastRatio(RefFromColour(a), RefFromColour(b));
}

// Every text the program's own code draws, in a light and then in a dark palette: the
// window is made in the first and follows the desktop's switch to the second, as a desktop
// switched to a dark theme while the program runs does.
TEST(ReadableColours, EveryTextOfOursReadsInALightAndInADarkPalette) {
    const QPalette light = QApplication::palette();
    auto source = std::make_shared<test::FakeFolderSource>(
        FakeFolder("", {FakeFile("big.bin", 900000), FakeFile("notes.txt", 5000)}));
    auto volume = std::make_shared<test::FakeVolumeQuery>(test::UsbVolume(true));
    volume->CapabilitiesAnswer = VolumeCapabilities{true, true};  // a coloured caption
    TMainServices services;
    services.Folders = source;
    services.Volumes = volume;
    services.ExcludesFolder = "/nonexistent";
    TMainForm form(services, {kPathSeparator == '/' ? "/data" : "C:\\data"});
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.ShownList != nullptr; }, 5000));
    TAboutBoxZEB1 about;

    for (const QPalette& palette : {light, DarkPalette()}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const std::string which = palette == light ? "light" : "dark";
        const QColor window = palette.color(QPalette::Window);
        const auto readable = [&](const QColor& ink, const QColor& behind,
                                  const std::string& what) {
            EXPECT_GE(Contrast(ink, behind), kTextContrast)
                << what << " in the " << which << " palette: " << ink.name().toStdString() << " on "
                << behind.name().toStdString();
        };

        for (const bool selected : {false, true}) {
            const auto [fill, ink] = ListRowColours(form.ListBox1->palette(), selected);
            readable(ink, fill, selected ? "a selected row" : "a row");
        }
        EXPECT_EQ(ListRowColours(form.ListBox1->palette(), false).Ink,
                  palette.color(QPalette::Text))
            << "rows in the desktop's text colour, in the " << which << " palette";

        EXPECT_EQ(ColourFromRef(form.PieChart1->GhostColour()), window)
            << "the free space and the rest of the pie are the window's colour";
        readable(form.PieChart1->LabelColourOn(window), window, "a free-space label");
        for (int slot = 0; slot < form.PieChart1->NumColours(); ++slot) {
            const QColor fill = ColourFromRef(form.PieChart1->Colour(slot));
            readable(form.PieChart1->LabelColourOn(fill), fill,
                     "a label on colour " + std::to_string(slot));
        }

        std::vector<std::pair<QLabel*, std::string>> labels = {
            {form.lblCompressed, "the size-accounting caption"},
            {form.lblMaxFileNameLength, "the longest path"},
            {about.WebSite, "the about box's web site"}};
        for (std::size_t i = 0; i < form.StatusPanels.size(); ++i)
            labels.push_back({form.StatusPanels[i], "status panel " + std::to_string(i)});
        for (const auto& [label, what] : labels)
            readable(label->palette().color(QPalette::WindowText), window, what);

        const QPalette tips = QToolTip::palette();
        readable(tips.color(QPalette::ToolTipText), tips.color(QPalette::ToolTipBase), "a tooltip");
    }
    QApplication::setPalette(light);
}

}  // namespace
}  // namespace quillet
