#include "toolkit/Picture.h"

#include "toolkit/Failure.h"

#include <QFileInfo>
#include <QImageReader>

namespace toolkit {

namespace {

[[noreturn]] void fail(const QString &reason, const QString &fileName)
{
    throw Failure(reason.arg(fileName));
}

} // namespace

Picture loadPicture(const QString &fileName)
{
    // Only regular files are opened: a directory, a FIFO or a device (or a link
    // to one) would block or make no sense as a picture.
    const QFileInfo info(fileName);
    if (!info.exists())
        fail(QStringLiteral("Δεν βρέθηκε το αρχείο εικόνας «%1»."), fileName);
    if (!info.isFile())
        fail(QStringLiteral("Το «%1» δεν είναι αρχείο εικόνας."), fileName);
    if (info.size() > maxPictureFileBytes)
        fail(QStringLiteral("Το αρχείο εικόνας «%1» είναι πολύ μεγάλο."), fileName);

    QImageReader reader(fileName);
    const QSize declared = reader.size();
    if (declared.isValid()
        && (declared.width() > maxPictureSide || declared.height() > maxPictureSide
            || qint64{declared.width()} * declared.height() > maxPicturePixels))
        fail(QStringLiteral("Η εικόνα «%1» έχει πολύ μεγάλες διαστάσεις."), fileName);

    QImage image = reader.read();
    if (image.isNull())
        fail(QStringLiteral("Δεν είναι δυνατή η φόρτωση της εικόνας «%1»."), fileName);
    return Picture(std::move(image));
}

} // namespace toolkit
