#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Picture.h"

#include <QString>

namespace toolkit {

class PictureBoxWidget;

// A self-sizing picture box: setting a picture replaces the one it holds and
// gives the box the picture's size, inner size = pixels x 15 twips, outer size
// 60 twips larger each way (a border of two pixels). When that changes the
// box's size, `resized` is raised before the setting returns, whether or not
// its window is shown.
class PictureBox : public Control {
public:
    PictureBox(Form &form, const Rect &place, std::optional<int> tabIndex, const QString &toolTip = {});

    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }

    Twips innerWidth() const;
    Twips innerHeight() const;

    Event resized;

private:
    PictureBoxWidget *box_;
    Picture picture_;
};

} // namespace toolkit
