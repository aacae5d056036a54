#include "toolkit/TextBox.h"

#include "toolkit/Form.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <vector>

namespace toolkit {

namespace {

// How deeply change handlers are nested now, and the boxes whose text was set
// inside them and has not yet reached their widgets.
int changeDepth = 0;
std::vector<TextBox *> &boxesToShow()
{
    static std::vector<TextBox *> boxes;
    return boxes;
}

} // namespace

class LineEdit : public QLineEdit {
public:
    LineEdit(TextBox &box, QWidget *parent) : QLineEdit(parent), box_(box)
    {
        setMaxLength(std::numeric_limits<int>::max());
        connect(this, &QLineEdit::textChanged, this, [this] { box_.changedInWidget(); });
    }

protected:
    // Whatever reaches the widget (painting, keys, the mouse, the focus) finds
    // the box's text in it.
    bool event(QEvent *event) override
    {
        box_.showText();
        return QLineEdit::event(event);
    }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        box_.showText();
        return QLineEdit::inputMethodQuery(query);
    }
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
    : Control(form, new LineEdit(*this, form.widget()), place, tabIndex), text_(text)
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

TextBox::~TextBox()
{
    std::erase(boxesToShow(), this);
}

QString TextBox::text() const
{
    return text_;
}

void TextBox::setText(const QString &text)
{
    // A set to the same text raises nothing, but the widget still takes it as
    // Qt's own set does: the selection goes and the cursor moves to the end.
    const bool changes = text != text_;
    text_ = text;
    if (!textNotShown_) {
        textNotShown_ = true;
        boxesToShow().push_back(this);
    }
    if (changes)
        raiseChanged();
    else if (changeDepth == 0)
        showText();
}

// The learner (or Qt, by undo, paste, drop) changed the widget's text.
void TextBox::changedInWidget()
{
    text_ = edit_->text();
    if (textNotShown_) {
        textNotShown_ = false;
        std::erase(boxesToShow(), this);
    }
    raiseChanged();
}

// Raises `changed`; when the outermost change returns, every text set on the
// way reaches its widget.
void TextBox::raiseChanged()
{
    ++changeDepth;
    changed.raise();
    if (--changeDepth > 0)
        return;
    std::vector<TextBox *> boxes;
    boxes.swap(boxesToShow());
    for (TextBox *box : boxes)
        box->showText();
}

void TextBox::showText()
{
    if (!textNotShown_)
        return;
    textNotShown_ = false;
    std::erase(boxesToShow(), this);
    // The change was raised when the text was set.
    const QSignalBlocker quiet(edit_);
    edit_->setText(text_);
}

void TextBox::setSelStart(int start)
{
    showText();
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    edit_->setCursorPosition(selStart_);
}

void TextBox::setSelLength(int length)
{
    showText();
    const int available = static_cast<int>(text_.size()) - selStart_;
    edit_->setSelection(selStart_, std::clamp(length, 0, available));
}

} // namespace toolkit
