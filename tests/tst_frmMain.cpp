// The main window as the learner first sees it: its layout, icons, focus order
// and start-up state, and the two ways to end the program.

#include "Running.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

class tst_frmMain : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void fonts_data();
    void fonts();
    void colours();
    void icons_data();
    void icons();
    void focusOrder();
    void startUpState();
    void inertControlsRunNoHandler();
    void endingTheProgram_data();
    void endingTheProgram();

private:
    toolkit::Control &control(const QString &name);
};

toolkit::Control &tst_frmMain::control(const QString &name)
{
    frmMain &w = program->main();
    if (name.startsWith(u"icon "))
        return w.picSymetryElements[name.mid(5).toInt()];
    if (name.startsWith(u"count box "))
        return w.txtSymetryElements[name.mid(10).toInt()];
    const std::pair<const char *, toolkit::Control *> named[] = {
        {"Label2", &w.Label2}, {"Label1", &w.Label1},   {"cmdRestart", &w.cmdRestart}, {"cmdAccept", &w.cmdAccept},
        {"lstModel", &w.lstModel}, {"txtResult", &w.txtResult}, {"cmdEXIT", &w.cmdEXIT},
    };
    for (const auto &[controlName, c] : named)
        if (name == QLatin1String(controlName))
            return *c;
    qFatal("no control %s", qPrintable(name));
}

void tst_frmMain::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("Label2") << "Label2" << 120 << 0 << 2895 << 255;
    QTest::newRow("Label1") << "Label1" << 120 << 240 << 2895 << 255;
    const int iconWidths[16] = {930, 945, 945, 945, 945, 930, 930, 930, 945, 945, 945, 930, 930, 930, 945, 945};
    const int iconHeights[16] = {540, 555, 540, 540, 555, 555, 555, 555, 540, 540, 540, 540, 540, 540, 540, 555};
    for (int k = 0; k <= 15; ++k) {
        const QString icon = QStringLiteral("icon %1").arg(k);
        const QString box = QStringLiteral("count box %1").arg(k);
        QTest::newRow(qPrintable(icon)) << icon << 120 << 600 * (k + 1) << iconWidths[k] << iconHeights[k];
        QTest::newRow(qPrintable(box)) << box << 1200 << 600 * (k + 1) << 855 << 495;
    }
    QTest::newRow("cmdRestart") << "cmdRestart" << 2280 << 600 << 2415 << 735;
    QTest::newRow("cmdAccept") << "cmdAccept" << 2280 << 1440 << 2415 << 855;
    QTest::newRow("lstModel") << "lstModel" << 2280 << 2400 << 2415 << 6300;
    QTest::newRow("txtResult") << "txtResult" << 2280 << 8880 << 2415 << 375;
    QTest::newRow("cmdEXIT") << "cmdEXIT" << 2280 << 9360 << 2415 << 735;
}

void tst_frmMain::layout()
{
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);

    const toolkit::Control &c = control(name);
    const auto check = [&] {
        QCOMPARE(c.left(), left);
        QCOMPARE(c.top(), top);
        QCOMPARE(c.width(), width);
        QCOMPARE(c.height(), height);
    };
    check();

    // Nothing moves or resizes with the window.
    QWidget *window = program->main().widget();
    window->resize(window->width() * 2, window->height() / 2);
    check();
}

void tst_frmMain::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");

    QTest::newRow("Label2") << "Label2" << 8.25;
    QTest::newRow("Label1") << "Label1" << 11.25;
    QTest::newRow("count box 0") << "count box 0" << 14.25;
    QTest::newRow("count box 15") << "count box 15" << 14.25;
    QTest::newRow("cmdRestart") << "cmdRestart" << 11.25;
    QTest::newRow("cmdAccept") << "cmdAccept" << 12.0;
    QTest::newRow("lstModel") << "lstModel" << 9.75;
    QTest::newRow("cmdEXIT") << "cmdEXIT" << 12.0;
}

void tst_frmMain::fonts()
{
    QFETCH(QString, name);
    QFETCH(double, points);

    const QFont font = control(name).widget()->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), QFont::Bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // Tahoma, or a face that writes Greek in its place.
    QVERIFY2(QFontMetrics(font).inFont(u'Ω'), qPrintable(QFontInfo(font).family()));
}

void tst_frmMain::colours()
{
    frmMain &w = program->main();
    for (toolkit::Label *label : {&w.Label1, &w.Label2}) {
        QCOMPARE(label->widget()->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }
    QCOMPARE(w.Label2.caption(), QStringLiteral("Προγραμματισμός - Σχεδίαση"));
    QCOMPARE(w.Label1.caption(), QStringLiteral("Ardelvo"));

    // Line1 runs down x 2160 from y 600 to y 10080, red 192 and 3 pixels wide.
    const QImage shot = w.widget()->grab().toImage();
    const int x = 2160 / 15;
    for (int y : {600 / 15 + 1, 5000 / 15, 10080 / 15 - 1}) {
        for (int dx : {-1, 0, 1})
            QCOMPARE(QColor(shot.pixel(x + dx, y)), QColor(192, 0, 0));
        QVERIFY(QColor(shot.pixel(x + 3, y)) != QColor(192, 0, 0));
    }
    QVERIFY(QColor(shot.pixel(x, 10080 / 15 + 3)) != QColor(192, 0, 0));
}

void tst_frmMain::icons_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QSize>("pixels");

    const std::tuple<const char *, QSize> rows[16] = {
        {"Κανένα στοιχείο συμμετρίας", {58, 32}},
        {"Κέντρο συμμετρίας", {59, 33}},
        {"Άξονας 2ης τάξης Πολικός", {59, 32}},
        {"Άξονας 2ης τάξης", {59, 32}},
        {"Άξονας 3ης ταξης - μη κανονικός", {59, 33}},
        {"Άξονας 3ης τάξης Πολικός", {58, 33}},
        {"Άξονας 3ης τάξης", {58, 33}},
        {"Άξονας 4ης τάξης - μη κανονικός", {58, 33}},
        {"Άξονας 4ης τάξης Πολικός", {59, 32}},
        {"Άξονας 4ης τάξης", {59, 32}},
        {"Άξονας 6ης τάξης - μη κανονικός", {59, 32}},
        {"Άξονας 6ης τάξης Πολικός", {58, 32}},
        {"Άξονας 6ης τάξης", {58, 32}},
        {"Επίπεδο Συμμετρίας", {58, 32}},
        {"Κύριο Επίπεδο Συμμετρίας", {59, 32}},
        {"Δευτερεύον Επίπεδο Συμμετρίας", {59, 33}},
    };
    for (int k = 0; k <= 15; ++k) {
        const auto &[toolTip, pixels] = rows[k];
        QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(k))) << k << QString::fromUtf8(toolTip) << pixels;
    }
}

void tst_frmMain::icons()
{
    QFETCH(int, k);
    QFETCH(QString, toolTip);
    QFETCH(QSize, pixels);

    const toolkit::PictureBox &icon = program->main().picSymetryElements[k];
    QCOMPARE(icon.widget()->toolTip(), toolTip);
    QCOMPARE(icon.picture().widthPixels(), pixels.width());
    QCOMPARE(icon.picture().heightPixels(), pixels.height());
    QCOMPARE(icon.width(), pixels.width() * 15 + 60);
    QCOMPARE(icon.height(), pixels.height() * 15 + 60);

    // White ground, a black frame one pixel inside the edge.
    const QImage &image = icon.picture().image();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(pixels.width() - 2, pixels.height() - 2)), QColor(Qt::black));

    // A screen reader names count box k by the kind that icon k shows.
    QAccessibleInterface *count = QAccessible::queryAccessibleInterface(program->main().txtSymetryElements[k].widget());
    QVERIFY2(count, "the count box is not accessible");
    QCOMPARE(count->text(QAccessible::Name), toolTip);
}

void tst_frmMain::focusOrder()
{
    frmMain &w = program->main();
    QList<QWidget *> expected;
    expected << w.picSymetryElements[0].widget() << w.txtSymetryElements[0].widget();
    for (int k = 1; k <= 15; ++k)
        expected << w.picSymetryElements[k].widget();
    for (int k = 1; k <= 15; ++k)
        expected << w.txtSymetryElements[k].widget();
    expected << w.txtResult.widget() << w.cmdRestart.widget() << w.cmdAccept.widget() << w.cmdEXIT.widget()
             << w.lstModel.widget() << w.picSymetryElements[0].widget();

    // The focus rests on icon 0 when the window first shows; Tab visits the rest
    // in tab-index order and wraps round.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), expected.front(), fixtures::hangGuardMs);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QStringLiteral("stop %1").arg(i)));
    }
}

void tst_frmMain::startUpState()
{
    frmMain &w = program->main();
    QCOMPARE(w.widget()->frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(w.left(), 0);
    QCOMPARE(w.top(), 0);
    QCOMPARE(w.widget()->windowTitle(), QStringLiteral("Vornath"));
    const QWindow *window = w.widget()->windowHandle();
    QVERIFY2(window, "the main window has no window on the screen");
    const QMargins m = window->frameMargins();
    QCOMPARE(w.widget()->size(), QSize(320, 683));
    QCOMPARE(w.width(), (320 + m.left() + m.right()) * 15);

    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(w.txtResult.text(), QString());
    QCOMPARE(w.lstModel.count(), 20);
    QCOMPARE(w.lstModel.entry(0), QStringLiteral("Ξύλινο μοντέλο 01"));
    QCOMPARE(w.lstModel.entry(19), QStringLiteral("Ξύλινο μοντέλο 20"));
    QCOMPARE(w.lstModel.currentEntry(), -1);
    QCOMPARE(program->subs().selectedModel, 0);

    QVERIFY(!program->vornath.crystalModel.exists());
    QVERIFY(!program->vornath.groupCard.exists());
    int visibleWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        visibleWindows += window->isVisible() ? 1 : 0;
    QCOMPARE(visibleWindows, 1);
}

void tst_frmMain::inertControlsRunNoHandler()
{
    frmMain &w = program->main();
    w.txtResult.setText(QStringLiteral("typed"));
    const QList<fixtures::ShownMessage> shown = fixtures::closingMessageBoxes([&] {
        QTest::mouseDClick(w.picSymetryElements[4].widget(), Qt::LeftButton);
        QTest::mouseDClick(w.Label1.widget(), Qt::LeftButton);
        QTest::mouseDClick(w.txtResult.widget(), Qt::LeftButton);
    });
    QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
    QCOMPARE(w.txtResult.text(), QStringLiteral("typed"));
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
}

void tst_frmMain::endingTheProgram_data()
{
    QTest::addColumn<bool>("viewerShown");
    QTest::addColumn<bool>("byCloseBox");

    QTest::newRow("ΕΞΟΔΟΣ alone") << false << false;
    QTest::newRow("ΕΞΟΔΟΣ with the viewer shown") << true << false;
    QTest::newRow("close box with the viewer shown") << true << true;
}

void tst_frmMain::endingTheProgram()
{
    QFETCH(bool, viewerShown);
    QFETCH(bool, byCloseBox);

    if (viewerShown) {
        fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
        program->chooseModel(0);
        QVERIFY(program->vornath.crystalModel->isVisible());
    }

    // The application's own event loop, as in the program.
    const std::optional<int> code = fixtures::runUntilProgramEnds([&] {
        if (byCloseBox)
            program->main().widget()->close();
        else
            QTest::mouseClick(program->main().cmdEXIT.widget(), Qt::LeftButton);
    });
    QVERIFY2(code, byCloseBox ? "closing the main window by its close box did not end the program"
                              : "\"ΕΞΟΔΟΣ\" did not end the program");
    QCOMPARE(*code, 0);
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
