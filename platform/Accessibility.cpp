#include "platform/Accessibility.h"

#include "platform/AnsiText.h"
#include "platform/QtBridge.h"
#include "platform/Window.h"
#include "platform/WindowWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <optional>
#include <vector>

namespace platform {
namespace {

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

void InstallAccessibility()
{
    QAccessible::installFactory(WindowAccessibleFactory);
}

} // namespace platform
