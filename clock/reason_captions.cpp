#include "clock/reason_captions.h"

QString ReasonCaption(int index) {
    return QString::fromUtf8(kReasonCaptions[index]);
}

QChar ReasonLetter(int index) {
    return QChar(u'A' + index);
}

std::optional<int> ReasonIndex(QChar letter) {
    const char16_t c = letter.unicode();
    if (c >= u'A' && c < u'A' + kReasonCount) {
        return int(c - u'A');
    }
    return std::nullopt;
}

QString ReasonRange() {
    return ReasonLetter(0) + QStringLiteral("～") + ReasonLetter(kReasonCount - 1);
}

QString ReasonLetters() {
    QString letters;
    for (int i = 0; i < kReasonCount; ++i) {
        letters += ReasonLetter(i);
    }
    return letters;
}

QString ToggleReason(QString letters, QChar letter, bool ticked) {
    if (ticked) {
        letters += letter;
    } else if (const qsizetype at = letters.lastIndexOf(letter); at >= 0) {
        letters.remove(at, 1);
    }
    return letters;
}

QString ReasonsAsTicked(const QString& letters) {
    QString kept;
    for (const QChar c : letters) {
        if (!ReasonIndex(c) || !kept.contains(c)) {
            kept += c;
        }
    }
    return kept;
}
