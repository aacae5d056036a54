#pragma once

#include <functional>

namespace toolkit {

// The one guarded dispatch point: every event handler runs through it. A
// failure that the handler does not trap ends that handler; the learner is told
// what failed and the program goes on. No exception leaves this function, so
// none ever crosses Qt's event loop.
void dispatch(const std::function<void()> &handler) noexcept;

// A handler's failure trap: runs the steps; a run-time failure among them skips
// the remaining steps and runs the failure path instead. The learner is told
// nothing; the failure is noted in one line on standard error, naming the file
// to blame, if any, and the reason.
void trap(const std::function<void()> &steps, const std::function<void()> &failurePath);

// An event of a window or control, bound to at most one handler.
class Event {
public:
    void bind(std::function<void()> handler) { handler_ = std::move(handler); }
    void raise() const noexcept
    {
        if (handler_)
            dispatch(handler_);
    }

private:
    std::function<void()> handler_;
};

} // namespace toolkit
