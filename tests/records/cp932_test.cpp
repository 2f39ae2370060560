#include "records/cp932.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

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
            EXPECT_FALSE(encoded.error.isEmpty()) << what;
            continue;
        }
        ASSERT_TRUE(encoded.ok) << what << ": " << encoded.error.toStdString();
        EXPECT_EQ(Hex(encoded.bytes), v.windowsBytes) << what;
        // What Windows writes reads back as the same text.
        const Cp932Result decoded = DecodeCp932(encoded.bytes);
        ASSERT_TRUE(decoded.ok) << what;
        EXPECT_EQ(decoded.text, v.text) << what;
    }
}

TEST(Cp932, unstorableTextNamesTheFirstOffendingCharacter) {
    struct Case {
        QString text;
        QString named;
    };
    const Case cases[] = {
        {QStringLiteral("たろう😀"), QStringLiteral("U+1F600")},
        {QStringLiteral("𠮷田"), QStringLiteral("U+20BB7")},
        {QStringLiteral("5€"), QStringLiteral("U+20AC")},
        {QStringLiteral("Taro\tKen"), QStringLiteral("U+0009")},
        {QStringLiteral("a\x7f"), QStringLiteral("U+007F")},
    };
    for (const Case& c : cases) {
        const Cp932Result result = EncodeCp932(c.text);
        EXPECT_FALSE(result.ok) << c.text.toStdString();
        EXPECT_TRUE(result.error.contains(c.named)) << result.error.toStdString();
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
    const QByteArray cases[] = {
        QByteArray("\x81"),  // lead byte at the end
        QByteArray("ab\x82\x20"
                   "cd"),        // lead byte with a trail byte out of range
        QByteArray("\xFF"),      // no such byte
        QByteArray("\x85\x40"),  // an unassigned row
        QByteArray("Taro\x01"),  // a control character
    };
    for (const QByteArray& bytes : cases) {
        const Cp932Result decoded = DecodeCp932(bytes);
        EXPECT_FALSE(decoded.ok) << Hex(bytes).toStdString();
        EXPECT_FALSE(decoded.error.isEmpty());
        EXPECT_TRUE(decoded.text.isEmpty());
    }
    EXPECT_TRUE(DecodeCp932(QByteArray()).ok);
}

}  // namespace
