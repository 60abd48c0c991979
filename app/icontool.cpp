// Renders the application icon at the PNG sizes of the hicolor theme, so that
// no generated images need to be kept in the sources.
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

// The drawing of packaging/tz586kv-link.svg, on the same 100-unit grid.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    QLinearGradient sky(0, 3, 0, 97);
    sky.setColorAt(0, QColor(0x1F, 0x3A, 0x6E));
    sky.setColorAt(1, QColor(0x0A, 0x16, 0x30));
    painter.setPen(QPen(QColor(0x9F, 0xB8, 0xE0), 3));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(3, 3, 94, 94), 16, 16);

    QPainterPath bolt;
    bolt.moveTo(58, 10);
    bolt.lineTo(22, 60);
    bolt.lineTo(47, 58);
    bolt.lineTo(30, 92);
    bolt.lineTo(79, 38);
    bolt.lineTo(53, 40);
    bolt.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xC8, 0x2E));
    painter.drawPath(bolt);
    return image;
}

}

int main(int argc, char* argv[])
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tz586kv-icon <output folder>" << Qt::endl;
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString folder = root + u"/hicolor/%1x%1/apps"_qs.arg(size);
        const QString path = folder + u"/tz586kv-link.png"_qs;
        if (!QDir().mkpath(folder) || !drawIcon(size).save(path, "PNG")) {
            err << "cannot write " << path << Qt::endl;
            return 1;
        }
    }
    return 0;
}
