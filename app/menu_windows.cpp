#include "app/menu_windows.h"

#include "app/colours.h"
#include "app/fonts.h"
#include "clock/overtime_bands.h"
#include "clock/reason_captions.h"
#include "clock/working_day.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#ifndef OMBREL_VERSION
#define OMBREL_VERSION "?"
#endif
#ifndef OMBREL_SOURCE_URL
#define OMBREL_SOURCE_URL ""
#endif

namespace {

// "7:45" for a band's edge in seconds worked.
QString Worked(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar(u'0'));
}

// Each colour of the time as the clock paints it, with the hours worked it stands for.
QString BandRows() {
    QString rows;
    for (const OvertimeBand& band : OvertimeBands()) {
        const QString span = band.number == 1
                                 ? QStringLiteral("%1 まで").arg(Worked(qint64(band.to)))
                             : band.number == kBandCount
                                 ? QStringLiteral("%1 を超えたら").arg(Worked(qint64(band.from)))
                                 : QStringLiteral("%1 ～ %2")
                                       .arg(Worked(qint64(band.from) - 1), Worked(qint64(band.to)));
        rows += QStringLiteral(
                    "<tr><td style=\"background:%1; color:%2\">&nbsp;12:00:00&nbsp;</td>"
                    "<td>&nbsp;%3</td></tr>")
                    .arg(PaintColour(band.backColour).name(), PaintColour(band.foreColour).name(),
                         span);
    }
    return rows;
}

QString GuideText() {
    return QStringLiteral(
               "<h3>時計の使い方</h3>"
               "<p><b>IN</b>: 出勤したら押します。初めての日は、白い欄に自分の名前を入力してから"
               "押します。名前は次から入力しなくても出ます。</p>"
               "<p><b>OUT</b>: 帰るときに押します。7 時間 45 分を超えて働いた日は残業の理由"
               " (%2) が並ぶので、当てはまるものにチェックを入れて <b>SAVE</b> を押します。"
               "OUT を押さずに <b>×</b> で閉じても、その時刻を終業としてその日を保存します。</p>"
               "<p><b>時刻の色</b>: 時刻の欄は、IN から働いた時間 (「休憩アリ」なら休憩 45 "
               "分を除く)"
               " で色が変わります。"
               "</p><table>%1</table>"
               "<p><b>休憩アリ / 休憩ナシ</b>: 休憩を取らなかった日は「休憩アリ」をクリックして"
               "「休憩ナシ」にします。働いた時間から休憩 45 分を引かなくなります。</p>"
               "<p><b>OUT を押し忘れた日</b>: 次に IN を押したとき、その日の終業時刻をたずねます。"
               "右クリックの「今月の記録…」でも入力できます。</p>"
               "<p><b>フォルダーの中のファイル</b> (右クリックの「記録フォルダを開く」):</p><ul>"
               "<li><b>名前 年 月.csv</b> (「Taro 17 7.csv」など): その月の出勤簿。日ごとの"
               "始業・終業の時刻と残業の理由の記号です。Excel で開けます。必ずバックアップを"
               "取ってください。</li>"
               "<li><b>omb.ini</b>: あなたの名前。このフォルダーの時計が誰のものかを決めます。</li>"
               "<li><b>temp1.txt</b>: 今日 IN を押した時刻。× で閉じると消えます。</li>"
               "<li><b>学校カレンダー.csv</b>、<b>学校設定.txt</b>: "
               "学校の休みの日と出勤日、学校名と"
               "押印欄 (作った場合だけあります)。</li></ul>"
               "<p><b>キーボードで</b>: Tab で IN・OUT・休憩アリ・× (残業の理由が出ている間は"
               " %2 も) に移り、Space か Enter で押します。メニューはメニューキーか Shift+F10 で"
               "開きます。</p>"
               "<p>窓は、ボタンや文字のない所をつかんで動かせます。</p>")
        .arg(BandRows(), ReasonRange());
}

QDialog* MakeWindow(QWidget* parent, const QString& title, const QString& html, bool scrolled) {
    auto* window = new QDialog(parent, Qt::Window);
    window->setWindowTitle(title);
    window->setFont(GothicFont(13));
    window->setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(window);
    auto* text = new QLabel(html, window);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    if (scrolled) {
        auto* scroll = new QScrollArea(window);
        scroll->setWidget(text);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        layout->addWidget(scroll, 1);
    } else {
        layout->addWidget(text, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
    return window;
}

}  // namespace

QDialog* MakeGuideWindow(QWidget* parent) {
    QDialog* window = MakeWindow(parent, QStringLiteral("使い方 - Ombrel"), GuideText(), true);
    window->setObjectName(QStringLiteral("GuideWindow"));
    window->resize(560, 640);
    return window;
}

QDialog* MakeVersionWindow(QWidget* parent) {
    const QString source = QStringLiteral(OMBREL_SOURCE_URL).toHtmlEscaped();
    // A Qt linked into the program can be replaced only by building the program again; one the
    // system provides is replaced with the system's own.
#ifdef QT_STATIC
    const QString qtInside = QStringLiteral(
        "この版には Qt %1 が組み込まれています (静的リンク)。Qt は GNU 劣等一般公衆利用許諾書 "
        "(LGPL-3) の下にあり、上のソースコードからご自分の Qt で組み立て直せば、Qt を差し替え"
        "られます。");
#else
    const QString qtInside = QStringLiteral(
        "システムの Qt %1 を使っています。Qt は GNU 劣等一般公衆利用許諾書 (LGPL-3) の下に"
        "あります。");
#endif
    const QString html =
        QStringLiteral(
            "<h3>Ombrel %1</h3>"
            "<p>学校の先生のための出退勤の時計と、残業の集計 (ombrel-report)。</p>"
            "<p>Ombrel はフリーソフトウェアです。GNU 一般公衆利用許諾書 (GNU General Public "
            "License) のバージョン 3 か、それ以降のバージョン (GPL-3.0-or-later) の条件で、"
            "再配布や改変ができます。無保証です。</p>"
            "<p>ソースコード: <a href=\"%2\">%2</a></p>"
            "<p>%3</p>")
            .arg(QStringLiteral(OMBREL_VERSION), source,
                 qtInside.arg(QString::fromLatin1(qVersion())));
    QDialog* window = MakeWindow(parent, QStringLiteral("バージョン情報 - Ombrel"), html, false);
    window->setObjectName(QStringLiteral("VersionWindow"));
    window->resize(440, 300);
    return window;
}
