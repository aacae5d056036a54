#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Font.h"

#include <QString>

namespace toolkit {

// A command button; a mouse click, and Space, Return or the keypad's Enter
// while it has the focus, raise `clicked`. It is never a window's default or
// cancel button: Return elsewhere in the window presses nothing.
class Button : public Control {
public:
    Button(Form &form, const Rect &place, const QString &caption, std::optional<Font> font, int tabIndex);

    Event clicked;
};

} // namespace toolkit
