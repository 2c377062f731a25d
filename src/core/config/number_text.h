#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>

// Reading a number out of text the way the panel protocol and the configuration
// files expect it: the leading number of the text, anything after it ignored.
namespace numtext {

// The number at the start of `text`. Blanks, tabs and line feeds are skipped
// wherever they stand (also between digits). Accepted: an optional sign, digits,
// an optional decimal point with digits, an optional exponent (E or D, optional
// sign, digits). Reading stops at the first character that cannot continue the
// number. Text that does not begin with a number reads as 0.
double leadingNumber(QByteArrayView text);

// The same number, or std::nullopt when the text does not begin with one (after
// the skipped blanks, an optional sign and then a digit, or a decimal point and
// a digit).
std::optional<double> leadingNumberIfAny(QByteArrayView text);

// Rounds to the nearest integer, exact halves to the even neighbour, and returns
// the result if it fits a 16-bit signed integer; std::nullopt otherwise (also for
// infinities and NaN).
std::optional<std::int16_t> roundToInt16(double value);

} // namespace numtext
