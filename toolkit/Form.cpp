#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Failure.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace toolkit {

class FormWidget : public QWidget {
public:
    explicit FormWidget(Form &form) : form_(form) {}

    // Hidden, the window gives its platform window up, so that its next showing
    // is placed like its first, by the frame's corner.
    void dropPlatformWindow() { destroy(); }

    // The frame the window manager has put round this window, if it has yet.
    // While the manager is still building the frame, Qt may measure it off a
    // frame window of 1 x 1 pixels and find margins below 0: no frame yet.
    QMargins ownFrameMargins() const
    {
        const QWindow *handle = windowHandle();
        if (!testAttribute(Qt::WA_WState_Created) || !handle)
            return {};
        const QMargins margins = handle->frameMargins();
        if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
            return {};
        return margins;
    }

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QWidget::event(event);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            form_.frameMayHaveChanged();
            break;
        default:
            break;
        }
        return handled;
    }

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

// The frame of another shown window of ours: the window manager gives ours
// all the same frame, so it stands in for one not framed yet.
QMargins frameOfAnotherWindow(const QWidget *except)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const auto *window = dynamic_cast<const FormWidget *>(widget);
        if (window && window != except && window->isVisible()) {
            const QMargins margins = window->ownFrameMargins();
            if (!margins.isNull())
                return margins;
        }
    }
    return {};
}

} // namespace

Form::Form(const QString &caption, Twips clientWidth, Twips clientHeight) : window_(new FormWidget(*this))
{
    // The platform window is made at the first showing, so that a place set
    // before it reaches the window manager as the frame's corner.
    window_->setWindowTitle(caption);
    window_->resize(toPixels(clientWidth), toPixels(clientHeight));
}

Form::~Form()
{
    delete window_;
}

QWidget *Form::widget() const
{
    return window_;
}

bool Form::framed() const
{
    return !window_->ownFrameMargins().isNull();
}

QMargins Form::frameMargins() const
{
    const QMargins own = window_->ownFrameMargins();
    return own.isNull() ? frameOfAnotherWindow(window_) : own;
}

QRect Form::outerGeometry() const
{
    if (framed())
        return window_->frameGeometry();
    QRect outer(window_->pos(), window_->size().grownBy(frameMargins()));
    if (asked_.left)
        outer.moveLeft(*asked_.left);
    if (asked_.top)
        outer.moveTop(*asked_.top);
    return outer;
}

Twips Form::left() const { return toTwips(outerGeometry().left()); }
Twips Form::top() const { return toTwips(outerGeometry().top()); }
Twips Form::width() const { return toTwips(outerGeometry().width()); }
Twips Form::height() const { return toTwips(outerGeometry().height()); }

void Form::setLeft(Twips left) { place(checkedPixels(left), std::nullopt); }
void Form::setTop(Twips top) { place(std::nullopt, checkedPixels(top)); }
void Form::setWidth(Twips width) { size(checkedPixels(width), std::nullopt); }
void Form::setHeight(Twips height) { size(std::nullopt, checkedPixels(height)); }

// Puts the frame's top-left corner at left, top (pixels); a coordinate not
// given stays.
void Form::place(std::optional<int> left, std::optional<int> top)
{
    if (!framed()) {
        if (left)
            asked_.left = left;
        if (top)
            asked_.top = top;
        // Once the platform window is made, a new place travels as a move,
        // which is set again once the frame is known.
        if (window_->testAttribute(Qt::WA_WState_Created))
            placedOnCreation_ = false;
    }
    const QRect outer = outerGeometry();
    const QPoint corner(left.value_or(outer.left()), top.value_or(outer.top()));
    window_->move(corner); // a window's position is its frame's, also before it is made
}

// Sets the outer width and height (pixels); a dimension not given stays.
void Form::size(std::optional<int> width, std::optional<int> height)
{
    if (!framed()) {
        if (width)
            asked_.width = width;
        if (height)
            asked_.height = height;
    }
    const QMargins m = frameMargins();
    QSize client = window_->size();
    if (width)
        client.setWidth(std::max(1, *width - m.left() - m.right()));
    if (height)
        client.setHeight(std::max(1, *height - m.top() - m.bottom()));
    window_->resize(client);
}

// Once the window manager has framed the window, the size asked for before
// is set again with the window's own frame, and so is a place asked for after
// the platform window was made. A place that went with the platform window's
// making is the manager's to keep: while it builds the frame, Qt may read it
// off the frame's first, passing layout, and a place set again from that
// lands the title bar above the screen.
void Form::frameMayHaveChanged()
{
    if (!framed())
        return;
    const Asked asked = std::exchange(asked_, {});
    const bool placedOnCreation = std::exchange(placedOnCreation_, false);
    if (asked.width || asked.height)
        size(asked.width, asked.height);
    if (placedOnCreation)
        return;
    const QPoint corner = window_->frameGeometry().topLeft();
    if ((asked.left && *asked.left != corner.x()) || (asked.top && *asked.top != corner.y()))
        place(asked.left, asked.top);
}

void Form::show()
{
    if (!shownBefore_) {
        applyTabOrder();
        shownBefore_ = true;
    }
    // The platform window is made now, and the place asked for goes with it:
    // the window manager puts the frame's corner there.
    if (!window_->testAttribute(Qt::WA_WState_Created))
        placedOnCreation_ = true;
    window_->show();
}

void Form::hide()
{
    if (!window_->isVisible())
        return;
    const QRect outer = outerGeometry();
    window_->hide();
    window_->dropPlatformWindow();
    // It comes back where it stood.
    place(outer.left(), outer.top());
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
