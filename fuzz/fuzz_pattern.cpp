// The pattern rebuild of the running program on any texts: the input, split at
// 0xFF bytes (which UTF-8 never uses), gives the texts set one after another
// into the sixteen count boxes, through the real change handler. After each,
// no box is empty and the result box holds the sixteen texts, each without its
// leading and trailing spaces, one after another.

#include "tests/Pattern.h"
#include "toolkit/Application.h"
#include "windows/Vornath.h"

#include <QApplication>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Made once and kept for the whole run.
Vornath *program = nullptr;

[[noreturn]] void finding(const char *what, int k)
{
    std::fprintf(stderr, "%s, after setting box %d\n", what, k);
    std::abort();
}

void checkPattern(int k)
{
    const frmMain &w = *program->mainWindow;
    const QStringList counts = fixtures::countsOf(w);
    if (counts.contains(QString()))
        finding("a count box is empty", k);
    if (w.txtResult.text() != fixtures::patternOf(counts))
        finding("the result box does not hold the pattern", k);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    new QApplication(qtArgc, qtArgv);
    toolkit::prepareApplication();
    program = new Vornath;
    if (!program->start())
        std::abort();
    // A first change fills the result box, which starts empty.
    program->mainWindow->txtSymetryElements[0].setText(QStringLiteral("1"));
    program->mainWindow->txtSymetryElements[0].setText(QStringLiteral("0"));
    checkPattern(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> texts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split('\xff');
    frmMain &w = *program->mainWindow;
    for (int k = 0; k <= 15; ++k) {
        w.txtSymetryElements[k].setText(k < texts.size() ? QString::fromUtf8(texts[k]) : QString());
        checkPattern(k);
    }
    // Paint what the boxes now hold, as the learner would see it.
    QCoreApplication::processEvents();
    return 0;
}
