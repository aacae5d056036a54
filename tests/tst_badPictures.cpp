// Picture files that anyone can put in the working directory, made wrong in
// every way that matters: each one fails cleanly where the program meets it,
// and none is waited for (a load that waits on a FIFO is let go after a wide
// guard, and the test fails). A bad model picture takes the model choice's
// silent failure path, noted on standard error only; a bad card ends the
// showing with a message naming the file.

#include "Running.h"

#include "toolkit/Picture.h"

#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using fixtures::ShownMessage;

namespace {

// The beginnings of the descriptions that loading gives, one per reason.
const QString notFound = QStringLiteral("Δεν βρέθηκε το αρχείο εικόνας");
const QString notAFile = QStringLiteral("δεν είναι αρχείο εικόνας");
const QString tooLarge = QStringLiteral("είναι πολύ μεγάλο.");
const QString tooManyPixels = QStringLiteral("έχει πολύ μεγάλες διαστάσεις");
const QString notAPicture = QStringLiteral("Δεν είναι δυνατή η φόρτωση της εικόνας");

// Makes `name` in the working directory bad in the way `made` says; `declared`
// and `bits` describe the picture that a hand-written BMP header claims.
void makeBad(const QString &made, const QString &name, QSize declared, int bits)
{
    const QByteArray path = QFile::encodeName(name);
    if (made == u"missing") {
        QVERIFY(!QFile::exists(name));
    } else if (made == u"directory") {
        QVERIFY(QDir().mkdir(name));
    } else if (made == u"FIFO") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (made == u"link to a FIFO") {
        QCOMPARE(::mkfifo("fifo", 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("fifo"), name));
    } else if (made == u"link to a directory") {
        QVERIFY(QDir().mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(QStringLiteral("folder"), name));
    } else if (made == u"link to a device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
    } else if (made == u"dangling link") {
        QVERIFY(QFile::link(QStringLiteral("nowhere.bmp"), name));
    } else if (made == u"empty") {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (made == u"text") {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("Ξύλινο μοντέλο: not a picture\n") > 0);
    } else if (made.startsWith(u"cut to ")) {
        // A good 300 x 200 BMP cut to that many bytes (negative: less that many).
        fixtures::writePicture(name, 300, 200);
        QFile file(name);
        const int keep = made.sliced(7).toInt();
        QVERIFY(file.resize(keep >= 0 ? keep : file.size() + keep));
    } else if (made == u"over the size limit") {
        // A good picture padded (sparsely) one byte beyond the limit.
        fixtures::writePicture(name, 300, 200);
        QVERIFY(QFile(name).resize(toolkit::maxPictureFileBytes + 1));
    } else if (made == u"BMP header") {
        fixtures::writeBmpHeader(name, declared.width(), declared.height(), quint16(bits));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown fixture ") + made));
    }
}

// Opens the other end of the FIFO at path, so that a load that waits on it
// for a writer goes on (and reads nothing); true when a load was waiting.
bool releaseFifoReader(const char *path)
{
    struct stat file {};
    if (::stat(path, &file) != 0 || !S_ISFIFO(file.st_mode))
        return false;
    const int writer = ::open(path, O_WRONLY | O_NONBLOCK); // fails at once while no one reads
    if (writer < 0)
        return false;
    ::close(writer);
    return true;
}

// Runs action, which loads the picture named name. Should the load still wait
// after the hang guard's time, it waits on a FIFO there: its other end is
// opened to let it go, and the result says so. Once a load has waited, this
// run of the test program has shown the fault, and later loads are let go at
// once, so that the rows after it end within CTest's limit.
bool waitedOnFifo(const QString &name, const std::function<void()> &action)
{
    static bool waitSeen = false;
    const QByteArray path = QFile::encodeName(name);
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool waited = false;
    std::thread guard([&] {
        std::unique_lock lock(mutex);
        const auto guardTime = std::chrono::milliseconds(waitSeen ? 0 : fixtures::hangGuardMs);
        if (ended.wait_for(lock, guardTime, [&] { return done; }))
            return;
        while (!done) {
            waited = releaseFifoReader(path.constData()) || waited;
            ended.wait_for(lock, std::chrono::milliseconds(10), [&] { return done; });
        }
    });
    action();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_all();
    guard.join();
    waitSeen = waitSeen || waited;
    return waited;
}

} // namespace

class tst_badPictures : public fixtures::RunningTest {
    Q_OBJECT

private slots:
    void badModelPictureTakesTheSilentPath_data() { badFixtures(); }
    void badModelPictureTakesTheSilentPath();
    void badCardIsToldAndTheProgramGoesOn_data() { badFixtures(); }
    void badCardIsToldAndTheProgramGoesOn();
    void anotherFormatNamedBmpLoads();
    void fifoSwappedInWhileLoadingIsNeverWaitedFor();

private:
    static void badFixtures();
    frmCrystalModel &viewer() { return *program->vornath.crystalModel; }
};

void tst_badPictures::badFixtures()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<QSize>("declared");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << "missing" << QSize() << 0 << notFound;
    QTest::newRow("directory") << "directory" << QSize() << 0 << notAFile;
    QTest::newRow("FIFO") << "FIFO" << QSize() << 0 << notAFile;
    QTest::newRow("link to a FIFO") << "link to a FIFO" << QSize() << 0 << notAFile;
    QTest::newRow("link to a directory") << "link to a directory" << QSize() << 0 << notAFile;
    QTest::newRow("link to a device") << "link to a device" << QSize() << 0 << notAFile;
    QTest::newRow("dangling link") << "dangling link" << QSize() << 0 << notFound;
    QTest::newRow("empty file") << "empty" << QSize() << 0 << notAPicture;
    QTest::newRow("not a picture") << "text" << QSize() << 0 << notAPicture;
    QTest::newRow("BMP cut in its header") << "cut to 20" << QSize() << 0 << notAPicture;
    QTest::newRow("BMP cut in its pixels") << "cut to 1000" << QSize() << 0 << notAPicture;
    QTest::newRow("BMP without its last byte") << "cut to -1" << QSize() << 0 << notAPicture;
    QTest::newRow("file over the size limit") << "over the size limit" << QSize() << 0 << tooLarge;
    // Qt's BMP reader itself refuses headers beyond 16384 x 16384 pixels.
    QTest::newRow("declares 60000 x 60000") << "BMP header" << QSize(60000, 60000) << 24 << notAPicture;
    QTest::newRow("declares 20000 x 20000 at 1 bit") << "BMP header" << QSize(20000, 20000) << 1 << notAPicture;
    QTest::newRow("declares 10000 x 10000 at 1 bit") << "BMP header" << QSize(10000, 10000) << 1 << tooManyPixels;
    QTest::newRow("declares a side of 20000") << "BMP header" << QSize(20000, 10) << 24 << tooManyPixels;
    QTest::newRow("declares a height of 16385") << "BMP header" << QSize(1, 16385) << 8 << tooManyPixels;
    // Within the limits, so the reader allocates it and then runs out of bytes.
    QTest::newRow("declares 5000 x 5000 in a few bytes") << "BMP header" << QSize(5000, 5000) << 32 << notAPicture;
}

void tst_badPictures::badModelPictureTakesTheSilentPath()
{
    QFETCH(QString, made);
    QFETCH(QSize, declared);
    QFETCH(int, bits);
    QFETCH(QString, reason);

    // A good first choice, whose viewer state the failure keeps.
    fixtures::CapturedStandardError standardError;
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    program->chooseModel(0);
    QVERIFY(viewer().isVisible());
    const toolkit::Twips width = viewer().width();
    const toolkit::Twips height = viewer().height();
    const toolkit::Twips left = viewer().left();

    makeBad(made, QStringLiteral("CrystalModel_02.bmp"), declared, bits);
    if (QTest::currentTestFailed())
        return;
    program->enterCounts(fixtures::noZeroCounts);
    QList<ShownMessage> shown;
    const bool waited = waitedOnFifo(QStringLiteral("CrystalModel_02.bmp"), [&] {
        shown = fixtures::closingMessageBoxes([&] { program->chooseModel(1); });
    });

    QVERIFY2(!waited, "loading the model picture waited for a writer of a FIFO");
    QVERIFY2(shown.isEmpty(), qPrintable(fixtures::unexpected(shown.value(0))));
    QVERIFY(program->vornath.crystalModel.exists());
    QVERIFY(!viewer().isVisible());
    QCOMPARE(program->subs().selectedModel, 0);
    QCOMPARE(program->counts(), QStringList(16, QStringLiteral("0")));
    QCOMPARE(viewer().picCrystalModel.picture().widthPixels(), 300);
    QCOMPARE(viewer().width(), width);
    QCOMPARE(viewer().height(), height);
    QCOMPARE(viewer().left(), left);

    // The program goes on: a good choice shows the viewer again.
    program->chooseModel(0);
    QVERIFY(viewer().isVisible());
    QCOMPARE(program->subs().selectedModel, 1);

    // Whoever installed the program finds one line on standard error, naming
    // the file where it was looked for, and why it could not be loaded.
    const QStringList noted = standardError.lines();
    QCOMPARE(noted.size(), 1);
    const QString file = QDir::current().absoluteFilePath(QStringLiteral("CrystalModel_02.bmp"));
    QVERIFY2(noted[0].startsWith(QStringLiteral("vornath: %1: ").arg(file)), qPrintable(noted[0]));
    QVERIFY2(noted[0].contains(reason), qPrintable(noted[0]));
}

void tst_badPictures::badCardIsToldAndTheProgramGoesOn()
{
    QFETCH(QString, made);
    QFETCH(QSize, declared);
    QFETCH(int, bits);
    QFETCH(QString, reason);

    // Model 1's right answer belongs to class 20: cards CS_05.bmp and CG20.bmp.
    fixtures::writePicture(program->dir.path("CrystalModel_01.bmp"), 300, 200);
    fixtures::writePicture(program->dir.path("CS_05.bmp"), 300, 60);
    const QString card = QStringLiteral("CG20.bmp");
    makeBad(made, card, declared, bits);
    if (QTest::currentTestFailed())
        return;
    program->chooseModel(0);
    program->enterCounts(QStringLiteral("0106000000001016"));

    QList<ShownMessage> shown;
    const bool waited = waitedOnFifo(card, [&] { shown = program->accept(); });
    QVERIFY2(!waited, "loading the card waited for a writer of a FIFO");
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("ΣΩΣΤΗ ΑΠΑΝΤΗΣΗ! ΜΠΡΑΒΟ!"));
    QVERIFY2(shown[1].text.contains(QStringLiteral("«%1»").arg(card)), qPrintable(shown[1].text));
    QVERIFY2(shown[1].text.contains(reason), qPrintable(shown[1].text));
    QCOMPARE(shown[1].icon, QMessageBox::Warning);
    QVERIFY(!program->vornath.groupCard->isVisible());
    QVERIFY(program->main().isVisible());
    QCOMPARE(program->subs().selectedModel, 1);

    // Once the card is a picture, the same answer shows the cards.
    QFile::remove(card);
    QDir().rmdir(card);
    fixtures::writePicture(program->dir.path(card), 280, 90);
    QCOMPARE(program->accept().size(), 1);
    QVERIFY(program->vornath.groupCard->isVisible());
    QCOMPARE(program->vornath.groupCard->picDetailCard.picture().widthPixels(), 280);
}

void tst_badPictures::anotherFormatNamedBmpLoads()
{
    // The reader goes by the content, not the name.
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(program->dir.path("CrystalModel_01.bmp"), "PNG"));
    program->chooseModel(0);
    QVERIFY(viewer().isVisible());
    QCOMPARE(viewer().picCrystalModel.picture().widthPixels(), 120);
    QCOMPARE(QColor(viewer().picCrystalModel.picture().image().pixel(0, 0)), QColor(Qt::darkCyan));
    QCOMPARE(program->subs().selectedModel, 1);
}

void tst_badPictures::fifoSwappedInWhileLoadingIsNeverWaitedFor()
{
    // Another program keeps putting a FIFO in the picture's place and a picture
    // back (each a hard link renamed into place) while the picture is loaded
    // again and again. Every load must end at once, with the picture or a
    // failure. A load that opened the FIFO to wait for a writer is released by
    // the swapper once the loads stop making progress, and counted.
    QCOMPARE(::mkfifo("fifo", 0600), 0);
    fixtures::writePicture(program->dir.path("picture.bmp"), 30, 20);

    constexpr int loads = 3000;
    // A hang guard: a load takes well under a millisecond, so one that has not
    // ended after this long waits on the FIFO, however busy the machine.
    constexpr qint64 stuckMs = 30'000;
    std::atomic<int> done{0};
    std::atomic<bool> finished{false};
    std::atomic<bool> waited{false};
    std::thread swapper([&] {
        QElapsedTimer sinceProgress;
        sinceProgress.start();
        int seen = 0;
        while (!finished) {
            for (const char *original : {"fifo", "picture.bmp"}) {
                ::unlink("next");
                if (::link(original, "next") == 0)
                    ::rename("next", "CrystalModel_02.bmp");
            }
            if (done != seen) {
                seen = done;
                sinceProgress.restart();
            } else if (sinceProgress.elapsed() > stuckMs) {
                if (releaseFifoReader("fifo"))
                    waited = true;
                sinceProgress.restart();
            }
        }
    });
    int loaded = 0;
    int refused = 0;
    QString otherError; // anything but the toolkit's failure, which dispatch alone should meet
    for (int i = 0; i < loads && !waited && otherError.isEmpty(); ++i) {
        try {
            loaded += toolkit::loadPicture(QStringLiteral("CrystalModel_02.bmp")).widthPixels() == 30;
        } catch (const toolkit::Failure &) {
            ++refused;
        } catch (const std::exception &error) {
            otherError = QString::fromLocal8Bit(error.what());
        } catch (...) {
            otherError = QStringLiteral("an exception of another kind");
        }
        ++done;
    }
    finished = true;
    swapper.join();
    qInfo("%d loads: %d pictures, %d failures", int(done), loaded, refused);
    QVERIFY2(!waited, "a load waited for a writer of the FIFO");
    QVERIFY2(otherError.isEmpty(), qPrintable("a load threw " + otherError));
    QCOMPARE(loaded + refused, loads);
    QVERIFY(loaded > 0);
    QVERIFY(refused > 0);
}

QTEST_MAIN(tst_badPictures)
#include "tst_badPictures.moc"
