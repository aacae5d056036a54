#include "toolkit/Conversions.h"

#include "toolkit/Failure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace toolkit {

QString format00(int number)
{
    const QString digits = QString::number(std::abs(static_cast<long long>(number))).rightJustified(2, u'0');
    return number < 0 ? u'-' + digits : digits;
}

QString trim(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

QString numberToText(double number)
{
    // Plain decimals, never an exponent, and the shortest digits that read back
    // as the same number, so that textToNumber takes back whatever this writes.
    if (number == 0)
        number = 0; // no "-0"
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number, std::chars_format::fixed);
    const QString digits = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    return number < 0 ? digits : u' ' + digits;
}

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// True when text is [-]digits[.digits] or [-].digits, with at least one digit.
bool isDecimalNumber(const QString &text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-')
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == text.size();
}

} // namespace

double textToNumber(const QString &text)
{
    if (!isDecimalNumber(text))
        throw Failure(QStringLiteral("Το κείμενο «%1» δεν είναι αριθμός.").arg(text.left(40)));
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw Failure(QStringLiteral("Ο αριθμός «%1» είναι εκτός ορίων.").arg(text.left(40)));
    return number;
}

int len(const QString &text)
{
    return static_cast<int>(text.size());
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        throw Failure(QStringLiteral("Υπερχείλιση αριθμού."));
    return static_cast<std::int16_t>(sum);
}

} // namespace toolkit
