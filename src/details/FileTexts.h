// The texts of the file properties dialog that follow from numbers: sizes, compressed sizes,
// time stamps (UTC, "yyyy-mmm-dd hh:nn:ss" or the date alone) and the type text of a file
// without a known type.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

#include "scan/NumberText.h"

namespace quillet {

// "1.00 KB (1,024 bytes)": bytes below 1 KB, then KB, MB, GB (powers of two).
QString FileSizeText(double size, const NumberPunctuation& punctuation);
// The same without a GB step, for the 32-bit compressed size.
QString CompressedSizeText(std::uint32_t size, const NumberPunctuation& punctuation);
// "2020-Jan-02" with the locale's short month name, whatever its length; "(unknown)" without
// a time.
QString FileDateText(std::optional<std::int64_t> secondsSince1970, const QLocale& locale);
// The date followed by " 14:05:09".
QString FileTimeText(std::optional<std::int64_t> secondsSince1970, const QLocale& locale);
// "TXT file" for a.txt; " file" for a name without an extension.
QString TypeFromExtension(const QString& name);

}  // namespace quillet
