#include "scan/NumberText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quillet {
namespace {

struct DecimalDigits {
    bool Negative = false;
    std::string Integer;   // at least "0"
    std::string Fraction;  // exactly the asked number of digits
};

std::string UnsignedText(unsigned __int128 n) {
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return text;
}

// digits with the figure `scaled`, which counts units of 1 / scale.
DecimalDigits WithDigits(DecimalDigits digits, unsigned __int128 scaled, unsigned __int128 scale,
                         int decimals) {
    digits.Integer = UnsignedText(scaled / scale);
    if (decimals > 0) {
        std::string fraction = UnsignedText(scaled % scale);
        digits.Fraction =
            std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return digits;
}

unsigned __int128 PowerOfTen(int decimals) {
    unsigned __int128 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return scale;
}

// |x| rounded to `decimals` digits, an exact half away from zero. Below 2^63 the rounding is
// done in 128-bit integers on the double's exact value; larger numbers are whole anyway.
DecimalDigits Round(double x, int decimals) {
    DecimalDigits digits;
    digits.Negative = x < 0;
    const double v = std::fabs(x);
    if (!std::isfinite(v) || v >= 9223372036854775808.0) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
        std::string text(buffer);
        const auto point = text.find('.');
        digits.Integer = text.substr(0, point);
        if (point != std::string::npos) digits.Fraction = text.substr(point + 1);
        return digits;
    }
    const unsigned __int128 scale = PowerOfTen(decimals);

    int exponent = 0;
    const double mantissa = std::frexp(v, &exponent);  // v = mantissa * 2^exponent
    // v = m / 2^shift with m a 53-bit integer.
    const auto m = static_cast<unsigned __int128>(std::ldexp(mantissa, 53));
    const int shift = 53 - exponent;
    unsigned __int128 scaled;
    if (shift <= 0) {
        scaled = (m << -shift) * scale;
    } else if (shift >= 120) {
        scaled = 0;  // far below half of the last digit
    } else {
        const unsigned __int128 product = m * scale;
        const unsigned __int128 one = static_cast<unsigned __int128>(1) << shift;
        scaled = product >> shift;
        if ((product & (one - 1)) >= one / 2) ++scaled;
    }
    return WithDigits(digits, scaled, scale, decimals);
}

// |value| * scale / divisor, rounded: an exact half away from zero. In 64 bits where the
// product fits, which is every size below 1.8 EB at five decimals.
unsigned __int128 ScaledQuotient(std::int64_t value, std::int64_t divisor,
                                 unsigned __int128 scale) {
    const unsigned __int128 magnitude = value < 0 ? 0 - static_cast<unsigned __int128>(value)
                                                  : static_cast<unsigned __int128>(value);
    const auto d = static_cast<unsigned __int128>(divisor);
    const unsigned __int128 product = magnitude * scale;
    if (product <= UINT64_MAX) {
        const auto p = static_cast<std::uint64_t>(product);
        const auto d64 = static_cast<std::uint64_t>(divisor);
        // The units are powers of two: a shift, where a division would take longer.
        if ((d64 & (d64 - 1)) == 0) {
            const int shift = std::countr_zero(d64);
            return (p >> shift) + ((p & (d64 - 1)) * 2 >= d64 ? 1 : 0);
        }
        return p / d64 + ((p % d64) * 2 >= d64 ? 1 : 0);
    }
    unsigned __int128 scaled = product / d;
    if ((product % d) * 2 >= d) ++scaled;
    return scaled;
}

// |value| / divisor rounded to `decimals` digits, an exact half away from zero.
DecimalDigits RoundQuotient(std::int64_t value, std::int64_t divisor, int decimals) {
    DecimalDigits digits;
    digits.Negative = value < 0;
    const unsigned __int128 scale = PowerOfTen(decimals);
    return WithDigits(digits, ScaledQuotient(value, divisor, scale), scale, decimals);
}

std::string PlainText(const DecimalDigits& digits) {
    std::string text = digits.Negative ? "-" : "";
    text += digits.Integer;
    if (!digits.Fraction.empty()) text += "." + digits.Fraction;
    return text;
}

std::string GroupedText(const DecimalDigits& digits, const NumberPunctuation& punctuation) {
    std::string text = digits.Negative ? punctuation.MinusSign : "";
    const std::size_t n = digits.Integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += punctuation.GroupSeparator;
        text += digits.Integer[i];
    }
    if (!digits.Fraction.empty()) text += punctuation.DecimalSeparator + digits.Fraction;
    return text;
}

}  // namespace

std::string PlainNumberText(double x, int decimals) {
    return PlainText(Round(x, decimals));
}

std::string GroupedNumberText(double x, int decimals, const NumberPunctuation& punctuation) {
    return GroupedText(Round(x, decimals), punctuation);
}

std::string PlainQuotientText(std::int64_t value, std::int64_t divisor, int decimals) {
    return PlainText(RoundQuotient(value, divisor, decimals));
}

double PlainQuotientFigure(std::int64_t value, std::int64_t divisor, int decimals) {
    const unsigned __int128 scale = PowerOfTen(decimals);
    const unsigned __int128 scaled = ScaledQuotient(value, divisor, scale);
    // Both exact as doubles: the quotient is then rounded once, to the double nearest the
    // decimal, as reading the text rounds it. Beyond 2^53 the text itself is read.
    if (scaled < (static_cast<unsigned __int128>(1) << 53) && decimals <= 15) {
        return static_cast<double>(static_cast<std::uint64_t>(scaled)) /
               static_cast<double>(static_cast<std::uint64_t>(scale));
    }
    DecimalDigits digits;
    const std::string text = PlainText(WithDigits(digits, scaled, scale, decimals));
    double figure = 0;
    std::from_chars(text.data(), text.data() + text.size(), figure);
    return figure;
}

std::string GroupedQuotientText(std::int64_t value, std::int64_t divisor, int decimals,
                                const NumberPunctuation& punctuation) {
    return GroupedText(RoundQuotient(value, divisor, decimals), punctuation);
}

}  // namespace quillet
