#include "app/clock_menu.h"

#include "app/fonts.h"
#include "app/form1.h"
#include "app/menu_windows.h"
#include "app/month_window.h"
#include "app/own_month.h"
#include "app/questions.h"
#include "clock/time_source.h"
#include "pages/pdf_report.h"
#include "pages/report_labels.h"
#include "records/name_file.h"
#include "records/whole_file_save.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

namespace {

const QString kPdfSuffix = QStringLiteral(".pdf");

bool IsPdfName(const QString& path) {
    return path.endsWith(kPdfSuffix, Qt::CaseInsensitive);
}

}  // namespace

ClockMenu::ClockMenu(Form1& form, TimeSource& clock) : QObject(&form), form_(form), clock_(clock) {
    Menu = new QMenu(&form);
    Menu->setObjectName(QStringLiteral("ClockMenu"));
    Menu->setFont(GothicFont(13));
    MonthRecord = Menu->addAction(QStringLiteral("今月の記録…"), this, &ClockMenu::ShowMonth);
    OpenFolder =
        Menu->addAction(QStringLiteral("記録フォルダを開く"), this, &ClockMenu::OpenRecordsFolder);
    SavePdf =
        Menu->addAction(QStringLiteral("この月を PDF で保存…"), this, &ClockMenu::SaveMonthPdf);
    Menu->addSeparator();
    Guide = Menu->addAction(QStringLiteral("使い方"), this, &ClockMenu::ShowGuide);
    Version = Menu->addAction(QStringLiteral("バージョン情報"), this, &ClockMenu::ShowVersion);
}

ClockMenu::~ClockMenu() = default;

MonthWindow* ClockMenu::Month() const {
    return month_;
}

QDialog* ClockMenu::GuideWindow() const {
    return guide_;
}

QDialog* ClockMenu::VersionWindow() const {
    return version_;
}

void ClockMenu::PopUp(const QPoint& globalPosition, Opened by) {
    if (Menu->isVisible()) {
        return;
    }
    Menu->popup(globalPosition);
    if (by == Opened::ByKeyboard) {
        Menu->setActiveAction(MonthRecord);
    }
}

bool ClockMenu::ReadMonth(OwnMonth& month) {
    const QString name = form_.Text1->text();
    if (name.isEmpty() || name == Form1::kPromptText) {
        form_.Tell(
            QStringLiteral("まだ名前が入力されていないので、記録がありません。"
                           "白い欄に名前を入力して IN を押すと、その日から記録されます。"));
        return false;
    }
    // A name the clock would not save under names no sheet of the folder either.
    if (const QString problem = NameProblem(name); !problem.isEmpty()) {
        form_.Tell(problem);
        return false;
    }
    month = ReadOwnMonth(form_.State().AppDir, name, clock_.now().date());
    return true;
}

void ClockMenu::ShowMonth() {
    OwnMonth month;
    if (!ReadMonth(month)) {
        return;
    }
    if (!month_) {
        month_ = new MonthWindow(&form_);
        connect(month_, &MonthWindow::EndTimeAsked, this, &ClockMenu::AskEndTime);
        connect(month_, &MonthWindow::PdfAsked, this, &ClockMenu::SaveMonthPdf);
    }
    month_->Show(month);
}

// The day's end is asked for with the clock's own question and saved as the clock saves it;
// the window then shows the sheet as it is now.
void ClockMenu::AskEndTime(const QDate& date) {
    form_.AskWhenDayEnded(date);
    ShowMonth();
}

void ClockMenu::OpenRecordsFolder() {
    const QString folder = form_.State().AppDir;
    const QUrl url = QUrl::fromLocalFile(QDir(folder).absolutePath());
    if (!Questions::OpenFolder(url)) {
        form_.Tell(QStringLiteral("記録フォルダ「%1」を開けませんでした。"
                                  "ファイルマネージャーでこのフォルダを開いてください。")
                       .arg(QDir::toNativeSeparators(folder)));
    }
}

void ClockMenu::SaveMonthPdf() {
    OwnMonth month;
    if (!ReadMonth(month)) {
        return;
    }
    if (!month.problem.isEmpty()) {
        form_.Tell(month.problem);
        return;
    }
    const MonthReport& r = month.report;
    const QString suggested =
        QDir(form_.State().AppDir)
            .filePath(QStringLiteral("%1 %2.pdf").arg(r.person, FormatMonth(r.year, r.month)));
    QString path = ChooseSavePath(suggested);
    if (path.isEmpty()) {
        return;
    }
    // Only a PDF is written: never over a sheet, the name file or anything else of the folder,
    // neither by its name nor through a link that leads there.
    if (!IsPdfName(path)) {
        path += kPdfSuffix;
    }
    const QFileInfo target(path);
    if (target.isSymLink() && !IsPdfName(target.symLinkTarget())) {
        form_.Tell(QStringLiteral("「%1」は「%2」へのリンクです。PDF 以外のファイルには"
                                  "保存しません。別の名前を選んでください。")
                       .arg(QDir::toNativeSeparators(path),
                            QDir::toNativeSeparators(target.symLinkTarget())));
        return;
    }
    if (QFileInfo::exists(path) &&
        form_.Tell(QStringLiteral("「%1」はもうあります。置き換えますか?")
                       .arg(QDir::toNativeSeparators(path)),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    const QByteArray pdf = MonthPdf(r);
    if (pdf.isEmpty()) {
        form_.Tell(QStringLiteral("この月の PDF を作れませんでした。"));
        return;
    }
    const FileOutcome saved = SaveWholeFile(path, pdf);
    if (!saved.ok()) {
        form_.Tell(QStringLiteral("PDF を「%1」に保存できませんでした: %2")
                       .arg(QDir::toNativeSeparators(path), saved.why()));
    }
}

// The file dialog of the desktop where there is one; Qt's own otherwise, in the clock's words.
QString ClockMenu::ChooseSavePath(const QString& suggested) {
    QWidget* over = month_ && month_->isVisible() ? static_cast<QWidget*>(month_) : &form_;
    QFileDialog dialog(over, QStringLiteral("この月を PDF で保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // A file that is there already is asked about afterwards, in Japanese.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存する場所:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    return Questions::Ask(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

void ClockMenu::ShowGuide() {
    if (!guide_) {
        guide_ = MakeGuideWindow(&form_);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void ClockMenu::ShowVersion() {
    if (!version_) {
        version_ = MakeVersionWindow(&form_);
    }
    version_->show();
    version_->raise();
    version_->activateWindow();
}
