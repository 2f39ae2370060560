#include "records/name_file.h"

#include "records/cp932.h"
#include "records/month_sheet.h"
#include "records/small_file.h"
#include "records/text_encoding.h"

namespace {

QChar ForbiddenNameCharacter(const QString& name) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (kForbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return c;
        }
    }
    return QChar();
}

}  // namespace

QString NameProblem(const QString& name) {
    // Spreadsheets name their lock files "~$<file>"; such a sheet would be taken for one.
    if (name.startsWith(QStringLiteral("~$"))) {
        return QStringLiteral(
            "名前を ~$ で始めることはできません (表計算ソフトが一時ファイルに使う名前です)。");
    }
    // The name stands alone in a cell of every sheet's header: a spreadsheet that opens the sheet
    // takes a cell starting with one of these for a formula, and runs it.
    if (!name.isEmpty() && QStringLiteral("=+-@").contains(name.front())) {
        return QStringLiteral(
                   "名前を %1 で始めることはできません (表計算ソフトが式として実行してしまう"
                   "ためです)。")
            .arg(name.front());
    }
    if (const QChar bad = ForbiddenNameCharacter(name); !bad.isNull()) {
        return QStringLiteral("名前に %1 は使えません (ファイル名に使えない文字です)。")
            .arg(DescribeCharacter(bad.unicode()));
    }
    const Cp932Result encoded = EncodeCp932(name);
    if (!encoded.ok) {
        return QStringLiteral("名前の %1 は保存できない文字です。別の字で入力してください。")
            .arg(DescribeCharacter(encoded.unstorable));
    }
    // The name file holds the name in CP932; bytes that would read back as UTF-8 would give
    // another name, and so another sheet, at the next start.
    if (DetectTextEncoding(encoded.bytes) != TextEncoding::Cp932) {
        return QStringLiteral(
            "この名前は保存すると別の文字として読み戻されてしまうため使えません。"
            "半角カナを全角にするなど、別の字で入力してください。");
    }
    if (!SheetNameFits(name)) {
        return QStringLiteral("名前が長すぎます。短くして入力してください。");
    }
    return QString();
}

NameFileRead ReadNameFile(const QString& path) {
    NameFileRead read;
    const SmallFileRead file = ReadSmallFile(path, kMaxNameFileBytes);
    read.outcome = file.outcome;
    if (read.outcome.failure == FileFailure::Absent) {
        return read;
    }
    if (!read.outcome.ok()) {
        read.refused = read.outcome.why();
        return read;
    }
    // Saved as UTF-8 by an editor, with its mark or without, the name reads as such.
    const TextEncoding encoding = DetectTextEncoding(file.bytes);
    const QByteArray content = file.bytes.mid(EncodingMark(encoding).size());
    if (content.isEmpty()) {
        return read;
    }
    qsizetype end = content.indexOf('\r');
    const qsizetype lineFeed = content.indexOf('\n');
    if (lineFeed >= 0 && (end < 0 || lineFeed < end)) {
        end = lineFeed;
    }
    const Cp932Result name = DecodeLine(end < 0 ? content : content.left(end), encoding);
    if (!name.ok) {
        read.outcome = FileOutcome::notText(path, encoding);
        read.refused = read.outcome.why();
        return read;
    }
    read.refused = NameProblem(name.text);
    if (read.refused.isEmpty()) {
        read.name = name.text;
    }
    return read;
}

FileOutcome WriteNameFile(const QString& path, const QString& name) {
    if (FileExists(path)) {
        return FileOutcome::done(path);
    }
    return SaveSmallFile(path, EncodeCp932(name).bytes + "\r\n");
}
