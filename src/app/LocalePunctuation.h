// The user's number separators, for the grouped texts of totals and counts.
#pragma once

#include <QLocale>

#include "scan/NumberText.h"

namespace quillet {

NumberPunctuation LocalePunctuation(const QLocale& locale = QLocale());

}  // namespace quillet
