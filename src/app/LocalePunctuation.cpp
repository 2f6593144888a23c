#include "app/LocalePunctuation.h"

namespace quillet {

NumberPunctuation LocalePunctuation(const QLocale& locale) {
    NumberPunctuation punctuation;
    punctuation.GroupSeparator = locale.groupSeparator().toStdString();
    punctuation.DecimalSeparator = locale.decimalPoint().toStdString();
    punctuation.MinusSign = locale.negativeSign().toStdString();
    return punctuation;
}

}  // namespace quillet
