// The answer check, on the road of one answer as the learner takes it: choose a
// model, step the counts, press "Αποδοχή", close the verdict, see the cards.

#include "Running.h"

using fixtures::ShownMessage;

namespace {

const QString warning = QStringLiteral("Παρακαλώ, επιλέξτε ένα μοντέλο κρυστάλλου εξάσκησης πρώτα!");
const QString wrong = QStringLiteral("ΛΑΘΟΣ ΑΠΑΝΤΗΣΗ! ΠΡΟΣΠΑΘΗΣΕ ΞΑΝΑ.");
const QString right = QStringLiteral("ΣΩΣΤΗ ΑΠΑΝΤΗΣΗ! ΜΠΡΑΒΟ!");

} // namespace

class tst_answerCheck : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void init();

    void rightAnswerShowsTheCardsOfItsClass_data();
    void rightAnswerShowsTheCardsOfItsClass();
    void countsSteppedByDoubleClicks();
    void countsTypedAfterAClickInEachBox();
    void cardsOfTheFirstClassWithThePattern_data();
    void cardsOfTheFirstClassWithThePattern();
    void verdicts_data();
    void verdicts();
    void warningWithNoModelChosen_data();
    void warningWithNoModelChosen();
    void typedResultIsWhatIsJudged();
    void twoRightClicksShowTheCardsTwice();
    void wrongAfterRightLeavesTheCardShown();

private:
    // Writes every picture the drill can need, each card with a size of its own
    // so the cards shown tell which files were read.
    void writePictures();
    frmGroupCard &card() { return *program->vornath.groupCard; }
};

void tst_answerCheck::init()
{
    RunningTest::init();
    if (QTest::currentTestFailed())
        return;
    writePictures();
}

void tst_answerCheck::writePictures()
{
    for (int n = 1; n <= 20; ++n)
        fixtures::writePicture(program->dir.path("CrystalModel_" + fixtures::twoDigits(n) + ".bmp"), 300, 200);
    for (int s = 1; s <= 7; ++s)
        fixtures::writePicture(program->dir.path("CS_" + fixtures::twoDigits(s) + ".bmp"), 100 + s, 20);
    for (int n = 1; n <= 32; ++n)
        fixtures::writePicture(program->dir.path("CG" + fixtures::twoDigits(n) + ".bmp"), 200 + n, 30);
}

void tst_answerCheck::rightAnswerShowsTheCardsOfItsClass_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("classNumber");

    QTest::newRow("model 1: class 20") << 0 << "0106000000001016" << 5 << 20;
    QTest::newRow("model 2: class 32") << 1 << "0106400003000036" << 7 << 32;
    QTest::newRow("model 3: class 32") << 2 << "0106400003000036" << 7 << 32;
    QTest::newRow("model 17: class 27") << 16 << "0104000001000014" << 6 << 27;
}

void tst_answerCheck::rightAnswerShowsTheCardsOfItsClass()
{
    QFETCH(int, position);
    QFETCH(QString, answer);
    QFETCH(int, system);
    QFETCH(int, classNumber);

    program->chooseModel(position);
    program->enterCounts(answer);
    const QList<ShownMessage> shown = program->accept();

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, right);
    QCOMPARE(shown[0].title, QStringLiteral("Vornath"));
    QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
    QVERIFY(card().isVisible());
    QCOMPARE(card().picSystem.picture().widthPixels(), 100 + system);
    QCOMPARE(card().picDetailCard.picture().widthPixels(), 200 + classNumber);
}

void tst_answerCheck::countsSteppedByDoubleClicks()
{
    // Model 1's answer, entered as the learner does: a double click per step.
    program->chooseModel(0);
    program->doubleClickCount(1, 1);
    program->doubleClickCount(3, 6);
    program->doubleClickCount(12, 1);
    program->doubleClickCount(14, 1);
    program->doubleClickCount(15, 6);
    QCOMPARE(program->main().txtResult.text(), QStringLiteral("0106000000001016"));

    const QList<ShownMessage> shown = program->accept();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, right);
    QVERIFY(card().isVisible());
    QCOMPARE(card().picSystem.picture().widthPixels(), 105);
    QCOMPARE(card().picDetailCard.picture().widthPixels(), 220);
}

void tst_answerCheck::countsTypedAfterAClickInEachBox()
{
    // Model 1's answer, typed over each box's 0 after a click into the box.
    program->chooseModel(0);
    const QString answer = QStringLiteral("0106000000001016");
    for (int k = 0; k <= 15; ++k)
        program->typeCount(k, answer.mid(k, 1));
    QCOMPARE(program->counts().join(QString()), answer);

    const QList<ShownMessage> shown = program->accept();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, right);
    QVERIFY(card().isVisible());
}

void tst_answerCheck::cardsOfTheFirstClassWithThePattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("alsoClass"); // a class given the same pattern too; 0: none
    QTest::addColumn<int>("system");    // the cards shown; 0: none
    QTest::addColumn<int>("classNumber");

    const QString zeros(16, u'0');
    QTest::newRow("class 1") << "1000000000000000" << 0 << 1 << 1;
    QTest::newRow("class 2, last of its system") << "0100000000000000" << 0 << 1 << 2;
    QTest::newRow("class 16, first of its system") << "0000000000010000" << 0 << 5 << 16;
    QTest::newRow("class 32") << "0106400003000036" << 0 << 7 << 32;
    QTest::newRow("class 9's, also given to class 30") << "0000010000000000" << 30 << 4 << 9;
    QTest::newRow("class 9's, also given to class 3") << "0000010000000000" << 3 << 2 << 3;
    QTest::newRow("sixteen zeros") << zeros << 0 << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0 << 0;
    QTest::newRow("class 1 and a zero more") << "10000000000000000" << 0 << 0 << 0;
    QTest::newRow("class 1 with a blank") << "1000000000000 00" << 0 << 0 << 0;
    QTest::newRow("class 1 with a letter") << "100000000000000a" << 0 << 0 << 0;
    QTest::newRow("sixteen digits of no class") << "1000000000000010" << 0 << 0 << 0;
    QTest::newRow("a two-digit count") << "10" + QString(15, u'0') << 0 << 0 << 0;
}

void tst_answerCheck::cardsOfTheFirstClassWithThePattern()
{
    QFETCH(QString, pattern);
    QFETCH(int, alsoClass);
    QFETCH(int, system);
    QFETCH(int, classNumber);

    // Model 5's answer becomes the pattern, so that a right answer takes it to
    // the search for its class.
    mainSubs &subs = program->subs();
    const FixedTable<20> answers = subs.modelAnswer;
    subs.modelAnswer.fill([&](int m) { return m == 5 ? pattern : answers(m); });
    if (alsoClass != 0) {
        const FixedTable<32> patterns = subs.classPattern;
        subs.classPattern.fill([&](int n) { return n == alsoClass ? pattern : patterns(n); });
    }
    program->chooseModel(4);
    program->main().txtResult.setText(pattern);
    const QList<ShownMessage> shown = program->accept();

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, right);
    QCOMPARE(card().isVisible(), classNumber != 0);
    if (classNumber != 0) {
        QCOMPARE(card().picSystem.picture().widthPixels(), 100 + system);
        QCOMPARE(card().picDetailCard.picture().widthPixels(), 200 + classNumber);
    }
}

void tst_answerCheck::verdicts_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("verdict");

    const auto zerosWith = [](int k, const char *count) {
        QStringList counts(16, QStringLiteral("0"));
        counts[k] = QLatin1String(count);
        return counts;
    };
    QTest::newRow("another class's pattern is wrong")
        << 0 << zerosWith(0, "1") << wrong; // class 1's pattern, model 1 chosen
    QTest::newRow("sixteen zeros are wrong") << 4 << QStringList(16, QStringLiteral("0")) << wrong;
    QTest::newRow("seventeen zeros are right, with no class")
        << 3 << zerosWith(7, "00") << right;
    QTest::newRow("a seventeen-zero model's one-digit answer is wrong") << 10 << zerosWith(2, "1") << wrong;
}

void tst_answerCheck::verdicts()
{
    QFETCH(int, position);
    QFETCH(QStringList, counts);
    QFETCH(QString, verdict);

    program->chooseModel(position);
    for (int k = 0; k <= 15; ++k)
        program->main().txtSymetryElements[k].setText(counts[k]);
    const QList<ShownMessage> shown = program->accept();

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, verdict);
    QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
    QVERIFY(!card().isVisible());
}

void tst_answerCheck::warningWithNoModelChosen_data()
{
    QTest::addColumn<bool>("afterFailedChoice");

    QTest::newRow("before any choice") << false;
    QTest::newRow("after a choice whose picture failed") << true;
}

void tst_answerCheck::warningWithNoModelChosen()
{
    QFETCH(bool, afterFailedChoice);

    if (afterFailedChoice) {
        QFile::remove(program->dir.path("CrystalModel_01.bmp"));
        program->chooseModel(0);
    }
    program->enterCounts(QStringLiteral("0106000000001016"));
    const QList<ShownMessage> shown = program->accept();

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, warning);
    QCOMPARE(shown[0].title, QStringLiteral("Προσοχή !!!"));
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QVERIFY(!program->vornath.groupCard.exists() || !card().isVisible());
}

void tst_answerCheck::typedResultIsWhatIsJudged()
{
    // Choosing a model at start-up changes no box, so the result box stays empty.
    program->chooseModel(0);
    QCOMPARE(program->main().txtResult.text(), QString());
    QCOMPARE(program->accept().value(0).text, wrong);

    QWidget *result = program->main().txtResult.widget();
    QTest::keyClicks(result, QStringLiteral("0106000000001016 "));
    QCOMPARE(program->accept().value(0).text, wrong); // one blank too many

    QTest::keyClick(result, Qt::Key_Backspace);
    QCOMPARE(program->accept().value(0).text, right);
    QVERIFY(card().isVisible());
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
}

void tst_answerCheck::twoRightClicksShowTheCardsTwice()
{
    program->chooseModel(1);
    program->enterCounts(QStringLiteral("0106400003000036"));
    QCOMPARE(program->accept().value(0).text, right);
    QVERIFY(card().isVisible());

    // The second showing reads the cards again.
    fixtures::writePicture(program->dir.path("CG32.bmp"), 333, 30);
    QCOMPARE(program->accept().value(0).text, right);
    QVERIFY(card().isVisible());
    QCOMPARE(card().picDetailCard.picture().widthPixels(), 333);
}

void tst_answerCheck::wrongAfterRightLeavesTheCardShown()
{
    program->chooseModel(16);
    program->enterCounts(QStringLiteral("0104000001000014"));
    QCOMPARE(program->accept().value(0).text, right);

    program->doubleClickCount(0);
    QCOMPARE(program->accept().value(0).text, wrong);
    QVERIFY(card().isVisible());
    QCOMPARE(program->subs().selectedModel, 17);
}

QTEST_MAIN(tst_answerCheck)
#include "tst_answerCheck.moc"
