#include "toolkit/TextBox.h"

#include "toolkit/Form.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <limits>

namespace toolkit {

// The Qt line edit with the focus and double-click behaviour of the box.
class TextBoxWidget : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBoxWidget(QWidget *parent) : QLineEdit(parent)
    {
        setMaxLength(std::numeric_limits<int>::max());
    }

signals:
    void focusArrived();
    void doubleClicked();

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        // The focus came back from the box's own menu, or with the window
        // coming back to the front: it never left the box.
        if (focusStayed_ && isReturn(event->reason()))
            return;
        const bool byPress = QGuiApplication::mouseButtons() & Qt::LeftButton;
        emit focusArrived();
        // Only a selection made on the arrival stands against the press that
        // brought the focus; any other press places the caret as usual.
        pressBroughtFocus_ = byPress && hasSelectedText();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        // A menu opened or another window came to the front: within its own
        // window the focus stays with this box.
        focusStayed_ = isReturn(event->reason());
        pressBroughtFocus_ = false;
    }

    // The press that brought the focus, and the drag that follows it, would
    // otherwise place the caret over the selection just made.
    void mousePressEvent(QMouseEvent *event) override
    {
        if (!pressBroughtFocus_)
            QLineEdit::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!pressBroughtFocus_)
            QLineEdit::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (pressBroughtFocus_)
            pressBroughtFocus_ = false;
        else
            QLineEdit::mouseReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLineEdit::mouseDoubleClickEvent(event);
        emit doubleClicked();
    }

private:
    // The reasons for which the focus leaves a box for a while and comes back
    // to it: a popup menu, and the window going behind another and returning.
    static bool isReturn(Qt::FocusReason reason)
    {
        return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
    }

    bool focusStayed_ = false;
    bool pressBroughtFocus_ = false;
};

TextBox::TextBox(Form &form, const Rect &place, const QString &text, std::optional<Font> font, int tabIndex)
    : Control(form, new TextBoxWidget(form.widget()), place, tabIndex), edit_(static_cast<TextBoxWidget *>(widget()))
{
    if (font)
        edit_->setFont(toQFont(*font));
    // The text at creation is no change: it is set before the box listens.
    edit_->setText(text);
    QObject::connect(edit_, &QLineEdit::textChanged, [this] { changed.raise(); });
    QObject::connect(edit_, &TextBoxWidget::doubleClicked, [this] { doubleClicked.raise(); });
    QObject::connect(edit_, &TextBoxWidget::focusArrived, [this] { gotFocus.raise(); });
}

QString TextBox::text() const
{
    return edit_->text();
}

void TextBox::setText(const QString &text)
{
    // Qt raises no change for the text the box already holds.
    edit_->setText(text);
}

void TextBox::setSelStart(int start)
{
    edit_->setCursorPosition(std::clamp(start, 0, static_cast<int>(edit_->text().size())));
}

void TextBox::setSelLength(int length)
{
    const int start = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    const int available = static_cast<int>(edit_->text().size()) - start;
    edit_->setSelection(start, std::clamp(length, 0, available));
}

} // namespace toolkit

#include "TextBox.moc"
