#include "chart/zebPieChart.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QToolTip>
#include <cmath>

#include "chart/ContrastColour.h"
#include "chart/PieGeometry.h"

namespace quillet {
namespace {

// The colours that stand in while a failed colour text leaves none in use.
const TColourList kDefaultColours;

// Outlines and the rim: black, as long as it stands out from the fill; white on a dark one.
QColor OutlineColourOn(const QColor& fill) {
    const std::uint32_t behind = RefFromColour(fill);
    return ColourFromRef(
        ContrastRatio(kBlackRef, behind) >= kOutlineContrast ? kBlackRef : ContrastingRef(behind));
}

// Degrees of the ray from the centre through p, as Qt's arcs count them.
double RayDegrees(int cx, int cy, PiePoint p) {
    return std::atan2(static_cast<double>(cy - p.Y), static_cast<double>(p.X - cx)) * 360 / TwoPi;
}

}  // namespace

TPieChart::TPieChart(QWidget* parent) : TMultiColourControl(parent) {
    resize(65, 65);
}

void TPieChart::SetEntries(TStringListWithDouble lines) {
    Entries_ = std::move(lines);
    Total_ = PrepareEntries(Entries_);
    SortEntries(Entries_);
    ShowEntries();
}

void TPieChart::SetGrowthEntries(TStringListWithDouble lines) {
    Entries_ = std::move(lines);
    Total_ = PrepareGrowthEntries(Entries_);
    ShowEntries();
}

void TPieChart::ShowEntries() {
    if (ListBox_) {
        std::vector<TListRow> rows;
        rows.reserve(Entries_.size());
        for (const TChartEntry& entry : Entries_)
            rows.push_back({entry.Text, entry.Record.Obj});
        ListBox_->Items().SetRows(std::move(rows));
    }
    update();
}

void TPieChart::ClearEntries() {
    Entries_.clear();
    Total_ = 0;
    if (ListBox_) ListBox_->Items().Clear();
    update();
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
    const TChartEntry& entry = Entries_[static_cast<std::size_t>(*hit)];
    HitObject_ = entry.Record.Obj;
    HitName_ = std::string(SplitEntryText(entry.Text).Name);
    return true;
}

QString TPieChart::HintAt(QPoint at) const {
    if (!EntryHint) return {};
    const auto hit = HitEntry(Entries_, Total_, width(), height(), at.x(), at.y());
    return hit ? EntryHint(Entries_[static_cast<std::size_t>(*hit)]) : QString();
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
    const std::vector<PieSlice> slices = PlanSlices(Entries_, Total_, w, h, NumColours());
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

    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (const PieSlice& slice : slices) {
        if (!slice.Labelled) continue;
        const TChartEntry& entry = Entries_[static_cast<std::size_t>(slice.Entry)];
        QString name = QString::fromUtf8(SplitEntryText(entry.Text).Name);
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

void TPieChart::mousePressEvent(QMouseEvent* event) {
    DownX = event->position().toPoint().x();
    DownY = event->position().toPoint().y();
}

void TPieChart::mouseReleaseEvent(QMouseEvent* event) {
    // The press position decides, wherever the button comes up.
    if (event->button() == Qt::RightButton && OnRightClick && HitTest()) OnRightClick(*this);
}

void TPieChart::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (OnDblClick && HitTest()) OnDblClick(*this);
}

}  // namespace quillet
