#include "drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <atomic>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <thread>

namespace pictures {

namespace {

constexpr double degrees = std::numbers::pi / 180.0;

const QColor kPaper(248, 244, 233);
const QColor kInk(44, 38, 34);
const QColor kMutedInk(112, 102, 92);

QColor colourOf(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

QFont font(const char *family, qreal pixelSize, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Orthographic camera looking at the origin from the given direction; screen
// x goes right and y up.
struct Camera {
    Vec3 right, up, toViewer;

    Camera(double azimuthDegrees, double elevationDegrees)
    {
        const double az = azimuthDegrees * degrees;
        const double el = elevationDegrees * degrees;
        toViewer = {std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
        right = normalized(cross({0, 0, 1}, toViewer));
        up = cross(toViewer, right);
    }

    QPointF project(Vec3 p) const { return {dot(p, right), dot(p, up)}; }
    Vec3 fromCamera(double x, double y, double z) const { return right * x + up * y + toViewer * z; }
};

// Maps camera-plane coordinates to pixels, fitting a box into a target rectangle.
struct ScreenMapping {
    double scale = 1.0;
    QPointF offset;

    static ScreenMapping fit(const QRectF &box, const QRectF &target)
    {
        ScreenMapping m;
        m.scale = std::min(target.width() / box.width(), target.height() / box.height());
        m.offset = target.center() - QPointF(box.center().x() * m.scale, -box.center().y() * m.scale);
        return m;
    }
    QPointF toPixel(QPointF p) const { return {offset.x() + p.x() * scale, offset.y() - p.y() * scale}; }
    QPointF toCamera(QPointF px) const { return {(px.x() - offset.x()) / scale, -(px.y() - offset.y()) / scale}; }
};

QRectF boundsOf(const std::vector<QPointF> &points)
{
    qreal left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (const QPointF &p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// ---------------------------------------------------------------- wood models

// Growth rings around a tree axis that passes beside the block, so that the
// grain runs on continuously over the edges of the model.
struct WoodGrain {
    Vec3 axisPoint;
    Vec3 axis;
    double ringsPerUnit;
    double phase;

    explicit WoodGrain(int seed)
    {
        const double s = seed * 1.7;
        axis = normalized({0.25 * std::sin(s), 0.2 * std::cos(1.3 * s), 1.0});
        axisPoint = {-2.6 - 0.4 * std::sin(2.1 * s), 1.8 * std::cos(s), 0.0};
        ringsPerUnit = 3.2 + 0.6 * std::sin(3.1 * s);
        phase = s;
    }

    // 0 for pale early wood, up to 1 in the dark late wood of a ring.
    double darkness(Vec3 p) const
    {
        const Vec3 q = p - axisPoint;
        const double along = dot(q, axis);
        const double radial = length(q - axis * along);
        const double wobble = 0.18 * std::sin(along * 2.1 + phase) + 0.07 * std::sin(along * 5.3 + 2.0 * phase) +
                              0.05 * std::sin(p.x * 4.0 + p.y * 3.0);
        const double t = radial * ringsPerUnit + wobble;
        const double ring = t - std::floor(t);
        const double late = smoothstep(0.55, 0.92, ring) * (1.0 - smoothstep(0.94, 1.0, ring));
        const double fibres = 0.5 + 0.5 * std::sin(radial * 97.0 + 4.0 * std::sin(along * 9.0));
        return std::clamp(0.62 * late + 0.16 * fibres, 0.0, 1.0);
    }
};

const QColor kEarlyWood(231, 194, 142);
const QColor kLateWood(184, 130, 80);
const QColor kEdge(72, 44, 24);

} // namespace

const CrystalSystem &systemByCode(int code)
{
    for (const CrystalSystem &s : kSystems)
        if (s.code == code)
            return s;
    throw std::out_of_range("no crystal system with this code");
}

const CrystalClass &classByNumber(int number)
{
    for (const CrystalClass &c : kClasses)
        if (c.number == number)
            return c;
    throw std::out_of_range("no crystal class with this number");
}

Solid modelSolid(const CrystalModel &model)
{
    const PointGroup group = PointGroup::fromGenerators(classByNumber(model.crystalClass).generators);
    std::vector<Plane> planes;
    for (const FaceForm &form : model.forms) {
        if (form.distance == 0.0)
            continue;
        const double norm = length(form.normal);
        for (Vec3 n : group.orbit(form.normal * (1.0 / norm)))
            planes.push_back({n, form.distance / norm});
    }
    Solid solid = Solid::fromPlanes(planes);
    solid.normalize();
    return solid;
}

QImage drawModel(const CrystalModel &model)
{
    // Drawn three times larger and scaled down, which smooths the face borders.
    constexpr int kOversample = 3;
    const QSize size = kModelSize * kOversample;
    const Solid solid = modelSolid(model);
    const Camera camera(model.azimuth, model.elevation);

    std::vector<QPointF> projected;
    for (Vec3 v : solid.vertices)
        projected.push_back(camera.project(v));
    const QRectF box = boundsOf(projected);
    const QRectF target(size.width() * 0.14, size.height() * 0.09, size.width() * 0.72, size.height() * 0.76);
    const ScreenMapping screen = ScreenMapping::fit(box, target);

    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QLinearGradient ground(0, 0, 0, size.height());
        ground.setColorAt(0.0, QColor(246, 243, 236));
        ground.setColorAt(1.0, QColor(226, 220, 208));
        p.fillRect(image.rect(), ground);

        // Soft shadow where the model stands.
        const QPointF foot = screen.toPixel({box.center().x(), box.top()}); // camera y points up
        const double rx = box.width() * screen.scale * 0.55;
        const double ry = std::max(rx * 0.16, 6.0 * kOversample);
        QRadialGradient shadow(0, 0, 1);
        shadow.setColorAt(0.0, QColor(70, 55, 40, 110));
        shadow.setColorAt(1.0, QColor(70, 55, 40, 0));
        p.save();
        p.translate(foot + QPointF(0, ry * 0.25));
        p.scale(rx, ry);
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        p.restore();
    }

    std::vector<int> visible;
    for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f)
        if (dot(solid.faces[f].normal, camera.toViewer) > 1e-6)
            visible.push_back(f);

    const auto polygonOf = [&](const Face &face) {
        QPolygonF polygon;
        for (int v : face.vertices)
            polygon << screen.toPixel(projected[v]);
        return polygon;
    };

    // Which face covers each pixel; the visible faces of a convex solid never overlap.
    QImage faceIds(size, QImage::Format_RGB32);
    faceIds.fill(0);
    {
        QPainter p(&faceIds);
        p.setPen(Qt::NoPen);
        for (int f : visible) {
            p.setBrush(QColor::fromRgb(QRgb(f + 1)));
            p.drawPolygon(polygonOf(solid.faces[f]));
        }
    }

    const Vec3 light = normalized(camera.fromCamera(-0.5, 0.75, 0.6));
    const WoodGrain grain(model.number);
    std::vector<double> brightness(solid.faces.size(), 1.0);
    for (int f : visible) {
        const Vec3 n = solid.faces[f].normal;
        brightness[f] = std::min(1.06, 0.46 + 0.58 * std::max(0.0, dot(n, light)) + 0.06 * dot(n, camera.toViewer));
    }

    for (int y = 0; y < size.height(); ++y) {
        const auto *ids = reinterpret_cast<const QRgb *>(faceIds.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int f = int(ids[x] & 0xffffff) - 1;
            if (f < 0)
                continue;
            const Face &face = solid.faces[f];
            const QPointF c = screen.toCamera({x + 0.5, y + 0.5});
            // Point of the face plane under this pixel.
            const double depth = (face.distance - c.x() * dot(face.normal, camera.right) -
                                  c.y() * dot(face.normal, camera.up)) /
                                 dot(face.normal, camera.toViewer);
            const Vec3 point = camera.fromCamera(c.x(), c.y(), depth);
            const QColor wood = mix(kEarlyWood, kLateWood, grain.darkness(point));
            const double b = brightness[f];
            out[x] = qRgb(std::min(255, int(wood.red() * b)), std::min(255, int(wood.green() * b)),
                          std::min(255, int(wood.blue() * b)));
        }
    }

    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kEdge, 1.4 * kOversample, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (int f : visible)
            p.drawPolygon(polygonOf(solid.faces[f]));
    }
    return image.scaled(kModelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// ------------------------------------------------------------------- notation

namespace {

struct NotationRun {
    QString text;
    bool bar = false;
    bool subscript = false;
};

std::vector<NotationRun> parseNotation(const QString &text)
{
    std::vector<NotationRun> runs;
    const auto plain = [&runs](QChar ch) {
        if (runs.empty() || runs.back().bar || runs.back().subscript)
            runs.push_back({});
        runs.back().text += ch;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'-' && i + 1 < text.size() && text[i + 1].isDigit()) {
            runs.push_back({QString(text[i + 1]), true, false});
            ++i;
        } else if (ch == u'_') {
            NotationRun sub{{}, false, true};
            while (i + 1 < text.size() && text[i + 1].isLetterOrNumber())
                sub.text += text[++i];
            runs.push_back(sub);
        } else {
            plain(ch);
        }
    }
    return runs;
}

QFont subscriptFont(const QFont &base)
{
    QFont f = base;
    f.setPixelSize(std::max(1, qRound(base.pixelSize() * 0.62)));
    return f;
}

} // namespace

qreal notationWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF normal(font);
    const QFontMetricsF small(subscriptFont(font));
    qreal width = 0;
    for (const NotationRun &run : parseNotation(text))
        width += (run.subscript ? small : normal).horizontalAdvance(run.text);
    return width;
}

void drawNotation(QPainter &painter, const QPointF &baseline, const QFont &font, const QString &text)
{
    const QFont small = subscriptFont(font);
    const QFontMetricsF normal(font);
    const QFontMetricsF smallMetrics(small);
    const qreal size = font.pixelSize();
    // Bars sit at one height over all digits of a symbol.
    const qreal digitTop = normal.tightBoundingRect(QStringLiteral("0123456789")).top();
    qreal x = baseline.x();
    painter.save();
    for (const NotationRun &run : parseNotation(text)) {
        if (run.subscript) {
            painter.setFont(small);
            painter.drawText(QPointF(x, baseline.y() + size * 0.2), run.text);
            x += smallMetrics.horizontalAdvance(run.text);
            continue;
        }
        painter.setFont(font);
        painter.drawText(QPointF(x, baseline.y()), run.text);
        if (run.bar) {
            const QRectF glyph = normal.tightBoundingRect(run.text);
            const qreal y = baseline.y() + digitTop - size * 0.1;
            QPen pen(painter.pen().color(), std::max(1.0, size * 0.06), Qt::SolidLine, Qt::FlatCap);
            painter.save();
            painter.setPen(pen);
            painter.drawLine(QPointF(x + glyph.left() - size * 0.03, y), QPointF(x + glyph.right() + size * 0.03, y));
            painter.restore();
        }
        x += normal.horizontalAdvance(run.text);
    }
    painter.restore();
}

// ---------------------------------------------------------------------- cards

namespace {

// Paper, a double border and a coloured title band; returns the area below the band.
QRectF drawCardFrame(QPainter &p, QSize size, const QColor &colour, qreal bandHeight, const QString &title,
                     const QString &rightTitle)
{
    p.fillRect(QRect(QPoint(0, 0), size), kPaper);
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    p.setPen(QPen(colour.darker(135), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer);
    const QRectF inner = outer.adjusted(6, 6, -6, -6);
    p.setPen(QPen(colour.darker(110), 1));
    p.drawRect(inner);

    const QRectF band(inner.left() + 3, inner.top() + 3, inner.width() - 6, bandHeight);
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0.0, colour.lighter(112));
    shade.setColorAt(1.0, colour.darker(108));
    p.fillRect(band, shade);

    const QColor bandText(253, 249, 240);
    p.setPen(bandText);
    p.setFont(font("DejaVu Sans", bandHeight * 0.46, true));
    p.drawText(band.adjusted(bandHeight * 0.4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font("DejaVu Sans", bandHeight * 0.36));
    p.drawText(band.adjusted(0, 0, -bandHeight * 0.4, 0), Qt::AlignRight | Qt::AlignVCenter, rightTitle);
    return QRectF(band.left(), band.bottom(), band.width(), inner.bottom() - 3 - band.bottom());
}

QString systemName(const CrystalSystem &s) { return QString::fromUtf8(s.name); }

QString classRange(int systemCode)
{
    int first = 99, last = 0;
    for (const CrystalClass &c : kClasses)
        if (c.system == systemCode) {
            first = std::min(first, c.number);
            last = std::max(last, c.number);
        }
    return first == last ? QStringLiteral("τάξη %1").arg(first)
                         : QStringLiteral("τάξεις %1–%2").arg(first).arg(last);
}

// Line drawing of the unit cell with its edges a, b, c and angles alpha, beta, gamma.
void drawUnitCell(QPainter &p, const QRectF &area, const CrystalSystem &system)
{
    const auto [la, lb, lc, alpha, beta, gamma] = system.cell;
    const double ca = std::cos(alpha * degrees), cb = std::cos(beta * degrees), cg = std::cos(gamma * degrees);
    const double sg = std::sin(gamma * degrees);
    const Vec3 a{la, 0, 0};
    const Vec3 b{lb * cg, lb * sg, 0};
    const double cy = (ca - cb * cg) / sg;
    const Vec3 c{lc * cb, lc * cy, lc * std::sqrt(std::max(0.0, 1.0 - cb * cb - cy * cy))};
    const Vec3 centre = (a + b + c) * 0.5;
    const Camera camera(30.0, 26.0);

    std::array<Vec3, 8> corner;
    for (int i = 0; i < 8; ++i)
        corner[i] = a * (i & 1) + b * ((i >> 1) & 1) + c * ((i >> 2) & 1) - centre;
    std::vector<QPointF> projected;
    for (Vec3 v : corner)
        projected.push_back(camera.project(v));
    const ScreenMapping screen = ScreenMapping::fit(boundsOf(projected), area.adjusted(22, 24, -22, -16));
    const auto at = [&](int i) { return screen.toPixel(projected[i]); };
    const auto pixel = [&](Vec3 v) { return screen.toPixel(camera.project(v - centre)); };

    // Face "axis k at side s" is visible when its outward normal faces the viewer.
    const Vec3 axes[3] = {a, b, c};
    const auto faceVisible = [&](int k, int side) {
        Vec3 n = cross(axes[(k + 1) % 3], axes[(k + 2) % 3]);
        if (dot(n, axes[k]) < 0)
            n = -n;
        return dot(side ? n : -n, camera.toViewer) > 0;
    };

    const QColor colour = colourOf(system.colour);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 3; ++k)
        for (int side = 0; side < 2; ++side) {
            if (!faceVisible(k, side))
                continue;
            QPolygonF face;
            const int bit = 1 << k, u = 1 << ((k + 1) % 3), w = 1 << ((k + 2) % 3);
            const int base = side ? bit : 0;
            face << at(base) << at(base | u) << at(base | u | w) << at(base | w);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 30));
            p.drawPolygon(face);
        }
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 3; ++k) {
            const int bit = 1 << k;
            if (i & bit)
                continue;
            const int k1 = (k + 1) % 3, k2 = (k + 2) % 3;
            const bool shown = faceVisible(k1, (i >> k1) & 1) || faceVisible(k2, (i >> k2) & 1);
            p.setPen(shown ? QPen(kInk, 1.6) : QPen(kMutedInk, 1.0, Qt::DashLine));
            p.drawLine(at(i), at(i | bit));
        }

    // Axes from the origin, with their names at the far ends.
    p.setPen(QPen(colour.darker(120), 2.4, Qt::SolidLine, Qt::RoundCap));
    const char *names[3] = {"a", "b", "c"};
    p.setFont(font("DejaVu Serif", 17, false, true));
    const QPointF origin = at(0);
    for (int k = 0; k < 3; ++k) {
        const QPointF end = at(1 << k);
        p.drawLine(origin, end);
        const QPointF away = end - screen.toPixel(camera.project(Vec3{} - centre + axes[k] * 0.5));
        const qreal len = std::hypot(away.x(), away.y());
        const QPointF labelAt = end + away * (14.0 / std::max(1.0, len));
        p.drawText(QRectF(labelAt - QPointF(12, 12), QSizeF(24, 24)), Qt::AlignCenter, QString::fromLatin1(names[k]));
    }

    // Angle arcs at the origin: alpha between b and c, beta between c and a, gamma between a and b.
    const char *angleNames[3] = {"α", "β", "γ"};
    p.setPen(QPen(kInk, 1.2));
    for (int k = 0; k < 3; ++k) {
        const Vec3 u = normalized(axes[(k + 1) % 3]);
        const Vec3 w = normalized(axes[(k + 2) % 3]);
        const double radius = 0.36 * std::min({la, lb, lc});
        const double between = std::acos(std::clamp(dot(u, w), -1.0, 1.0));
        QPolygonF arc;
        for (int s = 0; s <= 24; ++s) {
            const double t = s / 24.0;
            const Vec3 d = (u * std::sin((1 - t) * between) + w * std::sin(t * between)) * (1.0 / std::sin(between));
            arc << pixel(d * radius);
        }
        p.drawPolyline(arc);
        const Vec3 mid = normalized(u + w) * (radius * 1.6);
        p.setFont(font("DejaVu Serif", 15, false, true));
        p.drawText(QRectF(pixel(mid) - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter,
                   QString::fromUtf8(angleNames[k]));
    }
    p.restore();
}

} // namespace

QImage drawSystemCard(const CrystalSystem &system)
{
    QImage image(kSystemCardSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QColor colour = colourOf(system.colour);
    const QRectF body = drawCardFrame(p, kSystemCardSize, colour, 40, QStringLiteral("Κρυσταλλικό σύστημα"),
                                      classRange(system.code));

    const QRectF cellArea(body.right() - 236, body.top() + 4, 230, body.height() - 8);
    p.setPen(QPen(colour.lighter(150), 1));
    p.drawLine(QPointF(cellArea.left() - 8, cellArea.top() + 8), QPointF(cellArea.left() - 8, cellArea.bottom() - 8));
    drawUnitCell(p, cellArea, system);

    const qreal left = body.left() + 30;
    p.setPen(colour.darker(150));
    p.setFont(font("DejaVu Serif", 58, true));
    p.drawText(QPointF(left, body.top() + (system.otherLengths ? 70 : 74)), systemName(system));

    const QFont relation = font("DejaVu Serif", 27, false, true);
    const QFont note = font("DejaVu Sans", 16);
    const qreal anglesLeft = left + 186;
    // Notes line up after the longer of the two angle relations.
    const QFontMetricsF relationMetrics(relation);
    qreal noteLeft = anglesLeft + relationMetrics.horizontalAdvance(QString::fromUtf8(system.angles));
    if (system.otherAngles)
        noteLeft = std::max(noteLeft, anglesLeft + relationMetrics.horizontalAdvance(QString::fromUtf8(system.otherAngles)));
    noteLeft += 24;
    const auto relationLine = [&](qreal baseline, const char *lengths, const char *angles, const char *remark) {
        p.setPen(kInk);
        p.setFont(relation);
        p.drawText(QPointF(left, baseline), QString::fromUtf8(lengths));
        p.drawText(QPointF(anglesLeft, baseline), QString::fromUtf8(angles));
        if (remark) {
            p.setPen(kMutedInk);
            p.setFont(note);
            p.drawText(QPointF(noteLeft, baseline - 2), QStringLiteral("(%1)").arg(QString::fromUtf8(remark)));
        }
    };
    if (system.otherLengths) {
        relationLine(body.top() + 116, system.lengths, system.angles, system.note);
        relationLine(body.top() + 154, system.otherLengths, system.otherAngles, system.otherNote);
    } else {
        relationLine(body.top() + 132, system.lengths, system.angles, system.note);
    }
    return image;
}

QPointF stereographicOffset(Vec3 v)
{
    // Looking down c; a (x) points down the page and b (y) to the right.
    return QPointF(v.y, v.x) * (kStereogramRadius / (1.0 + std::abs(v.z)));
}

// One pole serves all classes of a system. It is general for the system's
// highest symmetry (for the trigonal classes, among which -6 and -6m2 are
// filed, that of 6/mmm), so that the poles of a class show no mirror or axis
// the class lacks, and a dot falls on a ring only under a mirror across c.
// It stands 60 degrees from c, where the marks have room, and a quarter of the
// way from one vertical mirror plane of that symmetry to the next: its images
// then form clear pairs about every other plane instead of an even ring, which
// would read as a rotation the class lacks. The cubic pole is the usual [123].
Vec3 generalPole(const CrystalClass &crystalClass)
{
    const auto direction = [](double azimuth) {
        constexpr double polar = 60.0 * degrees;
        return Vec3{std::sin(polar) * std::cos(azimuth * degrees), std::sin(polar) * std::sin(azimuth * degrees),
                    std::cos(polar)};
    };
    switch (crystalClass.system) {
    case 1: // no mirror planes: any direction clear of the centre
    case 2: // one plane, through a and c; 30 degrees keeps the images off a square
        return direction(30.0);
    case 3:
        return direction(90.0 / 4);
    case 4:
    case 5:
        return direction(30.0 / 4);
    case 6:
        return direction(45.0 / 4);
    case 7:
        return normalized({1, 2, 3});
    }
    throw std::out_of_range("no crystal system with this code");
}

namespace {

void drawAxisSymbol(QPainter &p, QPointF at, QPointF radial, const SymmetryAxis &axis, bool centre,
                    bool perpendicularMirror)
{
    constexpr qreal s = 10.0;
    const qreal angle = std::atan2(radial.y(), radial.x());
    const auto polygon = [&](int sides, qreal radius, qreal turn) {
        QPolygonF poly;
        for (int i = 0; i < sides; ++i) {
            const qreal t = turn + 2 * std::numbers::pi * i / sides;
            poly << at + QPointF(std::cos(t), std::sin(t)) * radius;
        }
        return poly;
    };
    const auto lens = [&](qreal half) {
        QPainterPath path;
        const QPointF along(std::cos(angle), std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const QPointF tip1 = at + along * half, tip2 = at - along * half;
        path.moveTo(tip1);
        path.quadTo(at + across * half * 0.95, tip2);
        path.quadTo(at - across * half * 0.95, tip1);
        return path;
    };
    p.save();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kInk);
    bool dot = centre;
    if (axis.rotoinversionFour) {
        p.setBrush(kPaper);
        p.drawPolygon(polygon(4, s * 1.25, angle + std::numbers::pi / 4));
        p.setBrush(kInk);
        p.drawPath(lens(s * 0.75));
        dot = false;
    } else if (axis.order == 2) {
        p.drawPath(lens(s * 1.1));
    } else if (axis.order == 3 && perpendicularMirror && !centre) {
        // 6-bar: a three-fold axis with a mirror across it.
        p.setBrush(kPaper);
        p.drawPolygon(polygon(6, s * 1.35, angle));
        p.setBrush(kInk);
        p.drawPolygon(polygon(3, s * 0.85, angle));
    } else if (axis.order >= 3) {
        const qreal turn = axis.order == 4 ? angle + std::numbers::pi / 4 : angle;
        p.drawPolygon(polygon(axis.order, axis.order == 3 ? s * 1.3 : s, turn));
    }
    if (dot) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPaper);
        p.drawEllipse(at, s * 0.24, s * 0.24);
    }
    p.restore();
}

// Stereographic projection of the class: mirror planes as great circles,
// rotation axes as the usual symbols, and the poles of a general face (dots
// above the equator, rings below).
void drawStereogram(QPainter &p, QPointF centre, const CrystalClass &crystalClass, const QColor &colour)
{
    const qreal radius = kStereogramRadius;
    const PointGroup group = PointGroup::fromGenerators(crystalClass.generators);
    const SymmetryElements elements = symmetryElements(group.operations());
    const auto project = [&](Vec3 v) { return centre + stereographicOffset(v); };

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 253, 248));
    p.drawEllipse(centre, radius, radius);

    const QPen mirrorPen(colour.darker(115), 2.2);
    for (Vec3 n : elements.mirrorNormals) {
        if (std::abs(n.z) > 1 - 1e-9)
            continue; // the equatorial mirror is the primitive circle itself
        p.setPen(mirrorPen);
        p.setBrush(Qt::NoBrush);
        const Vec3 rim = normalized(cross(n, {0, 0, 1})); // where the plane meets the equator
        if (std::abs(n.z) < 1e-9) {
            p.drawLine(project(rim), project(-rim)); // a vertical plane shows as a diameter
            continue;
        }
        // An inclined plane: the half of its great circle above the equator, rim to rim.
        Vec3 top = cross(n, rim);
        if (top.z < 0)
            top = -top;
        QPolygonF arc;
        for (int s = 0; s <= 180; ++s) {
            const double t = std::numbers::pi * s / 180.0;
            arc << project(rim * std::cos(t) + top * std::sin(t));
        }
        p.drawPolyline(arc);
    }
    const bool equatorialMirror = elements.hasMirrorNormalTo({0, 0, 1});
    p.setPen(equatorialMirror ? mirrorPen : QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    for (Vec3 v : group.orbit(generalPole(crystalClass))) {
        const QPointF at = project(v);
        if (v.z > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(at, 3.3, 3.3);
        } else {
            p.setPen(QPen(kInk, 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, 5.6, 5.6);
        }
    }

    for (const SymmetryAxis &axis : elements.axes) {
        if (axis.order < 2)
            continue;
        const bool mirrorAcross = elements.hasMirrorNormalTo(axis.direction);
        const bool horizontal = std::abs(axis.direction.z) < 1e-9;
        for (Vec3 end : {axis.direction, -axis.direction}) {
            if (!horizontal && end.z < 0)
                continue;
            const QPointF at = project(end);
            QPointF radial = at - centre;
            if (std::hypot(radial.x(), radial.y()) < 1e-6)
                radial = QPointF(0, 1);
            drawAxisSymbol(p, at, radial, axis, elements.centre, mirrorAcross);
        }
    }
    if (elements.centre && elements.axes.empty()) {
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(kPaper);
        p.drawEllipse(centre, 3.5, 3.5);
    }
    p.restore();
}

} // namespace

QImage drawClassCard(const CrystalClass &crystalClass)
{
    QImage image(kClassCardSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const CrystalSystem &system = systemByCode(crystalClass.system);
    const QColor colour = colourOf(system.colour);
    const QRectF body =
        drawCardFrame(p, kClassCardSize, colour, 62, QStringLiteral("Κρυσταλλική τάξη %1").arg(crystalClass.number),
                      QStringLiteral("%1 σύστημα").arg(systemName(system)));

    const qreal radius = kStereogramRadius;
    const QPointF stereoCentre(body.right() - 32 - radius, body.center().y());
    drawStereogram(p, stereoCentre, crystalClass, colour);

    const qreal columnsRight = stereoCentre.x() - radius - 40;
    // International symbols run longer than Schoenflies ones, so their column is wider.
    const qreal columnsLeft = body.left() + 20;
    const qreal split = columnsLeft + (columnsRight - columnsLeft) * 0.57;
    p.setPen(QPen(colour.lighter(150), 1));
    p.drawLine(QPointF(split, body.top() + 30), QPointF(split, body.bottom() - 30));
    p.drawLine(QPointF(columnsRight + 20, body.top() + 30), QPointF(columnsRight + 20, body.bottom() - 30));

    const auto column = [&](int index, const QString &label, const QString &author, const QString &symbol) {
        const QRectF area = index == 0 ? QRectF(columnsLeft, body.top(), split - columnsLeft, body.height())
                                       : QRectF(split, body.top(), columnsRight - split, body.height());
        p.setPen(kMutedInk);
        p.setFont(font("DejaVu Sans", 19));
        p.drawText(QRectF(area.left(), area.top() + 18, area.width(), 26), Qt::AlignCenter, label);
        p.setFont(font("DejaVu Sans", 16, false, true));
        p.drawText(QRectF(area.left(), area.top() + 42, area.width(), 24), Qt::AlignCenter, author);
        const qreal fit = (area.width() - 40) / notationWidth(font("DejaVu Serif", 100), symbol) * 100;
        const QFont big = font("DejaVu Serif", std::min<qreal>(118, fit));
        const qreal width = notationWidth(big, symbol);
        p.setPen(colour.darker(170));
        drawNotation(p, QPointF(area.center().x() - width / 2, area.top() + 206), big, symbol);
    };
    column(0, QStringLiteral("Διεθνές σύμβολο"), QStringLiteral("Hermann–Mauguin"),
           QString::fromUtf8(crystalClass.international));
    column(1, QStringLiteral("Σύμβολο"), QStringLiteral("Schoenflies"), QString::fromUtf8(crystalClass.schoenflies));
    return image;
}

std::vector<Picture> allPictures()
{
    std::vector<Picture> pictures;
    std::vector<std::function<QImage()>> draw;
    const auto number = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    for (const CrystalModel &m : kModels) {
        pictures.push_back({QStringLiteral("CrystalModel_%1.bmp").arg(number(m.number)), {}});
        draw.emplace_back([&m] { return drawModel(m); });
    }
    for (const CrystalSystem &s : kSystems) {
        pictures.push_back({QStringLiteral("CS_%1.bmp").arg(number(s.code)), {}});
        draw.emplace_back([&s] { return drawSystemCard(s); });
    }
    for (const CrystalClass &c : kClasses) {
        pictures.push_back({QStringLiteral("CG%1.bmp").arg(number(c.number)), {}});
        draw.emplace_back([&c] { return drawClassCard(c); });
    }

    // The pictures are independent; painting on QImages is safe in worker threads.
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < draw.size(); i = next++)
            pictures[i].image = draw[i]();
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    return pictures;
}

} // namespace pictures
