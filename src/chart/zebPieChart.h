// TPieChart: named, weighted entries drawn as a pie, largest first, counter-clockwise from
// three o'clock, each slice in the next colour of the list and labelled when wide enough.
// Entries whose text begins with "-" are drawn in the ghost colour (the main window's free
// space). The chart can mirror its entries in a linked list box, and reports double-clicks and
// right-clicks on slices; the owner then reads HitObject and HitName.
//
// The keyboard reaches the chart by Tab: the arrow keys move a focus from slice to slice (drawn
// as an outline), Enter opens the focused slice as a double-click does, and the Menu key or
// Shift+F10 asks for its menu as a right-click does. Assistive technology reads the chart as a
// list of its slices (PieChartAccessible.h), each with its name, size and share.
//
// Ownership: the chart owns its entries, not the callers' objects they carry, and not the
// linked list box. GUI thread only.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartListBox.h"
#include "chart/MultiColour.h"
#include "chart/PieGeometry.h"
#include "listing/ChartEntries.h"

class QPainter;

namespace quillet {

class TPieChart : public TMultiColourControl {
public:
    explicit TPieChart(QWidget* parent = nullptr);
    ~TPieChart() override;

    // Each entry is a text ("number name") with the caller's object. Texts whose number does
    // not read are left out; the rest are sorted largest first, kept, copied to the linked list
    // box, and the chart repaints.
    void SetEntries(TStringListWithDouble lines);
    // As SetEntries, for entries that carry their values and no texts: text writes an entry's
    // text when it is needed (a slice labelled, a row drawn, the listing saved). The order is
    // the one SetEntries gives texts that read as these values. values is called once the
    // entries shown before are let go, so that a folder of a million is never held twice.
    void SetEntries(const std::function<std::vector<TObjectAndDouble>()>& values,
                    TEntryTextMaker text);
    // As SetEntries, for changes since an earlier scan (PrepareGrowthEntries): growth gets
    // slices, losses are only listed, after them.
    void SetGrowthEntries(TStringListWithDouble lines);
    void ClearEntries();
    const TChartEntries& Entries() const { return Entries_; }
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

    // The tooltip of an entry, given its record and text; an empty text shows none.
    std::function<QString(const TObjectAndDouble& record, const std::string& text)> EntryHint;
    // The tooltip at a point: that of the entry the hit test finds there, so the undrawn rest
    // of the pie tells about the entries too narrow to draw whose ranges lie in it.
    QString HintAt(QPoint at) const;

    std::function<void(TPieChart&)> OnDblClick;
    std::function<void(TPieChart&)> OnRightClick;
    // Where the menu that OnRightClick opens belongs, on the screen: at the mouse for a
    // right-click, on the focused slice for the keyboard.
    QPoint MenuPosition() const { return MenuPosition_; }

    // The slices drawn, in the entries' order (PlanSlices at the chart's size).
    std::vector<PieSlice> Slices() const;
    // What the chart tells of a slice: its name as the entry shows it; its size as ValueText
    // writes it and its share of the total, "12.3 MB, 45.6 %".
    QString SliceName(const PieSlice& slice) const;
    QString SliceSize(const PieSlice& slice) const;
    // The slice's place in the chart's own coordinates.
    QRect SliceRect(const PieSlice& slice) const;
    // A value of the entries written with its unit, as the owner shows sizes; unset, the
    // number alone.
    std::function<QString(double value)> ValueText;

    // The slice the keyboard is on: an index into Slices(), -1 for none. It stays on its
    // entry when the entries are shown again, as long as that entry has a slice; else, while
    // the chart has the focus, it goes to the first slice.
    int FocusedSlice() const { return FocusedSlice_; }
    // Moves the keyboard's focus to a slice, repaints and tells OnSliceFocus and assistive
    // technology; FocusedObject then names its entry's object.
    void FocusSlice(int slice);
    const void* FocusedObject() const;
    std::function<void(TPieChart&)> OnSliceFocus;
    // As a double-click or a right-click on a slice: the focus moves to it, it becomes the hit
    // one, and OnDblClick or OnRightClick is called. Enter and the Menu key use these.
    void OpenSlice(int slice);
    void ShowSliceMenu(int slice);

    int DownX = 0;
    int DownY = 0;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The focused slice's entry, told by its object and name, which outlive the entries.
    struct TFocusKey {
        bool HadFocus = false;
        const void* Object = nullptr;
        std::string Name;
    };
    // Lets the entries shown go, the list box first (it reads them), and tells which had the
    // focus.
    TFocusKey LetEntriesGo();
    // Shows entries, prepared and in order, in the list box and repaints. The focus goes back
    // to the entry of focus's object and name when it still has a slice.
    void ShowEntries(const TFocusKey& focus, TChartEntries entries, double total);
    // The entry of a slice, an index into Slices(); none when there is no such slice.
    std::optional<std::size_t> SliceEntry(int slice) const;
    // Focuses a slice and makes it the hit one, for the owner's OnDblClick or OnRightClick.
    bool HitSlice(int slice);
    // The outline of the focused slice, in black and white so that it shows on any slice
    // colour and any background.
    void DrawFocus(QPainter& painter, const PieSlice& slice) const;
    // Tells assistive technology that the slices changed, or where the focus is.
    void NotifySlicesChanged();
    void NotifyFocus();

    TChartEntries Entries_;
    double Total_ = 0;
    // Reads Entries_ while it shows them: told when they go, unless it went first.
    QPointer<TChartListBox> ListBox_;
    std::uint32_t GhostColour_ = 0x00C0C0C0;  // silver
    QColor FontColour_ = Qt::black;
    const void* HitObject_ = nullptr;
    std::string HitName_;
    QPoint MenuPosition_;
    int FocusedSlice_ = -1;
};

}  // namespace quillet
