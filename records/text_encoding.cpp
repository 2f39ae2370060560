#include "records/text_encoding.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// The place of the first control character in the text, or -1.
qsizetype FirstControl(QStringView text) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t u = text[at].unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            return at;
        }
    }
    return -1;
}

// The offset of the first character that is not well-formed UTF-8 (a stray or missing
// continuation byte, an overlong form, a surrogate, anything past U+10FFFF), or -1 when all of it
// is. In CP932 text that is usually the first byte beyond ASCII.
qsizetype FirstNonUtf8(const QByteArray& bytes) {
    const auto* const begin = reinterpret_cast<const uchar*>(bytes.constData());
    const uchar* const end = begin + bytes.size();
    const uchar* at = begin;
    while (at < end) {
        const uchar* const start = at;
        const uchar lead = *at++;
        if (lead < 0x80) {
            continue;
        }
        // How many continuation bytes follow the lead byte, and the bits it carries.
        const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        if (lead < 0xC2 || lead > 0xF4) {
            return start - begin;
        }
        char32_t c = lead & (0x3F >> more);
        if (end - at < more) {
            return start - begin;
        }
        for (int i = 0; i < more; ++i, ++at) {
            if ((*at & 0xC0) != 0x80) {
                return start - begin;
            }
            c = (c << 6) | (*at & 0x3F);
        }
        const char32_t least = more == 2 ? 0x800 : more == 3 ? 0x10000 : 0x80;
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return start - begin;
        }
    }
    return -1;
}

bool IsUtf8(const QByteArray& bytes) {
    return FirstNonUtf8(bytes) < 0;
}

bool HasNonAscii(const QByteArray& bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) >= 0x80; });
}

// Whether every line of the bytes reads as CP932; the line ends themselves are no text.
bool IsCp932(const QByteArray& bytes) {
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        if (end > start && !DecodeCp932(bytes.mid(start, end - start)).ok) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Whether text read as UTF-8 is more likely what was meant than the same bytes read as CP932.
// Bytes that are both are either UTF-8 characters of three or four bytes, which CP932 reads as
// kanji broken up by half-width katakana ("山田" as "螻ｱ逕ｰ"), or UTF-8 characters of two bytes
// (Latin letters with marks, Greek, Cyrillic...), which CP932 reads as pairs of half-width
// katakana ("ﾐｷ" is "з"). Japanese text is made of the former; a name of half-width katakana is
// far likelier than a lone Cyrillic letter, but a marked letter inside a Latin name ("José",
// "Müller") is likelier than katakana stuck to one.
bool Utf8ReadsBetter(const QString& text) {
    bool latinInWords = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x800) {
            return true;
        }
        if (c.unicode() < 0x80) {
            continue;
        }
        const bool besideAscii = (i > 0 && IsAsciiLetter(text[i - 1])) ||
                                 (i + 1 < text.size() && IsAsciiLetter(text[i + 1]));
        latinInWords =
            latinInWords && c.isLetter() && c.script() == QChar::Script_Latin && besideAscii;
    }
    return latinInWords;
}

Cp932Result Utf8Failure(char32_t character, qsizetype at) {
    Cp932Result result;
    result.character = character;
    result.at = at;
    return result;
}

}  // namespace

TextEncoding DetectTextEncoding(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Mark)) {
        return TextEncoding::Utf8WithMark;
    }
    if (!HasNonAscii(bytes) || !IsUtf8(bytes)) {
        return TextEncoding::Cp932;
    }
    return !IsCp932(bytes) || Utf8ReadsBetter(QString::fromUtf8(bytes)) ? TextEncoding::Utf8
                                                                        : TextEncoding::Cp932;
}

QByteArray EncodingMark(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8WithMark ? QByteArray(kUtf8Mark) : QByteArray();
}

Cp932Result DecodeLine(const QByteArray& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp932) {
        return DecodeCp932(bytes);
    }
    if (const qsizetype at = FirstNonUtf8(bytes); at >= 0) {
        return Utf8Failure(0, at);
    }
    Cp932Result result;
    result.text = QString::fromUtf8(bytes);
    if (const qsizetype at = FirstControl(result.text); at >= 0) {
        return Utf8Failure(result.text[at].unicode(), at);
    }
    result.ok = true;
    return result;
}

Cp932Result EncodeLine(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp932) {
        return EncodeCp932(text);
    }
    if (const qsizetype at = FirstControl(text); at >= 0) {
        return Utf8Failure(text[at].unicode(), at);
    }
    Cp932Result result;
    result.ok = true;
    result.bytes = text.toUtf8();
    return result;
}
