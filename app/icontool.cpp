// Renders the application icon at the PNG sizes of the hicolor theme, or as
// the Windows program's .ico, so that no generated images need to be kept in
// the sources and no image converter is needed.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

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

// An .ico of PNG images (read by every Windows since Vista): a directory of
// 16-byte entries, then the images.
bool writeIco(const QString& path)
{
    const QList<int> sizes { 16, 24, 32, 48, 64, 256 };
    QByteArray head(6, 0);
    qToLittleEndian<quint16>(1, head.data() + 2);
    qToLittleEndian<quint16>(quint16(sizes.size()), head.data() + 4);
    QByteArray images;
    const qsizetype start = head.size() + 16 * sizes.size();
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawIcon(size).save(&buffer, "PNG");
        QByteArray entry(16, 0);
        entry[0] = entry[1] = char(size % 256); // 0 stands for 256
        qToLittleEndian<quint16>(1, entry.data() + 4); // planes
        qToLittleEndian<quint16>(32, entry.data() + 6); // bits per pixel
        qToLittleEndian<quint32>(quint32(png.size()), entry.data() + 8);
        qToLittleEndian<quint32>(quint32(start + images.size()), entry.data() + 12);
        head += entry;
        images += png;
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head + images) == start + images.size()
        && file.commit();
}

}

int main(int argc, char* argv[])
{
    QTextStream err(stderr);
    if (argc == 3 && QByteArray(argv[1]) == "--ico") {
        const QString path = QString::fromLocal8Bit(argv[2]);
        if (writeIco(path))
            return 0;
        err << "cannot write " << path << Qt::endl;
        return 1;
    }
    if (argc != 2) {
        err << "usage: tz586kv-icon <output folder> | --ico <file>" << Qt::endl;
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
