#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The faces in the order they are wanted: the proportional Gothic of Japanese Windows (under its
// Japanese and its English name), the Gothic faces later Windows versions bring, the IPA and Noto
// stand-ins Linux has, then any other Gothic face the system has for Japanese.
QStringList GothicFamilies() {
    const QStringList wanted{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                             QStringLiteral("メイリオ"),        QStringLiteral("Meiryo"),
                             QStringLiteral("Yu Gothic UI"),    QStringLiteral("IPAPGothic"),
                             QStringLiteral("IPAexGothic"),     QStringLiteral("IPAGothic"),
                             QStringLiteral("Noto Sans CJK JP")};
    // Only the faces this machine has: every face named that it lacks would be looked for again
    // (through the system's aliases) at each size the window uses, at every start.
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            families << family;
        }
    }
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        const bool gothic = family.contains(QLatin1String("Gothic"), Qt::CaseInsensitive) ||
                            family.contains(QStringLiteral("ゴシック"));
        if (gothic && !families.contains(family)) {
            families << family;
        }
    }
    return families;
}

}  // namespace

QFont GothicFont(int pixelSize) {
    static const QStringList families = GothicFamilies();
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}
