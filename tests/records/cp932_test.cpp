#include "records/cp932.h"

#include <algorithm>

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#endif

namespace {

struct Vector {
    QString description;
    QString text;
    QString windowsBytes;  // "ERROR" when Windows cannot store the text
};

std::vector<Vector> LoadVectors() {
    QFile file(QStringLiteral(OMBREL_TESTDATA_DIR "/cp932-vectors.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<Vector> vectors;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QStringList columns = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (columns.size() >= 4) {
            vectors.push_back({columns[0], columns[1], columns[3]});
        }
    }
    return vectors;
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

TEST(Cp932, everyVectorEncodesToTheBytesWindowsWrites) {
    const auto vectors = LoadVectors();
    ASSERT_GE(vectors.size(), 60u);
    for (const Vector& v : vectors) {
        const Cp932Result encoded = EncodeCp932(v.text);
        const std::string what = (v.description + QStringLiteral(": ") + v.text).toStdString();
        if (v.windowsBytes == QLatin1String("ERROR")) {
            EXPECT_FALSE(encoded.ok) << what << " gave " << Hex(encoded.bytes).toStdString();
            EXPECT_NE(encoded.character, 0u) << what;
            continue;
        }
        ASSERT_TRUE(encoded.ok) << what << ": U+" << std::hex << uint(encoded.character);
        EXPECT_EQ(Hex(encoded.bytes), v.windowsBytes) << what;
        // What Windows writes reads back as the same text.
        const Cp932Result decoded = DecodeCp932(encoded.bytes);
        ASSERT_TRUE(decoded.ok) << what;
        EXPECT_EQ(decoded.text, v.text) << what;
    }
}

TEST(Cp932, unstorableTextNamesTheFirstOffendingCharacterAndWhereItStands) {
    struct Case {
        QString text;
        char32_t character;
        qsizetype at;
    };
    const Case cases[] = {
        {QStringLiteral("たろう😀"), U'😀', 3}, {QStringLiteral("𠮷田"), U'𠮷', 0},
        {QStringLiteral("5€€"), U'€', 1},     {QStringLiteral("Taro\tKen"), U'\t', 4},
        {QStringLiteral("a\x7f"), 0x7F, 1},
    };
    for (const Case& c : cases) {
        const Cp932Result result = EncodeCp932(c.text);
        EXPECT_FALSE(result.ok) << c.text.toStdString();
        EXPECT_EQ(result.character, c.character) << c.text.toStdString();
        EXPECT_EQ(result.at, c.at) << c.text.toStdString();
        EXPECT_TRUE(result.bytes.isEmpty());
    }
}

TEST(Cp932, bothCodingsOfADoubledCharacterDecode) {
    // 髙 is stored by some programs as EE E0 (NEC selection) and by Windows as FB FC (IBM).
    for (const QByteArray& bytes : {QByteArray("\xEE\xE0"), QByteArray("\xFB\xFC")}) {
        const Cp932Result decoded = DecodeCp932(bytes);
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.text, QStringLiteral("髙"));
    }
}

TEST(Cp932, bytesThatAreNotCp932AreAnErrorNeverAReplacement) {
    struct Case {
        QByteArray bytes;
        char32_t control;
        qsizetype at;
    };
    const Case cases[] = {
        {QByteArray("\x81"), 0, 0},  // lead byte at the end
        {QByteArray("ab\x82\x20"
                    "cd"),
         0, 2},                          // lead byte with a trail byte out of range
        {QByteArray("\xFF"), 0, 0},      // no such byte
        {QByteArray("\x85\x40"), 0, 0},  // an unassigned row
        {QByteArray("Taro\x01"), 1, 4},  // a control character
    };
    for (const Case& c : cases) {
        const Cp932Result decoded = DecodeCp932(c.bytes);
        EXPECT_FALSE(decoded.ok) << Hex(c.bytes).toStdString();
        EXPECT_EQ(decoded.character, c.control) << Hex(c.bytes).toStdString();
        EXPECT_EQ(decoded.at, c.at) << Hex(c.bytes).toStdString();
        EXPECT_TRUE(decoded.text.isEmpty());
    }
    EXPECT_TRUE(DecodeCp932(QByteArray()).ok);
}

#ifndef _WIN32

// The clock's tables against ICU's windows-31j itself, used as a strict converter: every
// character of the Basic Multilingual Plane and every byte and byte pair, each between ASCII
// letters, converts to the same bytes or text, and fails where ICU fails, at the same offset.
TEST(Cp932, theTablesConvertEveryCharacterAndBytePairAsIcuDoes) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* icu = ucnv_open("windows-31j", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    ucnv_setFallback(icu, false);
    ucnv_setFromUCallBack(icu, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setToUCallBack(icu, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    int mismatches = 0;
    const auto report = [&mismatches](const QString& what) {
        if (++mismatches <= 10) {
            ADD_FAILURE() << what.toStdString();
        }
    };

    for (char32_t c = 0x20; c <= 0xFFFF; ++c) {
        if (c >= 0x7F && c < 0xA0) {
            continue;  // control characters are refused before any table
        }
        const QString text = QStringLiteral("a") + QChar(char16_t(c)) + QStringLiteral("b");
        char out[16];
        char* target = out;
        const auto* source = reinterpret_cast<const UChar*>(text.utf16());
        status = U_ZERO_ERROR;
        ucnv_reset(icu);
        ucnv_fromUnicode(icu, &target, out + sizeof out, &source, source + text.size(), nullptr,
                         true, &status);
        // ICU writes nothing for an invisible character it cannot map (a soft hyphen, a
        // variation selector) and calls that success; the clock refuses it, as Windows does:
        // the name would read back as another.
        const bool icuStored = U_SUCCESS(status) && target - out > 2;
        const Cp932Result ours = EncodeCp932(text);
        if (ours.ok != icuStored ||
            (ours.ok && ours.bytes != QByteArray(out, int(target - out)))) {
            report(QStringLiteral("encoding U+%1").arg(uint(c), 4, 16, QLatin1Char('0')));
        }
    }

    QList<QByteArray> sequences;
    for (int first = 0x20; first <= 0xFF; ++first) {
        if (first == 0x7F) {
            continue;
        }
        sequences.append(QByteArray(1, char(first)));
        for (int second = 0; second <= 0xFF && first >= 0x80; ++second) {
            sequences.append(QByteArray(1, char(first)) + char(second));
        }
    }
    for (const QByteArray& sequence : sequences) {
        const QByteArray bytes = "a" + sequence + "b";
        UChar out[16];
        UChar* target = out;
        const char* source = bytes.constData();
        status = U_ZERO_ERROR;
        ucnv_reset(icu);
        ucnv_toUnicode(icu, &target, out + 16, &source, source + bytes.size(), nullptr, true,
                       &status);
        const Cp932Result ours = DecodeCp932(bytes);
        const QString icuText(reinterpret_cast<const QChar*>(out), int(target - out));
        const bool control = std::any_of(icuText.begin(), icuText.end(), [](QChar c) {
            return c < u' ' || (c >= QChar(0x7F) && c < QChar(0xA0));
        });
        bool same = false;
        if (U_SUCCESS(status)) {
            // Text ICU reads with a control character in it is refused after reading.
            same = control ? !ours.ok : ours.ok && ours.text == icuText;
        } else {
            char invalid[8];
            int8_t length = sizeof invalid;
            UErrorCode ignored = U_ZERO_ERROR;
            ucnv_getInvalidChars(icu, invalid, &length, &ignored);
            const qsizetype at = (source - bytes.constData()) - length;
            same = !ours.ok && ours.character == 0 && ours.at == at;
        }
        if (!same) {
            report(QStringLiteral("decoding %1: stopped at %2").arg(Hex(sequence)).arg(ours.at));
        }
    }
    ucnv_close(icu);
    EXPECT_EQ(mismatches, 0);
}

#endif

}  // namespace
