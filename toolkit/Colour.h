#pragma once

#include <QColor>

namespace toolkit {

// A colour as red, green and blue, 0 to 255 each.
struct Colour {
    int red;
    int green;
    int blue;
};

inline QColor toQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

} // namespace toolkit
