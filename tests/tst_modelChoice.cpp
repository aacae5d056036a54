// Choosing a model: the counts reset, the group card hidden, the model's
// picture in the viewer beside the main window, the choice remembered; a
// picture that cannot be loaded hides the viewer and forgets the choice.

#include "Running.h"

#include <QWindow>

using fixtures::asShown;
using toolkit::toPixels;

class tst_modelChoice : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void viewerFitsItsPictureBesideTheMainWindow();
    void viewerComesOnScreenAlreadySized();
    void secondChoiceResizesInPlace();
    void placeFollowsTheMainWindowAndIsRestored();
    void everyPositionLoadsItsModel();
    void missingPictureAtFirstChoice();
    void missingPictureAfterASuccess();
    void noEntryHighlighted_data();
    void noEntryHighlighted();
    void choiceResetsCountsAndHidesTheGroupCard();
    void viewerClosedByTheLearnerIsCreatedAnew();

private:
    frmCrystalModel &viewer() { return *program->vornath.crystalModel; }
};

void tst_modelChoice::viewerFitsItsPictureBesideTheMainWindow()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    program->chooseModel(0);

    QVERIFY(viewer().isVisible());
    QCOMPARE(viewer().widget()->windowTitle(), QStringLiteral("Μοντέλο κρυστάλλου εξάσκησης"));
    const toolkit::PictureBox &box = viewer().picCrystalModel;
    QCOMPARE(box.innerWidth(), 300 * 15);
    QCOMPARE(box.innerHeight(), 200 * 15);
    QCOMPARE(box.width(), 4560);
    QCOMPARE(box.height(), 3060);
    QCOMPARE(box.left(), 0);
    QCOMPARE(box.top(), 0);

    // Outer size: picture + 100 across, + 500 down, frame and title bar included.
    QCOMPARE(viewer().width(), asShown(300 * 15 + 100));
    QCOMPARE(viewer().height(), asShown(200 * 15 + 500));
    const QWindow *window = viewer().widget()->windowHandle();
    QVERIFY2(window, "the viewer has no window on the screen");
    const QMargins m = window->frameMargins();
    QCOMPARE(viewer().widget()->frameGeometry().width(), toPixels(300 * 15 + 100));
    QCOMPARE(viewer().widget()->width(), toPixels(300 * 15 + 100) - m.left() - m.right());

    // At the top of the screen, 10 twips right of the main window's outer edge.
    frmMain &w = program->main();
    QCOMPARE(viewer().top(), 0);
    QCOMPARE(viewer().left(), asShown(w.width() + w.left() + 10));
    QCOMPARE(program->subs().selectedModel, 1);
}

void tst_modelChoice::viewerComesOnScreenAlreadySized()
{
    fixtures::writePicture(program->dir.path("CrystalModel_02.bmp"), 300, 200);
    fixtures::SizeWhenShown shown(viewer().widget());

    program->chooseModel(1);
    const QWindow *window = viewer().widget()->windowHandle();
    QVERIFY2(window, "the viewer never came on the screen");
    const QMargins m = window->frameMargins();
    QCOMPARE(shown.size, QSize(toPixels(300 * 15 + 100) - m.left() - m.right(),
                                  toPixels(200 * 15 + 500) - m.top() - m.bottom()));
}

void tst_modelChoice::secondChoiceResizesInPlace()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CrystalModel_02.bmp"), 420, 150);
    program->chooseModel(0);
    const toolkit::Twips left = viewer().left();

    program->chooseModel(1);
    QVERIFY(viewer().isVisible());
    QCOMPARE(viewer().width(), asShown(420 * 15 + 100));
    QCOMPARE(viewer().height(), asShown(150 * 15 + 500));
    QCOMPARE(viewer().left(), left);
    QCOMPARE(viewer().top(), 0);
    QCOMPARE(program->subs().selectedModel, 2);
}

void tst_modelChoice::placeFollowsTheMainWindowAndIsRestored()
{
    fixtures::writePicture(program->dir.path("CrystalModel_03.bmp"), 300, 200);
    frmMain &w = program->main();
    program->handle([&] {
        w.setLeft(3000);
        w.setTop(1500);
    });
    program->chooseModel(2);
    QCOMPARE(viewer().left(), asShown(w.width() + 3000 + 10));
    QCOMPARE(viewer().top(), 0);

    // A viewer that the learner moved goes back to its place at the next choice.
    program->handle([&] {
        viewer().setLeft(9000);
        viewer().setTop(4500);
    });
    program->chooseModel(2);
    QCOMPARE(viewer().left(), asShown(w.width() + 3000 + 10));
    QCOMPARE(viewer().top(), 0);
}

void tst_modelChoice::everyPositionLoadsItsModel()
{
    // Each model's picture has its own width, so the picture shown tells the file.
    for (int n = 1; n <= 20; ++n)
        fixtures::writePicture(program->dir.path("CrystalModel_" + fixtures::twoDigits(n) + ".bmp"), 100 + n, 80);
    for (int position = 0; position <= 19; ++position) {
        program->chooseModel(position);
        QCOMPARE(program->main().lstModel.currentEntry(), position);
        QCOMPARE(viewer().picCrystalModel.picture().widthPixels(), 100 + position + 1);
        QCOMPARE(program->subs().selectedModel, position + 1);
    }
}

void tst_modelChoice::missingPictureAtFirstChoice()
{
    program->enterCounts(fixtures::noZeroCounts);
    const QList<fixtures::ShownMessage> shown = fixtures::closingMessageBoxes([&] { program->chooseModel(4); });

    QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
    QVERIFY(program->vornath.crystalModel.exists());
    QVERIFY(!viewer().isVisible());
    QCOMPARE(program->subs().selectedModel, 0);
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QVERIFY(program->vornath.groupCard.exists());
    QVERIFY(!program->vornath.groupCard->isVisible());
    QCOMPARE(program->main().lstModel.currentEntry(), 4);
}

void tst_modelChoice::missingPictureAfterASuccess()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    program->chooseModel(0);
    const toolkit::Twips width = viewer().width();
    const toolkit::Twips height = viewer().height();
    const toolkit::Twips left = viewer().left();

    const QList<fixtures::ShownMessage> shown = fixtures::closingMessageBoxes([&] { program->chooseModel(5); });
    QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
    QVERIFY(!viewer().isVisible());
    QCOMPARE(viewer().picCrystalModel.picture().widthPixels(), 300);
    QCOMPARE(viewer().width(), width);
    QCOMPARE(viewer().height(), height);
    QCOMPARE(viewer().left(), left);
    QCOMPARE(program->subs().selectedModel, 0);
    QCOMPARE(program->main().lstModel.currentEntry(), 5);

    // The next successful choice shows it again at its place.
    program->chooseModel(0);
    QVERIFY(viewer().isVisible());
    QCOMPARE(program->subs().selectedModel, 1);
}

void tst_modelChoice::noEntryHighlighted_data()
{
    QTest::addColumn<bool>("pictureForNumber00");

    QTest::newRow("no such picture") << false;
    QTest::newRow("a picture named 00") << true;
}

void tst_modelChoice::noEntryHighlighted()
{
    QFETCH(bool, pictureForNumber00);

    // With no entry current the model number is 0, and the name carries "00".
    if (pictureForNumber00)
        fixtures::writePicture(program->dir.path("CrystalModel_00.bmp"), 250, 100);
    QCOMPARE(program->main().lstModel.currentEntry(), -1);
    program->handle([&] { program->main().lstModel_Click(); });

    QCOMPARE(viewer().isVisible(), pictureForNumber00);
    QCOMPARE(program->subs().selectedModel, 0);
    if (pictureForNumber00)
        QCOMPARE(viewer().picCrystalModel.picture().widthPixels(), 250);
}

void tst_modelChoice::choiceResetsCountsAndHidesTheGroupCard()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 64, 16);
    fixtures::writePicture(program->dir.path("CG20.bmp"), 64, 24);
    program->chooseModel(0);
    program->enterCounts(fixtures::noZeroCounts);
    program->handle([&] { program->vornath.groupCard->showCardsOfClass(20); });
    QVERIFY(program->vornath.groupCard->isVisible());

    // Choosing the same model again starts the attempt afresh.
    program->chooseModel(0);
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(program->main().txtResult.text(), QStringLiteral("0000000000000000"));
    QVERIFY(!program->vornath.groupCard->isVisible());
    QCOMPARE(program->subs().selectedModel, 1);
}

void tst_modelChoice::viewerClosedByTheLearnerIsCreatedAnew()
{
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CrystalModel_02.bmp"), 200, 100);
    program->chooseModel(0);
    viewer().widget()->close();
    QVERIFY(!program->vornath.crystalModel.exists());

    program->chooseModel(1);
    QVERIFY(viewer().isVisible());
    QCOMPARE(viewer().width(), asShown(200 * 15 + 100));
    QCOMPARE(viewer().height(), asShown(100 * 15 + 500));
    QCOMPARE(program->subs().selectedModel, 2);
}

QTEST_MAIN(tst_modelChoice)
#include "tst_modelChoice.moc"
