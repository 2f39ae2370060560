#include "pages/shown_text.h"

#include <QLocale>

bool ShownAsCode(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 ||
           c == 0x2029;
}

namespace {

QString Escaped(QStringView text, bool keepLineFeeds) {
    QString shown;
    shown.reserve(text.size());
    // Every character written as its code lies in the basic plane: no surrogate is one.
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!ShownAsCode(u) || (keepLineFeeds && u == u'\n')) {
            shown += c;
        } else if (u <= 0xFF) {
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

bool NeedsWork(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Printable ASCII has nothing to compose and nothing to write as a code.
        if (u < 0x20 || u >= 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString ShownText(QStringView text) {
    if (!NeedsWork(text)) {
        return text.toString();
    }
    return Escaped(text.toString().normalized(QString::NormalizationForm_C), false);
}

QString TerminalText(QStringView text) {
    for (const QChar c : text) {
        if (c != u'\n' && ShownAsCode(c.unicode())) {
            return Escaped(text, true);
        }
    }
    return text.toString();
}

namespace {

void Show(QString& text) {
    text = ShownText(text);
}

void Show(QList<LookItem>& looks) {
    for (LookItem& look : looks) {
        Show(look.file);
        Show(look.detail);
    }
}

void Show(PaperInfo& paper) {
    Show(paper.school);
    for (QString& seal : paper.seals) {
        Show(seal);
    }
}

}  // namespace

void ShowTexts(MonthReport& report) {
    Show(report.paper);
    Show(report.person);
    Show(report.fileName);
    Show(report.calendarFile);
    Show(report.sheet.looks);
}

void ShowTexts(YearReport& report) {
    Show(report.paper);
    Show(report.person);
    Show(report.sheetFile);
    Show(report.looks);
    for (MonthReport& month : report.monthDays) {
        ShowTexts(month);
    }
}

void ShowTexts(StaffReport& report) {
    Show(report.paper);
    for (StaffRow& row : report.rows) {
        Show(row.person);
        Show(row.sheetFile);
    }
    Show(report.looks);
}

void ShowTexts(BoardReport& report) {
    Show(report.paper);
    for (SchoolReport& school : report.schools) {
        Show(school.name);
        Show(school.folder);
        ShowTexts(school.staff);
    }
}

QString OmittedMark(qsizetype omitted) {
    return QStringLiteral("…【以下 %1 文字省略】")
        .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(qint64(omitted)));
}
