#include "toolkit/Picture.h"

#include "toolkit/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>


namespace toolkit {

namespace {

[[noreturn]] void fail(const QString &reason, const QString &fileName)
{
    throw Failure(reason.arg(fileName));
}

// The picture file as the image reader reads it, noting whether the reader
// ever asked for bytes that the file does not have. Qt's BMP reader returns a
// whole picture from a file that ends early, with the missing rows blank; such
// a short read tells that the file was cut short.
class WatchedFile : public QFile {
public:
    using QFile::QFile;
    bool endedEarly() const { return endedEarly_; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 got = QFile::readData(data, maxSize);
        if (got < maxSize)
            endedEarly_ = true;
        return got;
    }

private:
    bool endedEarly_ = false;
};

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

    // Unbuffered, so that the reader's own requests reach readData unchanged.
    WatchedFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου «%1»."), fileName);
    QImageReader reader(&file);
    const QSize declared = reader.size();
    if (declared.isValid()
        && (declared.width() > maxPictureSide || declared.height() > maxPictureSide
            || qint64{declared.width()} * declared.height() > maxPicturePixels))
        fail(QStringLiteral("Η εικόνα «%1» έχει πολύ μεγάλες διαστάσεις."), fileName);

    const bool bmp = reader.format() == "bmp";
    QImage image = reader.read();
    if (image.isNull() || (bmp && file.endedEarly()))
        fail(QStringLiteral("Δεν είναι δυνατή η φόρτωση της εικόνας «%1»."), fileName);
    return Picture(std::move(image));
}

} // namespace toolkit
