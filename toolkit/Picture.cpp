#include "toolkit/Picture.h"

#include "toolkit/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

// The description names the file as the program asked for it; the failure
// also carries where that is, for whoever installed the program.
[[noreturn]] void fail(const QString &reason, const QString &fileName)
{
    throw Failure(reason.arg(fileName), QFileInfo(fileName).absoluteFilePath());
}

const QString notFound = QStringLiteral("Δεν βρέθηκε το αρχείο εικόνας «%1».");
const QString notAFile = QStringLiteral("Το «%1» δεν είναι αρχείο εικόνας.");
const QString tooLarge = QStringLiteral("Το αρχείο εικόνας «%1» είναι πολύ μεγάλο.");
const QString unreadable = QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου «%1».");
const QString tooManyPixels = QStringLiteral("Η εικόνα «%1» έχει πολύ μεγάλες διαστάσεις.");
const QString notAPicture = QStringLiteral("Δεν είναι δυνατή η φόρτωση της εικόνας «%1».");

// The image reader's allocation limit, in MiB: one picture of the most pixels
// allowed, at 4 bytes a pixel.
constexpr int allocationLimitMiB = static_cast<int>(maxPicturePixels * 4 / (1024 * 1024));

bool withinPixelLimits(QSize size)
{
    return size.width() <= maxPictureSide && size.height() <= maxPictureSide
        && qint64{size.width()} * size.height() <= maxPicturePixels;
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

// Opens a file of the file system for reading, only if it is a regular file
// within the size limit, and returns its descriptor. The name is first looked
// at without opening anything, so that a directory, FIFO or device (or a link
// to one) is refused without being touched. The open itself cannot wait
// either: O_NONBLOCK makes a FIFO put there after that look open at once, and
// the open file is then checked again, so what is read is what was checked.
// (O_NONBLOCK changes nothing for reading a regular file.)
int openRegularFile(const QString &fileName)
{
    const QFileInfo info(fileName); // follows links; a dangling link does not exist
    if (!info.exists())
        fail(notFound, fileName);
    if (!info.isFile())
        fail(notAFile, fileName);
    if (info.size() > maxPictureFileBytes)
        fail(tooLarge, fileName);

    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        fail(errno == ENOENT ? notFound : unreadable, fileName);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        fail(notAFile, fileName);
    }
    if (opened.st_size > maxPictureFileBytes) {
        ::close(fd);
        fail(tooLarge, fileName);
    }
    return fd;
}

} // namespace

Picture loadPicture(const QString &fileName)
{
    QImageReader::setAllocationLimit(allocationLimitMiB);

    // Unbuffered, so that the reader's own requests reach readData unchanged.
    constexpr QIODevice::OpenMode mode = QIODevice::ReadOnly | QIODevice::Unbuffered;
    WatchedFile file;
    if (fileName.startsWith(u':')) {
        // A picture built into the program, held in memory.
        file.setFileName(fileName);
        if (!file.open(mode))
            fail(notFound, fileName);
    } else {
        const int fd = openRegularFile(fileName);
        if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            fail(unreadable, fileName);
        }
    }

    QImageReader reader(&file);
    const QSize declared = reader.size();
    if (declared.isValid() && !withinPixelLimits(declared))
        fail(tooManyPixels, fileName);

    const bool bmp = reader.format() == "bmp";
    QImage image = reader.read();
    if (image.isNull() || (bmp && file.endedEarly()))
        fail(notAPicture, fileName);
    if (!withinPixelLimits(image.size()))
        fail(tooManyPixels, fileName);
    return Picture(std::move(image));
}

} // namespace toolkit
