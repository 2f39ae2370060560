// The faces of IN and OUT as they are painted, read back from the widgets' pixels.
#include "app/colours.h"
#include "tests/support/form_fixture.h"

#include <QImage>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace {

using ButtonFaces = FormFixture;

struct Face {
    QColor commonest;  // inside the edge
    double share;      // of the inside that has exactly that colour
    QColor edge;       // the middle of the left edge
};

Face ReadFace(QPushButton* button) {
    const QImage shot = button->grab().toImage();
    std::map<QRgb, int> counts;
    int inside = 0;
    for (int y = 2; y < shot.height() - 2; ++y) {
        for (int x = 2; x < shot.width() - 2; ++x) {
            ++counts[shot.pixel(x, y)];
            ++inside;
        }
    }
    const auto commonest =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return {QColor(commonest->first), double(commonest->second) / inside,
            shot.pixelColor(0, shot.height() / 2)};
}

// Flat in exactly the given colour apart from the caption, framed by an edge clearly darker than
// the face, as a button's is.
void ExpectFace(QPushButton* button, const QColor& colour, const char* what) {
    const Face face = ReadFace(button);
    EXPECT_EQ(face.commonest, colour) << what;
    EXPECT_GT(face.share, 0.75) << what;
    EXPECT_LT(face.edge.lightness(), colour.lightness() - 40) << what;
}

TEST_F(ButtonFaces, pressedFacesAreFlatLightOrangeAndTheOthersTheButtonFace) {
    const QColor orange(255, 192, 128);
    const QColor buttonFace = PaintColour(ButtonFaceColour);
    ASSERT_NE(buttonFace, orange);
    WriteFile("omb.ini", "Taro\r\n");
    Form1& form = Start();
    ExpectFace(form.Command1, buttonFace, "IN at start");
    ExpectFace(form.Command2, buttonFace, "OUT at start");

    At(8, 0);
    Click(form.Command1);
    ExpectFace(form.Command1, orange, "IN pressed");
    ExpectFace(form.Command2, buttonFace, "OUT not yet pressed");

    At(12, 0);
    Click(form.Command2);
    ExpectFace(form.Command1, orange, "IN after OUT");
    ExpectFace(form.Command2, orange, "OUT pressed");
}

}  // namespace
