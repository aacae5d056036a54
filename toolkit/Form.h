#pragma once

#include "toolkit/Twips.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;
class QMargins;
class QRect;

namespace toolkit {

class FormWidget;

// A top-level window. Left, top, width and height are those of its outer
// frame, title bar included, in twips, right from the window's first showing.
// A window shows modeless, without an owner, and hiding it keeps its contents.
// Controls are created on it with their places on its client area.
//
// Under a window manager a window's frame is known only once the manager has
// framed it. Until then the window is placed by its frame's corner (the
// manager puts the frame there) and sized by the frame of another window of
// ours that is framed already; once its own frame is known, the outer size
// asked for is set again with it, so the window stays at its size, and so is
// a place asked for while the manager was framing the window.
class Form {
public:
    Form(const QString &caption, Twips clientWidth, Twips clientHeight);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    Twips left() const;
    Twips top() const;
    Twips width() const;
    Twips height() const;
    void setLeft(Twips left);
    void setTop(Twips top);
    void setWidth(Twips width);
    void setHeight(Twips height);

    void show();
    void hide();
    bool isVisible() const;

    // True once the learner has closed the window by its frame.
    bool closedByLearner() const { return closedByLearner_; }

    // The start-up window ends the program when the learner closes it.
    void setEndsProgramOnClose(bool ends) { endsProgramOnClose_ = ends; }

    // The Qt window, for the controls created on it and for tests.
    QWidget *widget() const;

    // Controls register as focus stops; the focus order follows the tab index.
    void addTabStop(QWidget *control, int tabIndex);

private:
    friend class FormWidget;
    void closedByFrame();
    void frameMayHaveChanged();
    void applyTabOrder();

    bool framed() const;
    QMargins frameMargins() const;
    QRect outerGeometry() const;
    void place(std::optional<int> left, std::optional<int> top);
    void size(std::optional<int> width, std::optional<int> height);

    FormWidget *window_;
    bool closedByLearner_ = false;
    bool endsProgramOnClose_ = false;
    bool shownBefore_ = false;

    // The outer place and size last asked for, in pixels, while the window's
    // own frame is not known; set again once it is.
    struct Asked {
        std::optional<int> left, top, width, height;
    };
    Asked asked_;
    // Whether the place asked for went with the making of the platform window,
    // so that the window manager put the frame there itself.
    bool placedOnCreation_ = false;

    struct TabStop {
        QWidget *control;
        int tabIndex;
    };
    std::vector<TabStop> tabStops_;
};

} // namespace toolkit
