#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Font.h"

#include <QString>

namespace toolkit {

class TextBoxWidget;

// A single-line, editable text box with no length limit. Every change of its
// text raises `changed` before the change returns, whether the learner typed it
// or code set it; a set to the text it already holds changes nothing and raises
// nothing. A double click raises `doubleClicked` (after the box's own handling
// of the click).
//
// The focus's arrival raises `gotFocus`, by the keyboard or by a mouse press.
// When the handler selects text, the press that brought the focus, and the
// drag after it, leave that selection as it is; otherwise the press places the
// caret as in any text box. The focus coming back from the box's own menu, or
// with the window coming back to the front, is no arrival.
class TextBox : public Control {
public:
    TextBox(Form &form, const Rect &place, const QString &text, std::optional<Font> font, int tabIndex);

    QString text() const;
    void setText(const QString &text);

    // Selection start (characters, from 0), then its length from that start.
    void setSelStart(int start);
    void setSelLength(int length);

    Event changed;
    Event doubleClicked;
    Event gotFocus;

private:
    TextBoxWidget *edit_;
};

} // namespace toolkit
