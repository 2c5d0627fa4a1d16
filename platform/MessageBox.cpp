#include "platform/MessageBox.h"

#include "platform/AnsiText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <optional>
#include <utility>

namespace platform {
namespace {

MessageBoxHandler* g_handler = nullptr;

struct DialogColors {
    COLORREF background;
    COLORREF text;
};
std::optional<DialogColors> g_colors; // the style's own until set

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

int MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    if (g_handler)
        return g_handler->Show(text, caption, type);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName() : FromAnsi(caption));
    box.setText(FromAnsi(text));
    if (type & MB_ICONSTOP)
        box.setIcon(QMessageBox::Critical);
    else if (type & MB_ICONINFORMATION)
        box.setIcon(QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    if (g_colors) {
        QPalette palette = box.palette();
        palette.setColor(QPalette::Window, ToQColor(g_colors->background));
        palette.setColor(QPalette::WindowText, ToQColor(g_colors->text));
        box.setPalette(palette);
    }
    box.exec();
    return IDOK;
}

void SetDialogColors(COLORREF background, COLORREF text)
{
    g_colors = {background, text};
}

MessageBoxHandler* SetMessageBoxHandler(MessageBoxHandler* handler)
{
    return std::exchange(g_handler, handler);
}

} // namespace platform
