// The window as created and as start-up leaves it.
#include "app/colours.h"
#include "app/twips.h"
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using WindowStartup = FormFixture;

struct ControlRow {
    const char* name;
    int index;  // element of a control array, or -1
    int left, top, width, height;
    const char* caption;
};

const ControlRow kControls[] = {
    {"Label1", -1, 0, 150, 615, 255, ""},
    {"Command1", -1, 120, 480, 615, 375, "IN"},
    {"Command2", -1, 840, 480, 615, 375, "OUT"},
    {"Check1", -1, 1560, 480, 975, 375, "休憩アリ"},
    {"Command3", -1, 2400, 120, 200, 200, "×"},
    {"Text1", -1, 480, 120, 1815, 270, "input Your Name"},
    {"Check2", 0, 120, 960, 2295, 255, "A:学校行事"},
    {"Check2", 1, 120, 1200, 2295, 255, "B:職員会議"},
    {"Check2", 2, 120, 1440, 2295, 255, "C:非常災害時"},
    {"Check2", 3, 120, 1680, 2295, 255, "D:学級・担任業務"},
    {"Check2", 4, 120, 1920, 2295, 255, "E:公務分掌"},
    {"Check2", 5, 120, 2160, 2295, 255, "F:部活動指導"},
    {"Check2", 6, 120, 2640, 2295, 255, "H:提出書類作成など"},
    {"Check2", 7, 120, 2400, 2295, 255, "G:研究発表など"},
    {"Check2", 8, 120, 2880, 2295, 255, "I:地域団体調整など"},
    {"Check2", 9, 120, 3120, 2295, 255, "J:学校経営・管理"},
    {"Check2", 10, 120, 3360, 2295, 255, "K:その他"},
};

QWidget* Find(Form1& form, const ControlRow& row) {
    for (QWidget* w : form.findChildren<QWidget*>(QString::fromLatin1(row.name))) {
        if (row.index < 0 || w->property("Index").toInt() == row.index) {
            return w;
        }
    }
    return nullptr;
}

QString Caption(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return QString();
}

TEST_F(WindowStartup, controlsStandWhereDesignedWithTheirCaptions) {
    Form1& form = Start();
    for (const ControlRow& row : kControls) {
        QWidget* w = Find(form, row);
        ASSERT_NE(w, nullptr) << row.name << " " << row.index;
        const std::string what = std::string(row.name) + "(" + std::to_string(row.index) + ")";
        EXPECT_EQ(w->geometry(), TwipsRect(row.left, row.top, row.width, row.height)) << what;
        EXPECT_EQ(Caption(w), QString::fromUtf8(row.caption)) << what;
        EXPECT_TRUE(w->isEnabled()) << what;
    }
    EXPECT_EQ(form.windowTitle(), "Ombrel");
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.width(), 178);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(form.windowIcon().availableSizes().value(0), QSize(32, 32));
}

TEST_F(WindowStartup, initialValuesAndColours) {
    Form1& form = Start();
    EXPECT_EQ(form.Check1->checkState(), Qt::Checked);
    for (QCheckBox* box : form.Check2) {
        EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
    }
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_EQ(BackColour(form.Label1), 12632319u);
    EXPECT_EQ(BackColour(form.Label2), 0x80000005u);
    EXPECT_EQ(ForeColour(form.Label2), 0x80000008u);
    EXPECT_EQ(BackColour(form.Check1), 8438015u);
    EXPECT_EQ(BackColour(form.Command1), ButtonFaceColour);
    EXPECT_EQ(BackColour(form.Command2), ButtonFaceColour);
    EXPECT_EQ(form.Label2->font().pixelSize(), 16);
    EXPECT_EQ(form.Command1->font().pixelSize(), 11);
    // Without the faces of Japanese Windows, a Gothic face the system has for Japanese draws.
    const QString face = QFontInfo(form.Check1->font()).family();
    EXPECT_TRUE(face.contains("Gothic") || face.contains("ゴシック")) << face.toStdString();
}

TEST_F(WindowStartup, woodPictureAtTheTopAndTheOrangeBackColourBelowIt) {
    At(0, 30);
    Form1& form = Start();
    form.Text1->setText("Taro");
    Click(form.Command1);
    At(9, 1);
    Click(form.Command2);  // past 7:45 worked: the window grows to show the reasons
    ASSERT_EQ(form.height(), 247);
    const QImage shot = form.grab().toImage();
    const QColor wood = shot.pixelColor(170, 40);
    EXPECT_GT(wood.red(), wood.green());
    EXPECT_GT(wood.green(), wood.blue());
    EXPECT_EQ(shot.pixelColor(170, 230), QColor(255, 192, 68));
}

TEST_F(WindowStartup, noNameFileWaitsForANameAndWritesNothing) {
    Form1& form = Start();
    EXPECT_TRUE(form.Text1->isVisibleTo(&form));
    EXPECT_EQ(form.Text1->text(), "input Your Name");
    EXPECT_EQ(form.Label2->text(), "");
    EXPECT_EQ(form.HeightTwips(), 900);
    EXPECT_EQ(form.height(), 60);
    EXPECT_FALSE(form.State().ClockedIn);
    EXPECT_EQ(form.State().AppDir, folder.path());
    EXPECT_EQ(form.State().DayText, "05");
    EXPECT_EQ(form.State().MonthText, "07");
    EXPECT_EQ(form.State().YearText, "17");
    EXPECT_EQ(form.State().ClockSeconds, 7 * 3600.0f);
    EXPECT_TRUE(FilesInFolder().isEmpty());
}

TEST_F(WindowStartup, nameFileFirstLineBecomesTheName) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString name;
    };
    const Case cases[] = {
        {"only CR LF", "\r\n", ""},
        {"the prompt text", "input Your Name\r\n", "input Your Name"},
        {"several lines", "Taro\r\nJiro\r\n", "Taro"},
        {"blanks kept", "  Taro Yamada \r\n", "  Taro Yamada "},
        {"no line end", "Taro", "Taro"},
        {"CP932", QByteArray::fromHex("FBFC8BB4") + "\r\n", "髙橋"},
    };
    for (const Case& c : cases) {
        WriteFile("omb.ini", c.bytes);
        Form1& form = Start();
        EXPECT_FALSE(form.Text1->isVisibleTo(&form)) << c.what;
        EXPECT_EQ(form.Text1->text(), c.name) << c.what;
        EXPECT_EQ(form.Label2->text(), c.name) << c.what;
        EXPECT_EQ(form.HeightTwips(), 900) << c.what;
        EXPECT_EQ(ReadFile("omb.ini"), c.bytes) << c.what;
        EXPECT_EQ(FilesInFolder(), QStringList{"omb.ini"}) << c.what;
    }
}

TEST_F(WindowStartup, aNameFileThatCannotBeReadLeavesTheWindowUnnamed) {
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"zero bytes", [this] { WriteFile("omb.ini", ""); }},
        {"not CP932", [this] { WriteFile("omb.ini", "Ta\x82\x20ro\r\n"); }},
        {"a folder in its place", [this] { QDir(folder.path()).mkdir("omb.ini"); }},
    };
    for (const Case& c : cases) {
        QDir(folder.path()).rmdir("omb.ini");
        QFile::remove(Path("omb.ini"));
        c.make();
        Form1& form = Start();
        EXPECT_TRUE(form.Text1->isVisibleTo(&form)) << c.what;
        EXPECT_EQ(form.Text1->text(), "input Your Name") << c.what;
        EXPECT_EQ(form.Label2->text(), "") << c.what;
        EXPECT_EQ(form.HeightTwips(), 900) << c.what;
    }
}

TEST_F(WindowStartup, dragMovesTheWindowOnlyWithTheLeftButtonOnItsSurface) {
    Form1& form = Start();
    const QPoint surface(170, 40);  // right of the break box: only the picture is there
    ASSERT_EQ(form.childAt(surface), nullptr);

    const QPoint before = form.pos();
    QTest::mousePress(&form, Qt::RightButton, {}, surface);
    QTest::mouseMove(&form, surface + QPoint(-30, 0));
    QTest::mouseRelease(&form, Qt::RightButton, {}, surface + QPoint(-30, 0));
    EXPECT_EQ(form.pos(), before);

    // Not from a label, nor from the blank right of a check box's caption.
    for (QWidget* control : std::initializer_list<QWidget*>{form.Label2, form.Check2[10]}) {
        const QPoint at(control->width() - 5, 5);
        QTest::mousePress(control, Qt::LeftButton, {}, at);
        QTest::mouseMove(control, at + QPoint(-20, 0));
        QTest::mouseRelease(control, Qt::LeftButton, {}, at + QPoint(-20, 0));
        EXPECT_EQ(form.pos(), before) << control->objectName().toStdString();
    }

    // The offscreen platform cannot move windows itself, so the window follows the pointer.
    QTest::mousePress(&form, Qt::LeftButton, {}, surface);
    QMouseEvent move(QEvent::MouseMove, QPointF(surface + QPoint(20, 10)),
                     QPointF(form.mapToGlobal(surface + QPoint(20, 10))), Qt::NoButton,
                     Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QCursor::setPos(form.mapToGlobal(surface + QPoint(20, 10)));
    QApplication::sendEvent(&form, &move);
    EXPECT_EQ(form.pos(), before + QPoint(20, 10));
}

}  // namespace
