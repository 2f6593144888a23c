#include "details/FileTexts.h"

#include <QDateTime>
#include <QFileInfo>

namespace quillet {
namespace {

QString Grouped(double value, int decimals, const NumberPunctuation& punctuation) {
    return QString::fromStdString(GroupedNumberText(value, decimals, punctuation));
}

QString InBytes(double size, const NumberPunctuation& punctuation) {
    return " (" + Grouped(size, 0, punctuation) + " bytes)";
}

}  // namespace

QString FileSizeText(double s, const NumberPunctuation& punctuation) {
    QString text;
    if (s < 1024) {
        text = Grouped(s, 0, punctuation) + " bytes";
    } else if (s < 1048576) {
        text = Grouped(s / 1024, 2, punctuation) + " KB";
    } else if (s < 1073741824) {
        text = Grouped(s / 1048576, 2, punctuation) + " MB";
    } else {
        text = Grouped(s / 1073741824, 2, punctuation) + " GB";
    }
    return text + InBytes(s, punctuation);
}

QString CompressedSizeText(std::uint32_t k, const NumberPunctuation& punctuation) {
    QString text;
    if (k < 1024) {
        text = QString::number(k) + " bytes";
    } else if (k < 1048576) {
        text = Grouped(k / 1024.0, 2, punctuation) + " KB";
    } else {
        text = Grouped(k / 1048576.0, 2, punctuation) + " MB";
    }
    return text + InBytes(k, punctuation);
}

QString FileDateText(std::optional<std::int64_t> seconds, const QLocale& locale) {
    if (!seconds) return QStringLiteral("(unknown)");
    const QDate date = QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).date();
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QChar('0'))
        .arg(locale.monthName(date.month(), QLocale::ShortFormat))
        .arg(date.day(), 2, 10, QChar('0'));
}

QString FileTimeText(std::optional<std::int64_t> seconds, const QLocale& locale) {
    if (!seconds) return QStringLiteral("(unknown)");
    const QTime time = QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).time();
    return FileDateText(seconds, locale) + ' ' + time.toString(QStringLiteral("hh:mm:ss"));
}

QString TypeFromExtension(const QString& name) {
    const int dot = name.lastIndexOf('.');
    QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    for (QChar& c : extension) {
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
    }
    return extension + " file";
}

}  // namespace quillet
