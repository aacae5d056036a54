#include "toolkit/Button.h"

#include "toolkit/Form.h"

#include <QPushButton>

namespace toolkit {

Button::Button(Form &form, const Rect &place, const QString &caption, std::optional<Font> font, int tabIndex)
    : Control(form, new QPushButton(caption, form.widget()), place, tabIndex)
{
    auto *button = static_cast<QPushButton *>(widget());
    button->setAutoDefault(false);
    button->setDefault(false);
    if (font)
        button->setFont(toQFont(*font));
    QObject::connect(button, &QPushButton::clicked, button, [this] { clicked.raise(); });
}

} // namespace toolkit
