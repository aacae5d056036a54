// Failures and how the program goes on: the message box, a handler's trap,
// the guarded dispatch of every event, starting up and ending the program.

#include "Fixtures.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Dispatch.h"
#include "toolkit/Failure.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QAbstractButton>
#include <QPushButton>

#include <memory>
#include <new>
#include <stdexcept>

namespace {

using fixtures::ShownMessage;

bool anyWindowVisible()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return true;
    return false;
}

// Throws the kind of exception a row names.
[[noreturn]] void throwKind(const QString &kind)
{
    if (kind == u"Failure")
        throw toolkit::Failure(QStringLiteral("Δεν βρέθηκε το αρχείο εικόνας «CG07.bmp»."));
    if (kind == u"bad_alloc")
        throw std::bad_alloc();
    if (kind == u"runtime_error")
        throw std::runtime_error("index out of range");
    throw 42;
}

} // namespace

class tst_failures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void msgBoxShowsAModalBox_data();
    void msgBoxShowsAModalBox();

    void trapRunsTheFailurePath_data();
    void trapRunsTheFailurePath();

    void dispatchTellsTheFailureAndGoesOn_data();
    void dispatchTellsTheFailureAndGoesOn();
    void failureInAClickHandler();

    void startUp_data();
    void startUp();

    void endProgramStopsTheLoopAndHidesEveryWindow();
    void closingTheStartUpFormEndsTheProgram();
    void closingASecondaryFormGoesOn();

private:
    std::unique_ptr<fixtures::UnexpectedMessageBoxes> messageBoxes;
};

void tst_failures::initTestCase()
{
    toolkit::prepareApplication();
}

void tst_failures::init()
{
    messageBoxes = std::make_unique<fixtures::UnexpectedMessageBoxes>();
}

void tst_failures::cleanup()
{
    messageBoxes.reset();
    // Once the program has ended, every later event loop (a message box's too)
    // returns at once; running the application's own loop clears that.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void tst_failures::msgBoxShowsAModalBox_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");

    QTest::newRow("OkOnly, no title") << "Σωστό!" << int(toolkit::Buttons::OkOnly) << false << "Vornath"
                                      << int(QMessageBox::NoIcon);
    QTest::newRow("OkOnly, titled") << "Λάθος απάντηση" << int(toolkit::Buttons::OkOnly) << true << "Έλεγχος"
                                    << int(QMessageBox::NoIcon);
    QTest::newRow("Exclamation, no title") << "Υπερχείλιση αριθμού." << int(toolkit::Buttons::Exclamation) << false
                                           << "Vornath" << int(QMessageBox::Warning);
    QTest::newRow("Exclamation, titled") << "Διάλεξε μοντέλο" << int(toolkit::Buttons::Exclamation) << true
                                         << "Προσοχή" << int(QMessageBox::Warning);
    QTest::newRow("markup shown as written") << "<b>«a<b.bmp»</b>" << int(toolkit::Buttons::OkOnly) << false
                                             << "Vornath" << int(QMessageBox::NoIcon);
}

void tst_failures::msgBoxShowsAModalBox()
{
    QFETCH(QString, prompt);
    QFETCH(int, buttons);
    QFETCH(bool, titled);
    QFETCH(QString, title);
    QFETCH(int, icon);

    bool returned = false;
    const QList<ShownMessage> seen = fixtures::closingMessageBoxes([&] {
        if (titled)
            toolkit::msgBox(prompt, toolkit::Buttons(buttons), title);
        else
            toolkit::msgBox(prompt, toolkit::Buttons(buttons));
        returned = true;
    });

    QVERIFY(returned);
    QCOMPARE(seen.size(), 1);
    const ShownMessage &box = seen.front();
    QCOMPARE(box.text, prompt);
    QCOMPARE(box.format, Qt::PlainText);
    QCOMPARE(box.title, title);
    QCOMPARE(int(box.icon), icon);
    QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>({QMessageBox::Ok}));
    QVERIFY(box.modal);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_failures::trapRunsTheFailurePath_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<int>("failAfter");
    QTest::addColumn<QStringList>("done");
    QTest::addColumn<int>("messages");

    // Three steps; the exception comes after step failAfter (0: before the first).
    QTest::newRow("no failure") << "" << 3 << QStringList({"1", "2", "3"}) << 0;
    QTest::newRow("Failure before the first step") << "Failure" << 0 << QStringList({"failure path"}) << 0;
    QTest::newRow("Failure after step 1") << "Failure" << 1 << QStringList({"1", "failure path"}) << 0;
    QTest::newRow("Failure after step 2") << "Failure" << 2 << QStringList({"1", "2", "failure path"}) << 0;
    QTest::newRow("out of memory after step 1") << "bad_alloc" << 1 << QStringList({"1", "failure path"}) << 0;
    // Not a run-time failure: the trap lets it through and dispatch tells it.
    QTest::newRow("program error after step 1") << "runtime_error" << 1 << QStringList({"1"}) << 1;
}

void tst_failures::trapRunsTheFailurePath()
{
    QFETCH(QString, thrown);
    QFETCH(int, failAfter);
    QFETCH(QStringList, done);
    QFETCH(int, messages);

    QStringList steps;
    const QList<ShownMessage> seen = fixtures::closingMessageBoxes([&] {
        toolkit::dispatch([&] {
            toolkit::trap(
                [&] {
                    for (int step = 1; step <= 3; ++step) {
                        if (failAfter == step - 1)
                            throwKind(thrown);
                        steps << QString::number(step);
                    }
                },
                [&] { steps << QStringLiteral("failure path"); });
        });
    });

    QCOMPARE(steps, done);
    QCOMPARE(seen.size(), messages);
}

void tst_failures::dispatchTellsTheFailureAndGoesOn_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("told");

    QTest::newRow("Failure") << "Failure" << "Δεν βρέθηκε το αρχείο εικόνας «CG07.bmp».";
    QTest::newRow("std::exception") << "runtime_error" << "index out of range";
    QTest::newRow("out of memory") << "bad_alloc" << "μνήμη";
    QTest::newRow("not an exception class") << "int" << "σφάλμα";
}

void tst_failures::dispatchTellsTheFailureAndGoesOn()
{
    QFETCH(QString, thrown);
    QFETCH(QString, told);

    QStringList steps;
    toolkit::Event failing;
    failing.bind([&] {
        steps << QStringLiteral("before");
        throwKind(thrown);
    });
    toolkit::Event next;
    next.bind([&] { steps << QStringLiteral("next"); });

    const QList<ShownMessage> seen = fixtures::closingMessageBoxes([&] {
        failing.raise();
        steps << QStringLiteral("after raise");
        next.raise();
    });

    QCOMPARE(steps, QStringList({"before", "after raise", "next"}));
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.front().text.contains(told), qPrintable(seen.front().text));
    QCOMPARE(seen.front().icon, QMessageBox::Warning);
    QCOMPARE(seen.front().title, QStringLiteral("Vornath"));

    // The same event raises normally again.
    const QList<ShownMessage> again = fixtures::closingMessageBoxes([&] { failing.raise(); });
    QCOMPARE(again.size(), 1);
    QCOMPARE(steps.count(QStringLiteral("before")), 2);
}

void tst_failures::failureInAClickHandler()
{
    // Raised from within Qt's event handling: nothing reaches Qt's event loop.
    toolkit::Form form(QStringLiteral("Vornath"), 3000, 3000);
    toolkit::Button button(form, {120, 120, 1500, 500}, QStringLiteral("ΟΚ"), std::nullopt, 0);
    int clicks = 0;
    button.clicked.bind([&] {
        ++clicks;
        throw toolkit::Failure(QStringLiteral("Υπερχείλιση αριθμού."));
    });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));

    const QList<ShownMessage> seen = fixtures::closingMessageBoxes([&] {
        QTest::mouseClick(button.widget(), Qt::LeftButton);
        QTest::mouseClick(button.widget(), Qt::LeftButton);
    });
    QCOMPARE(clicks, 2);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.back().text, QStringLiteral("Υπερχείλιση αριθμού."));
    QVERIFY(form.isVisible());
}

void tst_failures::startUp_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("told");

    QTest::newRow("good load") << "" << true << "";
    QTest::newRow("Failure") << "Failure" << false << "«CG07.bmp»";
    QTest::newRow("std::exception") << "runtime_error" << false << "ξεκινήσει";
}

void tst_failures::startUp()
{
    QFETCH(QString, thrown);
    QFETCH(bool, started);
    QFETCH(QString, told);

    std::unique_ptr<toolkit::Form> form;
    QStringList steps;
    bool result = !started;
    const QList<ShownMessage> seen = fixtures::closingMessageBoxes([&] {
        result = toolkit::startUp(
            [&]() -> toolkit::Form & {
                form = std::make_unique<toolkit::Form>(QStringLiteral("Vornath"), 4800, 10245);
                steps << QStringLiteral("created");
                return *form;
            },
            [&] {
                steps << (form->isVisible() ? QStringLiteral("load while shown") : QStringLiteral("load"));
                if (!thrown.isEmpty())
                    throwKind(thrown);
            });
    });

    QCOMPARE(result, started);
    QCOMPARE(steps, QStringList({"created", "load"}));
    QVERIFY(form);
    QCOMPARE(form->isVisible(), started);
    if (started) {
        QVERIFY2(seen.isEmpty(), qPrintable(fixtures::unexpected(seen.value(0))));
        return;
    }
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.front().text.contains(told), qPrintable(seen.front().text));
    QCOMPARE(seen.front().icon, QMessageBox::Warning);
    QVERIFY(!anyWindowVisible());
}

void tst_failures::endProgramStopsTheLoopAndHidesEveryWindow()
{
    toolkit::Form main(QStringLiteral("Vornath"), 4800, 3000);
    toolkit::Form viewer(QStringLiteral("viewer"), 3000, 3000);
    main.show();
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer.widget(), fixtures::hangGuardMs));

    const std::optional<int> code = fixtures::runUntilProgramEnds([] { toolkit::endProgram(); });
    QVERIFY2(code, "endProgram did not stop the event loop");
    QCOMPARE(*code, 0);
    QVERIFY(!main.isVisible());
    QVERIFY(!viewer.isVisible());
    QVERIFY(!anyWindowVisible());
}

void tst_failures::closingTheStartUpFormEndsTheProgram()
{
    std::unique_ptr<toolkit::Form> main;
    QVERIFY(toolkit::startUp(
        [&]() -> toolkit::Form & {
            main = std::make_unique<toolkit::Form>(QStringLiteral("Vornath"), 4800, 3000);
            return *main;
        },
        [] {}));
    toolkit::Form viewer(QStringLiteral("viewer"), 3000, 3000);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(main->widget(), fixtures::hangGuardMs));

    const std::optional<int> code = fixtures::runUntilProgramEnds([&] { main->widget()->close(); });
    QVERIFY2(code, "closing the start-up window by its frame did not end the program");
    QCOMPARE(*code, 0);
    QVERIFY(main->closedByLearner());
    QVERIFY(!viewer.isVisible());
    QVERIFY(!anyWindowVisible());
}

void tst_failures::closingASecondaryFormGoesOn()
{
    QVERIFY(!anyWindowVisible());
    toolkit::Form viewer(QStringLiteral("viewer"), 3000, 3000);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer.widget(), fixtures::hangGuardMs));

    // The application's own loop, in which closing the last window would end
    // it were that not turned off. The test ends the loop itself, with 7, when
    // Qt has seen the last window close; posted, so that it comes after
    // anything that closing posts.
    QObject context;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &context, [] {
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(7); }, Qt::QueuedConnection);
    });
    const std::optional<int> code = fixtures::runUntilProgramEnds([&] { viewer.widget()->close(); });
    QVERIFY2(code, "Qt never told that the last window had closed");
    QVERIFY2(*code == 7, "closing a secondary window ended the program");
    QVERIFY(viewer.closedByLearner());
    QVERIFY(!viewer.isVisible());
}

QTEST_MAIN(tst_failures)
#include "tst_failures.moc"
