#pragma once

// The whole program, started afresh for one test in a temporary working
// directory that holds the pictures the test writes there.

#include "Fixtures.h"
#include "Pattern.h"

#include "toolkit/Application.h"
#include "toolkit/Dispatch.h"
#include "windows/Vornath.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace fixtures {

// Sixteen counts none of which is 0: entered before a restart or a model
// choice, they show whether every box, the first and the last included, went
// back to "0".
inline const QString noZeroCounts = QStringLiteral("1234561234561234");

// What a window or control reports after being set to `twips`: whole pixels.
inline toolkit::Twips asShown(toolkit::Twips twips)
{
    return toolkit::toTwips(toolkit::toPixels(twips));
}

class Running {
public:
    // Started with the application settings the program runs with (closing
    // the last window does not end it). A start that fails tells the learner
    // why in a message box, which is read and closed here.
    Running()
    {
        toolkit::prepareApplication();
        startUpMessages = closingMessageBoxes([this] { started = vornath.start(); });
    }

    // Whether the program started and its main window came on the screen with
    // the keyboard: the one way the tests and benchmarks wait for the program.
    // The wait is only a guard against a hang, wide enough for a busy machine.
    bool onScreen(int timeoutMs = hangGuardMs)
    {
        return started && QTest::qWaitForWindowActive(main().widget(), timeoutMs);
    }

    frmMain &main() { return *vornath.mainWindow; }
    mainSubs &subs() { return vornath.subs; }

    // The texts of the sixteen count boxes.
    QStringList counts() { return countsOf(main()); }

    // Picks list entry `position` with a real mouse click, as the learner does.
    void chooseModel(int position)
    {
        auto *list = static_cast<QListWidget *>(main().lstModel.widget());
        const QListWidgetItem *item = list->item(position);
        if (!item) {
            failTest(QStringLiteral("the model list has no entry at position %1").arg(position));
            return;
        }
        const QRect entry = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    }

    // Double-clicks count box k `times` times.
    void doubleClickCount(int k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseDClick(main().txtSymetryElements[k].widget(), Qt::LeftButton);
    }

    // Runs handler (an event handler, or a toolkit operation that may fail)
    // as the program runs every handler: through the guarded dispatch, so that
    // a failure shows its message box instead of throwing through the test.
    // The test fails naming each message that came.
    void handle(const std::function<void()> &handler)
    {
        for (const ShownMessage &message : closingMessageBoxes([&] { toolkit::dispatch(handler); }))
            failTest(unexpected(message));
    }

    // Presses "Αποδοχή" with the mouse; returns the message boxes it showed,
    // each closed with OK as soon as it showed.
    QList<ShownMessage> accept()
    {
        return closingMessageBoxes([this] { QTest::mouseClick(main().cmdAccept.widget(), Qt::LeftButton); });
    }

    // Clicks into count box k near its right end, as the learner does, and
    // types text without selecting anything first.
    void typeCount(int k, const QString &text)
    {
        QWidget *box = main().txtSymetryElements[k].widget();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        QTest::keyClicks(box, text);
    }

    // Sets each count box to the matching character of pattern, one at a time.
    void enterCounts(const QString &pattern)
    {
        for (int k = 0; k <= 15; ++k)
            main().txtSymetryElements[k].setText(pattern.mid(k, 1));
    }

    WorkingDirectory dir;
    Vornath vornath;
    bool started = false;
    QList<ShownMessage> startUpMessages;
};

// The base of the tests of the running program: before each test function
// the whole program starts afresh and comes on the screen; after it, it ends.
// Throughout, a message box where the test expects none fails the test.
class RunningTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<Running> program;

protected slots:
    // A test that prepares more before each test function declares its own
    // init() and calls this one first.
    void init()
    {
        program = std::make_unique<Running>();
        for (const ShownMessage &message : program->startUpMessages)
            failTest(QStringLiteral("the program told at its start: «%1»").arg(message.text));
        // Once the window has not come in one test, this run has shown the
        // fault: later tests do not wait the whole guard for it again, so that
        // the run ends within CTest's limit.
        static bool windowFailedToCome = false;
        const bool onScreen = program->onScreen(windowFailedToCome ? 0 : hangGuardMs);
        windowFailedToCome = windowFailedToCome || !onScreen;
        QVERIFY2(onScreen, "the program did not start, or its window did not come on the screen");
        messageBoxes = std::make_unique<UnexpectedMessageBoxes>();
    }
    void cleanup()
    {
        messageBoxes.reset();
        program.reset();
    }

private:
    std::unique_ptr<UnexpectedMessageBoxes> messageBoxes;
};

} // namespace fixtures
