#include "messages.h"

#include "cp932.h"

#include <QLocale>
#include <QStringList>

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

QString FileErrorText(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::PermissionsError:
            return QStringLiteral("書き込みが許されていません");
        case QFileDevice::ResourceError:
            return QStringLiteral("ディスクの空きが足りません");
        case QFileDevice::OpenError:
            return QStringLiteral("ファイルを作れません");
        case QFileDevice::RenameError:
            return QStringLiteral("ファイルを置き換えられません");
        default:
            return QStringLiteral("書き込めません");
    }
}

}  // namespace

QString NameProblem(const QString& name) {
    // Spreadsheets name their lock files "~$<file>"; such a sheet would be taken for one.
    if (name.startsWith(QStringLiteral("~$"))) {
        return QStringLiteral(
            "名前を ~$ で始めることはできません (表計算ソフトが一時ファイルに使う名前です)。");
    }
    if (const QChar bad = ForbiddenNameCharacter(name); !bad.isNull()) {
        return QStringLiteral("名前に %1 は使えません (ファイル名に使えない文字です)。")
            .arg(DescribeCharacter(bad.unicode()));
    }
    if (const Cp932Result encoded = EncodeCp932(name); !encoded.ok) {
        return QStringLiteral("名前の %1 は保存できない文字です。別の字で入力してください。")
            .arg(DescribeCharacter(encoded.unstorable));
    }
    if (!SheetNameFits(name)) {
        return QStringLiteral("名前が長すぎます。短くして入力してください。");
    }
    return QString();
}

QString TypeNameFirstMessage() {
    return QStringLiteral("名前を入力してから IN を押してください。");
}

QString SheetNotSavedMessage(const SheetWriteResult& written) {
    const QString reason =
        written.unstorable != 0
            ? QStringLiteral("%1 は保存できない文字です").arg(DescribeCharacter(written.unstorable))
            : QStringLiteral("%1 (%2)").arg(FileErrorText(written.fileError), written.reason);
    return QStringLiteral(
               "出勤簿を保存できませんでした。OUT でもう一度保存します。\n"
               "ファイル: %1\n理由: %2")
        .arg(written.path, reason);
}

QString SheetNotReadAtInMessage(const QString& path) {
    return QStringLiteral(
               "出勤簿を読めませんでした。ほかのプログラムで開いていれば閉じて"
               "ください。OUT のときにもう一度読んで保存します。\nファイル: %1")
        .arg(path);
}

QString SheetNotReadAtSaveMessage(const QString& path) {
    return QStringLiteral(
               "出勤簿を読めないため、上書きせずにおきます。ほかのプログラムで"
               "開いていれば閉じてから、もう一度 OUT を押してください。\nファイル: %1")
        .arg(path);
}

QString NothingOpenToSaveMessage() {
    return QStringLiteral(
        "記録中の日がないため、保存していません。"
        "続けて記録するときは IN を押してから OUT を押してください。");
}

QString DayRowProblemMessage(const QString& path, int day, const DayRowPlace& place, bool atIn) {
    QString problem;
    if (place.finding == DayRowFinding::Duplicated) {
        QStringList lines;
        for (const qsizetype line : place.lines) {
            lines << QString::number(line + 1);
        }
        problem = QStringLiteral(
                      "出勤簿に %1日の行が %2 つ (%3 行目) あり、どれに書くか決められないため、"
                      "保存していません。%1日の行を 1 つにしてから")
                      .arg(day)
                      .arg(place.lines.size())
                      .arg(lines.join(QStringLiteral("、")));
    } else {
        problem =
            QStringLiteral(
                "出勤簿に %1日の行 (最初の欄が %1 の行) が見つからないため、保存していません。"
                "表計算ソフトで消したり、日付の欄を書き換えたりしていないか確かめ、"
                "%1日の行を戻してから")
                .arg(day);
    }
    const QString next = atIn ? QStringLiteral("、OUT を押してください。記録は続けています。")
                              : QStringLiteral("、もう一度 OUT を押してください。");
    return problem + next + QStringLiteral("\nファイル: %1").arg(path);
}

QString EndBeforeInTimeMessage(const QString& inTime, const QString& endTime) {
    return EndTimeProblemMessage(EndTimeProblem::NotAfterInTime, inTime) +
           QStringLiteral(
               "\nいまの時刻 %1 が始業時刻より前になっているため、保存していません。"
               "パソコンの時計が戻されていないか確かめてください。記録は続けています。")
               .arg(endTime);
}

QString CloseUnsavedQuestion() {
    return QStringLiteral("今日の記録を保存できていません。このまま閉じますか?");
}

QString OpenDayHeading(const QDate& date, const QString& inTime) {
    const QString day =
        QLocale(QLocale::Japanese, QLocale::Japan).toString(date, QStringLiteral("M月d日(ddd)"));
    return QStringLiteral(
               "%1 は %2 に始業したまま、終業時刻が記録されていません。\n\n"
               "終業時刻を 4 桁で入力して Enter を押してください\n"
               "(例: 17時30分なら 1730)。記録しないときは Esc を押してください。")
        .arg(day, inTime);
}

QString EndTimeProblemMessage(EndTimeProblem problem, const QString& inTime) {
    if (problem == EndTimeProblem::NotAfterInTime) {
        return QStringLiteral("終業時刻は始業時刻 %1 より後にしてください。").arg(inTime);
    }
    return QStringLiteral("終業時刻を 00:00 から 23:59 の時刻で入力してください (例: 1730)。");
}

namespace {

QString TooLargeText(qint64 size, qint64 limit) {
    return QStringLiteral("%1 バイトあり、大きすぎます (%2 KiB まで)")
        .arg(QString::number(size), QString::number(limit / 1024));
}

}  // namespace

QString FileRefusalText(const SmallFileRead& read) {
    switch (read.outcome) {
        case SmallFileRead::Outcome::NotRegular:
            return NotAFileText(read.kind);
        case SmallFileRead::Outcome::TooLarge:
            return TooLargeText(read.size, kMaxNameFileBytes);
        default:
            return QStringLiteral("読めません (%1)").arg(read.reason);
    }
}

QString NotDecodableText(TextEncoding encoding) {
    return encoding == TextEncoding::Cp932
               ? QStringLiteral("Shift_JIS (CP932) として読めない文字があります")
               : QStringLiteral("UTF-8 として読めない文字か制御文字があります");
}

QString SheetTooLargeMessage(const QString& path, qint64 size) {
    return QStringLiteral(
               "出勤簿が大きすぎるため、読まず、上書きもしません。31日の行より後に書き足した"
               "行を減らしてから、もう一度 OUT を押してください。\nファイル: %1\n理由: %2")
        .arg(path, TooLargeText(size, kMaxSheetBytes));
}

QString SheetRefusedMessage(const QString& path, const QString& why) {
    return QStringLiteral(
               "出勤簿の場所にあるものが出勤簿ではないため、読まず、上書きもしません。"
               "取り除いてから、もう一度 OUT を押してください。\nファイル: %1\n理由: %2")
        .arg(path, why);
}

QString NameFileRefusedMessage(const QString& path, const QString& why) {
    return QStringLiteral(
               "名前のファイルを使えないため、名前なしで始めました。名前を入力して IN を"
               "押してください。このファイルを直すか取り除くと、次からは入力した名前が"
               "保存されます。\nファイル: %1\n理由: %2")
        .arg(path, why);
}

QString StartTimeFileRefusedMessage(const QString& path, FileKind kind) {
    return QStringLiteral(
               "開始時刻のファイルの場所にあるものがふつうのファイルではないため、"
               "書き込みませんでした。記録は続けます。\nファイル: %1\n理由: %2")
        .arg(path, NotAFileText(kind));
}

QString ReplaceEndHeading(const QDate& date) {
    const QString day =
        QLocale(QLocale::Japanese, QLocale::Japan).toString(date, QStringLiteral("M月d日(ddd)"));
    return QStringLiteral(
               "%1 の出勤簿の行には、この画面が記録していない終業時刻か残業内容が入っています "
               "(ほかのパソコンの時計で記録されたか、手で直されたものです)。")
        .arg(day);
}

QString ReplaceEndQuestion() {
    return QStringLiteral(
        "この画面の記録で置き換えますか?\n"
        "Enter で置き換え、Esc で出勤簿のままにします。");
}

QString EndTimeText(const DayEnd& end) {
    if (end.outHour.isEmpty() && end.outMinute.isEmpty()) {
        return QStringLiteral("なし");
    }
    return ClockText(end.outHour, end.outMinute);
}

QString ReasonsText(const DayEnd& end) {
    if (end.reasons.isEmpty()) {
        return QStringLiteral("なし");
    }
    // Letters stand apart ("A B"); words typed into the cell stand as they are.
    QStringList letters;
    for (const QChar c : end.reasons) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z')) {
            return end.reasons;
        }
        letters << QString(c);
    }
    return letters.join(QLatin1Char(' '));
}
