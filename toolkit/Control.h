#pragma once

#include "toolkit/Twips.h"

#include <optional>

class QString;
class QWidget;

namespace toolkit {

class Form;

// What every control shares: its Qt widget on a window's client area, and its
// outer place and size in twips relative to that client area. A control owns
// its widget and deletes it first, so that no event reaches a control that is
// going away.
class Control {
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    Twips left() const;
    Twips top() const;
    Twips width() const;
    Twips height() const;
    void setLeft(Twips left);
    void setTop(Twips top);

    // What a screen reader says the control is for.
    void setAccessibleName(const QString &name);

    // The Qt widget, for the toolkit and for tests.
    QWidget *widget() const { return widget_; }

protected:
    // tabIndex: the control's place in the focus order; none for a control that
    // never takes the focus.
    Control(Form &form, QWidget *widget, const Rect &place, std::optional<int> tabIndex);

private:
    QWidget *widget_;
};

} // namespace toolkit
