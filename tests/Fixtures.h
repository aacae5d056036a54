#pragma once

// Small helpers that tests share: picture files of known pixel sizes in a
// temporary working directory, and closing the modal message box that a
// handler opens.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace fixtures {

// Writes a BMP picture of width x height pixels, filled with one colour.
inline void writePicture(const QString &path, int width, int height, QColor colour = Qt::darkYellow)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY2(image.save(path, "BMP"), qPrintable(path));
}

// A fresh temporary directory that is the working directory while this lives.
class WorkingDirectory {
public:
    WorkingDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    QString path(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// What a message box showed before the test closed it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QList<QMessageBox::StandardButton> buttons;
    bool modal = false;
};

// Runs action, which is expected to open modal message boxes; each is read and
// closed with its OK button as soon as it shows. Returns what they showed, in
// order.
inline QList<ShownMessage> closingMessageBoxes(const std::function<void()> &action)
{
    QList<ShownMessage> shown;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ShownMessage message{box->windowTitle(), box->text(), box->icon(), box->textFormat(), {}, box->isModal()};
        for (QAbstractButton *button : box->buttons())
            message.buttons << box->standardButton(button);
        shown.append(message);
        box->button(QMessageBox::Ok)->click();
    });
    closer.start();
    action();
    closer.stop();
    return shown;
}

} // namespace fixtures
