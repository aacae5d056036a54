#pragma once

#include <QtGlobal>

namespace toolkit {

// Positions and sizes at the toolkit's surface are twips, single precision.
// Qt works in device-independent pixels; this is the one place that converts.
using Twips = float;

inline constexpr int twipsPerPixel = 15;

constexpr Twips toTwips(int pixels) { return static_cast<Twips>(pixels * twipsPerPixel); }

inline int toPixels(Twips twips) { return qRound(twips / twipsPerPixel); }

// A control's place and size on its window's client area.
struct Rect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

} // namespace toolkit
