// Keeps the program to one running copy per user. The first copy holds a
// lock file and listens on a local socket named after the window class; a
// second copy finds the lock taken, asks the first copy through the socket
// to restore and raise its window, and then ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

class InstanceGuard {
public:
    enum class Result {
        First,        // this copy is the one that runs
        OtherRunning, // another copy runs; it has been asked to come forward
        Failed,       // the guard could not be set up
    };

    // `name` is the window-class name, e.g. "Fin Class".
    explicit InstanceGuard(std::string name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Takes the guard, or hands over to the copy that holds it.
    Result Acquire();

    // Called in the first copy whenever a later copy asks it to come forward.
    void SetRestoreHandler(std::function<void()> handler);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
