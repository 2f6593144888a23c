#include "chart/PieChartAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeySequence>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "chart/zebPieChart.h"

namespace quillet {
namespace {

// One slice of a chart, by its place among the chart's slices.
class TPieSliceAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TPieSliceAccessible(TPieChart* chart, int index) : Chart_(chart), Index_(index) {}

    int Index() const { return Index_; }
    const TPieChart* Chart() const { return Chart_; }

    bool isValid() const override {
        return Chart_ && Index_ < static_cast<int>(Chart_->Slices().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Chart_ ? Chart_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        const PieSlice slice = Chart_->Slices()[static_cast<std::size_t>(Index_)];
        switch (kind) {
            case QAccessible::Name:
                return Chart_->SliceName(slice);
            case QAccessible::Value:
            case QAccessible::Description:
                return Chart_->SliceSize(slice);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = Chart_->SliceRect(Chart_->Slices()[static_cast<std::size_t>(Index_)]);
        return QRect(Chart_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.invisible = !Chart_->isVisible();
        const bool current = Chart_->FocusedSlice() == Index_;
        state.selected = current;
        state.focused = current && Chart_->hasFocus();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (name == pressAction()) Chart_->OpenSlice(Index_);
        if (name == showMenuAction()) Chart_->ShowSliceMenu(Index_);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction()) return {QKeySequence(Qt::Key_Return).toString()};
        if (name == showMenuAction()) return {QKeySequence(Qt::Key_Menu).toString()};
        return {};
    }

private:
    QPointer<TPieChart> Chart_;
    int Index_;
};

class TPieChartAccessible final : public QAccessibleWidget {
public:
    explicit TPieChartAccessible(TPieChart* chart) : QAccessibleWidget(chart, QAccessible::List) {}
    ~TPieChartAccessible() override {
        for (const QAccessible::Id id : Children_) {
            if (id) QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return static_cast<int>(Chart()->Slices().size()); }

    // Items are made when first asked for and kept: an item stands for a place in the
    // chart, whatever slice is there now.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        const auto at = static_cast<std::size_t>(index);
        if (Children_.size() <= at) Children_.resize(at + 1, 0);
        if (!Children_[at]) {
            auto* item = new TPieSliceAccessible(Chart(), index);
            Children_[at] = QAccessible::registerAccessibleInterface(item);
            return item;
        }
        return QAccessible::accessibleInterface(Children_[at]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const TPieSliceAccessible*>(child);
        return item && item->Chart() == Chart() && item->isValid() ? item->Index() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const TPieChart& chart = *Chart();
        const QPoint at = chart.mapFromGlobal(QPoint(x, y));
        const auto hit =
            HitEntry(chart.Entries(), chart.Total(), chart.width(), chart.height(), at.x(), at.y());
        const std::vector<PieSlice> slices = chart.Slices();
        for (std::size_t i = 0; hit && i < slices.size(); ++i) {
            if (slices[i].Entry == *hit) return child(static_cast<int>(i));
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return Chart()->hasFocus() ? child(Chart()->FocusedSlice()) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (!text.isEmpty()) return text;
        if (kind == QAccessible::Name) return QCoreApplication::translate("TPieChart", "Pie chart");
        if (kind == QAccessible::Description)
            return QCoreApplication::translate("TPieChart", "One slice per entry, largest first");
        return text;
    }

private:
    TPieChart* Chart() const { return static_cast<TPieChart*>(widget()); }

    mutable std::vector<QAccessible::Id> Children_;
};

QAccessibleInterface* PieChartFactory(const QString&, QObject* object) {
    auto* chart = dynamic_cast<TPieChart*>(object);
    return chart ? new TPieChartAccessible(chart) : nullptr;
}

}  // namespace

void InstallPieChartAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(PieChartFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace quillet
