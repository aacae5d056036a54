#include "toolkit/Font.h"

#include <QFontDatabase>
#include <QHash>

namespace toolkit {

namespace {

// Resolved once per face: the font database is not asked again at each control.
QString resolvedFace(const char *face)
{
    static QHash<QString, QString> resolved;
    const QString wanted = QString::fromUtf8(face);
    auto found = resolved.constFind(wanted);
    if (found != resolved.constEnd())
        return *found;

    QString family = wanted;
    if (!QFontDatabase::hasFamily(wanted)) {
        const QStringList greek = QFontDatabase::families(QFontDatabase::Greek);
        if (greek.contains(QStringLiteral("DejaVu Sans")))
            family = QStringLiteral("DejaVu Sans");
        else if (!greek.isEmpty())
            family = greek.front();
    }
    resolved.insert(wanted, family);
    return family;
}

} // namespace

QFont toQFont(const Font &font)
{
    QFont result(resolvedFace(font.face));
    result.setPointSizeF(font.points);
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    result.setItalic(false);
    result.setUnderline(false);
    result.setStrikeOut(false);
    return result;
}

} // namespace toolkit
