#include "platform/System.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace platform {

int GetSystemMetrics(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    switch (index) {
    case SM_CXSCREEN:
        return geometry.width();
    case SM_CYSCREEN:
        return geometry.height();
    case SM_CYCAPTION:
        return QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) : 19;
    case SM_CYBORDER:
        return 1;
    default:
        return 0;
    }
}

} // namespace platform
