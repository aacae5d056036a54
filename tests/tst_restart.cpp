// "Επανεκκίνηση": the counts back to zero and the group card hidden, while the
// chosen model stays chosen.

#include "Running.h"

class tst_restart : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void keepsTheChosenModel();
    void resetsAnyText_data();
    void resetsAnyText();
    void beforeAnyChoice();

private:
    void restart() { QTest::mouseClick(program->main().cmdRestart.widget(), Qt::LeftButton); }
};

void tst_restart::keepsTheChosenModel()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 100, 20);
    fixtures::writePicture(program->dir.path("CG20.bmp"), 100, 30);
    program->chooseModel(0);
    program->enterCounts(QStringLiteral("0106000000001016"));
    QCOMPARE(program->accept().value(0).text, QStringLiteral("ΣΩΣΤΗ ΑΠΑΝΤΗΣΗ! ΜΠΡΑΒΟ!"));
    frmCrystalModel &viewer = *program->vornath.crystalModel;
    const toolkit::Twips viewerLeft = viewer.left();
    QVERIFY(program->vornath.groupCard->isVisible());
    program->enterCounts(fixtures::noZeroCounts); // a count in every box, none of them 0

    restart();
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(program->main().txtResult.text(), QStringLiteral("0000000000000000"));
    QVERIFY(!program->vornath.groupCard->isVisible());
    QCOMPARE(program->main().lstModel.currentEntry(), 0);
    QCOMPARE(program->subs().selectedModel, 1);
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.left(), viewerLeft);
    QCOMPARE(viewer.picCrystalModel.picture().widthPixels(), 300);

    const QList<fixtures::ShownMessage> shown = program->accept();
    QCOMPARE(shown.value(0).text, QStringLiteral("ΛΑΘΟΣ ΑΠΑΝΤΗΣΗ! ΠΡΟΣΠΑΘΗΣΕ ΞΑΝΑ."));
}

void tst_restart::resetsAnyText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("blanks") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("several digits") << "123";
}

void tst_restart::resetsAnyText()
{
    QFETCH(QString, text);

    program->enterCounts(fixtures::noZeroCounts);
    program->main().txtSymetryElements[8].setText(text);
    restart();
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(program->main().txtResult.text(), QStringLiteral("0000000000000000"));
}

void tst_restart::beforeAnyChoice()
{
    // Nothing comes on screen: the group card is created hidden.
    restart();
    QVERIFY(program->vornath.groupCard.exists());
    QVERIFY(!program->vornath.groupCard->isVisible());
    QVERIFY(!program->vornath.crystalModel.exists());
    QCOMPARE(program->subs().selectedModel, 0);
    // No box changed, so the result box keeps its text.
    QCOMPARE(program->main().txtResult.text(), QString());

    // Counts entered before any choice go back to 0 like any others.
    program->enterCounts(fixtures::noZeroCounts);
    restart();
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(program->main().txtResult.text(), QStringLiteral("0000000000000000"));
    QCOMPARE(program->subs().selectedModel, 0);
    QCOMPARE(program->accept().value(0).title, QStringLiteral("Προσοχή !!!"));
}

QTEST_MAIN(tst_restart)
#include "tst_restart.moc"
