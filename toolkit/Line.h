#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Control.h"

namespace toolkit {

// A straight line drawn on a window, from one point to another, in twips. It
// takes no input and never the focus.
class Line : public Control {
public:
    Line(Form &form, Twips x1, Twips y1, Twips x2, Twips y2, Colour colour, int widthPixels);
};

} // namespace toolkit
