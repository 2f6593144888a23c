// The two ways the program writes a number. Plain text (entry sizes) is locale-free, because
// the chart reads it back; grouped text (totals, free space, counts) uses the user's
// separators. Both round an exact half away from zero, working on the exact binary value, so
// 1.25 becomes 1.3 and a figure reads the same in both forms.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

struct NumberPunctuation {
    std::string GroupSeparator = ",";
    std::string DecimalSeparator = ".";
    std::string MinusSign = "-";
};

// x with exactly `decimals` digits after a "." and no grouping, "-" when negative.
std::string PlainNumberText(double x, int decimals);

// x with its integer digits grouped by three and `decimals` digits after the decimal separator.
std::string GroupedNumberText(double x, int decimals, const NumberPunctuation& punctuation);

// The same for value / divisor (divisor above 0), worked out in integers, so that a whole
// number of bytes or files is written exactly however large it is.
std::string PlainQuotientText(std::int64_t value, std::int64_t divisor, int decimals);
std::string GroupedQuotientText(std::int64_t value, std::int64_t divisor, int decimals,
                                const NumberPunctuation& punctuation);

// The number PlainQuotientText writes for |value| / divisor, as reading that text back gives
// it (the double nearest the written decimal), without writing it: a folder of a million
// entries is sorted by these before any of its texts is needed.
double PlainQuotientFigure(std::int64_t value, std::int64_t divisor, int decimals);

}  // namespace quillet
