// make_icons OUTDIR
//
// Draws the sixteen element-kind icons of the main window and writes them as
// OUTDIR/element00.bmp ... element15.bmp (24-bit BMP). Each icon is a white
// picture with a one-pixel black frame one pixel inside its edge and a black
// symbol in the middle. Letters use DejaVu Sans Bold, which has Greek.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>
#include <QTransform>

#include <array>
#include <cmath>

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor grey(128, 128, 128);

QFont letterFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

// A box of the given size centred in the picture, moved down by dy, with its
// edges on whole pixels so straight edges stay sharp.
QRectF centredBox(const QSize &picture, qreal width, qreal height, qreal dy = 0)
{
    const qreal left = std::floor((picture.width() - width) / 2);
    const qreal top = std::floor((picture.height() - height) / 2 + dy);
    return QRectF(left, top, width, height);
}

// The text's outline, scaled to fit inside the box and centred in it.
QPainterPath textIn(const QString &text, const QRectF &box)
{
    QPainterPath raw;
    raw.addText(0, 0, letterFont(), text);
    const QRectF bounds = raw.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(raw);
}

// An upright lens: two circular arcs meeting in points at top and bottom.
QPainterPath lens(const QRectF &box)
{
    const qreal halfWidth = box.width() / 2;
    const qreal halfHeight = box.height() / 2;
    // Each arc belongs to a circle through both points and the far side's middle.
    const qreal offset = (halfHeight * halfHeight - halfWidth * halfWidth) / (2 * halfWidth);
    const qreal radius = offset + halfWidth;
    const qreal reach = std::asin(halfHeight / radius);
    constexpr int steps = 32;
    QPolygonF outline;
    for (int side : {1, -1}) {
        const QPointF centre(box.center().x() - side * offset, box.center().y());
        for (int i = 0; i <= steps; ++i) {
            const qreal angle = -reach + 2 * reach * i / steps;
            outline << centre + QPointF(side * radius * std::cos(angle), side * radius * std::sin(angle));
        }
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath triangleUp(const QRectF &box)
{
    return polygon({{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()});
}

// A hexagon with flat top and bottom; regular when width = height * 2 / sqrt(3).
QPainterPath hexagon(const QRectF &box)
{
    const qreal quarter = box.width() / 4;
    const qreal middle = box.center().y();
    return polygon({{box.left(), middle},
                    {box.left() + quarter, box.top()},
                    {box.right() - quarter, box.top()},
                    {box.right(), middle},
                    {box.right() - quarter, box.bottom()},
                    {box.left() + quarter, box.bottom()}});
}

// A plane lying flat, seen from in front and above: the far edge shifted right.
QPainterPath flatPlane(const QRectF &box, qreal slant)
{
    return polygon({{box.left() + slant, box.top()},
                    box.topRight(),
                    {box.right() - slant, box.bottom()},
                    box.bottomLeft()});
}

// A plane standing upright, seen from the side: the far edge higher and shorter.
QPainterPath uprightPlane(const QRectF &box, qreal slant)
{
    return polygon({{box.left(), box.top() + slant},
                    box.topRight(),
                    {box.right(), box.bottom() - slant},
                    box.bottomLeft()});
}

// A vertical line one pixel wide centred on x; sharp when x lies in a pixel's middle.
void verticalLine(QPainter &painter, qreal x, qreal top, qreal bottom, const QColor &colour)
{
    painter.fillRect(QRectF(x - 0.5, top, 1, bottom - top), colour);
}

// A short arrow standing on (x, base) and pointing up to height top.
void arrowUp(QPainter &painter, qreal x, qreal base, qreal top)
{
    constexpr qreal headHeight = 4;
    constexpr qreal headHalfWidth = 3.5;
    // The shaft is one pixel wide on a pixel's middle, else two, to stay sharp.
    const qreal shaftWidth = std::floor(x) == x ? 2 : 1;
    painter.fillRect(QRectF(x - shaftWidth / 2, top + headHeight, shaftWidth, base - top - headHeight), black);
    painter.fillPath(polygon({{x, top}, {x + headHalfWidth, top + headHeight}, {x - headHalfWidth, top + headHeight}}),
                     black);
}

// A white capital P centred on the point.
void whiteP(QPainter &painter, QPointF centre, qreal height)
{
    const QRectF box(centre.x() - height, centre.y() - height / 2, 2 * height, height);
    painter.fillPath(textIn(QStringLiteral("P"), box), white);
}

// The symbols, one per element kind.

void drawNone(QPainter &painter, const QSize &size)
{
    painter.fillPath(textIn(QStringLiteral("ΚΑΝΕΝΑ"), centredBox(size, 50, 16)), black);
}

void drawDiscZ(QPainter &painter, const QSize &size)
{
    const QRectF disc = centredBox(size, 25, 25);
    QPainterPath path;
    path.addEllipse(disc);
    painter.fillPath(path, black);
    painter.fillPath(textIn(QStringLiteral("Z"), centredBox(size, 20, 13)), white);
}

void drawLensP(QPainter &painter, const QSize &size)
{
    const QRectF group = centredBox(size, 15, 25);
    const QRectF body = group.adjusted(0, 4, 0, 0);
    verticalLine(painter, body.center().x(), group.top(), body.top() + 2, black);
    painter.fillPath(lens(body), black);
    whiteP(painter, body.center(), 9);
}

void drawLens(QPainter &painter, const QSize &size)
{
    painter.fillPath(lens(centredBox(size, 15, 24)), black);
}

void drawCutTriangle(QPainter &painter, const QSize &size)
{
    // An even height keeps the cut's top edge on a pixel boundary.
    const QRectF box = centredBox(size, 29, 24);
    painter.fillPath(triangleUp(box), black);
    const QPointF leftMiddle((box.left() + box.center().x()) / 2, box.center().y());
    const QPointF rightMiddle((box.right() + box.center().x()) / 2, box.center().y());
    painter.fillPath(polygon({leftMiddle, rightMiddle, {box.center().x(), box.bottom()}}), white);
}

void drawTriangleP(QPainter &painter, const QSize &size)
{
    const QRectF group = centredBox(size, 27, 25);
    const QRectF body = group.adjusted(0, 5, 0, 0);
    verticalLine(painter, body.center().x(), group.top(), body.top() + 2, black);
    painter.fillPath(triangleUp(body), black);
    whiteP(painter, QPointF(body.center().x(), body.top() + 0.64 * body.height()), 10);
}

void drawTriangle(QPainter &painter, const QSize &size)
{
    painter.fillPath(triangleUp(centredBox(size, 27, 25)), black);
}

void drawSquareLens(QPainter &painter, const QSize &size)
{
    const QRectF square = centredBox(size, 24, 24);
    painter.fillRect(square, black);
    painter.fillPath(lens(QRectF(square.center().x() - 5, square.top() + 2, 10, 20)), white);
}

void drawSquareP(QPainter &painter, const QSize &size)
{
    const QRectF group = centredBox(size, 19, 25);
    const QRectF body = group.adjusted(0, 6, 0, 0);
    arrowUp(painter, body.center().x(), body.top(), group.top());
    painter.fillRect(body, black);
    whiteP(painter, body.center(), 11);
}

void drawSquare(QPainter &painter, const QSize &size)
{
    painter.fillRect(centredBox(size, 24, 24), black);
}

void drawHexagonTriangle(QPainter &painter, const QSize &size)
{
    const QRectF box = centredBox(size, 29, 24);
    painter.fillPath(hexagon(box), black);
    // The white triangle's centroid sits on the hexagon's centre.
    const qreal height = 12;
    const QRectF inner(box.center().x() - 7.5, box.center().y() - height * 2 / 3, 15, height);
    painter.fillPath(triangleUp(inner), white);
}

void drawHexagonP(QPainter &painter, const QSize &size)
{
    const QRectF group = centredBox(size, 22, 25);
    const QRectF body = group.adjusted(0, 6, 0, 0);
    arrowUp(painter, body.center().x(), body.top(), group.top());
    painter.fillPath(hexagon(body), black);
    whiteP(painter, body.center(), 11);
}

void drawHexagon(QPainter &painter, const QSize &size)
{
    painter.fillPath(hexagon(centredBox(size, 28, 24)), black);
}

void drawPlaneES(QPainter &painter, const QSize &size)
{
    const QRectF plane = centredBox(size, 44, 10, 6);
    painter.fillPath(flatPlane(plane, 10), black);
    const QRectF label(plane.left() + 10, plane.top() - 12, plane.width() - 14, 10);
    painter.fillPath(textIn(QStringLiteral("Ε.Σ."), label), black);
}

void drawPlaneLineKES(QPainter &painter, const QSize &size)
{
    const QRectF plane = centredBox(size, 46, 9, 6);
    painter.fillPath(flatPlane(plane, 10), black);
    verticalLine(painter, plane.left() + 14.5, 3, size.height() - 3, grey);
    const QRectF label(plane.left() + 19, plane.top() - 12, plane.width() - 19, 10);
    painter.fillPath(textIn(QStringLiteral("Κ.Ε.Σ."), label), black);
}

void drawUprightPlaneLineDES(QPainter &painter, const QSize &size)
{
    const QRectF plane(7, 5, 14, size.height() - 10);
    painter.fillPath(uprightPlane(plane, 6), black);
    verticalLine(painter, plane.left() + 7.5, 3, size.height() - 3, grey);
    const QRectF label(plane.right() + 3, size.height() / 2.0 - 5, size.width() - plane.right() - 8, 10);
    painter.fillPath(textIn(QStringLiteral("Δ.Ε.Σ."), label), black);
}

struct Icon {
    QSize size;
    void (*draw)(QPainter &, const QSize &);
};

const std::array<Icon, 16> icons{{
    {{58, 32}, drawNone},
    {{59, 33}, drawDiscZ},
    {{59, 32}, drawLensP},
    {{59, 32}, drawLens},
    {{59, 33}, drawCutTriangle},
    {{58, 33}, drawTriangleP},
    {{58, 33}, drawTriangle},
    {{58, 33}, drawSquareLens},
    {{59, 32}, drawSquareP},
    {{59, 32}, drawSquare},
    {{59, 32}, drawHexagonTriangle},
    {{58, 32}, drawHexagonP},
    {{58, 32}, drawHexagon},
    {{58, 32}, drawPlaneES},
    {{59, 32}, drawPlaneLineKES},
    {{59, 33}, drawUprightPlaneLineDES},
}};

QImage render(const Icon &icon)
{
    QImage image(icon.size, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    // The frame: the rectangle from (1,1) to (w-2,h-2), one pixel wide.
    painter.setPen(QPen(black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(1, 1, icon.size.width() - 3, icon.size.height() - 3);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.draw(painter, icon.size);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; no screen is needed to draw into images.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make_icons OUTDIR\n";
        return 2;
    }
    const QString family = QFontInfo(letterFont()).family();
    if (family != QLatin1String("DejaVu Sans")) {
        err << "make_icons: DejaVu Sans is not installed (got " << family << ")\n";
        return 1;
    }

    const QDir outDir(args.at(1));
    if (!outDir.exists() && !QDir().mkpath(outDir.path())) {
        err << "make_icons: cannot create " << outDir.path() << '\n';
        return 1;
    }
    for (std::size_t kind = 0; kind < icons.size(); ++kind) {
        const QString name = QStringLiteral("element%1.bmp").arg(kind, 2, 10, QLatin1Char('0'));
        const QString path = outDir.filePath(name);
        if (!render(icons[kind]).save(path, "BMP")) {
            err << "make_icons: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
