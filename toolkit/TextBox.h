#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Font.h"

#include <QString>

namespace toolkit {

class LineEdit;

// A single-line, editable text box with no length limit. Every change of its
// text raises `changed` before the change returns, whether the learner typed it
// or code set it; a set to the text it already holds changes nothing and raises
// nothing. A double click raises `doubleClicked` (after the box's own handling
// of the click); the focus's arrival raises `gotFocus`.
//
// The box holds its text itself. A set made while a change handler runs (of
// this box or another) reaches the Qt widget once, when the outermost change
// returns, or sooner, when an event reaches the widget: a handler that sets a
// box many times, as the pattern rebuild does with the result box, then costs
// one text layout and not one per set. Outside change handlers a set reaches
// the widget before it returns.
class TextBox : public Control {
public:
    TextBox(Form &form, const Rect &place, const QString &text, std::optional<Font> font, int tabIndex);
    ~TextBox() override;

    QString text() const;
    void setText(const QString &text);

    // Selection start (characters, from 0), then its length from that start.
    void setSelStart(int start);
    void setSelLength(int length);

    Event changed;
    Event doubleClicked;
    Event gotFocus;

private:
    friend class LineEdit;
    void raiseChanged();
    void changedInWidget();
    void showText();

    LineEdit *edit_;
    QString text_;
    bool textNotShown_ = false;
    int selStart_ = 0;
};

} // namespace toolkit
