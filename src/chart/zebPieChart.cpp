#include "chart/zebPieChart.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "chart/ContrastColour.h"
#include "chart/PieChartAccessible.h"
#include "chart/PieGeometry.h"

namespace quillet {
namespace {

// The colours that stand in while a failed colour text leaves none in use.
const TColourList kDefaultColours;

// Outlines and the rim: black, as long as it stands out from the fill; white on a dark one.
QColor OutlineColourOn(const QColor& fill) {
    return ColourFromRef(
        ContrastRatio(kBlackRef, RefFromColour(fill)) >= kOutlineContrast ? kBlackRef : kWhiteRef);
}

// Degrees of the ray from the centre through p, as Qt's arcs count them.
double RayDegrees(int cx, int cy, PiePoint p) {
    return std::atan2(static_cast<double>(cy - p.Y), static_cast<double>(p.X - cx)) * 360 / TwoPi;
}

}  // namespace

TPieChart::TPieChart(QWidget* parent) : TMultiColourControl(parent) {
    resize(65, 65);
    // Tab reaches the chart; a click leaves the focus where it was, as it always did.
    setFocusPolicy(Qt::TabFocus);
    InstallPieChartAccessibility();
}

TPieChart::~TPieChart() {
    if (ListBox_) ListBox_->Items().Clear();
}

void TPieChart::SetEntries(TStringListWithDouble lines) {
    const double total = PrepareEntries(lines);
    SortEntries(lines);
    const TFocusKey focus = LetEntriesGo();
    ShowEntries(focus, TChartEntries(std::move(lines)), total);
}

void TPieChart::SetEntries(const std::function<std::vector<TObjectAndDouble>()>& values,
                           TEntryTextMaker text) {
    const TFocusKey focus = LetEntriesGo();
    std::vector<TObjectAndDouble> figures = values();
    double total = 0;
    for (const TObjectAndDouble& figure : figures)
        total += figure.Value;
    ShowEntries(focus, TChartEntries(std::move(figures), std::move(text)), total);
}

void TPieChart::SetGrowthEntries(TStringListWithDouble lines) {
    const double total = PrepareGrowthEntries(lines);
    const TFocusKey focus = LetEntriesGo();
    ShowEntries(focus, TChartEntries(std::move(lines)), total);
}

TPieChart::TFocusKey TPieChart::LetEntriesGo() {
    TFocusKey focus;
    focus.HadFocus = FocusedSlice_ >= 0;
    if (const std::optional<std::size_t> focused = SliceEntry(FocusedSlice_)) {
        focus.Object = Entries_.Record(*focused).Obj;
        focus.Name = SplitEntryText(Entries_.Text(*focused)).Name;
    }
    if (ListBox_) ListBox_->Items().Clear();
    Entries_ = {};
    Total_ = 0;
    FocusedSlice_ = -1;
    return focus;
}

void TPieChart::ShowEntries(const TFocusKey& focus, TChartEntries entries, double total) {
    Entries_ = std::move(entries);
    Total_ = total;

    const std::vector<PieSlice> slices = Slices();
    for (std::size_t i = 0; focus.HadFocus && i < slices.size(); ++i) {
        const auto entry = static_cast<std::size_t>(slices[i].Entry);
        if (Entries_.Record(entry).Obj == focus.Object &&
            SplitEntryText(Entries_.Text(entry)).Name == focus.Name)
            FocusedSlice_ = static_cast<int>(i);
    }
    if (FocusedSlice_ < 0 && hasFocus() && !slices.empty()) FocusedSlice_ = 0;
    if (ListBox_) ListBox_->Items().ShowRows(&Entries_);
    // A slice's hint shown now tells the figures that were: it goes until the mouse asks again.
    if (underMouse() && QToolTip::isVisible()) QToolTip::hideText();
    update();
    NotifySlicesChanged();
    NotifyFocus();
    // The owner's list, refilled, follows the focus again.
    if (hasFocus() && FocusedSlice_ >= 0 && OnSliceFocus) OnSliceFocus(*this);
}

void TPieChart::ClearEntries() {
    LetEntriesGo();
    update();
    NotifySlicesChanged();
}

void TPieChart::SetFontColour(const QColor& colour) {
    FontColour_ = colour;
    update();
}

QColor TPieChart::LabelColourOn(const QColor& fill) const {
    return ColourFromRef(TextRefOn(RefFromColour(FontColour_), RefFromColour(fill)));
}

bool TPieChart::HitTest() {
    const auto hit = HitEntry(Entries_, Total_, width(), height(), DownX, DownY);
    if (!hit) return false;
    const auto entry = static_cast<std::size_t>(*hit);
    HitObject_ = Entries_.Record(entry).Obj;
    HitName_ = std::string(SplitEntryText(Entries_.Text(entry)).Name);
    return true;
}

std::vector<PieSlice> TPieChart::Slices() const {
    return PlanSlices(Entries_, Total_, width(), height(), NumColours());
}

QString TPieChart::SliceName(const PieSlice& slice) const {
    return QString::fromUtf8(
        SplitEntryText(Entries_.Text(static_cast<std::size_t>(slice.Entry))).Name);
}

QString TPieChart::SliceSize(const PieSlice& slice) const {
    const auto entry = static_cast<std::size_t>(slice.Entry);
    const double value = Entries_.Record(entry).Value;
    const QString size = ValueText ? ValueText(value)
                                   : QString::fromUtf8(SplitEntryText(Entries_.Text(entry)).Value);
    const QString share = QLocale().toString(value / Total_ * 100, 'f', 1);
    return QCoreApplication::translate("TPieChart", "%1, %2 %").arg(size, share);
}

QRect TPieChart::SliceRect(const PieSlice& slice) const {
    const PieBox box = SliceBox(slice.Start, slice.End, width(), height());
    return QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
}

void TPieChart::FocusSlice(int slice) {
    if (slice < 0 || slice >= static_cast<int>(Slices().size())) return;
    FocusedSlice_ = slice;
    update();
    NotifyFocus();
    if (OnSliceFocus) OnSliceFocus(*this);
}

std::optional<std::size_t> TPieChart::SliceEntry(int slice) const {
    const std::vector<PieSlice> slices = Slices();
    if (slice < 0 || slice >= static_cast<int>(slices.size())) return std::nullopt;
    return static_cast<std::size_t>(slices[static_cast<std::size_t>(slice)].Entry);
}

const void* TPieChart::FocusedObject() const {
    const std::optional<std::size_t> entry = SliceEntry(FocusedSlice_);
    return entry ? Entries_.Record(*entry).Obj : nullptr;
}

bool TPieChart::HitSlice(int slice) {
    const std::optional<std::size_t> entry = SliceEntry(slice);
    if (!entry) return false;
    HitObject_ = Entries_.Record(*entry).Obj;
    HitName_ = std::string(SplitEntryText(Entries_.Text(*entry)).Name);
    FocusSlice(slice);
    // The menu opens halfway out along the slice's middle ray.
    const PieSlice shape = Slices()[static_cast<std::size_t>(slice)];
    const PiePoint middle = PointAt(width() / 2, height() / 2, (shape.Start + shape.End) / 2,
                                    std::min(width(), height()) / 4.0);
    MenuPosition_ = mapToGlobal(QPoint(middle.X, middle.Y));
    return true;
}

void TPieChart::OpenSlice(int slice) {
    if (OnDblClick && HitSlice(slice)) OnDblClick(*this);
}

void TPieChart::ShowSliceMenu(int slice) {
    if (OnRightClick && HitSlice(slice)) OnRightClick(*this);
}

void TPieChart::NotifySlicesChanged() {
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void TPieChart::NotifyFocus() {
    if (!hasFocus() || FocusedSlice_ < 0) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(FocusedSlice_);
    QAccessible::updateAccessibility(&event);
}

QString TPieChart::HintAt(QPoint at) const {
    if (!EntryHint) return {};
    const auto hit = HitEntry(Entries_, Total_, width(), height(), at.x(), at.y());
    if (!hit) return {};
    const auto entry = static_cast<std::size_t>(*hit);
    return EntryHint(Entries_.Record(entry), Entries_.Text(entry));
}

bool TPieChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return TMultiColourControl::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = HintAt(help->pos());
    if (hint.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), hint, this);
    }
    return true;
}

void TPieChart::paintEvent(QPaintEvent*) {
    const int w = width(), h = height();
    const int cx = w / 2, cy = h / 2;
    // Composed off-screen as a picture, then put on the control in one step.
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ghost = ColourFromRef(GhostColour_);

    // Background: the ghost-filled disc with a dotted rim and the zero-angle radius. A 1-pixel
    // pen is centred half a pixel in, so the outline covers the pixels the geometry names.
    QPen dotted(OutlineColourOn(ghost), 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(ghost);
    painter.drawEllipse(QRectF(1.5, 1.5, w - 3, h - 3));
    painter.drawLine(QPointF(cx + 0.5, cy + 0.5), QPointF(w - 1.5, cy + 0.5));

    const TColourList& colours = NumColours() > 0 ? ColourList() : kDefaultColours;
    const auto fillOf = [&](const PieSlice& slice) {
        return slice.ColourSlot < 0
                   ? ghost
                   : ColourFromRef(colours.Slots[static_cast<std::size_t>(slice.ColourSlot)]);
    };
    const std::vector<PieSlice> slices = Slices();
    const QRectF pie(0.5, 0.5, w - 1, h - 1);
    for (const PieSlice& slice : slices) {
        const QColor fill = fillOf(slice);
        painter.setPen(QPen(OutlineColourOn(fill), 1));
        painter.setBrush(fill);
        if (slice.From == slice.To) {
            painter.drawEllipse(pie);  // one entry takes the whole pie
            continue;
        }
        const double from = RayDegrees(cx, cy, slice.From);
        double span = RayDegrees(cx, cy, slice.To) - from;
        if (span <= 0) span += 360;
        painter.drawPie(pie, static_cast<int>(std::lround(from * 16)),
                        static_cast<int>(std::lround(span * 16)));
    }

    // Under the labels, which stay whole where the outline passes them.
    if (hasFocus() && FocusedSlice_ >= 0 && FocusedSlice_ < static_cast<int>(slices.size()))
        DrawFocus(painter, slices[static_cast<std::size_t>(FocusedSlice_)]);

    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (const PieSlice& slice : slices) {
        if (!slice.Labelled) continue;
        QString name = QString::fromUtf8(
            SplitEntryText(Entries_.Text(static_cast<std::size_t>(slice.Entry))).Name);
        // A label too wide for its place inside the rim is shortened, or left out when
        // nothing of it would remain: drawn whole it would cross onto other slices.
        const int fits = LabelWidthThatFits(slice.Start, slice.End, metrics.horizontalAdvance(name),
                                            metrics.height(), w, h);
        if (fits < metrics.horizontalAdvance(name)) {
            name = metrics.elidedText(name, Qt::ElideRight, fits);
            if (name.isEmpty() || name == QStringLiteral("\u2026")) continue;
        }
        const PiePoint at = LabelPosition(slice.Start, slice.End, metrics.horizontalAdvance(name),
                                          metrics.height(), w, h);
        painter.setPen(LabelColourOn(fillOf(slice)));
        painter.drawText(QPoint(at.X, at.Y + metrics.ascent()), name);
    }
    painter.end();

    // At (0, 0) rather than one pixel in: the pie's ellipse is as large as the control, so
    // any offset would cut its right and bottom rim.
    QPainter screen(this);
    screen.drawPicture(0, 0, picture);
}

void TPieChart::DrawFocus(QPainter& painter, const PieSlice& slice) const {
    const int w = width(), h = height();
    const int cx = w / 2, cy = h / 2;
    // A little inside the rim, so that the control's edge cuts none of the outline.
    const QRectF pie(3.5, 3.5, w - 7, h - 7);
    QPainterPath outline;
    if (slice.From == slice.To) {
        outline.addEllipse(pie);
    } else {
        const double from = RayDegrees(cx, cy, slice.From);
        double span = RayDegrees(cx, cy, slice.To) - from;
        if (span <= 0) span += 360;
        outline.moveTo(cx + 0.5, cy + 0.5);
        outline.arcTo(pie, from, span);
        outline.closeSubpath();
    }
    // Black with white inside it: one of the two stands out from any colour.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
}

void TPieChart::mousePressEvent(QMouseEvent* event) {
    DownX = event->position().toPoint().x();
    DownY = event->position().toPoint().y();
}

void TPieChart::mouseReleaseEvent(QMouseEvent* event) {
    // The press position decides, wherever the button comes up.
    if (event->button() == Qt::RightButton && OnRightClick && HitTest()) {
        MenuPosition_ = QCursor::pos();
        OnRightClick(*this);
    }
}

void TPieChart::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (OnDblClick && HitTest()) OnDblClick(*this);
}

void TPieChart::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(Slices().size());
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            FocusSlice(std::min(FocusedSlice_ + 1, count - 1));
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            FocusSlice(std::max(FocusedSlice_ - 1, 0));
            return;
        case Qt::Key_Home:
            FocusSlice(0);
            return;
        case Qt::Key_End:
            FocusSlice(count - 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenSlice(FocusedSlice_);
            return;
        default:
            break;
    }
    if (menuKey) {
        ShowSliceMenu(FocusedSlice_);
        return;
    }
    TMultiColourControl::keyPressEvent(event);
}

void TPieChart::focusInEvent(QFocusEvent* event) {
    TMultiColourControl::focusInEvent(event);
    // Back from a menu or another window the focus is where it was: the entry a slice's menu
    // acts on stays the one it was opened for.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
        update();
        NotifyFocus();
        return;
    }
    // The focus starts on the entry chosen in the linked list when it has a slice, else where
    // it was left, else on the first slice; the list follows it from there.
    const std::vector<PieSlice> slices = Slices();
    int slice = FocusedSlice_ >= 0 ? FocusedSlice_ : 0;
    if (ListBox_ && ListBox_->selectionModel()->isSelected(ListBox_->currentIndex())) {
        const int row = ListBox_->currentIndex().row();
        for (std::size_t i = 0; i < slices.size(); ++i) {
            if (slices[i].Entry == row) slice = static_cast<int>(i);
        }
    }
    FocusSlice(slice);
}

void TPieChart::focusOutEvent(QFocusEvent* event) {
    TMultiColourControl::focusOutEvent(event);
    update();  // the outline goes
}

}  // namespace quillet
