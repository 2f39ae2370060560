#include "records/cp932.h"

#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include "records/cp932_table.h"

#include <cstdint>
#endif

namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The place of the first control character in the text, or -1.
qsizetype FirstControl(QStringView text) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (IsControl(text[at].unicode())) {
            return at;
        }
    }
    return -1;
}

Cp932Result Failure(char32_t character, qsizetype at) {
    Cp932Result result;
    result.character = character;
    result.at = at;
    return result;
}

#ifdef _WIN32

// Code page 932 through Windows' own converter. WC_NO_BEST_FIT_CHARS keeps it from writing a
// look-alike, but a character it has no place for can still come out as '?' or as a pair of
// bytes of another character without its flag being set (Wine, for one, does so with surrogate
// pairs), so a text counts as stored only when its bytes read back as the same text.
constexpr UINT kCodePage = 932;

std::optional<QByteArray> WindowsBytes(QStringView text) {
    const auto* wide = reinterpret_cast<LPCWCH>(text.utf16());
    const int size = int(text.size());
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0,
                                      nullptr, &usedDefault);
    if (n <= 0 || usedDefault) {
        return std::nullopt;
    }
    QByteArray bytes(n, Qt::Uninitialized);
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), n, nullptr,
                            &usedDefault) != n ||
        usedDefault) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> WindowsText(const QByteArray& bytes) {
    const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.constData(),
                                      int(bytes.size()), nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    QString text(n, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                            reinterpret_cast<LPWSTR>(text.data()), n) != n) {
        return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> StoredBytes(QStringView text) {
    auto bytes = WindowsBytes(text);
    if (!bytes || WindowsText(*bytes) != text.toString()) {
        return std::nullopt;
    }
    return bytes;
}

Cp932Result EncodeText(QStringView text) {
    if (text.isEmpty()) {
        return {true, {}, {}};
    }
    if (auto bytes = StoredBytes(text)) {
        return {true, *bytes, {}};
    }
    // The first character that has no exact place, looked for one character at a time; a lone
    // surrogate is a character of its own here, and never storable.
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QStringView one = text.mid(at, length);
        if (!StoredBytes(one)) {
            return Failure(
                length == 2 ? QChar::surrogateToUcs4(one[0], one[1]) : char32_t(one[0].unicode()),
                at);
        }
        at += length;
    }
    return Failure(0xFFFD, 0);
}

// Decoding goes a character at a time only to name where bytes stop being CP932: a lead byte
// takes a trail byte with it.
qsizetype FirstUndecodable(const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(bytes[at])) ? 2 : 1;
        if (at + length > bytes.size() || !WindowsText(bytes.mid(at, length))) {
            return at;
        }
        at += length;
    }
    return 0;
}

Cp932Result DecodeBytes(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {true, {}, {}};
    }
    if (auto text = WindowsText(bytes)) {
        return {true, {}, *text};
    }
    return Failure(0, FirstUndecodable(bytes));
}

#else

// Microsoft's table, as ICU's windows-31j has it with fallbacks off: only characters that come
// back as themselves are stored, and both directions stop at the first character or byte
// sequence they cannot convert.
Cp932Result EncodeText(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);  // CP932 needs at most two bytes for one UTF-16 unit
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        const int block = kCp932BlockIndex[c >> 8];
        const std::uint16_t code = block < 0 ? 0 : kCp932Blocks[block * 256 + (c & 0xFF)];
        if (code == 0 && c != 0) {
            // A surrogate pair is one character, and CP932 holds none beyond U+FFFF.
            const bool pair = QChar::isHighSurrogate(c) && at + 1 < text.size() &&
                              text[at + 1].isLowSurrogate();
            return Failure(pair ? QChar::surrogateToUcs4(c, text[at + 1].unicode()) : char32_t(c),
                           at);
        }
        if (code > 0xFF) {
            bytes.append(char(code >> 8));
        }
        bytes.append(char(code & 0xFF));
    }
    return {true, bytes, {}};
}

Cp932Result DecodeBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());  // one byte never gives more than one unit
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<uchar>(bytes[at]);
        std::uint16_t unit = kCp932SingleByte[byte];
        qsizetype length = 1;
        if (unit == kCp932LeadByte) {
            unit = at + 1 < bytes.size()
                       ? kCp932Pairs[kCp932LeadIndex[byte] * 256 + static_cast<uchar>(bytes[at + 1])]
                       : kCp932NoCharacter;
            length = 2;
        }
        if (unit == kCp932NoCharacter) {
            return Failure(0, at);
        }
        text.append(QChar(unit));
        at += length;
    }
    return {true, {}, text};
}

#endif

}  // namespace

QString DescribeCharacter(char32_t codePoint) {
    const QString hex =
        QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    if (IsControl(codePoint) || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return hex;
    }
    return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&codePoint, 1), hex);
}

Cp932Result EncodeCp932(QStringView text) {
    if (const qsizetype at = FirstControl(text); at >= 0) {
        return Failure(text[at].unicode(), at);
    }
    return EncodeText(text);
}

Cp932Result DecodeCp932(const QByteArray& bytes) {
    Cp932Result result = DecodeBytes(bytes);
    if (result.ok) {
        if (const qsizetype at = FirstControl(result.text); at >= 0) {
            return Failure(result.text[at].unicode(), at);
        }
    }
    return result;
}
