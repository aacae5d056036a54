#pragma once

// Small helpers that tests share: two-digit numbers as the program writes them
// in its names, picture files of known pixel sizes in a temporary working
// directory, and closing the modal message box that a handler opens.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
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
