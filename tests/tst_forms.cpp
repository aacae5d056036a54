// Windows: outer geometry from the platform's frame margins, showing and
// hiding, the one instance of a secondary window, and the focus order.

#include "Fixtures.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Instance.h"
#include "toolkit/ListBox.h"
#include "toolkit/TextBox.h"

#include <QProcessEnvironment>
#include <QScreen>
#include <QWindow>

namespace {

// The frame the platform puts round a window; none (and a failed test) while
// the window has no platform window.
QMargins marginsOf(const toolkit::Form &form)
{
    const QWindow *window = form.widget()->windowHandle();
    if (!window) {
        fixtures::failTest(QStringLiteral("the window «%1» has no platform window").arg(form.widget()->windowTitle()));
        return {};
    }
    return window->frameMargins();
}

// A secondary window with a text box, counting how many were created.
class Viewer : public toolkit::Form {
public:
    explicit Viewer(int serial)
        : Form(QStringLiteral("viewer"), 3000, 2000), serial(serial),
          txtNote(*this, {120, 120, 1500, 375}, QStringLiteral("stored"), std::nullopt, 0)
    {
    }

    const int serial;
    toolkit::TextBox txtNote;
};

} // namespace

class tst_forms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void outerSizeIncludesTheFrame();
    void positionIsTheFramesTopLeft_data();
    void positionIsTheFramesTopLeft();
    void outerSizeSets_data();
    void outerSizeSets();
    void firstShowingTakesTheFrameOfAnotherWindow();
    void showAndHideKeepTheControls();

    void instanceCreatedOnFirstUse();
    void instanceRecreatedAfterTheLearnerClosesIt();

    void focusFollowsTabIndex();

    void x11PreferredOnWayland_data();
    void x11PreferredOnWayland();
};

void tst_forms::initTestCase()
{
    toolkit::prepareApplication();
}

void tst_forms::outerSizeIncludesTheFrame()
{
    toolkit::Form form(QStringLiteral("Vornath"), 4800, 10245);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    const QMargins m = marginsOf(form);
    QVERIFY2(!m.isNull(), "the offscreen platform reports a frame");
    QCOMPARE(form.widget()->size(), QSize(320, 683));
    QCOMPARE(form.width(), (320 + m.left() + m.right()) * 15);
    QCOMPARE(form.height(), (683 + m.top() + m.bottom()) * 15);
    QCOMPARE(form.widget()->frameGeometry().size() * 15, QSize(int(form.width()), int(form.height())));
}

void tst_forms::positionIsTheFramesTopLeft_data()
{
    QTest::addColumn<bool>("setWhileHidden");
    QTest::addColumn<QPoint>("twips");

    QTest::newRow("0, 0 set while hidden") << true << QPoint(0, 0);
    QTest::newRow("0, 0 set while shown") << false << QPoint(0, 0);
    QTest::newRow("1500, 3000 set while hidden") << true << QPoint(1500, 3000);
    QTest::newRow("1500, 3000 set while shown") << false << QPoint(1500, 3000);
}

void tst_forms::positionIsTheFramesTopLeft()
{
    QFETCH(bool, setWhileHidden);
    QFETCH(QPoint, twips);

    toolkit::Form form(QStringLiteral("Vornath"), 4800, 10245);
    const auto place = [&] {
        form.setLeft(twips.x());
        form.setTop(twips.y());
    };
    if (setWhileHidden)
        place();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    if (!setWhileHidden)
        place();

    const QPoint pixels = twips / 15;
    QTRY_COMPARE_WITH_TIMEOUT(form.widget()->frameGeometry().topLeft(), pixels, fixtures::hangGuardMs);
    QCOMPARE(form.left(), twips.x());
    QCOMPARE(form.top(), twips.y());
    const QMargins m = marginsOf(form);
    QCOMPARE(form.widget()->geometry().topLeft(), pixels + QPoint(m.left(), m.top()));
    // Placing it keeps its size.
    QCOMPARE(form.widget()->size(), QSize(320, 683));
}

void tst_forms::outerSizeSets_data()
{
    QTest::addColumn<bool>("setWhileHidden");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QSize>("framePixels");

    QTest::newRow("whole pixels, hidden") << true << 6000.f << 4500.f << QSize(400, 300);
    QTest::newRow("whole pixels, shown") << false << 6000.f << 4500.f << QSize(400, 300);
    QTest::newRow("rounded, hidden") << true << 5000.f << 5005.f << QSize(333, 334);
    QTest::newRow("rounded, shown") << false << 5000.f << 5005.f << QSize(333, 334);
}

void tst_forms::outerSizeSets()
{
    QFETCH(bool, setWhileHidden);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QSize, framePixels);

    toolkit::Form form(QStringLiteral("Vornath"), 4800, 10245);
    form.setLeft(1500);
    form.setTop(750);
    if (!setWhileHidden) {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    }
    form.setWidth(width);
    form.setHeight(height);
    QCOMPARE(form.isVisible(), !setWhileHidden);
    const auto readsAsSet = [&] {
        QCOMPARE(form.width(), framePixels.width() * 15);
        QCOMPARE(form.height(), framePixels.height() * 15);
        QCOMPARE(form.left(), 1500);
        QCOMPARE(form.top(), 750);
    };
    readsAsSet();

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    QTRY_COMPARE_WITH_TIMEOUT(form.widget()->frameGeometry(), QRect(QPoint(100, 50), framePixels),
                              fixtures::hangGuardMs);
    QCOMPARE(form.widget()->size(), framePixels.shrunkBy(marginsOf(form)));
    readsAsSet();
}

// A window sized before its first showing takes the frame of a window of ours
// that is framed already, so it comes on screen at its size at once.
void tst_forms::firstShowingTakesTheFrameOfAnotherWindow()
{
    toolkit::Form framed(QStringLiteral("Vornath"), 4800, 10245);
    framed.show();
    QVERIFY(QTest::qWaitForWindowExposed(framed.widget(), fixtures::hangGuardMs));
    const QMargins m = marginsOf(framed);

    toolkit::Form viewer(QStringLiteral("viewer"), 4560, 3060);
    viewer.setWidth(4600);
    viewer.setHeight(4100);
    viewer.setTop(0);
    viewer.setLeft(framed.width() + framed.left() + 10);
    QCOMPARE(viewer.widget()->size(), QSize(307, 273).shrunkBy(m));

    fixtures::SizeWhenShown shown(viewer.widget());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer.widget(), fixtures::hangGuardMs));
    QCOMPARE(shown.size, QSize(307, 273).shrunkBy(m));
    QCOMPARE(viewer.widget()->frameGeometry(), QRect(framed.widget()->frameGeometry().right() + 2, 0, 307, 273));
}

void tst_forms::showAndHideKeepTheControls()
{
    toolkit::Form form(QStringLiteral("Vornath"), 4800, 3000);
    toolkit::TextBox box(form, {120, 120, 1500, 375}, QStringLiteral("0"), std::nullopt, 0);
    toolkit::ListBox list(form, {120, 600, 2000, 1500}, std::nullopt, 1);
    list.append(QStringLiteral("one"));
    QVERIFY(!form.isVisible());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    QVERIFY(form.isVisible());
    QVERIFY(box.widget()->isVisible());
    box.setText(QStringLiteral("12"));

    form.hide();
    QVERIFY(!form.isVisible());
    QVERIFY(!form.closedByLearner());
    QCOMPARE(box.text(), QStringLiteral("12"));
    QCOMPARE(list.count(), 1);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.widget(), fixtures::hangGuardMs));
    QCOMPARE(box.widget()->parentWidget(), form.widget());
    QVERIFY(box.widget()->isVisible());
    QCOMPARE(box.text(), QStringLiteral("12"));
    QCOMPARE(list.entry(0), QStringLiteral("one"));
}

void tst_forms::instanceCreatedOnFirstUse()
{
    int created = 0;
    toolkit::Instance<Viewer> viewer([&created] { return std::make_unique<Viewer>(++created); });
    QVERIFY(!viewer.exists());
    QCOMPARE(created, 0);

    Viewer *first = &*viewer;
    QCOMPARE(created, 1);
    QVERIFY(viewer.exists());
    QVERIFY(!first->isVisible());

    viewer->show();
    viewer->txtNote.setText(QStringLiteral("changed"));
    QCOMPARE(&*viewer, first);
    QCOMPARE(viewer->serial, 1);
    QCOMPARE(created, 1);

    // Hiding is no closing: the same window comes back as it was.
    viewer->hide();
    QCOMPARE(&*viewer, first);
    QCOMPARE(viewer->txtNote.text(), QStringLiteral("changed"));
    QCOMPARE(created, 1);
}

void tst_forms::instanceRecreatedAfterTheLearnerClosesIt()
{
    int created = 0;
    toolkit::Instance<Viewer> viewer([&created] { return std::make_unique<Viewer>(++created); });
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer->widget(), fixtures::hangGuardMs));
    viewer->txtNote.setText(QStringLiteral("changed"));

    // What the close box does.
    QVERIFY(viewer->widget()->close());
    QVERIFY(!viewer.exists());
    QCOMPARE(created, 1);

    QCOMPARE(viewer->serial, 2);
    QCOMPARE(created, 2);
    QVERIFY(viewer.exists());
    QVERIFY(!viewer->isVisible());
    QVERIFY(!viewer->closedByLearner());
    QCOMPARE(viewer->txtNote.text(), QStringLiteral("stored"));

    // The new one is kept in turn.
    QCOMPARE(viewer->serial, 2);
    QCOMPARE(created, 2);
}

void tst_forms::focusFollowsTabIndex()
{
    // Created in one order, tab indexes in another, with gaps between them.
    toolkit::Form form(QStringLiteral("Vornath"), 6000, 6000);
    toolkit::TextBox c(form, {120, 120, 1500, 375}, QString(), std::nullopt, 3);
    toolkit::ListBox a(form, {120, 600, 1500, 1500}, std::nullopt, 0);
    toolkit::TextBox d(form, {120, 2400, 1500, 375}, QString(), std::nullopt, 7);
    toolkit::Button b(form, {120, 3000, 1500, 500}, QStringLiteral("b"), std::nullopt, 1);
    const QList<QWidget *> order{a.widget(), b.widget(), c.widget(), d.widget(), a.widget()};

    form.show();
    QVERIFY(QTest::qWaitForWindowActive(form.widget(), fixtures::hangGuardMs));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), order.front(), fixtures::hangGuardMs);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == order[i], qPrintable(QStringLiteral("stop %1").arg(i)));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), d.widget());
}

void tst_forms::x11PreferredOnWayland_data()
{
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("platform");

    QTest::newRow("Wayland with XWayland") << "wayland-0" << "wayland" << ":0" << "" << "xcb";
    QTest::newRow("Wayland session type alone") << "" << "wayland" << ":0" << "" << "xcb";
    QTest::newRow("Wayland without X") << "wayland-0" << "wayland" << "" << "" << "";
    QTest::newRow("the learner's own choice") << "wayland-0" << "wayland" << ":0" << "wayland" << "wayland";
    QTest::newRow("an X11 session") << "" << "x11" << ":0" << "" << "";
}

void tst_forms::x11PreferredOnWayland()
{
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(QString, display);
    QFETCH(QString, chosen);
    QFETCH(QString, platform);

    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    const auto set = [](const char *name, const QString &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    };
    set("WAYLAND_DISPLAY", waylandDisplay);
    set("XDG_SESSION_TYPE", sessionType);
    set("DISPLAY", display);
    set("QT_QPA_PLATFORM", chosen);

    toolkit::preferX11();
    const QString result = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const char *name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM"})
        set(name, before.value(QString::fromLatin1(name)));
    QCOMPARE(result, platform);
}

QTEST_MAIN(tst_forms)
#include "tst_forms.moc"
