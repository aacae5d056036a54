#include "drawing.h"
#include "reference/mainSubs.h"
#include "toolkit/Conversions.h"
#include "toolkit/EntryList.h"

#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>

using namespace pictures;

namespace {

// Textbook symmetry of each class: group order, rotation axes by their
// highest order, mirror planes, centre, and 4-bar axes that are not 4-fold.
struct Expected {
    int order;
    int twofold, threefold, fourfold, sixfold;
    int mirrors;
    bool centre;
    int fourBar;
};

const std::map<int, Expected> kTextbook{
    {1, {1, 0, 0, 0, 0, 0, false, 0}},   {2, {2, 0, 0, 0, 0, 0, true, 0}},
    {3, {2, 1, 0, 0, 0, 0, false, 0}},   {4, {2, 0, 0, 0, 0, 1, false, 0}},
    {5, {4, 1, 0, 0, 0, 1, true, 0}},    {6, {4, 3, 0, 0, 0, 0, false, 0}},
    {7, {4, 1, 0, 0, 0, 2, false, 0}},   {8, {8, 3, 0, 0, 0, 3, true, 0}},
    {9, {3, 0, 1, 0, 0, 0, false, 0}},   {10, {6, 0, 1, 0, 0, 0, true, 0}},
    {11, {6, 3, 1, 0, 0, 0, false, 0}},  {12, {6, 0, 1, 0, 0, 3, false, 0}},
    {13, {12, 3, 1, 0, 0, 3, true, 0}},  {14, {6, 0, 1, 0, 0, 1, false, 0}},
    {15, {12, 3, 1, 0, 0, 4, false, 0}}, {16, {6, 0, 0, 0, 1, 0, false, 0}},
    {17, {12, 0, 0, 0, 1, 1, true, 0}},  {18, {12, 6, 0, 0, 1, 0, false, 0}},
    {19, {12, 0, 0, 0, 1, 6, false, 0}}, {20, {24, 6, 0, 0, 1, 7, true, 0}},
    {21, {4, 0, 0, 1, 0, 0, false, 0}},  {22, {4, 1, 0, 0, 0, 0, false, 1}},
    {23, {8, 0, 0, 1, 0, 1, true, 0}},   {24, {8, 4, 0, 1, 0, 0, false, 0}},
    {25, {8, 0, 0, 1, 0, 4, false, 0}},  {26, {8, 3, 0, 0, 0, 2, false, 1}},
    {27, {16, 4, 0, 1, 0, 5, true, 0}},  {28, {12, 3, 4, 0, 0, 0, false, 0}},
    {29, {24, 3, 4, 0, 0, 3, true, 0}},  {30, {24, 6, 4, 3, 0, 0, false, 0}},
    {31, {24, 3, 4, 0, 0, 6, false, 3}}, {32, {48, 6, 4, 3, 0, 9, true, 0}},
};

void compareElements(const std::vector<Mat3> &operations, const Expected &expected)
{
    const SymmetryElements e = symmetryElements(operations);
    QCOMPARE(int(operations.size()), expected.order);
    QCOMPARE(e.axesOfOrder(2), expected.twofold);
    QCOMPARE(e.axesOfOrder(3), expected.threefold);
    QCOMPARE(e.axesOfOrder(4), expected.fourfold);
    QCOMPARE(e.axesOfOrder(6), expected.sixfold);
    QCOMPARE(int(e.mirrorNormals.size()), expected.mirrors);
    QCOMPARE(e.centre, expected.centre);
    QCOMPARE(e.fourBarAxes(), expected.fourBar);
}

int bmpBitsPerPixel(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return -1;
    return quint8(header[28]) | (quint8(header[29]) << 8);
}

// Bounding box of everything darker than the white ground.
QRect inkBounds(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Marks on the stereogram closer than this read as one, or as a dot in a ring.
constexpr qreal kMinimumGap = 8.0;

qreal distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

bool contains(const PointGroup &group, const Mat3 &operation)
{
    return std::any_of(group.operations().begin(), group.operations().end(),
                       [&](const Mat3 &known) { return known.isNear(operation); });
}

// The highest symmetry of a system: the group that all its classes make together.
PointGroup systemGroup(int systemCode)
{
    std::string generators;
    for (const CrystalClass &c : kClasses)
        if (c.system == systemCode)
            (generators += ' ') += c.generators;
    return PointGroup::fromGenerators(generators);
}

// Whether the operation maps every pole onto a place where the same kind of
// mark (dot above the equator, ring below) already stands.
bool looksInvariant(const std::vector<Vec3> &poles, const Mat3 &operation)
{
    return std::all_of(poles.begin(), poles.end(), [&](Vec3 pole) {
        const Vec3 image = operation * pole;
        return std::any_of(poles.begin(), poles.end(), [&](Vec3 other) {
            return (other.z > 0) == (image.z > 0) &&
                   distance(stereographicOffset(other), stereographicOffset(image)) < kMinimumGap;
        });
    });
}

QString matrixText(const Mat3 &operation)
{
    QStringList entries;
    for (double v : operation.m)
        entries << QString::number(v, 'f', 2);
    return QStringLiteral("the matrix with rows %1").arg(entries.join(u' '));
}

// initTables fills a model list too; the pictures need only the tables.
class NoList : public toolkit::EntryList {
public:
    void clear() override {}
    void append(const QString &) override {}
};

mainSubs filledTables()
{
    mainSubs subs;
    NoList list;
    subs.initTables(list);
    return subs;
}

void addClassRows()
{
    QTest::addColumn<int>("number");
    for (const CrystalClass &c : kClasses)
        QTest::addRow("%d %s", c.number, c.international) << c.number;
}

QImage typeset(const QString &text, int pixelSize)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    drawNotation(p, QPointF(20, 150), f, text);
    return image;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void classGroups_data() { addClassRows(); }

    // The generators in the class table give each class its textbook symmetry
    // (the stereograms on the cards are drawn from these groups).
    void classGroups()
    {
        QFETCH(int, number);
        compareElements(PointGroup::fromGenerators(classByNumber(number).generators).operations(),
                        kTextbook.at(number));
    }

    void generalForms_data() { addClassRows(); }

    // The poles on a class card show its general form and nothing more: one
    // place per operation, or per pair of them where a mirror across c puts a
    // dot in a ring, all clearly apart; and no operation that the class lacks,
    // of its system's highest symmetry or a turn about c in steps of 15
    // degrees, maps the marks onto themselves.
    void generalForms()
    {
        QFETCH(int, number);
        const CrystalClass &c = classByNumber(number);
        const PointGroup group = PointGroup::fromGenerators(c.generators);
        const std::vector<Vec3> poles = group.orbit(generalPole(c));
        QCOMPARE(poles.size(), group.operations().size());

        std::vector<QPointF> places;
        qreal smallestGap = kStereogramRadius;
        for (Vec3 pole : poles) {
            const QPointF at = stereographicOffset(pole);
            if (std::any_of(places.begin(), places.end(), [&](QPointF p) { return distance(p, at) < 0.5; }))
                continue;
            for (QPointF p : places)
                smallestGap = std::min(smallestGap, distance(p, at));
            places.push_back(at);
        }
        const bool mirrorAcrossC = symmetryElements(group.operations()).hasMirrorNormalTo({0, 0, 1});
        QCOMPARE(places.size(), poles.size() / (mirrorAcrossC ? 2 : 1));
        QVERIFY2(smallestGap >= kMinimumGap, qPrintable(QStringLiteral("marks %1 px apart").arg(smallestGap)));

        std::vector<Mat3> others = systemGroup(c.system).operations();
        for (int step = 1; step < 24; ++step)
            others.push_back(Mat3::rotationZ(step * std::numbers::pi / 12));
        for (const Mat3 &operation : others)
            QVERIFY2(contains(group, operation) || !looksInvariant(poles, operation),
                     qPrintable(QStringLiteral("the marks look symmetric under %1").arg(matrixText(operation))));
    }

    // Each class card names the system that classSystem gives its class.
    void classSystems_data() { addClassRows(); }
    void classSystems()
    {
        QFETCH(int, number);
        QCOMPARE(toolkit::format00(classByNumber(number).system), filledTables().classSystem(number));
    }

    void modelSymmetry_data()
    {
        QTest::addColumn<int>("model");
        for (const CrystalModel &m : kModels)
            QTest::addRow("%d %s", m.number, m.description) << m.number;
    }

    // The solid drawn for a model has exactly the symmetry of the class it is
    // filed under, found from its corners alone; and it is a closed polyhedron.
    void modelSymmetry()
    {
        QFETCH(int, model);
        const CrystalModel &m = kModels.at(std::size_t(model - 1));
        QCOMPARE(m.number, model);
        const Solid solid = modelSolid(m);
        const int v = int(solid.vertices.size());
        const int e = int(solid.edges().size());
        const int f = int(solid.faces.size());
        QCOMPARE(v - e + f, 2);
        compareElements(symmetryOperations(solid), kTextbook.at(m.crystalClass));
    }

    // A model whose answer finds a class through classPattern is drawn with
    // that class's symmetry: the drill's hexagonal prism, cube, octahedron and
    // tetragonal prism.
    void answeredModels()
    {
        const mainSubs subs = filledTables();
        QList<int> answered;
        for (const CrystalModel &m : kModels)
            for (int n = 1; n <= 32; ++n)
                if (subs.classPattern(n) == subs.modelAnswer(m.number)) {
                    answered << m.number;
                    QCOMPARE(m.crystalClass, n);
                    break;
                }
        QCOMPARE(answered, (QList<int>{1, 2, 3, 17}));
        QCOMPARE(int(modelSolid(kModels[0]).faces.size()), 8);  // hexagonal prism and pinacoid
        QCOMPARE(int(modelSolid(kModels[1]).faces.size()), 6);  // cube
        QCOMPARE(int(modelSolid(kModels[2]).faces.size()), 8);  // octahedron
        QCOMPARE(int(modelSolid(kModels[16]).faces.size()), 12); // tetragonal prism and bipyramids
    }

    // All 59 pictures, under the program's names, as 24-bit BMP files of the right sizes.
    void writtenFiles()
    {
        QSet<QString> expectedNames;
        for (int i = 1; i <= 20; ++i)
            expectedNames << QStringLiteral("CrystalModel_%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        for (int i = 1; i <= 7; ++i)
            expectedNames << QStringLiteral("CS_%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        for (int i = 1; i <= 32; ++i)
            expectedNames << QStringLiteral("CG%1.bmp").arg(i, 2, 10, QLatin1Char('0'));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::vector<Picture> all = allPictures();
        QSet<QString> names;
        QSet<QByteArray> modelPixels;
        for (const Picture &picture : all) {
            names << picture.fileName;
            const QString path = dir.filePath(picture.fileName);
            QVERIFY(picture.image.save(path, "BMP"));
            QCOMPARE(bmpBitsPerPixel(path), 24);
            const QImage back(path);
            QVERIFY2(!back.isNull(), qPrintable(picture.fileName));
            const QSize size = picture.fileName.startsWith(u"CrystalModel") ? kModelSize
                               : picture.fileName.startsWith(u"CS_")        ? kSystemCardSize
                                                                            : kClassCardSize;
            QCOMPARE(back.size(), size);
            if (size == kModelSize) {
                const QImage rgb = back.convertToFormat(QImage::Format_RGB32);
                modelPixels << QByteArray(reinterpret_cast<const char *>(rgb.constBits()), rgb.sizeInBytes());
            }
        }
        QCOMPARE(int(all.size()), 59);
        QCOMPARE(names, expectedNames);
        QCOMPARE(int(modelPixels.size()), 20); // twenty different pictures
    }

    // A bar stands clear above its digit; a subscript hangs below the baseline.
    void notation()
    {
        const QRect digit = inkBounds(typeset(QStringLiteral("3"), 100));
        const QRect barred = inkBounds(typeset(QStringLiteral("-3"), 100));
        QCOMPARE(barred.bottom(), digit.bottom());
        QVERIFY(barred.top() < digit.top() - 4);
        QVERIFY(barred.width() >= digit.width()); // the bar spans the digit
        QVERIFY(barred.width() < digit.width() * 1.4);

        const QRect letter = inkBounds(typeset(QStringLiteral("C"), 100));
        const QRect withSub = inkBounds(typeset(QStringLiteral("C_2h"), 100));
        const QRect plain = inkBounds(typeset(QStringLiteral("C2h"), 100));
        QVERIFY(withSub.bottom() > letter.bottom() + 10);
        QVERIFY(withSub.width() < plain.width());
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
