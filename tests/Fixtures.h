#pragma once

// Small helpers that tests share: two-digit numbers as the program writes them
// in its names, picture files of known pixel sizes in a temporary working
// directory, closing the modal message box that a handler opens, and the
// guards that turn a wait for something that never comes into a failure.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <functional>
#include <optional>

#include <cstdio>
#include <unistd.h>

namespace fixtures {

// A number written with at least two digits, as the program names its
// pictures and models: 7 gives "07".
inline QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

// Writes a BMP picture of width x height pixels, filled with one colour.
inline void writePicture(const QString &path, int width, int height, QColor colour = Qt::darkYellow)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY2(image.save(path, "BMP"), qPrintable(path));
}

// Pastes text into a text box's widget at its caret, through the clipboard
// and Ctrl+V, as the learner does.
inline void paste(QWidget *box, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
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

// Standard error, caught in a file while this lives: what the program writes
// there, and nothing of it on the terminal.
class CapturedStandardError {
public:
    CapturedStandardError()
    {
        std::fflush(stderr);
        if (file_.open())
            saved_ = ::dup(STDERR_FILENO);
        if (saved_ >= 0)
            ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~CapturedStandardError() { restore(); }

    // Everything written so far, as lines.
    QStringList lines()
    {
        std::fflush(stderr);
        QFile written(file_.fileName());
        if (!written.open(QIODevice::ReadOnly))
            return {QStringLiteral("(standard error could not be read back)")};
        return QString::fromLocal8Bit(written.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

// How long a test waits for what a working program brings at once (a window,
// the focus, the program's end) before it gives up and fails naming what did
// not come: only a guard against a hang, wide enough for a busy machine.
inline constexpr int hangGuardMs = 60'000;

// Fails the running test with message, where a check cannot return from the
// test function (in a timer, or in a helper that returns a value); the test
// goes on to its next check. Outside a test (the benchmarks) it does nothing.
inline void failTest(const QString &message)
{
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// What a message box showed before the test closed it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QList<QMessageBox::StandardButton> buttons;
    bool modal = false;
};

namespace detail {

// How many closingMessageBoxes are running: while one is, message boxes are
// expected.
inline int expectingMessageBoxes = 0;

// Reads the modal message box that is up now and closes it with its OK button.
// Nothing modal is left up to hang the test: a box that does not close with
// OK, or a modal window that is no message box, is closed all the same, and
// the test fails naming it.
inline std::optional<ShownMessage> closeModalBox()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return std::nullopt;
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        failTest(QStringLiteral("a modal window that is no message box came up: «%1»").arg(modal->windowTitle()));
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        modal->hide();
        return std::nullopt;
    }
    ShownMessage message{box->windowTitle(), box->text(), box->icon(), box->textFormat(), {}, box->isModal()};
    for (QAbstractButton *button : box->buttons())
        message.buttons << box->standardButton(button);
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    if (box->isVisible()) {
        failTest(QStringLiteral("the message box «%1» did not close with an OK button").arg(box->text()));
        box->done(QMessageBox::Ok);
        box->hide();
    }
    return message;
}

} // namespace detail

// Runs action, which is expected to open modal message boxes; each is read and
// closed with its OK button as soon as it shows. Returns what they showed, in
// order: none when none came.
inline QList<ShownMessage> closingMessageBoxes(const std::function<void()> &action)
{
    QList<ShownMessage> shown;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (const std::optional<ShownMessage> message = detail::closeModalBox())
            shown.append(*message);
    });
    closer.start();
    const struct Expecting {
        Expecting() { ++detail::expectingMessageBoxes; }
        ~Expecting() { --detail::expectingMessageBoxes; }
    } expecting;
    action();
    return shown;
}

// How a test names a message box that came where it expected none.
inline QString unexpected(const ShownMessage &message)
{
    return QStringLiteral("a message box came where none was expected: «%1»").arg(message.text);
}

// While it lives, every message box that shows where no step of the test
// expects one (outside closingMessageBoxes) is read and closed, and the test
// fails naming it: a failure that the program tells the learner about ends
// the test with a clear failure instead of leaving it waiting behind a modal
// box.
class UnexpectedMessageBoxes {
public:
    UnexpectedMessageBoxes()
    {
        watch_.setInterval(5);
        QObject::connect(&watch_, &QTimer::timeout, [this] {
            if (detail::expectingMessageBoxes > 0)
                return;
            const std::optional<ShownMessage> message = detail::closeModalBox();
            // Each message is named once, however often it comes.
            if (message && !told_.contains(message->text)) {
                told_ << message->text;
                failTest(unexpected(*message));
            }
        });
        watch_.start();
    }

private:
    QTimer watch_;
    QStringList told_;
};

// Runs the application's event loop, as the program does, with action as its
// first event, until the loop ends; returns the loop's exit code (0 when the
// program ended). Returns none when the loop still ran after the hang guard's
// time: the program did not end. The loop clears the ended state when it
// returns, so that later event loops run again.
inline std::optional<int> runUntilProgramEnds(const std::function<void()> &action)
{
    constexpr int guardExpired = -60;
    bool expired = false;
    QObject context; // ends both timers when this returns
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(hangGuardMs, Qt::PreciseTimer, &context, [&expired] {
        expired = true;
        QCoreApplication::exit(guardExpired);
    });
    const int code = QCoreApplication::exec();
    if (expired)
        return std::nullopt;
    return code;
}

// Writes the headers of an uncompressed BMP file that declares width x height
// pixels at bitsPerPixel (1, 8, 24 or 32), followed by pixelBytes bytes of
// pixel data only, however many the declared size needs: a small file that
// claims a large picture.
inline void writeBmpHeader(const QString &path, qint32 width, qint32 height, quint16 bitsPerPixel,
                           int pixelBytes = 16)
{
    const quint32 paletteBytes = bitsPerPixel <= 8 ? 4u << bitsPerPixel : 0;
    const quint32 dataOffset = 14 + 40 + paletteBytes;
    QByteArray bytes;
    const auto put = [&bytes](auto value) {
        const auto little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
    };
    bytes.append("BM");
    put(quint32(dataOffset + quint32(pixelBytes))); // file size
    put(quint32(0));                                // reserved
    put(dataOffset);
    put(quint32(40)); // BITMAPINFOHEADER
    put(width);
    put(height);
    put(quint16(1)); // planes
    put(bitsPerPixel);
    put(quint32(0)); // no compression
    put(quint32(0)); // image size: may be 0 when uncompressed
    put(qint32(2835));
    put(qint32(2835));
    put(quint32(0)); // colours used: all
    put(quint32(0));
    bytes.append(QByteArray(int(paletteBytes), '\x7f'));
    bytes.append(QByteArray(pixelBytes, '\x55'));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The client size a window has when it shows: what first comes on screen.
class SizeWhenShown : public QObject {
public:
    explicit SizeWhenShown(QWidget *window) { window->installEventFilter(this); }
    QSize size;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            size = static_cast<QWidget *>(watched)->size();
        return false;
    }
};

} // namespace fixtures
