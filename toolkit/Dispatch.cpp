#include "toolkit/Dispatch.h"

#include "toolkit/Failure.h"
#include "toolkit/MsgBox.h"

#include <cstdio>
#include <new>

namespace toolkit {

namespace {

const QString outOfMemory = QStringLiteral("Δεν επαρκεί η μνήμη.");

void report(const QString &description) noexcept
{
    try {
        msgBox(description, Buttons::Exclamation);
    } catch (...) {
        // Nothing is left to tell the learner with; the program goes on.
    }
}

// Notes a trapped failure in one line on standard error: the learner is told
// nothing, but whoever installed the program can find out why, say, no model
// ever shows. Control characters (a newline in a folder's name) are masked so
// that the note stays one line.
void note(const QString &description, const QString &file) noexcept
{
    try {
        QString line = QStringLiteral("vornath: ");
        if (!file.isEmpty())
            line += file + QStringLiteral(": ");
        line += description;
        for (QChar &c : line) {
            if (c.category() == QChar::Other_Control)
                c = u'?';
        }
        std::fputs((line + u'\n').toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    } catch (...) {
        // Nowhere left to note it; the failure path runs all the same.
    }
}

} // namespace

void dispatch(const std::function<void()> &handler) noexcept
{
    try {
        handler();
    } catch (const Failure &failure) {
        report(failure.description());
    } catch (const std::bad_alloc &) {
        report(outOfMemory);
    } catch (const std::exception &error) {
        report(QStringLiteral("Απρόβλεπτο σφάλμα: %1").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        report(QStringLiteral("Απρόβλεπτο σφάλμα."));
    }
}

void trap(const std::function<void()> &steps, const std::function<void()> &failurePath)
{
    try {
        steps();
    } catch (const Failure &failure) {
        note(failure.description(), failure.file());
        failurePath();
    } catch (const std::bad_alloc &) {
        note(outOfMemory, {});
        failurePath();
    }
}

} // namespace toolkit
