// The conversions behind a double click on a count box, on any text: reading a
// number either gives a finite number or fails with a toolkit::Failure, and the
// stepped count, written back as the box shows it, reads back as that count.

#include "toolkit/Conversions.h"
#include "toolkit/Failure.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.left(200).toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    double number = 0;
    try {
        number = toolkit::textToNumber(text);
    } catch (const toolkit::Failure &) {
        return 0;
    }
    if (!std::isfinite(number))
        finding("textToNumber gave a number that is not finite for", text);

    // The stepping rule: one more, and above 6 back to 0.
    double count = number + 1;
    if (count > 6)
        count = 0;
    const QString shown = toolkit::trim(toolkit::numberToText(count));
    if (shown.isEmpty() || shown.contains(u' '))
        finding("the stepped count is written with a blank or empty", shown);
    double back = 0;
    try {
        back = toolkit::textToNumber(shown);
    } catch (const toolkit::Failure &) {
        finding("the stepped count does not read back", shown);
    }
    // numberToText writes the shortest digits that read back as the same
    // number: exactly the count.
    if (back != count)
        finding("the stepped count reads back as another number", shown);
    return 0;
}
