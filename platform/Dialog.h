// A modal dialog: a top-level window that runs its own message loop until
// it is ended, blocking the rest of the program meanwhile.
#pragma once

#include "platform/Window.h"

#include <functional>

namespace platform {

class Dialog : public Window {
public:
    explicit Dialog(Window* parent = nullptr);

    // Shows the dialog and returns the result given to EndDialog.
    int DoModal();
    // Ends the modal loop with `result`.
    void EndDialog(int result);
    bool IsModalRunning() const { return running_; }

private:
    bool running_ = false;
    int result_ = 0;
    struct Loop;
    Loop* loop_ = nullptr;
};

// Called with every modal dialog right after it is shown (tests use it to
// answer dialogs); empty restores the default.
void SetModalHook(std::function<void(Dialog&)> hook);

} // namespace platform
