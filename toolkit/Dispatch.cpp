#include "toolkit/Dispatch.h"

#include "toolkit/Failure.h"
#include "toolkit/MsgBox.h"

#include <new>

namespace toolkit {

namespace {

void report(const QString &description) noexcept
{
    try {
        msgBox(description, Buttons::Exclamation);
    } catch (...) {
        // Nothing is left to tell the learner with; the program goes on.
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
        report(QStringLiteral("Δεν επαρκεί η μνήμη."));
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
    } catch (const Failure &) {
        failurePath();
    } catch (const std::bad_alloc &) {
        failurePath();
    }
}

} // namespace toolkit
