// Draws the program's pictures: the wooden models and the cards of the
// crystal systems and classes. Needs a QGuiApplication (fonts).
#pragma once

#include "geometry.h"
#include "tables.h"

#include <QImage>
#include <QPointF>
#include <QString>

#include <vector>

class QFont;
class QPainter;

namespace pictures {

inline constexpr QSize kModelSize{300, 240};
inline constexpr QSize kSystemCardSize{1024, 228};
inline constexpr QSize kClassCardSize{1019, 368};

const CrystalSystem &systemByCode(int code);
const CrystalClass &classByNumber(int number);

// The stereogram on a class card: its radius in pixels, and where a direction
// lands on it, in pixels from its centre.
inline constexpr qreal kStereogramRadius = 116;
QPointF stereographicOffset(Vec3 v);

// The direction of a general face whose poles the class's card shows.
Vec3 generalPole(const CrystalClass &crystalClass);

// The model's faces: its forms repeated by its class's point group, centred
// and scaled to unit radius.
Solid modelSolid(const CrystalModel &model);

QImage drawModel(const CrystalModel &model);
QImage drawSystemCard(const CrystalSystem &system);
QImage drawClassCard(const CrystalClass &crystalClass);

// Typesetting of the symbol notation described in tables.h.
qreal notationWidth(const QFont &font, const QString &text);
void drawNotation(QPainter &painter, const QPointF &baseline, const QFont &font, const QString &text);

struct Picture {
    QString fileName;
    QImage image;
};

// All pictures the program reads, under the names it reads them by.
std::vector<Picture> allPictures();

} // namespace pictures
