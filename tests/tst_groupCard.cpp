// The group card: the system card above the class card, sized from the cards,
// shown and hidden by its two operations.

#include "Running.h"

using fixtures::asShown;

class tst_groupCard : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void cardNamesFollowTheClass_data();
    void cardNamesFollowTheClass();
    void showingAgainReadsAfreshWhereItStands();
    void hidingBeforeAnyShowingShowsNothing();
    void closedByTheLearnerIsCreatedAnew();
    void missingCard_data();
    void missingCard();

private:
    frmGroupCard &card() { return *program->vornath.groupCard; }
    // The group card's two operations, run as the handlers that perform them
    // run: a card that cannot be loaded fails the test naming its message.
    void showCardsOfClass(int n) { program->handle([&] { card().showCardsOfClass(n); }); }
    void hideGroupCard() { program->handle([&] { card().hideGroupCard(); }); }
};

void tst_groupCard::layout_data()
{
    QTest::addColumn<QSize>("systemCard");
    QTest::addColumn<QSize>("classCard");

    QTest::newRow("cards of the stored layout") << QSize(1024, 228) << QSize(1019, 368);
    QTest::newRow("class card wider than the system card") << QSize(500, 100) << QSize(900, 200);
    QTest::newRow("small cards") << QSize(40, 20) << QSize(30, 10);
}

void tst_groupCard::layout()
{
    QFETCH(QSize, systemCard);
    QFETCH(QSize, classCard);

    fixtures::writePicture(program->dir.path("CS_07.bmp"), systemCard.width(), systemCard.height());
    fixtures::writePicture(program->dir.path("CG32.bmp"), classCard.width(), classCard.height());
    showCardsOfClass(32);

    const toolkit::Twips systemWidth = systemCard.width() * 15 + 60;
    const toolkit::Twips systemHeight = systemCard.height() * 15 + 60;
    const toolkit::Twips classHeight = classCard.height() * 15 + 60;
    QVERIFY(card().isVisible());
    QCOMPARE(card().widget()->windowTitle(), QStringLiteral("Κάρτα Ομάδας  - Ardelvo"));
    QCOMPARE(card().picSystem.left(), 0);
    QCOMPARE(card().picSystem.top(), 0);
    QCOMPARE(card().picSystem.width(), systemWidth);
    QCOMPARE(card().picSystem.height(), systemHeight);
    QCOMPARE(card().picDetailCard.left(), 0);
    QCOMPARE(card().picDetailCard.top(), asShown(systemHeight + 20));
    QCOMPARE(card().picDetailCard.width(), classCard.width() * 15 + 60);
    QCOMPARE(card().picDetailCard.height(), classHeight);
    // The width follows the system card alone.
    QCOMPARE(card().width(), asShown(systemWidth + 100));
    QCOMPARE(card().height(), asShown(classHeight + systemHeight + 550));
}

void tst_groupCard::cardNamesFollowTheClass_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("systemCard");
    QTest::addColumn<QString>("classCard");

    QTest::newRow("class 1") << 1 << "CS_01.bmp" << "CG01.bmp";
    QTest::newRow("class 9") << 9 << "CS_04.bmp" << "CG09.bmp";
    QTest::newRow("class 15") << 15 << "CS_04.bmp" << "CG15.bmp";
    QTest::newRow("class 16") << 16 << "CS_05.bmp" << "CG16.bmp";
    QTest::newRow("class 27") << 27 << "CS_06.bmp" << "CG27.bmp";
    QTest::newRow("class 28") << 28 << "CS_07.bmp" << "CG28.bmp";
}

void tst_groupCard::cardNamesFollowTheClass()
{
    QFETCH(int, n);
    QFETCH(QString, systemCard);
    QFETCH(QString, classCard);

    // Only the two cards of this class are there, each with its own size.
    fixtures::writePicture(program->dir.path(systemCard), 70, 11);
    fixtures::writePicture(program->dir.path(classCard), 60, 13);
    showCardsOfClass(n);
    QCOMPARE(card().picSystem.picture().widthPixels(), 70);
    QCOMPARE(card().picDetailCard.picture().widthPixels(), 60);
}

void tst_groupCard::showingAgainReadsAfreshWhereItStands()
{
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 300, 60);
    fixtures::writePicture(program->dir.path("CG20.bmp"), 280, 90);
    showCardsOfClass(20);
    program->handle([&] {
        card().setLeft(1500);
        card().setTop(3000);
    });

    fixtures::writePicture(program->dir.path("CS_05.bmp"), 500, 80);
    showCardsOfClass(20);
    QVERIFY(card().isVisible());
    QCOMPARE(card().picSystem.picture().widthPixels(), 500);
    QCOMPARE(card().width(), asShown(500 * 15 + 60 + 100));
    QCOMPARE(card().left(), 1500);
    QCOMPARE(card().top(), 3000);
}

void tst_groupCard::hidingBeforeAnyShowingShowsNothing()
{
    QVERIFY(!program->vornath.groupCard.exists());
    hideGroupCard();
    QVERIFY(program->vornath.groupCard.exists());
    QVERIFY(!card().isVisible());
    hideGroupCard();
    QVERIFY(!card().isVisible());
}

void tst_groupCard::closedByTheLearnerIsCreatedAnew()
{
    fixtures::writePicture(program->dir.path("CS_06.bmp"), 300, 60);
    fixtures::writePicture(program->dir.path("CG27.bmp"), 280, 90);
    showCardsOfClass(27);
    QCOMPARE(card().picSystem.width(), 300 * 15 + 60);
    card().widget()->close();
    QVERIFY(!program->vornath.groupCard.exists());

    // The next use finds a new window, hidden, with the stored layout.
    hideGroupCard();
    QVERIFY(program->vornath.groupCard.exists());
    QVERIFY(!card().isVisible());
    QCOMPARE(card().picSystem.width(), 15420);
    showCardsOfClass(27);
    QVERIFY(card().isVisible());
}

void tst_groupCard::missingCard_data()
{
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("missing");

    QTest::newRow("system card missing") << "CG20.bmp" << "CS_05.bmp";
    QTest::newRow("class card missing") << "CS_05.bmp" << "CG20.bmp";
}

void tst_groupCard::missingCard()
{
    QFETCH(QString, present);
    QFETCH(QString, missing);

    // Through the answer check, as the learner meets it: the right verdict, then
    // a message naming the missing file; the program goes on.
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path(present), 300, 60);
    program->chooseModel(0);
    program->enterCounts(QStringLiteral("0106000000001016"));
    const QList<fixtures::ShownMessage> shown = program->accept();

    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("ΣΩΣΤΗ ΑΠΑΝΤΗΣΗ! ΜΠΡΑΒΟ!"));
    QVERIFY2(shown[1].text.contains(missing), qPrintable(shown[1].text));
    QCOMPARE(shown[1].icon, QMessageBox::Warning);
    QVERIFY(!card().isVisible());

    // Once the file is there, the same answer shows the cards.
    fixtures::writePicture(program->dir.path(missing), 300, 60);
    program->accept();
    QVERIFY(card().isVisible());
}

QTEST_MAIN(tst_groupCard)
#include "tst_groupCard.moc"
