// The application's icon: each window of the running program, and the message
// boxes it opens, carry it to the window system; it holds every size of the
// icon theme it is installed into, each drawn on a transparent ground.

#include "Running.h"

#include "toolkit/Application.h"

#include <QIcon>
#include <QWindow>

#include <algorithm>

namespace {

// The sizes of the hicolor icon theme that the icon is drawn at.
const QList<int> themeSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The sizes an icon holds, smallest first, written "16x16 22x22 ...".
QString sizesOf(const QIcon &icon)
{
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QStringList written;
    for (QSize size : sizes)
        written << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    return written.join(u' ');
}

// The icon a window gives the window system; none before it has a platform window.
QIcon iconOf(const toolkit::Form &form)
{
    const QWindow *window = form.widget()->windowHandle();
    return window ? window->icon() : QIcon();
}

// The icon of each message box as it comes on the screen.
class MessageBoxIcons : public QObject {
public:
    MessageBoxIcons() { qApp->installEventFilter(this); }
    QList<QIcon> icons;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched)) {
            const QWindow *window = static_cast<QWidget *>(watched)->windowHandle();
            icons << (window ? window->icon() : QIcon());
        }
        return false;
    }
};

} // namespace

class tst_appIcon : public fixtures::RunningTest {
    Q_OBJECT

public:
    enum class Window { main, viewer, groupCard, messageBox };

private slots:
    void initTestCase();
    void everyWindowCarriesTheApplicationIcon_data();
    void everyWindowCarriesTheApplicationIcon();
    void eachSizeOnATransparentGround_data();
    void eachSizeOnATransparentGround();
};

void tst_appIcon::initTestCase()
{
    // What the program settles before its first window, as Vornath::run does.
    toolkit::prepareApplication();
}

void tst_appIcon::everyWindowCarriesTheApplicationIcon_data()
{
    QTest::addColumn<Window>("window");

    QTest::newRow("main window") << Window::main;
    QTest::newRow("model viewer after a model choice") << Window::viewer;
    QTest::newRow("group card after a right answer") << Window::groupCard;
    QTest::newRow("warning box") << Window::messageBox;
}

void tst_appIcon::everyWindowCarriesTheApplicationIcon()
{
    QFETCH(Window, window);

    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 64, 16);
    fixtures::writePicture(program->dir.path("CG20.bmp"), 64, 24);
    QIcon icon;
    switch (window) {
    case Window::main:
        icon = iconOf(program->main());
        break;
    case Window::viewer:
        program->chooseModel(0);
        QVERIFY(program->vornath.crystalModel->isVisible());
        icon = iconOf(*program->vornath.crystalModel);
        break;
    case Window::groupCard:
        program->chooseModel(0);
        program->enterCounts(QStringLiteral("0106000000001016"));
        program->accept();
        QVERIFY(program->vornath.groupCard->isVisible());
        icon = iconOf(*program->vornath.groupCard);
        break;
    case Window::messageBox: {
        // "Αποδοχή" with no model chosen opens the warning box.
        MessageBoxIcons shown;
        QCOMPARE(program->accept().size(), 1);
        QCOMPARE(shown.icons.size(), 1);
        icon = shown.icons.first();
        break;
    }
    }

    QVERIFY2(!icon.isNull(), "the window carries no icon");
    QVERIFY2(icon.cacheKey() == QApplication::windowIcon().cacheKey(),
             "the window carries an icon other than the application's");
    QStringList expected;
    for (int side : themeSizes)
        expected << QStringLiteral("%1x%1").arg(side);
    QCOMPARE(sizesOf(icon), expected.join(u' '));
}

void tst_appIcon::eachSizeOnATransparentGround_data()
{
    QTest::addColumn<int>("side");

    for (int side : themeSizes)
        QTest::addRow("%d px", side) << side;
}

void tst_appIcon::eachSizeOnATransparentGround()
{
    QFETCH(int, side);

    const QImage image = QApplication::windowIcon().pixmap(QSize(side, side)).toImage();
    QCOMPARE(image.size(), QSize(side, side));
    const int last = side - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QVERIFY2(image.pixelColor(corner).alpha() == 0,
                 qPrintable(QStringLiteral("the ground is not transparent at (%1, %2)").arg(corner.x()).arg(corner.y())));
    QVERIFY2(image.pixelColor(side / 2, side / 2).alpha() == 255, "nothing opaque is drawn in the middle");
}

QTEST_MAIN(tst_appIcon)
#include "tst_appIcon.moc"
