#include "toolkit/TextBox.h"

#include "toolkit/Form.h"

#include <QLineEdit>

#include <algorithm>

#include <limits>

namespace toolkit {

class LineEdit : public QLineEdit {
public:
    LineEdit(TextBox &box, QWidget *parent) : QLineEdit(parent), box_(box)
    {
        setMaxLength(std::numeric_limits<int>::max());
        connect(this, &QLineEdit::textChanged, this, [this] { box_.changed.raise(); });
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLineEdit::mouseDoubleClickEvent(event);
        box_.doubleClicked.raise();
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        box_.gotFocus.raise();
    }

private:
    TextBox &box_;
};

TextBox::TextBox(Form &form, const Rect &place, const QString &text, std::optional<Font> font, int tabIndex)
    : Control(form, new LineEdit(*this, form.widget()), place, tabIndex)
{
    edit_ = static_cast<LineEdit *>(widget());
    if (font)
        edit_->setFont(toQFont(*font));
    {
        // The text at creation is no change.
        const QSignalBlocker quiet(edit_);
        edit_->setText(text);
    }
}

QString TextBox::text() const
{
    return edit_->text();
}

void TextBox::setText(const QString &text)
{
    edit_->setText(text);
}

void TextBox::setSelStart(int start)
{
    selStart_ = std::clamp(start, 0, static_cast<int>(edit_->text().size()));
    edit_->setCursorPosition(selStart_);
}

void TextBox::setSelLength(int length)
{
    const int available = static_cast<int>(edit_->text().size()) - selStart_;
    edit_->setSelection(selStart_, std::clamp(length, 0, available));
}

} // namespace toolkit
