#include "number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace numtext {

namespace {
bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

double leadingNumber(QByteArrayView text)
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
        return 0.0;
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
    if (ec == std::errc::result_out_of_range) {
        if (number.find("e-") != std::string::npos)
            return 0.0; // underflow: far too small to matter
        return (*first == '-') ? -HUGE_VAL : HUGE_VAL;
    }
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
