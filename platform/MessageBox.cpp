#include "platform/MessageBox.h"

#include "platform/AnsiText.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace platform {
namespace {

MessageBoxHandler* g_handler = nullptr;

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
    box.exec();
    return IDOK;
}

MessageBoxHandler* SetMessageBoxHandler(MessageBoxHandler* handler)
{
    return std::exchange(g_handler, handler);
}

} // namespace platform
