#pragma once

#include <QPointer>
#include <functional>

namespace daxo {

// One window of a kind for the whole run, created the first time something
// needs it. Creating it runs its load step, Form_Load, before anything else
// touches it; the window is known by then, so that a load step that reaches
// back to its own window finds it rather than creating another. A window
// that its close button destroys is created anew the next time.
template <typename Window>
class SingleInstance {
public:
    using Factory = std::function<Window*()>;

    explicit SingleInstance(Factory create)
        : create_(std::move(create))
    {
    }

    // The window, created hidden when there is none.
    Window& get()
    {
        if (!window_) {
            window_ = create_();
            if constexpr (requires(Window& w) { w.Form_Load(); })
                window_->Form_Load();
        }
        return *window_;
    }

    // The window, or nullptr while there is none.
    Window* find() const { return window_.data(); }

private:
    Factory create_;
    QPointer<Window> window_; // the window belongs to its Qt parent
};

} // namespace daxo
