// The element pattern: every change of a count box, typed or set, rebuilds the
// result box from all sixteen boxes.

#include "Running.h"

class tst_pattern : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void typedCounts_data();
    void typedCounts();
    void typedResultIsReplacedByTheNextChange();
    void everySetThatChangesABoxRebuilds();
};

void tst_pattern::typedCounts_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("typed"); // replaces the box's selected "0"; empty: Backspace
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("one in box 0") << 0 << "1" << "1" << "1000000000000000";
    QTest::newRow("one in box 15") << 15 << "1" << "1" << "0000000000000001";
    QTest::newRow("deleting the only character") << 7 << "" << "0" << "0000000000000000";
    QTest::newRow("blanks only stay and add nothing") << 3 << "  " << "  " << "000000000000000";
    QTest::newRow("blanks around are trimmed") << 2 << " 4 " << " 4 " << "0040000000000000";
    QTest::newRow("a blank between characters stays") << 2 << "1 2" << "1 2" << "001 20000000000000";
    QTest::newRow("two digits add both") << 5 << "00" << "00" << "00000000000000000";
    QTest::newRow("letters and signs are added unchanged") << 1 << "a-+" << "a-+" << "0a-+00000000000000";
    QTest::newRow("a tab is no blank") << 4 << "\t3" << "\t3" << "0000\t300000000000";
    QTest::newRow("Greek letters are added unchanged") << 8 << "Ω" << "Ω" << "00000000Ω0000000";
}

void tst_pattern::typedCounts()
{
    QFETCH(int, k);
    QFETCH(QString, typed);
    QFETCH(QString, boxAfter);
    QFETCH(QString, pattern);

    toolkit::TextBox &box = program->main().txtSymetryElements[k];
    QWidget *edit = box.widget();
    edit->setFocus(); // selects the whole count
    QTRY_VERIFY(edit->hasFocus());
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (typed.contains(u'\t') || typed.front().unicode() > 127)
        box.setText(typed); // as a paste brings it in: a tab key would move the focus
    else
        QTest::keyClicks(edit, typed);

    QCOMPARE(box.text(), boxAfter);
    QCOMPARE(program->main().txtResult.text(), pattern);
}

void tst_pattern::typedResultIsReplacedByTheNextChange()
{
    frmMain &w = program->main();
    QTest::keyClicks(w.txtResult.widget(), QStringLiteral("learner's text"));
    QCOMPARE(w.txtResult.text(), QStringLiteral("learner's text"));

    w.txtSymetryElements[9].setText(QStringLiteral("3"));
    QCOMPARE(w.txtResult.text(), QStringLiteral("0000000003000000"));
}

void tst_pattern::everySetThatChangesABoxRebuilds()
{
    // Right after start-up the result box is empty although every box holds "0":
    // setting a box to the text it holds is no change.
    frmMain &w = program->main();
    w.txtSymetryElements[0].setText(QStringLiteral("0"));
    QCOMPARE(w.txtResult.text(), QString());

    program->enterCounts(QStringLiteral("0106000000001016"));
    QCOMPARE(w.txtResult.text(), QStringLiteral("0106000000001016"));

    // Setting a box empty from code: it becomes "0" before the set returns.
    w.txtSymetryElements[3].setText(QString());
    QCOMPARE(w.txtSymetryElements[3].text(), QStringLiteral("0"));
    QCOMPARE(w.txtResult.text(), QStringLiteral("0100000000001016"));
}

QTEST_MAIN(tst_pattern)
#include "tst_pattern.moc"
