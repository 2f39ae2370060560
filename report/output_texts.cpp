#include "report/output_texts.h"

#include "pages/shown_text.h"
#include "records/cp932.h"

#include <QLocale>

namespace {

const QString kNoSuchCharacter = QStringLiteral("〓");
// The characters a note names; more are counted, not named.
constexpr qsizetype kNamedCharacters = 5;
// Room kept in a cell for the note on what was changed in it.
constexpr qsizetype kNoteRoom = 300;
// The characters of a changed text an item of its own quotes.
constexpr qsizetype kQuotedChars = 60;

QString Thousands(qsizetype n) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qint64(n));
}

struct Fitted {
    QString text;
    QStringList replaced;  // the codes of the characters CP932 lacks ("U+1F600"), each once
    qsizetype whole = 0;   // the text's length before
    qsizetype omitted = 0;
    bool changed() const { return !replaced.isEmpty() || omitted > 0; }

    // "CP932 にない文字 U+1F600 を「〓」にしました。65,012 文字のうち 32,700 文字で切りました"
    QString note() const {
        QStringList done;
        if (!replaced.isEmpty()) {
            QString named = replaced.mid(0, kNamedCharacters).join(QStringLiteral("、"));
            if (replaced.size() > kNamedCharacters) {
                named += QStringLiteral(" ほか %1 種").arg(replaced.size() - kNamedCharacters);
            }
            done << QStringLiteral("CP932 にない文字 %1 を「%2」にしました")
                        .arg(named, kNoSuchCharacter);
        }
        if (omitted > 0) {
            done << QStringLiteral("%1 文字のうち %2 文字で切りました")
                        .arg(Thousands(whole), Thousands(whole - omitted));
        }
        return done.join(QStringLiteral("。"));
    }
};

Fitted FitText(const QString& text, bool cp932, qsizetype maxChars) {
    Fitted fitted{text, {}, text.size(), 0};
    if (cp932 && !EncodeCp932(text).ok) {
        QString kept;
        kept.reserve(text.size());
        for (qsizetype i = 0; i < text.size();) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const QStringView character = QStringView(text).sliced(i, pair ? 2 : 1);
            if (EncodeCp932(character).ok) {
                kept += character;
            } else {
                kept += kNoSuchCharacter;
                // By its code alone: the character itself is what the file cannot hold.
                const QString described =
                    QStringLiteral("U+%1").arg(QString::number(character.toUcs4().value(0), 16)
                                                   .toUpper()
                                                   .rightJustified(4, u'0'));
                if (!fitted.replaced.contains(described)) {
                    fitted.replaced << described;
                }
            }
            i += character.size();
        }
        fitted.text = kept;
    }
    if (maxChars > 0 && fitted.text.size() > maxChars) {
        const qsizetype length = fitted.text.size();
        // Room for the mark with as many digits as the count can have.
        qsizetype keep = std::max<qsizetype>(0, maxChars - OmittedMark(length).size());
        if (keep > 0 && fitted.text[keep - 1].isHighSurrogate()) {
            --keep;
        }
        fitted.omitted = length - keep;
        fitted.text = fitted.text.left(keep) + OmittedMark(fitted.omitted);
    }
    return fitted;
}

// Fits the texts of one report, and lists what it changed.
class Fitter {
public:
    explicit Fitter(const TextFit& fit) : fit_(fit) {}

    bool needed() const { return fit_.cp932 || fit_.maxCell > 0; }

    // A text outside the list of looks: changed in place, and named by an item of its own.
    bool text(QString& text, const QString& what, const QString& file, int line = 0, int day = 0) {
        const Fitted fitted = FitText(text, fit_.cp932, fit_.maxCell);
        if (!fitted.changed()) {
            return false;
        }
        // The text itself stands in its own cell; the item quotes its beginning.
        QString quoted = fitted.text;
        if (quoted.size() > kQuotedChars) {
            quoted.truncate(quoted[kQuotedChars - 1].isHighSurrogate() ? kQuotedChars - 1
                                                                       : kQuotedChars);
            quoted += u'…';
        }
        added_.append({file, line, day, LookReason::AlteredText,
                       QStringLiteral("%1「%2」: %3").arg(what, quoted, fitted.note())});
        text = fitted.text;
        return true;
    }

    // The list's own items carry their notes; then the items of the texts changed elsewhere.
    void looks(QList<LookItem>& looks) {
        const qsizetype room = fit_.maxCell > 0 ? fit_.maxCell - kNoteRoom : 0;
        for (LookItem& look : looks) {
            const Fitted file = FitText(look.file, fit_.cp932, fit_.maxCell);
            const Fitted detail = FitText(look.detail, fit_.cp932, room);
            if (!file.changed() && !detail.changed()) {
                continue;
            }
            QStringList notes;
            if (file.changed()) {
                notes << QStringLiteral("ファイル名の") + file.note();
            }
            if (detail.changed()) {
                notes << detail.note();
            }
            look.file = file.text;
            const QString note = QStringLiteral(" 【%1】").arg(notes.join(u'。'));
            look.detail = detail.text + FitText(note, fit_.cp932, 0).text;
        }
        for (LookItem& look : added_) {
            look.file = FitText(look.file, fit_.cp932, fit_.maxCell).text;
            look.detail = FitText(look.detail, fit_.cp932, fit_.maxCell).text;
        }
        looks.append(added_);
        added_.clear();
    }

    // What a spreadsheet shows of a month (its file's name is the text report's alone).
    void month(MonthReport& r) {
        const QString& file = r.fileName;
        text(r.person, QStringLiteral("氏名"), file);
        text(r.calendarFile, QStringLiteral("学校カレンダーのファイル名"), r.calendarFile);
        for (DayEntry& day : r.sheet.days) {
            text(day.reasons, QStringLiteral("残業内容"), file, day.line, day.day);
        }
    }

private:
    TextFit fit_;
    QList<LookItem> added_;
};

}  // namespace

TextFit TextFitFor(OutputFormat format) {
    switch (format) {
        case OutputFormat::Csv:
            return {true, kSpreadsheetCellChars};
        case OutputFormat::CsvUtf8:
        case OutputFormat::Xlsx:
            return {false, kSpreadsheetCellChars};
        case OutputFormat::Text:
        case OutputFormat::Png:
        case OutputFormat::Pdf:
            break;
    }
    return {};
}

void FitTexts(MonthReport& report, const TextFit& fit) {
    Fitter fitter(fit);
    if (fitter.needed()) {
        fitter.month(report);
        fitter.looks(report.sheet.looks);
    }
}

void FitTexts(YearReport& report, const TextFit& fit) {
    Fitter fitter(fit);
    if (!fitter.needed()) {
        return;
    }
    fitter.text(report.person, QStringLiteral("氏名"), report.sheetFile);
    for (MonthReport& month : report.monthDays) {
        // The name fitted once, not again for every month.
        month.person = report.person;
        fitter.month(month);
    }
    fitter.looks(report.looks);
}

void FitTexts(StaffReport& report, const TextFit& fit) {
    Fitter fitter(fit);
    if (!fitter.needed()) {
        return;
    }
    for (StaffRow& row : report.rows) {
        if (fitter.text(row.person, QStringLiteral("氏名"), row.sheetFile)) {
            ++row.lookCount;
        }
    }
    fitter.looks(report.looks);
}

void FitTexts(BoardReport& report, const TextFit& fit) {
    for (SchoolReport& school : report.schools) {
        Fitter fitter(fit);
        if (!fitter.needed()) {
            return;
        }
        fitter.text(school.name, QStringLiteral("学校名"),
                    school.folder.isEmpty() ? QStringLiteral(".") : school.folder);
        fitter.text(school.folder, QStringLiteral("フォルダ名"), school.folder);
        fitter.looks(school.staff.looks);
        FitTexts(school.staff, fit);
    }
}
