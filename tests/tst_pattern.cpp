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
    void learnerSeesEveryChange_data();
    void learnerSeesEveryChange();
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
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), fixtures::hangGuardMs);
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

// What the learner sees: after each kind of change, the texts that the count
// boxes' widgets and the result box's widget show, starting from a count in
// every box, none of them 0 (fixtures::noZeroCounts).
void tst_pattern::learnerSeesEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("counts"); // each box's text, one character a box
    QTest::addColumn<QString>("pattern");

    QTest::newRow("typing") << "type" << "1254561234561234" << "1254561234561234";
    QTest::newRow("paste") << "paste" << "1244561234561234" << "1244561234561234";
    QTest::newRow("undo") << "undo" << "1234561234561234" << "1234561234561234";
    QTest::newRow("emptied box: the nested run") << "empty" << "1034561234561234" << "1034561234561234";
    QTest::newRow("double click") << "double click" << "1334561234561234" << "1334561234561234";
    QTest::newRow("restart") << "restart" << "0000000000000000" << "0000000000000000";
    QTest::newRow("model choice") << "choice" << "0000000000000000" << "0000000000000000";
}

void tst_pattern::learnerSeesEveryChange()
{
    QFETCH(QString, change);
    QFETCH(QString, counts);
    QFETCH(QString, pattern);

    frmMain &w = program->main();
    fixtures::writePicture(program->dir.path(QStringLiteral("CrystalModel_01.bmp")), 30, 20);
    program->enterCounts(fixtures::noZeroCounts);
    const auto shown = [](toolkit::TextBox &box) { return static_cast<QLineEdit *>(box.widget())->displayText(); };
    QCOMPARE(shown(w.txtResult), fixtures::noZeroCounts);

    if (change == QLatin1String("type")) {
        program->typeCount(2, QStringLiteral("5"));
    } else if (change == QLatin1String("paste")) {
        program->typeCount(2, QString());
        fixtures::paste(w.txtSymetryElements[2].widget(), QStringLiteral("4"));
    } else if (change == QLatin1String("undo")) {
        program->typeCount(2, QStringLiteral("5"));
        QTest::keyClick(w.txtSymetryElements[2].widget(), Qt::Key_Z, Qt::ControlModifier);
    } else if (change == QLatin1String("empty")) {
        program->typeCount(1, QString());
        QTest::keyClick(w.txtSymetryElements[1].widget(), Qt::Key_Backspace);
    } else if (change == QLatin1String("double click")) {
        program->doubleClickCount(1);
    } else if (change == QLatin1String("restart")) {
        QTest::mouseClick(w.cmdRestart.widget(), Qt::LeftButton);
    } else {
        program->chooseModel(0);
    }

    for (int k = 0; k <= 15; ++k)
        QCOMPARE(shown(w.txtSymetryElements[k]), counts.mid(k, 1));
    QCOMPARE(shown(w.txtResult), pattern);
}

QTEST_MAIN(tst_pattern)
#include "tst_pattern.moc"
