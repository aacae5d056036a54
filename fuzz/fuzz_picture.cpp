// Picture loading on any bytes, written to the file the program reads for a
// model: it returns a picture within the limits or fails with a
// toolkit::Failure; it never crashes, hangs or takes memory without bound.

#include "toolkit/Failure.h"
#include "toolkit/Picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QString fileName = QStringLiteral("CrystalModel_01.bmp");

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    new QGuiApplication(qtArgc, qtArgv);
    // The working directory is a fresh one, removed at the end of the run.
    static QTemporaryDir workingDirectory;
    if (!workingDirectory.isValid() || !QDir::setCurrent(workingDirectory.path()))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != qint64(size))
            std::abort();
    }
    try {
        const toolkit::Picture picture = toolkit::loadPicture(fileName);
        if (picture.widthPixels() < 1 || picture.heightPixels() < 1 || picture.widthPixels() > toolkit::maxPictureSide
            || picture.heightPixels() > toolkit::maxPictureSide
            || qint64{picture.widthPixels()} * picture.heightPixels() > toolkit::maxPicturePixels) {
            std::fprintf(stderr, "loaded a picture of %d x %d\n", picture.widthPixels(), picture.heightPixels());
            std::abort();
        }
    } catch (const toolkit::Failure &) {
    }
    return 0;
}
