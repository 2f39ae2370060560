#include "app/pictures.h"

#include <QImageReader>
#include <QPixmap>
#include <QResource>

// Compiled into this library; a static library has to say so.
static void InitAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace {

// Skips blanks, then reads a decimal number; false when none stands there.
bool ReadNumber(const uchar*& at, const uchar* end, int& number) {
    while (at < end && (*at == ' ' || *at == '\n' || *at == '\r' || *at == '\t')) {
        ++at;
    }
    const uchar* first = at;
    number = 0;
    while (at < end && *at >= '0' && *at <= '9' && at - first < 6) {
        number = number * 10 + (*at++ - '0');
    }
    return at > first;
}

// A picture as make-assets.sh writes it: a binary PPM ("P6", width, height, 255, one blank, then
// three bytes a pixel), compiled in uncompressed. Its pixels are used where they lie, so a start
// copies and decodes nothing and loads no image plugin or library. Anything else is read the
// ordinary way.
QImage Pixels(const QString& path) {
    InitAssets();
    const QResource resource(path);
    const uchar* at = resource.data();
    const uchar* end = at ? at + resource.size() : at;
    int width = 0;
    int height = 0;
    int top = 0;
    if (resource.compressionAlgorithm() == QResource::NoCompression && end - at > 3 &&
        at[0] == 'P' && at[1] == '6' && (at += 2, ReadNumber(at, end, width)) &&
        ReadNumber(at, end, height) && ReadNumber(at, end, top) && top == 255 && at < end &&
        end - (at + 1) == qint64(width) * height * 3) {
        return QImage(at + 1, width, height, qsizetype(width) * 3, QImage::Format_RGB888);
    }
    QImageReader reader(path, "ppm");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QImage WoodPicture() {
    return Pixels(QStringLiteral(":/assets/wood.ppm"));
}

QIcon WindowIcon() {
    return QIcon(QPixmap::fromImage(Pixels(QStringLiteral(":/assets/ombrel.ppm"))));
}
