#pragma once

// Ends a start-up benchmark's event loop as soon as a window is on the screen:
// the first expose event that finds its platform window exposed. Both start-up
// programs share it, so that they stop at the same point. The window owns it.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace bench {

class QuitWhenExposed : public QObject {
public:
    explicit QuitWhenExposed(QWindow *window) : QObject(window), window_(window) { window_->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed())
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QWindow *window_;
};

// The benchmarks run on Qt's offscreen platform, set before the application
// object reads it.
inline void useOffscreenPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
