#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Control.h"
#include "toolkit/Font.h"

#include <QString>

namespace toolkit {

// A line of text that takes no input and never the focus.
class Label : public Control {
public:
    Label(Form &form, const Rect &place, const QString &caption, const Font &font, Colour colour);

    QString caption() const;
};

} // namespace toolkit
