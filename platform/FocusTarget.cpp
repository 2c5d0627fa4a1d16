#include "platform/FocusTarget.h"

#include "platform/Window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

// Nothing to see and nothing to click: no size, no painting, and no place in
// the tab order. Keys it receives go on to the window it sits in.
class NeutralWidget : public QWidget {
public:
    explicit NeutralWidget(QWidget* parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

// The widget that Qt last took the focus from without giving the focus to
// another, as when its window stops being the active one; cleared as soon as
// anything has the focus again. Qt keeps such a widget as its window's focus
// child although it has been told that it lost the focus.
QPointer<QWidget>& ReleasedByDeactivation()
{
    static QPointer<QWidget> released;
    static const bool watching = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp,
                         [](QWidget* old, QWidget* now) { released = now ? nullptr : old; });
        return true;
    }();
    (void)watching;
    return released;
}

} // namespace

struct FocusTarget::Impl {
    QPointer<NeutralWidget> widget; // owned by the parent widget
};

FocusTarget::FocusTarget(Window* parent) : impl_(std::make_unique<Impl>())
{
    impl_->widget = new NeutralWidget(parent->Widget());
    impl_->widget->show();
    ReleasedByDeactivation();
}

FocusTarget::~FocusTarget()
{
    delete impl_->widget.data();
}

QWidget* FocusTarget::Widget() const
{
    return impl_->widget;
}

void FocusTarget::TakeFocus()
{
    QWidget* target = impl_->widget;
    if (!target)
        return;
    QWidget* top = target->window();
    if (top->isActiveWindow()) {
        // Qt tells the widget that loses the focus before setFocus returns.
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    // In a window that is not the active one Qt only moves the window's
    // focus child and tells nobody; tell the control that loses it here.
    QWidget* previous = top->focusWidget();
    target->setFocus(Qt::OtherFocusReason);
    if (!previous || previous == target || previous == ReleasedByDeactivation())
        return;
    QFocusEvent lost(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(previous, &lost);
}

bool FocusTarget::HasFocus() const
{
    QWidget* target = impl_->widget;
    return target && target->window()->focusWidget() == target;
}

} // namespace platform
