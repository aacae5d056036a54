// make_pictures OUTDIR: writes every picture the program reads (models and
// cards, 24-bit BMP) into OUTDIR under the names the program looks for.
#include "drawing.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTDIR\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    for (const pictures::Picture &picture : pictures::allPictures()) {
        const QString path = out.filePath(picture.fileName);
        if (!picture.image.save(path, "BMP")) {
            std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
