#include "toolkit/Label.h"

#include "toolkit/Form.h"

#include <QLabel>

namespace toolkit {

Label::Label(Form &form, const Rect &place, const QString &caption, const Font &font, Colour colour)
    : Control(form, new QLabel(caption, form.widget()), place, std::nullopt)
{
    auto *label = static_cast<QLabel *>(widget());
    label->setFont(toQFont(font));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
}

QString Label::caption() const
{
    return static_cast<QLabel *>(widget())->text();
}

} // namespace toolkit
