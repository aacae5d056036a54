// Long input: a count box or the result box holding 100,000 characters, set
// or pasted, keeps every rebuild of the pattern and every double click quick,
// and nothing is cut off.

#include "Running.h"

#include "toolkit/Conversions.h"

#include <QClipboard>
#include <QElapsedTimer>

#include <algorithm>
#include <limits>

// Defined when AddressSanitizer's run-time is in the process.
extern "C" void __asan_init() __attribute__((weak));

using fixtures::Running;
using fixtures::ShownMessage;

namespace {

constexpr int longLength = 100'000;

// A generous bound for one rebuild or double click, so that a slow machine
// does not fail the test while a rebuild that grows with the square of the
// length, or a hang, does. Built with AddressSanitizer, every allocation and
// copy is slower, and the sanitizer build runs beside the others: there the
// bound is three times as long.
constexpr qint64 responsiveMs = 100;
constexpr qint64 sanitizerFactor = 3;

// The texts a row can fill a box with, each longLength characters.
QString longText(const QString &kind)
{
    if (kind == u"digits")
        return QString(longLength, u'1');
    if (kind == u"Greek")
        return QStringLiteral("Ωμέγα ").repeated(longLength / 6).leftJustified(longLength, u'λ');
    if (kind == u"blanks around a count")
        return QString(longLength / 2, u' ') + u'3' + QString(longLength / 2 - 1, u' ');
    if (kind == u"zeros before a count")
        return QString(longLength - 1, u'0') + u'3';
    if (kind == u"long fraction")
        return QStringLiteral("0.") + QString(longLength - 2, u'9');
    return {};
}

// The pattern that the sixteen boxes make.
QString patternOf(const QStringList &counts)
{
    QString pattern;
    for (const QString &count : counts)
        pattern += toolkit::trim(count);
    return pattern;
}

} // namespace

class tst_longInput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void longCountIsKeptAndRebuildsQuickly_data();
    void longCountIsKeptAndRebuildsQuickly();
    void doubleClickOnALongCount_data();
    void doubleClickOnALongCount();
    void longResultIsReplacedQuickly();

private:
    // Runs action, timed up to the end of the repainting that follows, with any
    // message box it opens closed; fails when it took the bound or longer.
    // It is timed three times, undo bringing back the state before it in
    // between, and the quickest counts: other programs on a busy machine make
    // some runs slower, a slow rebuild makes every run slow. Returns the
    // messages of the last run, after which the action stays done.
    QList<ShownMessage> timed(const char *what, const std::function<void()> &action,
                              const std::function<void()> &undo);
    // Replaces the text of box with the clipboard's, with the learner's keys.
    static void paste(QWidget *box, const QString &text);
    std::unique_ptr<Running> program;
};

void tst_longInput::init()
{
    program = std::make_unique<Running>();
    QVERIFY(program->started);
    QVERIFY(QTest::qWaitForWindowActive(program->main().widget()));
}

void tst_longInput::cleanup()
{
    program.reset();
}

QList<ShownMessage> tst_longInput::timed(const char *what, const std::function<void()> &action,
                                         const std::function<void()> &undo)
{
    constexpr int runs = 3;
    QList<ShownMessage> shown;
    qint64 quickest = std::numeric_limits<qint64>::max();
    qint64 slowest = 0;
    for (int run = 1; run <= runs; ++run) {
        if (run > 1) {
            fixtures::closingMessageBoxes(undo);
            QCoreApplication::processEvents();
        }
        QElapsedTimer clock;
        clock.start();
        shown = fixtures::closingMessageBoxes(action);
        QCoreApplication::processEvents(); // what the learner waits for includes the repainting
        const qint64 elapsed = clock.elapsed();
        quickest = std::min(quickest, elapsed);
        slowest = std::max(slowest, elapsed);
    }
    const qint64 bound = __asan_init ? responsiveMs * sanitizerFactor : responsiveMs;
    qInfo("%s: %lld ms (slowest of %d runs: %lld ms; bound %lld ms)", what, quickest, runs, slowest, bound);
    [&] { QVERIFY2(quickest < bound, qPrintable(QStringLiteral("%1 took %2 ms").arg(what).arg(quickest))); }();
    return shown;
}

void tst_longInput::paste(QWidget *box, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void tst_longInput::longCountIsKeptAndRebuildsQuickly_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pasted");

    QTest::newRow("digits set into box 0") << 0 << "digits" << false;
    QTest::newRow("digits pasted into box 15") << 15 << "digits" << true;
    QTest::newRow("Greek pasted into box 7") << 7 << "Greek" << true;
    QTest::newRow("blanks around a count set into box 3") << 3 << "blanks around a count" << false;
}

void tst_longInput::longCountIsKeptAndRebuildsQuickly()
{
    QFETCH(int, k);
    QFETCH(QString, kind);
    QFETCH(bool, pasted);

    const QString text = longText(kind);
    QCOMPARE(text.size(), longLength);
    frmMain &w = program->main();
    QWidget *box = w.txtSymetryElements[k].widget();

    const auto enter = [&] {
        if (pasted)
            paste(box, text);
        else
            w.txtSymetryElements[k].setText(text);
    };
    timed("entering the long text", enter, [&] { w.txtSymetryElements[k].setText(QStringLiteral("0")); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(w.txtSymetryElements[k].text().size(), longLength);
    QCOMPARE(w.txtSymetryElements[k].text(), text);
    QCOMPARE(w.txtResult.text(), patternOf(program->counts()));

    // Every further change rebuilds from the long box too.
    toolkit::TextBox &other = w.txtSymetryElements[(k + 1) % 16];
    timed(
        "a count typed into another box",
        [&] {
            QTest::keyClick(other.widget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(other.widget(), QStringLiteral("5"));
        },
        [&] { other.setText(QStringLiteral("0")); });
    QCOMPARE(other.text(), QStringLiteral("5"));
    QCOMPARE(w.txtResult.text(), patternOf(program->counts()));
    timed(
        "a character typed at the end of the long box",
        [&] {
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, QStringLiteral("2"));
        },
        [&] { QTest::keyClick(box, Qt::Key_Backspace); });
    QCOMPARE(w.txtSymetryElements[k].text(), text + u'2');
    QCOMPARE(w.txtResult.text(), patternOf(program->counts()));
}

void tst_longInput::doubleClickOnALongCount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("after"); // the box after the double click; empty: unchanged
    QTest::addColumn<QString>("message");

    QTest::newRow("a number beyond a double") << "digits" << "" << "εκτός ορίων";
    QTest::newRow("not a number") << "Greek" << "" << "δεν είναι αριθμός";
    QTest::newRow("zeros before 3 step to 4") << "zeros before a count" << "4" << "";
    QTest::newRow("a long fraction steps past 1") << "long fraction" << "2" << "";
}

void tst_longInput::doubleClickOnALongCount()
{
    QFETCH(QString, kind);
    QFETCH(QString, after);
    QFETCH(QString, message);

    const QString text = longText(kind);
    frmMain &w = program->main();
    w.txtSymetryElements[9].setText(text);
    QCoreApplication::processEvents();

    const QList<ShownMessage> shown = timed(
        "a double click", [&] { program->doubleClickCount(9); },
        [&] { w.txtSymetryElements[9].setText(text); });
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(w.txtSymetryElements[9].text(), after);
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(message), qPrintable(shown[0].text));
        QVERIFY2(shown[0].text.size() < 200, "the message quotes the whole text");
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(w.txtSymetryElements[9].text(), text);
    }
    QCOMPARE(w.txtResult.text(), patternOf(program->counts()));
}

void tst_longInput::longResultIsReplacedQuickly()
{
    // The learner may paste into the result box itself; the next change of a
    // count replaces it with the pattern.
    frmMain &w = program->main();
    const QString text = longText(QStringLiteral("Greek"));
    timed(
        "pasting into the result box", [&] { paste(w.txtResult.widget(), text); },
        [&] { w.txtResult.setText(QString()); });
    QCOMPARE(w.txtResult.text(), text);
    timed(
        "a double click on the result box", [&] { QTest::mouseDClick(w.txtResult.widget(), Qt::LeftButton); },
        [] {});
    QCOMPARE(w.txtResult.text(), text);

    timed(
        "a double click on a count", [&] { program->doubleClickCount(4); },
        [&] {
            w.txtSymetryElements[4].setText(QStringLiteral("0"));
            w.txtResult.setText(text);
        });
    QCOMPARE(w.txtResult.text(), QStringLiteral("0000100000000000"));
}

QTEST_MAIN(tst_longInput)
#include "tst_longInput.moc"
