#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Strict conversion between text and the Windows Japanese code page (CP932, Microsoft's table).
// Nothing is ever replaced by '?' or U+FFFD: text that CP932 cannot hold, and bytes that are not
// CP932, are errors. Control characters count as text that cannot be stored: no line, name or
// field of this program may carry one.
struct Cp932Result {
    bool ok = false;
    QByteArray bytes;  // encoding: the CP932 bytes
    QString text;      // decoding: the text
    QString error;     // when !ok: what went wrong, naming the first offending character or byte
    char32_t unstorable = 0;  // encoding: the first character CP932 cannot hold
};

Cp932Result EncodeCp932(QStringView text);
Cp932Result DecodeCp932(const QByteArray& bytes);

// A character as people can name it in a message: the character itself and its code point,
// for example "😀 (U+1F600)".
QString DescribeCharacter(char32_t codePoint);
