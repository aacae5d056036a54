#pragma once

#include <QString>

#include <cstdint>

namespace toolkit {

// The number and text conversions that the handlers rely on. Each failure is a
// toolkit::Failure.

// At least two digits, zero-padded: 1 gives "01", 20 gives "20", -1 gives "-01".
QString format00(int number);

// Removes leading and trailing spaces (U+0020 only; tabs and other blanks stay).
QString trim(const QString &text);

// The number as text in plain decimals, with a blank before a number that is
// not negative: 3.5 gives " 3.5", -2 gives "-2".
QString numberToText(double number);

// A decimal number with an optional minus sign and fraction ("4", "-3", "2.5",
// "05"); anything else, or a number beyond the range of a double, fails.
double textToNumber(const QString &text);

// The length of a text in characters.
int len(const QString &text);

// Signed 16-bit addition; an overflow fails.
std::int16_t add16(std::int16_t a, std::int16_t b);

} // namespace toolkit
