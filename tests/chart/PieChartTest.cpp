#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cmath>

#include "chart/PieGeometry.h"
#include "chart/zebPieChart.h"

namespace quillet {
namespace {

TStringListWithDouble Lines(const std::vector<std::string>& texts) {
    TStringListWithDouble lines;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        lines.push_back({texts[i], {reinterpret_cast<const void*>(i + 1), 0}});
    }
    return lines;
}

// The pixel at angle a (radians) and distance d from the centre of the rendered chart.
QColor PixelAt(const QImage& image, double angle, double distance) {
    const int cx = image.width() / 2, cy = image.height() / 2;
    return image.pixelColor(cx + static_cast<int>(std::lround(std::cos(angle) * distance)),
                            cy - static_cast<int>(std::lround(std::sin(angle) * distance)));
}

QPoint PointAtAngle(const TPieChart& chart, double angle, double distance) {
    return QPoint(chart.width() / 2 + static_cast<int>(std::lround(std::cos(angle) * distance)),
                  chart.height() / 2 - static_cast<int>(std::lround(std::sin(angle) * distance)));
}

TEST(MultiColourControl, ColourTextsAndCounts) {
    TMultiColourControl control;
    int changes = 0;
    control.OnColourChange = [&](TMultiColourControl&) { ++changes; };
    control.SetColours(control.Colours());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(control.NumColours(), 6);

    control.SetNumColours(0);
    control.SetNumColours(9);
    EXPECT_EQ(control.NumColours(), 6) << "0 and 9 are ignored";
    control.SetNumColours(8);
    EXPECT_EQ(control.Colour(6), 0x00FFFFFFu);
    EXPECT_EQ(control.Colour(7), 0x00E0E0E0u);

    control.SetColour(7, 0x00123456);
    EXPECT_EQ(control.Colours().substr(control.Colours().size() - 9), "$00123456");
    EXPECT_EQ(changes, 1) << "a slot write calls nothing";

    control.SetColours("$E0E0FF,,$E0FFFF");
    EXPECT_EQ(control.NumColours(), 0);
    EXPECT_EQ(changes, 1) << "a failed text calls nothing";
    control.SetColours("");
    EXPECT_EQ(changes, 2) << "an empty text is read, and leaves no colours";
}

TEST(PieChart, SortsItsEntriesAndMirrorsThemInTheListBox) {
    TPieChart chart;
    TChartListBox list;
    chart.SetListBox(&list);
    EXPECT_EQ(chart.width(), 65);
    chart.SetEntries(Lines({" 5   a ", "abc", "20   b", "-10   free", "42"}));
    ASSERT_EQ(chart.Entries().size(), 4u);
    EXPECT_EQ(chart.Total(), 77);
    ASSERT_EQ(list.Items().Count(), 4);
    const std::vector<std::string> order = {"42", "20   b", "-10   free", "5   a"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.Items().Row(i).Text, order[static_cast<std::size_t>(i)]);
        EXPECT_EQ(list.Items().Row(i).Obj, chart.Entries().Record(static_cast<std::size_t>(i)).Obj);
    }
    EXPECT_EQ(list.Items().Row(3).Obj, reinterpret_cast<const void*>(1));

    chart.ClearEntries();
    EXPECT_TRUE(chart.Entries().empty());
    EXPECT_EQ(list.Items().Count(), 0);
    EXPECT_EQ(chart.Total(), 0);
}

TEST(PieChart, FillsSlicesWithTheirColoursAndTheRestWithTheGhostColour) {
    TPieChart chart;
    chart.resize(300, 300);
    chart.SetGhostColour(0x00808080);
    chart.SetEntries(Lines({"5   a", "20   b", "-10   free"}));
    const QImage image = chart.grab().toImage();
    const double bEnd = TwoPi * 20 / 35, freeEnd = TwoPi * 30 / 35;
    EXPECT_EQ(PixelAt(image, bEnd / 2, 60), QColor(0xFF, 0xE0, 0xE0)) << "slot 0, pale red";
    EXPECT_EQ(PixelAt(image, (bEnd + freeEnd) / 2, 60), QColor(0x80, 0x80, 0x80)) << "ghost";
    EXPECT_EQ(PixelAt(image, (freeEnd + TwoPi) / 2, 60), QColor(0xE0, 0xFF, 0xE0))
        << "slot 2, pale green";

    // Sixty per cent in one slice, then four hundred slices too narrow to draw.
    std::vector<std::string> texts = {"60   big"};
    for (int i = 0; i < 400; ++i)
        texts.push_back("0.1   tiny" + std::to_string(i));
    chart.SetEntries(Lines(texts));
    const QImage rest = chart.grab().toImage();
    EXPECT_EQ(PixelAt(rest, 1.0, 60), QColor(0xFF, 0xE0, 0xE0));
    EXPECT_EQ(PixelAt(rest, 5.0, 60), QColor(0x80, 0x80, 0x80)) << "the undrawn rest";
    EXPECT_EQ(rest.pixelColor(3, 3), chart.palette().color(QPalette::Window))
        << "outside the pie the window shows through";
}

TEST(PieChart, WithoutColoursInUseSlicesTakeTheDefaultColours) {
    TPieChart chart;
    chart.resize(200, 200);
    chart.SetColours("bad");
    ASSERT_EQ(chart.NumColours(), 0);
    chart.SetEntries(Lines({"1   only"}));
    EXPECT_EQ(PixelAt(chart.grab().toImage(), 1.0, 40), QColor(0xFF, 0xE0, 0xE0));
}

TEST(PieChart, ReportsRightClicksByThePressAndDoubleClicksOnSlices) {
    TPieChart chart;
    chart.resize(200, 200);
    chart.SetEntries(Lines({"3   left", "1   right"}));  // "left": 0 to 3/2 pi
    std::vector<std::string> rightClicks, doubleClicks;
    chart.OnRightClick = [&](TPieChart& c) { rightClicks.push_back(c.HitName()); };
    chart.OnDblClick = [&](TPieChart& c) { doubleClicks.push_back(c.HitName()); };

    QTest::mousePress(&chart, Qt::RightButton, {}, PointAtAngle(chart, 1.0, 50));
    QTest::mouseRelease(&chart, Qt::RightButton, {}, PointAtAngle(chart, 5.5, 50));
    EXPECT_EQ(rightClicks, std::vector<std::string>{"left"}) << "the press decides";
    EXPECT_EQ(chart.HitObject(), reinterpret_cast<const void*>(1));

    QTest::mousePress(&chart, Qt::LeftButton, {}, PointAtAngle(chart, 5.5, 50));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, PointAtAngle(chart, 5.5, 50));
    EXPECT_EQ(rightClicks.size(), 1u) << "a left release raises nothing";

    QTest::mouseDClick(&chart, Qt::LeftButton, {}, PointAtAngle(chart, 5.5, 50));
    EXPECT_EQ(doubleClicks, std::vector<std::string>{"right"});
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(doubleClicks.size(), 1u) << "off the slices nothing is raised";
    EXPECT_EQ(chart.HitName(), "right") << "a miss leaves the last hit as it was";
}

}  // namespace
}  // namespace quillet
