// TPieChart: named, weighted entries drawn as a pie, largest first, counter-clockwise from
// three o'clock, each slice in the next colour of the list and labelled when wide enough.
// Entries whose text begins with "-" are drawn in the ghost colour (the main window's free
// space). The chart can mirror its entries in a linked list box, and reports double-clicks and
// right-clicks on slices; the owner then reads HitObject and HitName.
//
// Ownership: the chart owns its entries, not the callers' objects they carry, and not the
// linked list box. GUI thread only.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/ChartListBox.h"
#include "chart/MultiColour.h"
#include "listing/ChartEntries.h"

namespace quillet {

class TPieChart : public TMultiColourControl {
public:
    explicit TPieChart(QWidget* parent = nullptr);

    // Each entry is a text ("number name") with the caller's object. Texts whose number does
    // not read are left out; the rest are sorted largest first, kept, copied to the linked list
    // box, and the chart repaints.
    void SetEntries(TStringListWithDouble lines);
    // As SetEntries, for changes since an earlier scan (PrepareGrowthEntries): growth gets
    // slices, losses are only listed, after them.
    void SetGrowthEntries(TStringListWithDouble lines);
    void ClearEntries();
    const TStringListWithDouble& Entries() const { return Entries_; }
    double Total() const { return Total_; }

    TChartListBox* ListBox() const { return ListBox_; }
    void SetListBox(TChartListBox* listBox) { ListBox_ = listBox; }

    std::uint32_t GhostColour() const { return GhostColour_; }
    void SetGhostColour(std::uint32_t colour) { GhostColour_ = colour; }
    // The colour of the labels, where it reads on the slice; elsewhere black or white.
    QColor FontColour() const { return FontColour_; }
    void SetFontColour(const QColor& colour);
    QColor LabelColourOn(const QColor& fill) const;

    // Whether the last press lay on a slice; when it did, HitObject and HitName name it.
    bool HitTest();
    const void* HitObject() const { return HitObject_; }
    const std::string& HitName() const { return HitName_; }

    // The tooltip of an entry; an empty text shows none.
    std::function<QString(const TChartEntry&)> EntryHint;
    // The tooltip at a point: that of the entry the hit test finds there, so the undrawn rest
    // of the pie tells about the entries too narrow to draw whose ranges lie in it.
    QString HintAt(QPoint at) const;

    std::function<void(TPieChart&)> OnDblClick;
    std::function<void(TPieChart&)> OnRightClick;

    int DownX = 0;
    int DownY = 0;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Copies the prepared entries to the list box and repaints.
    void ShowEntries();

    TStringListWithDouble Entries_;
    double Total_ = 0;
    TChartListBox* ListBox_ = nullptr;
    std::uint32_t GhostColour_ = 0x00C0C0C0;  // silver
    QColor FontColour_ = Qt::black;
    const void* HitObject_ = nullptr;
    std::string HitName_;
};

}  // namespace quillet
