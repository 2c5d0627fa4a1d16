#include "platform/Accessibility.h"

#include "platform/AnsiText.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"
#include "platform/WindowWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <vector>

namespace platform {
namespace {

// How far a label may stand from what it names.
constexpr int kLabelReachLeft = 260;
constexpr int kLabelReachAbove = 30;
constexpr int kLabelReachRight = 40;
// Failing those, a line anywhere to the left on the same row: the
// statement at the start of a row of answer boxes.
constexpr int kLabelReachRow = 1 << 16;
// Edges may touch or overlap by this much.
constexpr int kLabelSlack = 3;

bool ReadsAsLabel(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) || c >= 0xC0; });
}

bool OnRowOf(const Rect& text, const Rect& rect)
{
    const int middle = (rect.top + rect.bottom) / 2;
    return text.top <= middle && middle < text.bottom;
}

bool OverlapsAcross(const Rect& text, const Rect& rect)
{
    return text.left < rect.right && rect.left < text.right;
}

// A button drawn on a window, for screen readers: the index-th item the
// window has on show now.
class ItemAccessible : public QAccessibleInterface {
public:
    ItemAccessible(QWidget* widget, int index) : widget_(widget), index_(index) {}

    bool isValid() const override { return Item().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const std::optional<AccessibleItem> item = Item();
        if (!item)
            return {};
        if (t == QAccessible::Name)
            return FromAnsi(item->name);
        return t == QAccessible::Description ? FromAnsi(item->detail) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const std::optional<AccessibleItem> item = Item();
        if (!item)
            return {};
        const QRect local = ToQRect(item->rect);
        return QRect(widget_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const std::optional<AccessibleItem> item = Item();
        s.invisible = !item || !widget_->isVisible();
        s.disabled = item && !item->enabled;
        return s;
    }

private:
    std::optional<AccessibleItem> Item() const
    {
        const Window* owner = widget_ ? WindowWidget::OwnerOf(widget_) : nullptr;
        if (!owner)
            return std::nullopt;
        std::vector<AccessibleItem> items = owner->AccessibleItems();
        if (index_ >= static_cast<int>(items.size()))
            return std::nullopt;
        return std::move(items[static_cast<size_t>(index_)]);
    }

    QPointer<QWidget> widget_;
    int index_;
};

// A window for screen readers: its child windows and controls as Qt offers
// them, then the buttons drawn on it.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* widget)
        : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Pane)
    {
    }
    ~WindowAccessible() override
    {
        for (QAccessible::Id id : itemIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + ItemCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        return index - widgets < ItemCount() ? ItemInterface(index - widgets) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < itemIds_.size(); ++i) {
            if (QAccessible::accessibleInterface(itemIds_[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (QAccessibleInterface* inner = QAccessibleWidget::childAt(x, y))
            return inner;
        for (int i = 0; i < ItemCount(); ++i) {
            QAccessibleInterface* item = ItemInterface(i);
            if (item->rect().contains(x, y))
                return item;
        }
        return nullptr;
    }

private:
    int ItemCount() const
    {
        const Window* owner = WindowWidget::OwnerOf(widget());
        return owner ? static_cast<int>(owner->AccessibleItems().size()) : 0;
    }
    QAccessibleInterface* ItemInterface(int index) const
    {
        while (static_cast<int>(itemIds_.size()) <= index) {
            auto* item = new ItemAccessible(widget(), static_cast<int>(itemIds_.size()));
            itemIds_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(itemIds_[static_cast<size_t>(index)]);
    }

    mutable std::vector<QAccessible::Id> itemIds_;
};

QAccessibleInterface* WindowAccessibleFactory(const QString&, QObject* object)
{
    auto* widget = dynamic_cast<WindowWidget*>(object);
    return widget ? new WindowAccessible(widget) : nullptr;
}

} // namespace

std::string FindLabel(const std::vector<DrawnText>& texts, const Rect& rect)
{
    // The nearest line that stands `Distance` away within `reach`, among
    // those that `Fits`.
    const auto nearest = [&](auto fits, auto distance, int reach) -> const DrawnText* {
        const DrawnText* best = nullptr;
        int bestDistance = INT_MAX;
        for (const DrawnText& t : texts) {
            if (!ReadsAsLabel(t.text) || !fits(t.rect))
                continue;
            const int d = distance(t.rect);
            if (d >= -kLabelSlack && d <= reach && d < bestDistance) {
                best = &t;
                bestDistance = d;
            }
        }
        return best;
    };
    const auto onRow = [&](const Rect& t) { return OnRowOf(t, rect); };
    const auto leftOf = [&](const Rect& t) { return rect.left - t.right; };
    const DrawnText* label = nearest(onRow, leftOf, kLabelReachLeft);
    if (!label)
        label = nearest([&](const Rect& t) { return OverlapsAcross(t, rect); },
                        [&](const Rect& t) { return rect.top - t.bottom; }, kLabelReachAbove);
    if (!label)
        label = nearest(
            onRow, [&](const Rect& t) { return t.left - rect.right; }, kLabelReachRight);
    if (!label)
        label = nearest(onRow, leftOf, kLabelReachRow);
    if (!label)
        return {};
    // "Cash on hand: $" names the field "Cash on hand".
    std::string name = label->text;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '$'))
        name.pop_back();
    return name;
}

void InstallAccessibility()
{
    QAccessible::installFactory(WindowAccessibleFactory);
}

} // namespace platform
