// make_appicon OUTDIR SIZE...
//
// Draws the application icon at each size given and writes it as
// OUTDIR/vornath-SIZE.png, SIZE x SIZE pixels on a transparent ground. The
// icon is a blue crystal, a square bipyramid (an octahedron drawn out along
// its four-fold axis), seen from a little above, with that axis standing
// through it in red. Each size is drawn for itself, with lines on whole
// pixels where it is small: up to 24 px it keeps only the shaded faces, a dark
// outline and the axis' two ends; from 32 px the edges show as glass, and from
// 48 px the axis shows through the crystal with the four-fold symbol, a small
// square, at its ends.

#include "geometry.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double degrees = std::numbers::pi / 180;

using pictures::Vec3;

// The crystal in the viewer's frame (x right, y up, z toward the viewer): apex
// above, apex below, and four corners round the middle, turned a little about
// the axis and tipped toward the viewer so that the upper faces show.
struct Crystal {
    static constexpr double halfHeight = 1.15;
    static constexpr double turn = 27 * degrees;
    static constexpr double tip = 13 * degrees;

    Vec3 top = tipped({0, halfHeight, 0});
    Vec3 bottom = tipped({0, -halfHeight, 0});
    std::array<Vec3, 4> middle = [] {
        std::array<Vec3, 4> corners{};
        for (std::size_t k = 0; k < 4; ++k) {
            const double a = turn + double(k) * 90 * degrees;
            corners[k] = tipped({std::cos(a), 0, std::sin(a)});
        }
        return corners;
    }();

    static Vec3 tipped(Vec3 v)
    {
        return {v.x, v.y * std::cos(tip) - v.z * std::sin(tip), v.y * std::sin(tip) + v.z * std::cos(tip)};
    }

    // The eight faces, each an apex and two neighbouring corners.
    std::vector<std::array<Vec3, 3>> faces() const
    {
        std::vector<std::array<Vec3, 3>> all;
        for (std::size_t k = 0; k < 4; ++k) {
            all.push_back({top, middle[k], middle[(k + 1) % 4]});
            all.push_back({bottom, middle[k], middle[(k + 1) % 4]});
        }
        return all;
    }
};

// Outward normal of a face of a solid centred on the origin.
Vec3 outwardNormal(const std::array<Vec3, 3> &face)
{
    const Vec3 n = pictures::normalized(pictures::cross(face[1] - face[0], face[2] - face[0]));
    const Vec3 centre = (face[0] + face[1] + face[2]) * (1.0 / 3);
    return pictures::dot(n, centre) < 0 ? -n : n;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

const QColor deepBlue(14, 52, 110);
const QColor paleBlue(214, 240, 255);
const QColor outlineColour(8, 30, 66);
const QColor axisRed(214, 40, 32);

// What a size shows, and how thick its lines are, in pixels.
struct Style {
    double outline;
    double axisWidth;
    double axisReach;    // how far the axis stands out beyond each apex
    bool sheen;          // each face lighter toward its apex
    bool glassEdges;     // light lines along the inner edges
    bool axisInside;     // the axis seen through the crystal
    bool fourFoldMarks;  // a small square, the four-fold symbol, at each end
};

Style styleFor(int size)
{
    if (size <= 16)
        return {1, 1, 2, false, false, false, false};
    if (size <= 24)
        return {1, 1, 3, false, false, false, false};
    if (size <= 32)
        return {1.25, 2, 3, true, true, false, false};
    if (size <= 48)
        return {1.5, 2, 4, true, true, true, true};
    return {1 + size / 64.0, size / 28.0, size * 0.11, true, true, true, true};
}

QImage draw(int size)
{
    const Style style = styleFor(size);
    const Crystal crystal;

    // The axis runs from the top of the picture to its bottom; the crystal
    // fills what the axis' ends leave, as wide as the picture allows.
    double halfWidth = 0;
    for (const Vec3 &c : crystal.middle)
        halfWidth = std::max(halfWidth, std::abs(c.x));
    const double pad = size >= 48 ? size / 64.0 : 0;
    const double reach = style.axisReach;
    const double scale = std::min((size - 2 * (pad + reach)) / (crystal.top.y - crystal.bottom.y),
                                  (size - 2 * std::max(0.5, style.outline)) / (2 * halfWidth));
    // A one-pixel axis sits on a pixel's middle, a two-pixel one between two.
    double centreX = size / 2.0;
    if (std::lround(style.axisWidth) % 2 == 1)
        centreX -= 0.5;
    const double centreY = size / 2.0 + (crystal.top.y + crystal.bottom.y) / 2 * scale;
    const auto toPixel = [&](Vec3 v) { return QPointF(centreX + v.x * scale, centreY - v.y * scale); };
    const QPointF top = toPixel(crystal.top);
    const QPointF bottom = toPixel(crystal.bottom);
    const QPointF axisTop = top - QPointF(0, reach);
    const QPointF axisBottom = bottom + QPointF(0, reach);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The axis' two ends, behind the crystal's outline.
    painter.setPen(QPen(axisRed, style.axisWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(axisTop, top + QPointF(0, style.outline));
    painter.drawLine(bottom - QPointF(0, style.outline), axisBottom);

    // The faces that face the viewer, shaded by a light from the upper left.
    const Vec3 light = pictures::normalized({-0.6, 0.5, 0.62});
    struct Shown {
        QPolygonF polygon;
        QColor colour;
    };
    std::vector<Shown> shown;
    QPainterPath silhouette;
    for (const auto &face : crystal.faces()) {
        const Vec3 n = outwardNormal(face);
        if (n.z <= 0)
            continue;
        QPolygonF polygon;
        for (const Vec3 &v : face)
            polygon << toPixel(v);
        const double lit = std::min(1.0, 0.12 + 0.9 * std::max(0.0, pictures::dot(n, light)));
        shown.push_back({polygon, mix(deepBlue, paleBlue, lit)});
        silhouette.addPolygon(polygon);
    }
    silhouette = silhouette.simplified();

    // An opaque ground under the faces, so that the seams between them, which
    // antialiasing leaves part-covered, show no background through.
    painter.setPen(Qt::NoPen);
    painter.fillPath(silhouette, mix(deepBlue, paleBlue, 0.45));
    for (const Shown &face : shown) {
        if (style.sheen) {
            QLinearGradient sheen(face.polygon[0], (face.polygon[1] + face.polygon[2]) / 2);
            sheen.setColorAt(0, face.colour.lighter(115));
            sheen.setColorAt(1, face.colour.darker(110));
            painter.setBrush(sheen);
        } else {
            painter.setBrush(face.colour);
        }
        painter.drawPolygon(face.polygon);
    }

    if (style.axisInside) {
        QColor seen = axisRed;
        seen.setAlphaF(0.5f);
        QPen pen(seen, style.axisWidth * 0.6, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({3, 2.5});
        painter.setPen(pen);
        painter.drawLine(top, bottom);
    }

    if (style.glassEdges) {
        QColor edge = Qt::white;
        edge.setAlphaF(0.5f);
        painter.setPen(QPen(edge, std::max(1.0, style.outline * 0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        for (const Shown &face : shown)
            painter.drawPolygon(face.polygon);
    }

    // The outline round the whole crystal keeps it apart from any ground.
    painter.setPen(QPen(outlineColour, style.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(silhouette);

    if (style.fourFoldMarks) {
        const double side = style.axisWidth * 2;
        painter.setPen(QPen(outlineColour, std::max(1.0, style.outline * 0.5)));
        painter.setBrush(axisRed);
        painter.drawRect(QRectF(axisTop.x() - side / 2, axisTop.y(), side, side));
        painter.drawRect(QRectF(axisBottom.x() - side / 2, axisBottom.y() - side, side, side));
    }

    painter.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        err << "usage: make_appicon OUTDIR SIZE...\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "make_appicon: cannot create " << out.path() << '\n';
        return 1;
    }
    for (const QString &arg : args.mid(2)) {
        bool ok = false;
        const int size = arg.toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            err << "make_appicon: not a size from 16 to 1024: " << arg << '\n';
            return 2;
        }
        const QString path = out.filePath(QStringLiteral("vornath-%1.png").arg(size));
        if (!draw(size).save(path, "PNG")) {
            err << "make_appicon: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
