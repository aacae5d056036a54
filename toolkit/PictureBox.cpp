#include "toolkit/PictureBox.h"

#include "toolkit/Form.h"

#include <QLabel>
#include <QPixmap>

namespace toolkit {

namespace {
constexpr int borderPixels = 2;
}

class PictureBoxWidget : public QLabel {
public:
    explicit PictureBoxWidget(QWidget *parent) : QLabel(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(borderPixels);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
};

PictureBox::PictureBox(Form &form, const Rect &place, std::optional<int> tabIndex, const QString &toolTip)
    : Control(form, new PictureBoxWidget(form.widget()), place, tabIndex)
{
    box_ = static_cast<PictureBoxWidget *>(widget());
    if (tabIndex)
        box_->setFocusPolicy(Qt::StrongFocus);
    if (!toolTip.isEmpty())
        box_->setToolTip(toolTip);
}

void PictureBox::setPicture(const Picture &picture)
{
    picture_ = picture;
    box_->setPixmap(QPixmap::fromImage(picture.image()));
    const QSize size(picture.widthPixels() + 2 * borderPixels, picture.heightPixels() + 2 * borderPixels);
    if (size == box_->size())
        return;
    box_->resize(size);
    resized.raise();
}

Twips PictureBox::innerWidth() const
{
    return toTwips(box_->width() - 2 * borderPixels);
}

Twips PictureBox::innerHeight() const
{
    return toTwips(box_->height() - 2 * borderPixels);
}

} // namespace toolkit
