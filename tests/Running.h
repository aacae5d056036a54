#pragma once

// The whole program, started afresh for one test in a temporary working
// directory that holds the pictures the test writes there.

#include "Fixtures.h"
#include "Pattern.h"

#include "windows/Vornath.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace fixtures {

// What a window or control reports after being set to `twips`: whole pixels.
inline toolkit::Twips asShown(toolkit::Twips twips)
{
    return toolkit::toTwips(toolkit::toPixels(twips));
}

class Running {
public:
    Running() { started = vornath.start(); }

    // Whether the program started and its main window came on the screen with
    // the keyboard: the one way the tests and benchmarks wait for the program.
    // The wait is only a guard against a hang, wide enough for a busy machine.
    bool onScreen() { return started && QTest::qWaitForWindowActive(main().widget(), 60'000); }

    frmMain &main() { return *vornath.mainWindow; }
    mainSubs &subs() { return vornath.subs; }

    // The texts of the sixteen count boxes.
    QStringList counts() { return countsOf(main()); }

    // Picks list entry `position` with a real mouse click, as the learner does.
    void chooseModel(int position)
    {
        auto *list = static_cast<QListWidget *>(main().lstModel.widget());
        const QRect entry = list->visualItemRect(list->item(position));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    }

    // Double-clicks count box k `times` times.
    void doubleClickCount(int k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseDClick(main().txtSymetryElements[k].widget(), Qt::LeftButton);
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
};

// The base of the tests of the running program: before each test function
// the whole program starts afresh and comes on the screen; after it, it ends.
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
        QVERIFY2(program->onScreen(), "the program did not start, or its window did not come on the screen");
    }
    void cleanup() { program.reset(); }
};

} // namespace fixtures
