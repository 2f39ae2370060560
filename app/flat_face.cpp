#include "app/flat_face.h"

#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Fusion fills a button's panel with a gradient of the Button colour, so a light orange face
// comes out as a faint peach. This style keeps Fusion for everything but the panel.
class FlatFaceStyle : public QProxyStyle {
public:
    FlatFaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand) {
            DrawFace(*option, *painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static void DrawFace(const QStyleOption& option, QPainter& painter) {
        const QRect r = option.rect;
        const QColor face = option.palette.color(QPalette::Button);
        painter.fillRect(r, face);
        if (r.width() < 4 || r.height() < 4) {
            return;
        }
        const bool down = option.state & (State_Sunken | State_On);
        const bool keyboardFocus =
            (option.state & State_HasFocus) && (option.state & State_KeyboardFocusChange);
        // The outline follows the face, so that it stands out as well on orange as on grey;
        // keyboard focus shows in Fusion's highlight, as on the other controls.
        const QColor outline = keyboardFocus ? option.palette.color(QPalette::Highlight).darker(125)
                                             : face.darker(160);
        const QColor light = face.lighter(130);
        const QColor shade = face.darker(125);

        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        // The bevel: light above and to the left while up, the other way round while down.
        const int left = r.left() + 1, top = r.top() + 1;
        const int right = r.right() - 1, bottom = r.bottom() - 1;
        painter.setPen(down ? shade : light);
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
        painter.setPen(down ? light : shade);
        painter.drawLine(left, bottom, right, bottom);
        painter.drawLine(right, top, right, bottom);
        painter.restore();
    }
};

}  // namespace

void PaintFaceFlat(QPushButton* button) {
    // Owned by the button, so the style lives exactly as long as the face it paints.
    auto* style = new FlatFaceStyle;
    style->setParent(button);
    button->setStyle(style);
}
