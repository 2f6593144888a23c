#include "app/ToolTipText.h"

#include <QStringList>
#include <QTextDocument>

namespace quillet {
namespace {

// The length of the line's first piece, in UTF-16 units; never splits a character.
qsizetype PieceLength(const QString& line) {
    if (line.size() <= kToolTipLineLength) return line.size();
    qsizetype length = kToolTipLineLength;
    for (qsizetype at = length; at > kToolTipLineLength / 2; --at) {
        if (line[at - 1] == '/' || line[at - 1] == ' ') {
            length = at;
            break;
        }
    }
    if (line[length - 1].isHighSurrogate()) --length;
    return length;
}

QString Shortened(const QString& line) {
    if (line.size() <= kToolTipMostLength) return line;
    qsizetype head = kToolTipMostLength / 2, tail = line.size() - kToolTipMostLength / 2;
    if (line[head - 1].isHighSurrogate()) --head;
    if (line[tail].isLowSurrogate()) ++tail;
    return line.left(head) + QChar(0x2026) + line.mid(tail);
}

}  // namespace

QString BrokenLines(const QString& text) {
    QStringList lines;
    for (const QString& whole : text.split('\n')) {
        QString line = Shortened(whole);
        do {
            const qsizetype length = PieceLength(line);
            lines.append(line.left(length));
            line.remove(0, length);
        } while (!line.isEmpty());
    }
    return lines.join('\n');
}

QString ToolTipText(const QString& text) {
    const QString wrapped = BrokenLines(text);
    // Qt shows a tooltip as markup when it looks like markup: such a text goes escaped.
    return Qt::mightBeRichText(wrapped) ? Qt::convertFromPlainText(wrapped) : wrapped;
}

}  // namespace quillet
