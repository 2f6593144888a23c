#include "details/FileTexts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace quillet {
namespace {

QString Grouped(double value, int decimals, const NumberPunctuation& punctuation) {
    return QString::fromStdString(GroupedNumberText(value, decimals, punctuation));
}

// text, then the size in bytes: "1.50 KB (1,536 bytes)".
QString WithBytes(const QString& text, double size, const NumberPunctuation& punctuation) {
    return QCoreApplication::translate("TfrmFileProperties", "%1 (%2 bytes)")
        .arg(text, Grouped(size, 0, punctuation));
}

}  // namespace

QString FileSizeText(double s, const NumberPunctuation& punctuation) {
    QString text;
    if (s < 1024) {
        text = QCoreApplication::translate("TfrmFileProperties", "%1 bytes")
                   .arg(Grouped(s, 0, punctuation));
    } else if (s < 1048576) {
        text = Grouped(s / 1024, 2, punctuation) + " KB";
    } else if (s < 1073741824) {
        text = Grouped(s / 1048576, 2, punctuation) + " MB";
    } else {
        text = Grouped(s / 1073741824, 2, punctuation) + " GB";
    }
    return WithBytes(text, s, punctuation);
}

QString CompressedSizeText(std::uint32_t k, const NumberPunctuation& punctuation) {
    QString text;
    if (k < 1024) {
        text = QCoreApplication::translate("TfrmFileProperties", "%1 bytes").arg(k);
    } else if (k < 1048576) {
        text = Grouped(k / 1024.0, 2, punctuation) + " KB";
    } else {
        text = Grouped(k / 1048576.0, 2, punctuation) + " MB";
    }
    return WithBytes(text, k, punctuation);
}

QString FileDateText(std::optional<std::int64_t> seconds, const QLocale& locale) {
    if (!seconds) return QCoreApplication::translate("TfrmFileProperties", "(unknown)");
    const QDate date = QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).date();
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QChar('0'))
        .arg(locale.monthName(date.month(), QLocale::ShortFormat))
        .arg(date.day(), 2, 10, QChar('0'));
}

QString FileTimeText(std::optional<std::int64_t> seconds, const QLocale& locale) {
    if (!seconds) return QCoreApplication::translate("TfrmFileProperties", "(unknown)");
    const QTime time = QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).time();
    return FileDateText(seconds, locale) + ' ' + time.toString(QStringLiteral("hh:mm:ss"));
}

QString TypeFromExtension(const QString& name) {
    const int dot = name.lastIndexOf('.');
    QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    for (QChar& c : extension) {
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
    }
    return QCoreApplication::translate("TfrmFileProperties", "%1 file").arg(extension);
}

}  // namespace quillet
