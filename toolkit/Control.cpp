#include "toolkit/Control.h"

#include "toolkit/Form.h"

#include <QWidget>

namespace toolkit {

Control::Control(Form &form, QWidget *widget, const Rect &place, std::optional<int> tabIndex) : widget_(widget)
{
    widget_->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width), toPixels(place.height));
    if (tabIndex)
        form.addTabStop(widget_, *tabIndex);
    else
        widget_->setFocusPolicy(Qt::NoFocus);
}

Control::~Control()
{
    delete widget_;
}

Twips Control::left() const { return toTwips(widget_->x()); }
Twips Control::top() const { return toTwips(widget_->y()); }
Twips Control::width() const { return toTwips(widget_->width()); }
Twips Control::height() const { return toTwips(widget_->height()); }

void Control::setLeft(Twips left) { widget_->move(toPixels(left), widget_->y()); }
void Control::setTop(Twips top) { widget_->move(widget_->x(), toPixels(top)); }

void Control::setAccessibleName(const QString &name) { widget_->setAccessibleName(name); }

} // namespace toolkit
