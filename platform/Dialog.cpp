#include "platform/Dialog.h"

#include <QEventLoop>
#include <QWidget>

namespace platform {
namespace {

std::function<void(Dialog&)>& ModalHook()
{
    static std::function<void(Dialog&)> hook;
    return hook;
}

} // namespace

struct Dialog::Loop {
    QEventLoop loop;
};

Dialog::Dialog(Window* parent) : Window(parent) {}

int Dialog::DoModal()
{
    QWidget* w = Widget();
    if (!w)
        return -1;
    w->setWindowModality(Qt::ApplicationModal);
    Loop loop;
    loop_ = &loop;
    running_ = true;
    result_ = 0;
    ShowWindow(SW_SHOW);
    BringToTop();
    if (ModalHook())
        ModalHook()(*this);
    if (running_)
        loop.loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    ShowWindow(SW_HIDE);
    return result_;
}

void Dialog::EndDialog(int result)
{
    result_ = result;
    running_ = false;
    if (loop_)
        loop_->loop.exit(result);
}

void SetModalHook(std::function<void(Dialog&)> hook)
{
    ModalHook() = std::move(hook);
}

} // namespace platform
