#include "tests/support/ScreenReader.h"

#include "kit/PageWindow.h"
#include "platform/Window.h"
#include "platform/WindowWidget.h"

#include <QAccessible>
#include <QWidget>

namespace {

std::string Describe(const QAccessibleInterface* element)
{
    const QRect r = element->rect();
    return "role " + std::to_string(element->role()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

bool IsField(QAccessible::Role role)
{
    return role == QAccessible::EditableText || role == QAccessible::ComboBox ||
           role == QAccessible::Slider || role == QAccessible::CheckBox;
}

// Pages are the page windows and the screens of the shell (windows that
// fill the main window's client area).
bool IsPage(const QWidget* widget, const QWidget* frame)
{
    const platform::Window* owner = platform::WindowWidget::OwnerOf(widget);
    if (!owner)
        return false;
    return dynamic_cast<const PageWindow*>(owner) ||
           (widget->size() == frame->size() && widget != frame && widget->parentWidget() != frame);
}

void Walk(QAccessibleInterface* element, const QWidget* frame, std::vector<std::string>& unnamed)
{
    if (!element || element->state().invisible)
        return;
    const bool named = !element->text(QAccessible::Name).trimmed().isEmpty();
    auto* widget = qobject_cast<QWidget*>(element->object());
    if (widget && !widget->isVisible())
        return;
    if (!named) {
        if (widget && IsPage(widget, frame))
            unnamed.push_back("page " + platform::WindowWidget::OwnerOf(widget)->DescribeWindow());
        else if (!widget && element->role() == QAccessible::Button)
            unnamed.push_back("button, " + Describe(element));
        else if (widget && IsField(element->role()))
            unnamed.push_back("field, " + Describe(element));
    }
    // The parts of a field (its line, its list) are the field's own.
    if (IsField(element->role()))
        return;
    for (int i = 0; i < element->childCount(); ++i)
        Walk(element->child(i), frame, unnamed);
}

} // namespace

std::vector<std::string> UnnamedOnScreen(platform::Window& frame)
{
    std::vector<std::string> unnamed;
    Walk(QAccessible::queryAccessibleInterface(frame.Widget()), frame.Widget(), unnamed);
    return unnamed;
}

std::vector<std::string> ButtonNames(platform::Window& window)
{
    std::vector<std::string> names;
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(window.Widget());
    for (int i = 0; element && i < element->childCount(); ++i) {
        QAccessibleInterface* child = element->child(i);
        if (child && !child->object() && child->role() == QAccessible::Button)
            names.push_back(child->text(QAccessible::Name).toStdString());
    }
    return names;
}

QAccessibleInterface* AccessibleAt(platform::Window& window, int x, int y)
{
    const QPoint global = window.Widget()->mapToGlobal(QPoint(x, y));
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(window.Widget());
    while (element) {
        QAccessibleInterface* inner = element->childAt(global.x(), global.y());
        if (!inner)
            return element;
        element = inner;
    }
    return nullptr;
}
