#include "platform/Control.h"

#include "platform/AnsiText.h"
#include "platform/QtBridge.h"

#include <QWidget>

namespace platform {

void Control::MoveWindow(int x, int y, int width, int height)
{
    if (QWidget* w = Widget())
        w->setGeometry(x, y, width, height);
}

void Control::MoveWindow(const Rect& rect)
{
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height());
}

Rect Control::GetWindowRect() const
{
    const QWidget* w = Widget();
    return w ? FromQRect(w->geometry()) : Rect{};
}

void Control::Show(bool show)
{
    if (QWidget* w = Widget())
        w->setVisible(show);
}

bool Control::IsShown() const
{
    const QWidget* w = Widget();
    return w && !w->isHidden();
}

void Control::EnableWindow(bool enable)
{
    if (QWidget* w = Widget())
        w->setEnabled(enable);
}

bool Control::IsWindowEnabled() const
{
    const QWidget* w = Widget();
    return w && w->isEnabled();
}

void Control::SetFocus()
{
    if (QWidget* w = Widget())
        w->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const
{
    const QWidget* w = Widget();
    return w && w->hasFocus();
}

void Control::SetAccessibleName(const std::string& name)
{
    if (QWidget* w = Widget())
        w->setAccessibleName(FromAnsi(name));
}

} // namespace platform
