#pragma once

#include "toolkit/Control.h"
#include "toolkit/Font.h"

#include <QString>

namespace toolkit {

// A colour as red, green and blue, 0 to 255 each.
struct Colour {
    int red;
    int green;
    int blue;
};

// A line of text that takes no input and never the focus.
class Label : public Control {
public:
    Label(Form &form, const Rect &place, const QString &caption, const Font &font, Colour colour);

    QString caption() const;
};

// A straight line drawn on a window, from one point to another, in twips.
class Line : public Control {
public:
    Line(Form &form, Twips x1, Twips y1, Twips x2, Twips y2, Colour colour, int widthPixels);
};

} // namespace toolkit
