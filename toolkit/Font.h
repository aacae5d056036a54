#pragma once

#include <QFont>

namespace toolkit {

// A control's font: a face, a size in points and bold or not. Where the face is
// not installed, a face with Greek letters stands in at the same size and weight.
struct Font {
    const char *face;
    double points;
    bool bold;
};

QFont toQFont(const Font &font);

} // namespace toolkit
