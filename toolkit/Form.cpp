#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Failure.h"

#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace toolkit {

class FormWidget : public QWidget {
public:
    explicit FormWidget(Form &form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->accept();
        form_.closedByFrame();
    }

private:
    Form &form_;
};

namespace {

// A size or position in twips as whole pixels; a value that no window can take
// is a run-time failure.
int checkedPixels(Twips twips)
{
    constexpr Twips limit = 1.0e7f;
    if (!std::isfinite(twips) || std::fabs(twips) > limit)
        throw Failure(QStringLiteral("Μη έγκυρη θέση ή διάσταση παραθύρου."));
    return toPixels(twips);
}

QMargins frameMargins(QWidget *window)
{
    (void)window->winId(); // the platform window, and so its frame, exists from here on
    return window->windowHandle()->frameMargins();
}

} // namespace

Form::Form(const QString &caption, Twips clientWidth, Twips clientHeight) : window_(new FormWidget(*this))
{
    window_->setWindowTitle(caption);
    window_->resize(toPixels(clientWidth), toPixels(clientHeight));
    (void)frameMargins(window_);
}

Form::~Form()
{
    delete window_;
}

QWidget *Form::widget() const
{
    return window_;
}

Twips Form::left() const
{
    return toTwips(window_->geometry().x() - frameMargins(window_).left());
}

Twips Form::top() const
{
    return toTwips(window_->geometry().y() - frameMargins(window_).top());
}

Twips Form::width() const
{
    const QMargins m = frameMargins(window_);
    return toTwips(window_->width() + m.left() + m.right());
}

Twips Form::height() const
{
    const QMargins m = frameMargins(window_);
    return toTwips(window_->height() + m.top() + m.bottom());
}

void Form::setLeft(Twips left)
{
    QRect client = window_->geometry();
    client.moveLeft(checkedPixels(left) + frameMargins(window_).left());
    window_->setGeometry(client);
}

void Form::setTop(Twips top)
{
    QRect client = window_->geometry();
    client.moveTop(checkedPixels(top) + frameMargins(window_).top());
    window_->setGeometry(client);
}

void Form::setWidth(Twips width)
{
    const QMargins m = frameMargins(window_);
    window_->resize(std::max(1, checkedPixels(width) - m.left() - m.right()), window_->height());
}

void Form::setHeight(Twips height)
{
    const QMargins m = frameMargins(window_);
    window_->resize(window_->width(), std::max(1, checkedPixels(height) - m.top() - m.bottom()));
}

void Form::show()
{
    if (!shownBefore_) {
        applyTabOrder();
        shownBefore_ = true;
    }
    window_->show();
}

void Form::hide()
{
    window_->hide();
}

bool Form::isVisible() const
{
    return window_->isVisible();
}

void Form::addTabStop(QWidget *control, int tabIndex)
{
    tabStops_.push_back({control, tabIndex});
}

void Form::applyTabOrder()
{
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const TabStop &a, const TabStop &b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1].control, tabStops_[i].control);
    // The control with the lowest tab index holds the focus when the window first shows.
    if (!tabStops_.empty())
        tabStops_.front().control->setFocus(Qt::OtherFocusReason);
}

void Form::closedByFrame()
{
    closedByLearner_ = true;
    if (endsProgramOnClose_)
        endProgram();
}

} // namespace toolkit
