// The controls on real widgets: text box, list box, command button and the
// self-sizing picture box, and loading the pictures it shows.

#include "Fixtures.h"

#include "toolkit/Button.h"
#include "toolkit/Failure.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/Picture.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QWindow>

namespace {

// A window with two text boxes, a list and a button, in that focus order.
struct Board {
    Board()
    {
        for (int p = 0; p < 6; ++p)
            list.append(QStringLiteral("entry %1").arg(p));
    }

    // Shows the window and waits until it has the keyboard.
    bool shown()
    {
        form.show();
        return QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs)
            && QTest::qWaitForWindowActive(form.widget(), fixtures::hangGuardMs);
    }

    QLineEdit *edit(toolkit::TextBox &box) { return static_cast<QLineEdit *>(box.widget()); }
    QListWidget *listWidget() { return static_cast<QListWidget *>(list.widget()); }

    // Clicks list entry `position` with the mouse.
    void clickEntry(int position)
    {
        const QRect entry = listWidget()->visualItemRect(listWidget()->item(position));
        QTest::mouseClick(listWidget()->viewport(), Qt::LeftButton, {}, entry.center());
    }

    toolkit::Form form{QStringLiteral("controls"), 6000, 6000};
    toolkit::TextBox first{form, {120, 120, 1500, 375}, QString(), std::nullopt, 0};
    toolkit::TextBox second{form, {120, 600, 1500, 375}, QString(), std::nullopt, 1};
    toolkit::ListBox list{form, {2000, 120, 2400, 3000}, std::nullopt, 2};
    toolkit::Button button{form, {120, 1200, 1500, 500}, QStringLiteral("OK"), std::nullopt, 3};
};

toolkit::Picture picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    return toolkit::Picture(image);
}

} // namespace

class tst_controls : public QObject {
    Q_OBJECT

private slots:
    // TextBox
    void setTextRaisesChangedAtOnce_data();
    void setTextRaisesChangedAtOnce();
    void typingRaisesChangedPerChange();
    void nestedChangeRunsInsideTheOuter();
    void creationTextIsNoChange();
    void widgetShowsTheText_data();
    void widgetShowsTheText();
    void noLengthLimit();
    void doubleClickRaisesDoubleClicked();
    void focusArrivalRaisesGotFocus();
    void firstPressIntoABox_data();
    void firstPressIntoABox();
    void ownMenuKeepsTheCaret_data();
    void ownMenuKeepsTheCaret();
    void windowComingBackIsNoArrival();
    void selectionAfterTheTextShrank();
    void selection_data();
    void selection();

    // ListBox
    void appendMakesNoEntryCurrent();
    void mouseClickPicksAnEntry();
    void keyboardPicksAnEntry_data();
    void keyboardPicksAnEntry();
    void gesturesKeepHighlightAndPickTogether_data();
    void gesturesKeepHighlightAndPickTogether();

    // Button
    void mouseClicks();
    void keysPressTheFocusedButton_data();
    void keysPressTheFocusedButton();

    // PictureBox and loading pictures
    void pictureSizesTheBox();
    void pictureBoxToolTip();
    void loadsAPictureByRelativeName_data();
    void loadsAPictureByRelativeName();
    void loadFailureNamesTheFile_data();
    void loadFailureNamesTheFile();
};

void tst_controls::setTextRaisesChangedAtOnce_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("raised");

    QTest::newRow("different text") << "1" << "2" << 1;
    QTest::newRow("from empty") << "" << "0" << 1;
    QTest::newRow("to empty") << "3" << "" << 1;
    QTest::newRow("same text") << "4" << "4" << 0;
    QTest::newRow("same empty text") << "" << "" << 0;
}

void tst_controls::setTextRaisesChangedAtOnce()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, raised);

    Board board;
    board.first.setText(before);
    QStringList seen;
    board.first.changed.bind([&] { seen << board.first.text(); });

    board.first.setText(after);
    // Counted before any event is processed: the change is raised within setText.
    QCOMPARE(seen, QStringList(raised, after));
    QCoreApplication::processEvents();
    QCOMPARE(seen.size(), raised);
    QCOMPARE(board.first.text(), after);
}

void tst_controls::typingRaisesChangedPerChange()
{
    Board board;
    QVERIFY(board.shown());
    QStringList seen;
    board.first.changed.bind([&] { seen << board.first.text(); });
    board.first.widget()->setFocus();

    QTest::keyClicks(board.first.widget(), QStringLiteral("123"));
    QTest::keyClick(board.first.widget(), Qt::Key_Backspace);
    QCOMPARE(seen, QStringList({"1", "12", "123", "12"}));

    // A key that changes nothing raises nothing.
    QTest::keyClick(board.first.widget(), Qt::Key_Left);
    QCOMPARE(seen.size(), 4);
}

void tst_controls::nestedChangeRunsInsideTheOuter()
{
    Board board;
    board.first.setText(QStringLiteral("5"));
    QStringList calls;
    board.first.changed.bind([&] {
        const QString text = board.first.text();
        calls << QStringLiteral("begin «%1»").arg(text);
        if (text.isEmpty())
            board.first.setText(QStringLiteral("0"));
        calls << QStringLiteral("end «%1»").arg(text);
    });

    board.first.setText(QString());

    QCOMPARE(calls, QStringList({"begin «»", "begin «0»", "end «0»", "end «»"}));
    QCOMPARE(board.first.text(), QStringLiteral("0"));
}

// What the learner sees: after each kind of change, the text each box's widget
// shows. The first box's change handler copies its text into the second box,
// sets it several times on the way, and turns an emptied first box into "0" (a
// nested change); the second box's double click sets it to "dbl".
void tst_controls::widgetShowsTheText_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("typing") << "type" << "412" << "[412]";
    QTest::newRow("paste") << "paste" << "4pasted" << "[4pasted]";
    QTest::newRow("undo") << "undo" << "4" << "[4]";
    QTest::newRow("set by code") << "set" << "set" << "[set]";
    QTest::newRow("emptied: nested change") << "empty" << "0" << "[0]";
    QTest::newRow("double click") << "double click" << "4" << "dbl";
}

void tst_controls::widgetShowsTheText()
{
    QFETCH(QString, change);
    QFETCH(QString, first);
    QFETCH(QString, second);

    Board board;
    board.first.setText(QStringLiteral("4"));
    board.first.changed.bind([&] {
        if (board.first.text().isEmpty())
            board.first.setText(QStringLiteral("0"));
        board.second.setText(QString());
        for (const QString &part : {QStringLiteral("["), board.first.text(), QStringLiteral("]")})
            board.second.setText(board.second.text() + part);
    });
    board.second.doubleClicked.bind([&] { board.second.setText(QStringLiteral("dbl")); });
    QVERIFY(board.shown());
    QWidget *edit = board.first.widget();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);

    if (change == QLatin1String("type")) {
        QTest::keyClicks(edit, QStringLiteral("12"));
    } else if (change == QLatin1String("paste")) {
        fixtures::paste(edit, QStringLiteral("pasted"));
    } else if (change == QLatin1String("undo")) {
        QTest::keyClicks(edit, QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    } else if (change == QLatin1String("set")) {
        board.first.setText(QStringLiteral("set"));
    } else if (change == QLatin1String("empty")) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::mouseDClick(board.second.widget(), Qt::LeftButton);
    }
    QCOMPARE(board.edit(board.first)->displayText(), first);
    QCOMPARE(board.edit(board.second)->displayText(), second);
}

void tst_controls::creationTextIsNoChange()
{
    toolkit::Form form(QStringLiteral("controls"), 3000, 3000);
    toolkit::TextBox box(form, {0, 0, 1500, 375}, QStringLiteral("7"), std::nullopt, 0);
    int raised = 0;
    box.changed.bind([&] { ++raised; });

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    QCOMPARE(box.text(), QStringLiteral("7"));
    box.setText(QStringLiteral("7"));
    QCOMPARE(raised, 0);
}

void tst_controls::noLengthLimit()
{
    Board board;
    const QString longText(100000, u'8');
    board.first.setText(longText);
    QCOMPARE(board.first.text(), longText);

    // Typing goes on past the end as well.
    QVERIFY(board.shown());
    board.first.widget()->setFocus();
    QTest::keyClick(board.first.widget(), Qt::Key_End);
    QTest::keyClick(board.first.widget(), Qt::Key_9);
    QCOMPARE(board.first.text().size(), 100001);
    QVERIFY(board.first.text().endsWith(u"89"));
}

void tst_controls::doubleClickRaisesDoubleClicked()
{
    Board board;
    QVERIFY(board.shown());
    board.first.setText(QStringLiteral("12"));
    QStringList selectedWhenRaised;
    board.first.doubleClicked.bind([&] { selectedWhenRaised << board.edit(board.first)->selectedText(); });

    QTest::mouseDClick(board.first.widget(), Qt::LeftButton);

    // Raised once, after the box's own handling of the click selected the word.
    QCOMPARE(selectedWhenRaised, QStringList({"12"}));
}

void tst_controls::focusArrivalRaisesGotFocus()
{
    Board board;
    QStringList arrivals;
    board.first.gotFocus.bind([&] { arrivals << QStringLiteral("first"); });
    board.second.gotFocus.bind([&] { arrivals << QStringLiteral("second"); });
    QVERIFY(board.shown());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), board.first.widget(), fixtures::hangGuardMs);
    arrivals.clear();

    QTest::keyClick(board.first.widget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board.second.widget());
    QCOMPARE(arrivals, QStringList({"second"}));

    QTest::mouseClick(board.first.widget(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), board.first.widget());
    QCOMPARE(arrivals, QStringList({"second", "first"}));

    // A click in the box that holds the focus is no arrival.
    QTest::mouseClick(board.first.widget(), Qt::LeftButton);
    QCOMPARE(arrivals.size(), 2);
}

// A box whose got-focus handler selects its whole text, as the count boxes'
// does, keeps that selection against the press that brought the focus, so
// typing replaces the count however the mouse brought the focus. A box whose
// handler selects nothing, as the result box, takes the press like any text
// box: the caret goes where it lands, and a drag selects.
void tst_controls::firstPressIntoABox_data()
{
    QTest::addColumn<bool>("selectsOnArrival");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");

    QTest::newRow("click after the count") << true << "0" << "click at the end" << "1" << "1";
    QTest::newRow("click on a two-digit count") << true << "12" << "click at the end" << "3" << "3";
    QTest::newRow("click before the count") << true << "12" << "click at the start" << "3" << "3";
    QTest::newRow("press, drag, release") << true << "45" << "drag" << "6" << "6";
    QTest::newRow("second click places the caret") << true << "0" << "click twice" << "1" << "01";
    QTest::newRow("no selection: click at the start") << false << "1234" << "click at the start" << "x" << "x1234";
    QTest::newRow("no selection: click at the end") << false << "1234" << "click at the end" << "x" << "1234x";
    QTest::newRow("no selection: drag over the text") << false << "1234" << "drag" << "x" << "x";
}

void tst_controls::firstPressIntoABox()
{
    QFETCH(bool, selectsOnArrival);
    QFETCH(QString, text);
    QFETCH(QString, gesture);
    QFETCH(QString, typed);
    QFETCH(QString, result);

    Board board;
    board.second.setText(text);
    if (selectsOnArrival) {
        board.second.gotFocus.bind([&] {
            board.second.setSelStart(0);
            board.second.setSelLength(int(board.second.text().size()));
        });
    }
    // The caret stands in the middle of the text, so that where a click puts it shows.
    board.edit(board.second)->setCursorPosition(int(text.size()) / 2);
    QVERIFY(board.shown());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), board.first.widget(), fixtures::hangGuardMs);

    QWidget *box = board.second.widget();
    const QPoint end(box->width() - 4, box->height() / 2);
    const QPoint start(4, box->height() / 2);
    if (gesture == QLatin1String("drag")) {
        QTest::mousePress(box, Qt::LeftButton, {}, end);
        QTest::mouseMove(box, start);
        QTest::mouseRelease(box, Qt::LeftButton, {}, start);
    } else {
        QTest::mouseClick(box, Qt::LeftButton, {}, gesture == QLatin1String("click at the start") ? start : end);
        QCOMPARE(board.edit(board.second)->selectedText(), selectsOnArrival ? text : QString());
        if (gesture == QLatin1String("click twice"))
            QTest::mouseClick(box, Qt::LeftButton, {}, end, 600);
    }
    QTest::keyClicks(box, typed);
    QCOMPARE(board.edit(board.second)->displayText(), result);
}

// The box's own menu takes the focus for a while; when it gives it back the
// focus has not arrived anew, so the caret and the text stay as they were.
void tst_controls::ownMenuKeepsTheCaret_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("result");

    QTest::newRow("Escape, then typing") << "Escape" << "123";
    QTest::newRow("Escape, then BackSpace") << "Escape BackSpace" << "1";
    QTest::newRow("Paste") << "Paste" << "123";
}

void tst_controls::ownMenuKeepsTheCaret()
{
    QFETCH(QString, closing);
    QFETCH(QString, result);

    Board board;
    int arrivals = 0;
    board.second.gotFocus.bind([&] {
        ++arrivals;
        board.second.setSelStart(0);
        board.second.setSelLength(int(board.second.text().size()));
    });
    board.second.setText(QStringLiteral("12"));
    QVERIFY(board.shown());
    QWidget *box = board.second.widget();
    const QPoint end(box->width() - 4, box->height() / 2);
    // The first click selects the count; the second puts the caret after it.
    QTest::mouseClick(box, Qt::LeftButton, {}, end);
    QTest::mouseClick(box, Qt::LeftButton, {}, end, 600);
    QVERIFY(!board.edit(board.second)->hasSelectedText());
    QCOMPARE(arrivals, 1);

    // A right click, through the window as the platform delivers it, opens the menu.
    QWindow *window = board.form.widget()->windowHandle();
    QVERIFY2(window, "the window has no platform window");
    QTest::mouseClick(window, Qt::RightButton, {}, box->mapTo(board.form.widget(), end));
    QMenu *menu = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())), "no menu opened",
                              fixtures::hangGuardMs);

    if (closing == QLatin1String("Paste")) {
        QApplication::clipboard()->setText(QStringLiteral("3"));
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().remove(u'&').startsWith(QLatin1String("Paste")))
                paste = action;
        }
        QVERIFY2(paste, "the menu has no Paste");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    } else {
        QTest::keyClick(menu, Qt::Key_Escape);
    }
    QTRY_VERIFY2_WITH_TIMEOUT(!QApplication::activePopupWidget(), "the menu did not close", fixtures::hangGuardMs);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(arrivals, 1);
    if (closing == QLatin1String("Escape"))
        QTest::keyClicks(box, QStringLiteral("3"));
    else if (closing == QLatin1String("Escape BackSpace"))
        QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(board.edit(board.second)->displayText(), result);
}

void tst_controls::windowComingBackIsNoArrival()
{
    Board board;
    int arrivals = 0;
    board.second.gotFocus.bind([&] { ++arrivals; });
    board.second.setText(QStringLiteral("12"));
    QVERIFY(board.shown());
    QTest::mouseClick(board.second.widget(), Qt::LeftButton);
    QCOMPARE(arrivals, 1);
    board.edit(board.second)->setCursorPosition(1);

    // Another window comes to the front, then this one again.
    toolkit::Form other(QStringLiteral("other"), 3000, 3000);
    other.show();
    QApplication::setActiveWindow(other.widget());
    QVERIFY(QTest::qWaitForWindowActive(other.widget(), fixtures::hangGuardMs));
    QApplication::setActiveWindow(board.form.widget());
    QVERIFY(QTest::qWaitForWindowActive(board.form.widget(), fixtures::hangGuardMs));

    QCOMPARE(QApplication::focusWidget(), board.second.widget());
    QCOMPARE(arrivals, 1);
    QVERIFY(!board.edit(board.second)->hasSelectedText());
    QCOMPARE(board.edit(board.second)->cursorPosition(), 1);
}

void tst_controls::selectionAfterTheTextShrank()
{
    Board board;
    board.first.setText(QStringLiteral("1234"));
    board.first.setSelStart(3);
    board.first.setText(QStringLiteral("5"));
    board.first.setSelLength(2);
    QCOMPARE(board.edit(board.first)->selectedText(), QString());
    board.first.setSelStart(0);
    board.first.setSelLength(2);
    QCOMPARE(board.edit(board.first)->selectedText(), QStringLiteral("5"));
}

void tst_controls::selection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");

    QTest::newRow("whole text") << "12" << 0 << 2 << "12";
    QTest::newRow("empty text") << "" << 0 << 0 << "";
    QTest::newRow("middle") << "1234" << 1 << 2 << "23";
    QTest::newRow("length beyond the end") << "12" << 0 << 10 << "12";
    QTest::newRow("start beyond the end") << "12" << 5 << 1 << "";
    QTest::newRow("no length") << "12" << 0 << 0 << "";
}

void tst_controls::selection()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);

    Board board;
    board.first.setText(text);
    board.first.setSelStart(start);
    board.first.setSelLength(length);
    QCOMPARE(board.edit(board.first)->selectedText(), selected);
    QCOMPARE(board.edit(board.first)->hasSelectedText(), !selected.isEmpty());
    QCOMPARE(board.first.text(), text);
}

void tst_controls::appendMakesNoEntryCurrent()
{
    Board board;
    int clicked = 0;
    board.list.clicked.bind([&] { ++clicked; });
    QCOMPARE(board.list.count(), 6);
    QCOMPARE(board.list.entry(0), QStringLiteral("entry 0"));
    QCOMPARE(board.list.entry(5), QStringLiteral("entry 5"));
    QCOMPARE(board.list.currentEntry(), -1);

    // Nor does the focus's arrival in the list.
    QVERIFY(board.shown());
    board.list.widget()->setFocus(Qt::TabFocusReason);
    QCOMPARE(board.list.currentEntry(), -1);

    board.clickEntry(2);
    QCOMPARE(board.list.currentEntry(), 2);
    board.list.clear();
    QCOMPARE(board.list.count(), 0);
    QCOMPARE(board.list.currentEntry(), -1);
    board.list.append(QStringLiteral("again"));
    QCOMPARE(board.list.currentEntry(), -1);
    QCOMPARE(clicked, 1);
}

void tst_controls::mouseClickPicksAnEntry()
{
    Board board;
    QVERIFY(board.shown());
    QList<int> currentWhenRaised;
    board.list.clicked.bind([&] { currentWhenRaised << board.list.currentEntry(); });

    board.clickEntry(3);
    QCOMPARE(board.list.currentEntry(), 3);
    QCOMPARE(currentWhenRaised, QList<int>({3}));

    board.clickEntry(3);
    QCOMPARE(currentWhenRaised, QList<int>({3, 3}));

    board.clickEntry(0);
    QCOMPARE(currentWhenRaised, QList<int>({3, 3, 0}));
}

void tst_controls::keyboardPicksAnEntry_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("raised");

    QTest::newRow("Down") << 3 << int(Qt::Key_Down) << 4 << true;
    QTest::newRow("Up") << 3 << int(Qt::Key_Up) << 2 << true;
    QTest::newRow("End") << 3 << int(Qt::Key_End) << 5 << true;
    QTest::newRow("Home") << 3 << int(Qt::Key_Home) << 0 << true;
    QTest::newRow("Down at the last entry") << 5 << int(Qt::Key_Down) << 5 << false;
    QTest::newRow("Up at the first entry") << 0 << int(Qt::Key_Up) << 0 << false;
    QTest::newRow("Down with nothing highlighted") << -1 << int(Qt::Key_Down) << 0 << true;
}

void tst_controls::keyboardPicksAnEntry()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(bool, raised);

    Board board;
    QVERIFY(board.shown());
    if (from >= 0) {
        board.clickEntry(from);
    } else {
        board.second.widget()->setFocus();
        QTest::keyClick(board.second.widget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), board.list.widget());
    QList<int> currentWhenRaised;
    board.list.clicked.bind([&] { currentWhenRaised << board.list.currentEntry(); });

    QTest::keyClick(board.list.widget(), Qt::Key(key));
    QCOMPARE(board.list.currentEntry(), to);
    QCOMPARE(currentWhenRaised, raised ? QList<int>({to}) : QList<int>());
}

// Each gesture is a list of steps: "press 1" (the left button on entry 1),
// "move 4", "release 4", "right 2" (a right click), "empty" (a left click below
// the entries), "press empty", "ctrl-click 3" and "shift-click 3" (a left click
// with the key held), "key Ctrl+Space" and "key Ctrl+Down"; entry 0 is picked
// first.
void tst_controls::gesturesKeepHighlightAndPickTogether_data()
{
    QTest::addColumn<QStringList>("gesture");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QList<int>>("picks");

    QTest::newRow("press, drag, release on another entry")
        << QStringList{"press 1", "move 2", "move 4", "release 4"} << 4 << QList<int>{4};
    QTest::newRow("press and drag back to the picked entry")
        << QStringList{"press 3", "move 1", "move 0", "release 0"} << 0 << QList<int>{0};
    QTest::newRow("right click") << QStringList{"right 2"} << 0 << QList<int>{};
    QTest::newRow("click on the empty part") << QStringList{"empty"} << 0 << QList<int>{};
    QTest::newRow("press on the empty part, drag over entries")
        << QStringList{"press empty", "move 3", "release 3"} << 0 << QList<int>{};
    QTest::newRow("click on another entry") << QStringList{"press 5", "release 5"} << 5 << QList<int>{5};
    // Modifiers pick as the plain click does and never take the highlight away.
    QTest::newRow("Ctrl+click on the highlighted entry") << QStringList{"ctrl-click 0"} << 0 << QList<int>{0};
    QTest::newRow("Shift+click on the highlighted entry") << QStringList{"shift-click 0"} << 0 << QList<int>{0};
    QTest::newRow("Ctrl+click on another entry") << QStringList{"ctrl-click 3"} << 3 << QList<int>{3};
    QTest::newRow("Shift+click on another entry") << QStringList{"shift-click 3"} << 3 << QList<int>{3};
    QTest::newRow("Ctrl+click twice on another entry")
        << QStringList{"ctrl-click 3", "ctrl-click 3"} << 3 << QList<int>{3, 3};
    QTest::newRow("Ctrl+Space on the highlighted entry") << QStringList{"key Ctrl+Space"} << 0 << QList<int>{};
    QTest::newRow("Ctrl+Down, then Ctrl+Space")
        << QStringList{"key Ctrl+Down", "key Ctrl+Space"} << 1 << QList<int>{1};
}

void tst_controls::gesturesKeepHighlightAndPickTogether()
{
    QFETCH(QStringList, gesture);
    QFETCH(int, highlighted);
    QFETCH(QList<int>, picks);

    Board board;
    QVERIFY(board.shown());
    board.clickEntry(0);
    QList<int> currentWhenRaised;
    board.list.clicked.bind([&] { currentWhenRaised << board.list.currentEntry(); });

    QWidget *viewport = board.listWidget()->viewport();
    const auto at = [&](const QString &where) {
        if (where == QLatin1String("empty"))
            return QPoint(viewport->width() / 2, viewport->height() - 4);
        return board.listWidget()->visualItemRect(board.listWidget()->item(where.toInt())).center();
    };
    for (const QString &step : gesture) {
        const QStringList words = step.split(' ');
        const QString &action = words.first();
        const QString &where = words.last();
        if (action == QLatin1String("press"))
            QTest::mousePress(viewport, Qt::LeftButton, {}, at(where));
        else if (action == QLatin1String("move"))
            QTest::mouseMove(viewport, at(where));
        else if (action == QLatin1String("release"))
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(where));
        else if (action == QLatin1String("right"))
            QTest::mouseClick(viewport, Qt::RightButton, {}, at(where));
        else if (action == QLatin1String("ctrl-click"))
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, at(where));
        else if (action == QLatin1String("shift-click"))
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, at(where));
        else if (action == QLatin1String("key"))
            QTest::keySequence(board.listWidget(), QKeySequence::fromString(where));
        else
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at(where));
    }
    QCOMPARE(board.list.currentEntry(), highlighted);
    QCOMPARE(currentWhenRaised, picks);
}

void tst_controls::mouseClicks()
{
    Board board;
    QVERIFY(board.shown());
    int clicked = 0;
    board.button.clicked.bind([&] { ++clicked; });

    QTest::mouseClick(board.button.widget(), Qt::LeftButton);
    QCOMPARE(clicked, 1);
    QCOMPARE(QApplication::focusWidget(), board.button.widget());
}

// Space, Return and the keypad's Enter press the focused button, as on the
// desktops learners come from; a held key presses it once. In a text box they
// press no button: none is the window's default.
void tst_controls::keysPressTheFocusedButton_data()
{
    QTest::addColumn<bool>("inTextBox");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("clicks");

    QTest::newRow("Space") << false << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Return") << false << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("keypad Enter") << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
    QTest::newRow("Return held") << false << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 1;
    QTest::newRow("Ctrl+Return") << false << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("Escape") << false << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Return in a text box") << true << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Enter in a text box") << true << int(Qt::Key_Enter) << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Escape in a text box") << true << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << 0;
}

void tst_controls::keysPressTheFocusedButton()
{
    QFETCH(bool, inTextBox);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, held);
    QFETCH(int, clicks);

    Board board;
    int clicked = 0;
    board.button.clicked.bind([&] { ++clicked; });
    QVERIFY(board.shown());
    QWidget *focused = inTextBox ? board.first.widget() : board.button.widget();
    focused->setFocus();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), focused, fixtures::hangGuardMs);

    const auto m = Qt::KeyboardModifiers(modifiers);
    if (held) {
        // The key goes down, repeats while held, and comes up.
        QTest::simulateEvent(focused, true, key, m, QString(), false);
        for (int i = 0; i < 3; ++i)
            QTest::simulateEvent(focused, true, key, m, QString(), true);
        QTest::simulateEvent(focused, false, key, m, QString(), false);
    } else {
        QTest::keyClick(focused, Qt::Key(key), m);
    }
    QCoreApplication::processEvents();
    QCOMPARE(clicked, clicks);
}

void tst_controls::pictureSizesTheBox()
{
    // The window is never shown: the box still sizes itself at once.
    toolkit::Form form(QStringLiteral("pictures"), 9000, 9000);
    toolkit::PictureBox box(form, {120, 120, 600, 600}, std::nullopt);
    QList<QSizeF> sizeWhenRaised;
    box.resized.bind([&] { sizeWhenRaised << QSizeF(box.width(), box.height()); });

    box.setPicture(picture(300, 200));
    QCOMPARE(sizeWhenRaised, QList<QSizeF>({{4560, 3060}}));
    QCOMPARE(box.innerWidth(), 4500);
    QCOMPARE(box.innerHeight(), 3000);
    QCOMPARE(box.width(), 4560);
    QCOMPARE(box.height(), 3060);
    QCOMPARE(box.picture().widthPixels(), 300);
    QVERIFY(!form.isVisible());

    // Another picture of the same size changes no size.
    box.setPicture(picture(300, 200));
    QCOMPARE(sizeWhenRaised.size(), 1);

    box.setPicture(picture(58, 33));
    QCOMPARE(sizeWhenRaised, QList<QSizeF>({{4560, 3060}, {930, 555}}));
    QCOMPARE(box.innerWidth(), 870);
    QCOMPARE(box.innerHeight(), 495);
    QCOMPARE(box.picture().heightPixels(), 33);

    // Its place on the window stays.
    QCOMPARE(box.left(), 120);
    QCOMPARE(box.top(), 120);
}

void tst_controls::pictureBoxToolTip()
{
    toolkit::Form form(QStringLiteral("pictures"), 3000, 3000);
    toolkit::PictureBox withTip(form, {0, 0, 600, 600}, std::nullopt, QStringLiteral("Κέντρο συμμετρίας"));
    toolkit::PictureBox withoutTip(form, {0, 900, 600, 600}, std::nullopt);
    QCOMPARE(withTip.widget()->toolTip(), QStringLiteral("Κέντρο συμμετρίας"));
    QCOMPARE(withoutTip.widget()->toolTip(), QString());
}

void tst_controls::loadsAPictureByRelativeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("pixels");

    QTest::newRow("in the working directory") << "CrystalModel_01.bmp" << QSize(300, 200);
    QTest::newRow("one pixel") << "dot.bmp" << QSize(1, 1);
    QTest::newRow("in a subdirectory") << "cards/CG05.bmp" << QSize(58, 33);
    QTest::newRow("Greek name") << "Κάρτα.bmp" << QSize(20, 10);
}

void tst_controls::loadsAPictureByRelativeName()
{
    QFETCH(QString, name);
    QFETCH(QSize, pixels);

    fixtures::WorkingDirectory dir;
    QVERIFY(QDir(dir.path(QString())).mkpath(QStringLiteral("cards")));
    fixtures::writePicture(dir.path(name), pixels.width(), pixels.height(), Qt::red);

    const toolkit::Picture loaded = toolkit::loadPicture(name);
    QCOMPARE(loaded.widthPixels(), pixels.width());
    QCOMPARE(loaded.heightPixels(), pixels.height());
    QCOMPARE(QColor(loaded.image().pixel(0, 0)), QColor(Qt::red));
}

void tst_controls::loadFailureNamesTheFile_data()
{
    QTest::addColumn<QString>("name");
    // How the file is made: missing, a directory, the bytes written, or a
    // 300 x 200 BMP truncated to that many bytes (negative: less that many).
    QTest::addColumn<QString>("made");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("missing file") << "CG07.bmp" << "missing" << QByteArray();
    QTest::newRow("directory") << "CG08.bmp" << "directory" << QByteArray();
    QTest::newRow("empty file") << "CG09.bmp" << "bytes" << QByteArray();
    QTest::newRow("text named .bmp") << "x.bmp" << "bytes" << QByteArray("not a picture\n");
    QTest::newRow("truncated header") << "CG10.bmp" << "truncated" << QByteArray::number(20);
    QTest::newRow("truncated pixels") << "CG11.bmp" << "truncated" << QByteArray::number(1000);
    QTest::newRow("last byte missing") << "CG12.bmp" << "truncated" << QByteArray::number(-1);
}

void tst_controls::loadFailureNamesTheFile()
{
    QFETCH(QString, name);
    QFETCH(QString, made);
    QFETCH(QByteArray, bytes);

    fixtures::WorkingDirectory dir;
    if (made == u"directory") {
        QVERIFY(QDir(dir.path(QString())).mkdir(name));
    } else if (made == u"truncated") {
        fixtures::writePicture(dir.path(name), 300, 200);
        QFile file(dir.path(name));
        const int keep = bytes.toInt();
        QVERIFY(file.resize(keep >= 0 ? keep : file.size() + keep));
    } else if (made == u"bytes") {
        QFile file(dir.path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    try {
        const toolkit::Picture loaded = toolkit::loadPicture(name);
        QFAIL(qPrintable(QStringLiteral("loaded %1 x %2").arg(loaded.widthPixels()).arg(loaded.heightPixels())));
    } catch (const toolkit::Failure &failure) {
        QVERIFY2(failure.description().contains(name), qPrintable(failure.description()));
    }
}

QTEST_MAIN(tst_controls)
#include "tst_controls.moc"
