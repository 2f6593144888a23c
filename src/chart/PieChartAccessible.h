// What assistive technology (AT-SPI on Linux, UI Automation on Windows, both through Qt's
// bridges) reads of a pie chart: a list named after the chart with one item per drawn slice,
// in the chart's order. An item's name is the slice's name as its entry shows it; its value
// and description are its size and share, "12.3 MB, 45.6 %"; its place is the slice's
// bounding box. The item the keyboard is on is focused and selected, and pressing it or
// asking for its menu acts as a double-click or a right-click on the slice does.
//
// Ownership: Qt's accessibility cache owns every interface; a chart's interface deletes the
// items it made when it goes. The items read the chart as it is at each question, so they
// never hold a stale copy. GUI thread only.
#pragma once

namespace quillet {

// Installs the factory that gives every pie chart its interface; once, however often called.
void InstallPieChartAccessibility();

}  // namespace quillet
