#pragma once

#include "toolkit/Twips.h"

#include <QString>

#include <vector>

class QWidget;

namespace toolkit {

class FormWidget;

// A top-level window. Left, top, width and height are those of its outer
// frame, title bar included, in twips; the frame margins come from the
// platform. A window shows modeless, without an owner, and hiding it keeps its
// contents. Controls are created on it with their places on its client area.
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
    void applyTabOrder();

    FormWidget *window_;
    bool closedByLearner_ = false;
    bool endsProgramOnClose_ = false;
    bool shownBefore_ = false;
    struct TabStop {
        QWidget *control;
        int tabIndex;
    };
    std::vector<TabStop> tabStops_;
};

} // namespace toolkit
