#pragma once

#include <functional>
#include <memory>

namespace toolkit {

// The one instance of a secondary window. Any use finds it ready: a window not
// yet created, or closed by the learner by its frame, is first created anew,
// hidden, with its stored layout.
template <class Window>
class Instance {
public:
    explicit Instance(std::function<std::unique_ptr<Window>()> create) : create_(std::move(create)) {}

    Window &operator*() { return ready(); }
    Window *operator->() { return &ready(); }

    // Whether the window exists now, without creating it.
    bool exists() const { return window_ && !window_->closedByLearner(); }

private:
    Window &ready()
    {
        if (!exists()) {
            window_.reset();
            window_ = create_();
        }
        return *window_;
    }

    std::function<std::unique_ptr<Window>()> create_;
    std::unique_ptr<Window> window_;
};

} // namespace toolkit
