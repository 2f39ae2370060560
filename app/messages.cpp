#include "app/messages.h"

#include "records/cp932.h"

#include <QDir>
#include <QLocale>
#include <QStringList>

namespace {

// "7月4日(火)"
QString JapaneseDate(const QDate& date) {
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(date, QStringLiteral("M月d日(ddd)"));
}

// What the person does once the cause is put right: press the same button again, or, after the
// clock-in at IN (the day goes on in the window), OUT.
QString PressAgain(const QString& again) {
    return again.isEmpty() ? QStringLiteral("OUT を押してください。記録は続けています。")
                           : QStringLiteral("もう一度 %1 を押してください。").arg(again);
}

// The file a message is about, on a line of its own under it; and why it failed, as the system
// says, on the next.
QString FileLine(const QString& path) {
    return QStringLiteral("\nファイル: %1").arg(path);
}

QString FileLines(const QString& path, const QString& why) {
    return FileLine(path) + QStringLiteral("\n理由: %1").arg(why);
}

}  // namespace

QString TypeNameFirstMessage(const QString& button) {
    return QStringLiteral("名前を入力してから %1 を押してください。").arg(button);
}

QString UnusableRecordsFolderMessage(const QString& folder) {
    return QStringLiteral(
               "記録のフォルダー「%1」を作ることも開くこともできません。"
               "記録が別の場所に書かれないよう、時計は起動しませんでした。\n"
               "フォルダーの設定 (OMBREL_FOLDER または ombrel/folder) と、"
               "ネットワークドライブがつながっているかを確かめてください。")
        .arg(QDir::toNativeSeparators(folder));
}

QString SaveFailureMessage(const DaySaveResult& saved, int day, const QString& again) {
    const FileOutcome& outcome = saved.outcome;
    if (saved.rowUnclear) {
        return DayRowProblemMessage(outcome.path, day, saved.place, again);
    }
    if (saved.unreadableInTime) {
        return UnreadableInTimeMessage(outcome.path, day, saved.place.line, *saved.unreadableInTime,
                                       again);
    }
    switch (outcome.failure) {
        case FileFailure::NotAFile:
            return SheetRefusedMessage(outcome, again);
        case FileFailure::TooLarge:
            return SheetTooLargeMessage(outcome, again);
        case FileFailure::HeldOpen:
            return SheetHeldOpenMessage(outcome.path, again);
        case FileFailure::Busy:
            return SheetBusyMessage(outcome, again);
        case FileFailure::Absent:
        case FileFailure::Unreadable:
        case FileFailure::NotText:
            return again.isEmpty() ? SheetNotReadAtInMessage(outcome.path)
                                   : SheetNotReadAtSaveMessage(outcome.path, again);
        default:
            return SheetNotSavedMessage(outcome, again);
    }
}

QString SheetNotSavedMessage(const FileOutcome& written, const QString& again) {
    const QString next = again.isEmpty()
                             ? QStringLiteral("OUT でもう一度保存します。")
                             : QStringLiteral("もう一度 %1 を押すと保存し直します。").arg(again);
    return QStringLiteral("出勤簿を保存できませんでした。") + next +
           FileLines(written.path, written.why());
}

QString SheetHeldOpenMessage(const QString& path, const QString& again) {
    return QStringLiteral(
               "出勤簿をほかのプログラム (Excel など) が開いているため、保存できませんでした。"
               "そのプログラムで出勤簿を閉じてから、") +
           PressAgain(again) + FileLine(path);
}

QString SheetNotReadAtInMessage(const QString& path) {
    return QStringLiteral(
               "出勤簿を読めませんでした。ほかのプログラムで開いていれば閉じて"
               "ください。OUT のときにもう一度読んで保存します。") +
           FileLine(path);
}

QString SheetNotReadAtSaveMessage(const QString& path, const QString& again) {
    return QStringLiteral(
               "出勤簿を読めないため、上書きせずにおきます。ほかのプログラムで"
               "開いていれば閉じてから、") +
           PressAgain(again) + FileLine(path);
}

QString DayAlreadyClosedMessage(const QString& endTime) {
    return QStringLiteral(
               "今日は終業時刻 %1 まで保存してあります。"
               "続けて記録するときは IN を押してから OUT を押してください。")
        .arg(endTime);
}

QString DayRowProblemMessage(const QString& path, int day, const DayRowPlace& place,
                             const QString& again) {
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
    return problem + QStringLiteral("、") + PressAgain(again) + FileLine(path);
}

QString UnreadableInTimeMessage(const QString& path, int day, qsizetype line, const QString& row,
                                const QString& again) {
    return QStringLiteral(
               "出勤簿の %1日の行 (%2 行目「%3」) の始業時刻を時刻として読めないため、保存して"
               "いません。始業の時と分の欄を数字だけにしてから (例: 8時30分なら 08 と 30)")
               .arg(day)
               .arg(line + 1)
               .arg(row) +
           QStringLiteral("、") + PressAgain(again) + FileLine(path);
}

QString EndBeforeInTimeMessage(const QString& inTime, const QDateTime& end, const QDate& day) {
    const QString check =
        QStringLiteral("パソコンの時計が戻されていないか確かめてください。記録は続けています。");
    if (end.date() < day) {
        return QStringLiteral(
                   "パソコンの日付が %1 になっていて、始業した %2 より前のため、保存していません。")
                   .arg(JapaneseDate(end.date()), JapaneseDate(day)) +
               check;
    }
    TypedTime notAfter;
    notAfter.problem = TimeProblem::NotAfterInTime;
    return EndTimeProblemMessage(notAfter, inTime) +
           QStringLiteral("\nいまの時刻 %1 が始業時刻より前になっているため、保存していません。")
               .arg(end.time().toString(QStringLiteral("HH:mm"))) +
           check;
}

QString CloseUnsavedQuestion() {
    return QStringLiteral("今日の記録を保存できていません。このまま閉じますか?");
}

QString OpenDayHeading(const QDate& date, const QString& inTime, const QString& recordedEnd,
                       const QString& filledIn) {
    const QString day = JapaneseDate(date);
    const QString what =
        recordedEnd.isEmpty()
            ? QStringLiteral("%1 は %2 に始業したまま、終業時刻が記録されていません。")
                  .arg(day, inTime)
            : QStringLiteral("%1 は %2 に始業し、終業時刻が始業より前の %3 と記録されています。")
                  .arg(day, inTime, recordedEnd);
    if (!filledIn.isEmpty()) {
        return what + QStringLiteral(
                          "\n\n日付が変わったいまの時刻を、24 時から数えて %1 と入れてあります。\n"
                          "いままで働いていたなら、そのまま Enter を押してください。\n"
                          "先に帰っていたなら、終業時刻を 4 桁で入力して Enter を押してください"
                          " (例: 17時30分なら 1730)。\n記録しないときは Esc を押してください。")
                          .arg(filledIn);
    }
    return what + QStringLiteral(
                      "\n\n終業時刻を 4 桁で入力して Enter を押してください\n"
                      "(例: 17時30分なら 1730、日付が変わって 0時30分なら 2430)。"
                      "記録しないときは Esc を押してください。");
}

QString StartQuestionHeading(const QDate& date, const QString& endTime) {
    return QStringLiteral(
               "%1 の始業時刻が記録されていません (IN が押されていません)。\n\n"
               "今日の始業時刻を 4 桁で入力して Enter を押してください\n"
               "(例: 8時30分なら 0830)。いまの %2 を終業時刻として保存します。\n"
               "記録しないときは Esc を押してください。")
        .arg(JapaneseDate(date), endTime);
}

QString EndTimeProblemMessage(const TypedTime& typed, const QString& inTime) {
    switch (typed.problem) {
        case TimeProblem::NotAfterInTime: {
            QString text =
                QStringLiteral("終業時刻は始業時刻 %1 より後にしてください。").arg(inTime);
            if (!typed.nextMorning.isEmpty()) {
                QString digits = typed.nextMorning;
                text += QStringLiteral(
                            "日付が変わってからの終業なら、24 を足して %1 と入力して"
                            "ください。")
                            .arg(digits.remove(QLatin1Char(':')));
            }
            return text;
        }
        case TimeProblem::MoreThanADay:
            return QStringLiteral("終業時刻は始業時刻 %1 から 24 時間以内にしてください。")
                .arg(inTime);
        default:
            return QStringLiteral(
                "終業時刻を 4 桁の時刻で入力してください (例: 17時30分なら 1730、"
                "日付が変わって 0時30分なら 2430)。");
    }
}

QString StartTimeProblemMessage(const TypedTime& typed, const QString& endTime) {
    if (typed.problem == TimeProblem::NotBeforeEnd) {
        return QStringLiteral("始業時刻は終業時刻 %1 (いま) より前にしてください。").arg(endTime);
    }
    return QStringLiteral("始業時刻を 00:00 から 23:59 の時刻で入力してください (例: 0830)。");
}

QString SheetBusyMessage(const FileOutcome& busy, const QString& again) {
    return QStringLiteral(
               "ほかのパソコンか、もう一つの時計がこの出勤簿を保存しているところで、終わるのを"
               "待ちきれなかったため、保存していません。少したってから、") +
           PressAgain(again) + FileLines(busy.path, busy.why());
}

QString SheetTooLargeMessage(const FileOutcome& refused, const QString& again) {
    return QStringLiteral(
               "出勤簿が大きすぎるため、読まず、上書きもしません。31日の行より後に書き足した"
               "行を減らしてから、") +
           PressAgain(again) + FileLines(refused.path, refused.why());
}

QString SheetRefusedMessage(const FileOutcome& refused, const QString& again) {
    return QStringLiteral(
               "出勤簿の場所にあるものが出勤簿ではないため、読まず、上書きもしません。"
               "取り除いてから、") +
           PressAgain(again) + FileLines(refused.path, refused.why());
}

QString NameFileRefusedMessage(const QString& path, const QString& why) {
    return QStringLiteral(
               "名前のファイルを使えないため、名前なしで始めました。名前を入力して IN を"
               "押してください。このファイルを直すか取り除くと、次からは入力した名前が"
               "保存されます。") +
           FileLines(path, why);
}

QString StartTimeFileRefusedMessage(const FileOutcome& refused) {
    return QStringLiteral(
               "開始時刻のファイルの場所にあるものがふつうのファイルではないため、"
               "書き込みませんでした。記録は続けます。") +
           FileLines(refused.path, refused.why());
}

QString ReplaceEndHeading(const QDate& date) {
    const QString day = JapaneseDate(date);
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
