#include "toolkit/Button.h"

#include "toolkit/Form.h"

#include <QKeyEvent>
#include <QPushButton>

namespace toolkit {

// Qt presses a focused button with Space alone, unless it is a dialog's
// default; learners expect Return and the keypad's Enter to press it too.
class ButtonWidget : public QPushButton {
public:
    ButtonWidget(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
    {
        setAutoDefault(false);
        setDefault(false);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        // A held key presses the button once.
        if (!event->isAutoRepeat())
            click();
    }
};

Button::Button(Form &form, const Rect &place, const QString &caption, std::optional<Font> font, int tabIndex)
    : Control(form, new ButtonWidget(caption, form.widget()), place, tabIndex)
{
    auto *button = static_cast<ButtonWidget *>(widget());
    if (font)
        button->setFont(toQFont(*font));
    QObject::connect(button, &QPushButton::clicked, button, [this] { clicked.raise(); });
}

} // namespace toolkit
