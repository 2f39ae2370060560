#include "records/cp932.h"

#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/utypes.h>
#endif

namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

std::optional<char32_t> FirstControl(QStringView text) {
    for (QChar c : text) {
        if (IsControl(c.unicode())) {
            return c.unicode();
        }
    }
    return std::nullopt;
}

Cp932Result Failure(QString error) {
    Cp932Result result;
    result.error = std::move(error);
    return result;
}

Cp932Result CannotStore(char32_t c) {
    Cp932Result result =
        Failure(QStringLiteral("%1 cannot be stored in CP932").arg(DescribeCharacter(c)));
    result.unstorable = c;
    return result;
}

QString ByteText(const QByteArray& bytes, qsizetype at) {
    QString shown;
    for (qsizetype i = at; i < bytes.size() && i < at + 2; ++i) {
        if (!shown.isEmpty()) {
            shown += QLatin1Char(' ');
        }
        shown += QStringLiteral("%1")
                     .arg(static_cast<uchar>(bytes[i]), 2, 16, QLatin1Char('0'))
                     .toUpper();
    }
    return shown;
}

QString NotCp932(const QByteArray& bytes, qsizetype at) {
    return QStringLiteral("bytes %1 at offset %2 are not CP932").arg(ByteText(bytes, at)).arg(at);
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
        return {true, {}, {}, {}};
    }
    if (auto bytes = StoredBytes(text)) {
        return {true, *bytes, {}, {}};
    }
    // The first character that has no exact place, looked for one character at a time; a lone
    // surrogate is a character of its own here, and never storable.
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        const QStringView one = text.mid(at, length);
        if (!StoredBytes(one)) {
            return CannotStore(length == 2 ? QChar::surrogateToUcs4(one[0], one[1])
                                           : char32_t(one[0].unicode()));
        }
        at += length;
    }
    return CannotStore(0xFFFD);
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
        return {true, {}, {}, {}};
    }
    if (auto text = WindowsText(bytes)) {
        return {true, {}, *text, {}};
    }
    return Failure(NotCp932(bytes, FirstUndecodable(bytes)));
}

#else

// One ICU converter per thread, opened once: "windows-31j" is Microsoft's CP932 table. Fallback
// mappings are switched off so that only characters that round-trip are accepted, and both
// directions stop at the first character or byte sequence they cannot convert.
class Converter {
public:
    Converter() {
        UErrorCode status = U_ZERO_ERROR;
        conv_ = ucnv_open("windows-31j", &status);
        if (U_FAILURE(status)) {
            conv_ = nullptr;
            return;
        }
        ucnv_setFallback(conv_, false);
        status = U_ZERO_ERROR;
        ucnv_setFromUCallBack(conv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setToUCallBack(conv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    ~Converter() {
        if (conv_) {
            ucnv_close(conv_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    UConverter* get() {
        if (conv_) {
            ucnv_reset(conv_);
        }
        return conv_;
    }

private:
    UConverter* conv_ = nullptr;
};

UConverter* ThreadConverter() {
    thread_local Converter converter;
    return converter.get();
}

Cp932Result EncodeText(QStringView text) {
    UConverter* conv = ThreadConverter();
    if (!conv) {
        return Failure(QStringLiteral("the CP932 converter is not available"));
    }
    const auto* source = reinterpret_cast<const UChar*>(text.utf16());
    const UChar* sourceEnd = source + text.size();
    // CP932 needs at most two bytes for one UTF-16 unit.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* target = bytes.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(conv, &target, bytes.data() + bytes.size(), &source, sourceEnd, nullptr, true,
                     &status);
    if (U_FAILURE(status)) {
        // ICU has consumed the offending character; it is the one just before `source`.
        const qsizetype consumed = source - reinterpret_cast<const UChar*>(text.utf16());
        char32_t bad = 0xFFFD;
        if (consumed > 0) {
            const QChar last = text[consumed - 1];
            bad = last.unicode();
            if (last.isLowSurrogate() && consumed > 1 && text[consumed - 2].isHighSurrogate()) {
                bad = QChar::surrogateToUcs4(text[consumed - 2], last);
            }
        }
        return CannotStore(bad);
    }
    bytes.resize(target - bytes.data());
    return {true, bytes, {}, {}};
}

Cp932Result DecodeBytes(const QByteArray& bytes) {
    UConverter* conv = ThreadConverter();
    if (!conv) {
        return Failure(QStringLiteral("the CP932 converter is not available"));
    }
    const char* source = bytes.constData();
    const char* sourceEnd = source + bytes.size();
    QString text(bytes.size(), Qt::Uninitialized);  // one byte never gives more than one unit
    auto* target = reinterpret_cast<UChar*>(text.data());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(conv, &target, target + text.size(), &source, sourceEnd, nullptr, true, &status);
    if (U_FAILURE(status)) {
        char errorBytes[8];
        int8_t length = sizeof errorBytes;
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidChars(conv, errorBytes, &length, &ignored);
        const qsizetype at = (source - bytes.constData()) - (U_SUCCESS(ignored) ? length : 1);
        return Failure(NotCp932(bytes, qMax<qsizetype>(0, at)));
    }
    text.resize(target - reinterpret_cast<UChar*>(text.data()));
    return {true, {}, text, {}};
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
    if (const auto control = FirstControl(text)) {
        return CannotStore(*control);
    }
    return EncodeText(text);
}

Cp932Result DecodeCp932(const QByteArray& bytes) {
    Cp932Result result = DecodeBytes(bytes);
    if (result.ok) {
        if (const auto control = FirstControl(result.text)) {
            return Failure(QStringLiteral("the bytes hold the control character %1")
                               .arg(DescribeCharacter(*control)));
        }
    }
    return result;
}
