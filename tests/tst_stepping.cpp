// Count stepping by double click, and the selection of a count box's text when
// the focus arrives.

#include "Running.h"

class tst_stepping : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void step_data();
    void step();
    void sevenDoubleClicksCycle();
    void stepTouchesOnlyItsBox();
    void notANumber_data();
    void notANumber();
    void focusSelectsTheWholeCount_data();
    void focusSelectsTheWholeCount();
};

void tst_stepping::step_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("4 gives 5, not 41") << "4" << "5";
    QTest::newRow("5 gives 6") << "5" << "6";
    QTest::newRow("6 wraps to 0") << "6" << "0";
    QTest::newRow("7 gives 0") << "7" << "0";
    QTest::newRow("9 gives 0") << "9" << "0";
    QTest::newRow("12 gives 0") << "12" << "0";
    QTest::newRow("leading zero: 05 gives 6") << "05" << "6";
    QTest::newRow("leading zeros: 006 gives 0") << "006" << "0";
    QTest::newRow("-3 steps towards zero") << "-3" << "-2";
    QTest::newRow("-1 gives 0") << "-1" << "0";
    QTest::newRow("a fraction is kept") << "2.5" << "3.5";
    QTest::newRow("5.5 is above 6 after the step") << "5.5" << "0";
}

void tst_stepping::step()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    const int k = 6;
    program->main().txtSymetryElements[k].setText(before);
    program->doubleClickCount(k);

    QCOMPARE(program->main().txtSymetryElements[k].text(), after);
    QString pattern(16, u'0');
    pattern.replace(k, 1, after);
    QCOMPARE(program->main().txtResult.text(), pattern);
}

void tst_stepping::sevenDoubleClicksCycle()
{
    const int k = 11;
    for (const char *expected : {"1", "2", "3", "4", "5", "6", "0"}) {
        program->doubleClickCount(k);
        QCOMPARE(program->main().txtSymetryElements[k].text(), QLatin1String(expected));
        QString pattern(16, u'0');
        pattern[k] = QLatin1Char(expected[0]);
        QCOMPARE(program->main().txtResult.text(), pattern);
    }
}

void tst_stepping::stepTouchesOnlyItsBox()
{
    program->enterCounts(QStringLiteral("0123456012345601"));
    program->doubleClickCount(3);
    QCOMPARE(program->counts().join(QString()), QStringLiteral("0124456012345601"));
    QCOMPARE(program->subs().selectedModel, 0);
    QVERIFY(!program->vornath.groupCard.exists());
}

void tst_stepping::notANumber_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("letters") << "abc";
    QTest::newRow("a lone minus sign") << "-";
    QTest::newRow("blanks only") << "  ";
    QTest::newRow("a number beyond range") << QString(400, u'9');
}

void tst_stepping::notANumber()
{
    QFETCH(QString, text);

    // The box keeps the learner's text, the pattern stays, the learner is told.
    frmMain &w = program->main();
    w.txtSymetryElements[2].setText(text);
    const QString pattern = w.txtResult.text();
    const QList<fixtures::ShownMessage> shown = fixtures::closingMessageBoxes([&] { program->doubleClickCount(2); });

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QVERIFY(!shown[0].text.isEmpty());
    QCOMPARE(w.txtSymetryElements[2].text(), text);
    QCOMPARE(w.txtResult.text(), pattern);

    // The program goes on: the next double click on a number steps it.
    program->doubleClickCount(4);
    QCOMPARE(w.txtSymetryElements[4].text(), QStringLiteral("1"));
}

void tst_stepping::focusSelectsTheWholeCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("typed");

    QTest::newRow("two characters") << "12" << "3";
    QTest::newRow("one character") << "0" << "5";
}

void tst_stepping::focusSelectsTheWholeCount()
{
    QFETCH(QString, count);
    QFETCH(QString, typed);

    // Tab from icon 15 reaches count box 1.
    frmMain &w = program->main();
    w.txtSymetryElements[1].setText(count);
    w.picSymetryElements[15].widget()->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(w.picSymetryElements[15].widget()->hasFocus(), fixtures::hangGuardMs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *box = w.txtSymetryElements[1].widget();
    QVERIFY(box->hasFocus());
    QCOMPARE(static_cast<QLineEdit *>(box)->selectedText(), count);

    QTest::keyClicks(box, typed);
    QCOMPARE(w.txtSymetryElements[1].text(), typed);
}

QTEST_MAIN(tst_stepping)
#include "tst_stepping.moc"
