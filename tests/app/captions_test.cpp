// Every caption shows whole with the Japanese face the package depends on: none is cut by its
// control's edge or by a control lying over it.
#include "tests/support/form_fixture.h"

#include <QCheckBox>
#include <QDate>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegion>

#include <functional>

namespace {

using Captions = FormFixture;

// The part of a control the window shows: its rectangle less the controls stacked above it.
QRegion VisiblePart(const Form1& form, const QWidget* control) {
    QRegion visible(control->geometry());
    bool above = false;
    for (const QObject* child : form.children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == control) {
            above = true;
        } else if (above && sibling && sibling->isVisible()) {
            visible -= sibling->geometry();
        }
    }
    return visible;
}

// The pixels a caption paints: the window with the caption against the window without it.
QRect Ink(Form1& form, QWidget* control, const std::function<void(const QString&)>& setCaption,
          const QString& caption) {
    setCaption(QString());
    const QImage blank = form.grab().toImage();
    setCaption(caption);
    const QImage shown = form.grab().toImage();
    QRect ink;
    const QRect area = control->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (blank.pixel(x, y) != shown.pixel(x, y)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

TEST_F(Captions, everyCaptionStandsClearOfItsEdgesInTheGothicFace) {
    WriteFile("omb.ini", "Taro\r\n");
    Form1& form = Start();
    At(0, 30);
    Click(form.Command1);
    At(9, 1);
    Click(form.Command2);  // the reasons in view
    // The face by any of its names: a Japanese locale gives it as "IPA Pゴシック".
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("IPAPGothic")));
    ASSERT_EQ(QFontInfo(form.Label1->font()).family(),
              QFontInfo(QFont(QStringLiteral("IPAPGothic"))).family());

    struct Control {
        QWidget* widget;
        std::function<void(const QString&)> setCaption;
        QStringList captions;
    };
    const auto label = [](QLabel* l) { return [l](const QString& text) { l->setText(text); }; };
    const auto button = [](QAbstractButton* b) {
        return [b](const QString& text) { b->setText(text); };
    };
    QStringList dates;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        dates << day.toString(QStringLiteral("MM/dd"));
    }
    std::vector<Control> controls{
        {form.Label1, label(form.Label1), dates},
        {form.Label2, label(form.Label2), {"00:00:00", "08:18:48", "23:59:59", "11:11:11"}},
        {form.Command1, button(form.Command1), {"IN"}},
        {form.Command2, button(form.Command2), {"OUT", "SAVE"}},
        {form.Check1, button(form.Check1), {"休憩アリ", "休憩ナシ"}},
        {form.Command3, button(form.Command3), {"×"}},
    };
    for (QCheckBox* box : form.Check2) {
        controls.push_back({box, button(box), {box->text()}});
    }
    for (const Control& c : controls) {
        const QRegion visible = VisiblePart(form, c.widget);
        for (const QString& caption : c.captions) {
            const QRect ink = Ink(form, c.widget, c.setCaption, caption);
            const std::string what =
                c.widget->objectName().toStdString() + " " + caption.toStdString();
            ASSERT_FALSE(ink.isEmpty()) << what;
            // One pixel of the control's own colour all round: nothing touches an edge.
            EXPECT_TRUE((QRegion(ink.adjusted(-1, -1, 1, 1)) - visible).isEmpty())
                << what << ": ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                << ink.height() << " in " << visible.boundingRect().x() << ","
                << visible.boundingRect().y() << " " << visible.boundingRect().width() << "x"
                << visible.boundingRect().height();
        }
    }
}

}  // namespace
