#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace numtext {

namespace {
bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// For a number that does not fit a double: whether it is too small rather than
// too large, from the place of its first significant digit and its exponent.
bool isTooSmall(const std::string &number)
{
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const bool negative = number[e + 1] == '-';
        for (std::size_t i = e + 1; i < number.size(); ++i)
            if (isDigit(number[i]) && exponent < 1'000'000'000)
                exponent = exponent * 10 + (number[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return true; // zero
    // Decimal magnitude: digits before the point, or minus the zeros after it.
    const long long magnitude = firstSignificant < point
                                    ? static_cast<long long>(point - firstSignificant)
                                    : -static_cast<long long>(firstSignificant - point - 1);
    return magnitude + exponent <= 0;
}
} // namespace

double leadingNumber(QByteArrayView text) { return leadingNumberIfAny(text).value_or(0.0); }

std::optional<double> leadingNumberIfAny(QByteArrayView text)
{
    // Collect the characters of the number with the skipped blanks taken out,
    // then let strtod do the conversion (it rounds correctly).
    std::string number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isSkipped(text[i]))
            ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (skip(); i < n && isDigit(text[i]); skip()) {
            number += text[i++];
            any = true;
        }
        return any;
    };

    skip();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool mantissa = digits();
    if (i < n && text[i] == '.') {
        ++i;
        std::string intPart = number;
        number += '.';
        bool fraction = digits();
        mantissa = mantissa || fraction;
        if (!fraction)
            number = intPart;
    }
    if (!mantissa)
        return std::nullopt;
    skip();
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        const qsizetype save = i;
        std::string exponent = "e";
        ++i;
        skip();
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++];
        const std::string before = number;
        number.clear();
        if (digits()) {
            exponent += number;
            number = before + exponent;
        } else {
            number = before;
            i = save;
        }
    }
    // from_chars ignores the C locale (a Qt program runs with the user's locale,
    // whose decimal separator may not be a point) and takes no plus sign.
    const char *first = number.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        return isTooSmall(number) ? 0.0 : ((*first == '-') ? -HUGE_VAL : HUGE_VAL);
    return value;
}

std::optional<std::int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace numtext
