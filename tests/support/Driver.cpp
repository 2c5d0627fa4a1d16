#include "tests/support/Driver.h"

#include "platform/Window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

QWidget* TargetAt(QWidget* frame, QPoint& point)
{
    QWidget* target = frame->childAt(point);
    if (!target)
        return frame;
    point = target->mapFrom(frame, point);
    return target;
}

void SendMouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    // Delivered straight to the widget: moving the platform's cursor would
    // also reach windows that earlier tests have destroyed.
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void Driver::MoveTo(int x, int y)
{
    QPoint p(x, y);
    QWidget* target = TargetAt(frame_.Widget(), p);
    SendMouseMove(target, p, QApplication::mouseButtons());
    QCoreApplication::processEvents();
}

void Driver::Press(int x, int y)
{
    QPoint p(x, y);
    QTest::mousePress(TargetAt(frame_.Widget(), p), Qt::LeftButton, Qt::NoModifier, p);
    QCoreApplication::processEvents();
}

void Driver::Release(int x, int y)
{
    QPoint p(x, y);
    QTest::mouseRelease(TargetAt(frame_.Widget(), p), Qt::LeftButton, Qt::NoModifier, p);
    QCoreApplication::processEvents();
}

void Driver::Click(int x, int y)
{
    MoveTo(x, y);
    QPoint p(x, y);
    QWidget* target = TargetAt(frame_.Widget(), p);
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, p);
    Settle();
}

void Driver::Key(int qtKey)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : frame_.Widget(), static_cast<Qt::Key>(qtKey));
    Settle();
}

void Driver::Type(const char* text)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClicks(focus ? focus : frame_.Widget(), text);
    Settle();
}

void Driver::Settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

bool Driver::Until(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QImage Driver::Screen()
{
    Settle(20);
    return frame_.Widget()->grab().toImage();
}

bool Driver::TickUntil(platform::Window& window, unsigned id, const std::function<bool()>& done, int ticks)
{
    for (int i = 0; i < ticks && !done(); ++i) {
        if (!platform::FireTimer(window, id))
            break;
    }
    QCoreApplication::processEvents();
    return done();
}

bool Driver::Activate(platform::Window& window)
{
    window.Widget()->activateWindow();
    return QTest::qWaitForWindowActive(window.Widget());
}
