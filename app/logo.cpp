#include "logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage drawLogo(const QSize& size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x1F, 0x3A, 0x6E));
    sky.setColorAt(1, QColor(0x0A, 0x16, 0x30));
    painter.setPen(QPen(QColor(0x9F, 0xB8, 0xE0), 1));
    painter.setBrush(sky);
    painter.drawRoundedRect(area, 4, 4);

    // A lightning bolt on the left: the motor's power.
    const qreal h = area.height();
    QPainterPath bolt;
    bolt.moveTo(area.left() + h * 0.55, area.top() + h * 0.12);
    bolt.lineTo(area.left() + h * 0.22, area.top() + h * 0.58);
    bolt.lineTo(area.left() + h * 0.46, area.top() + h * 0.56);
    bolt.lineTo(area.left() + h * 0.30, area.top() + h * 0.90);
    bolt.lineTo(area.left() + h * 0.74, area.top() + h * 0.40);
    bolt.lineTo(area.left() + h * 0.50, area.top() + h * 0.42);
    bolt.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xC8, 0x2E));
    painter.drawPath(bolt);

    // The model name, as large as the room beside the bolt allows.
    const QRectF textRoom(area.left() + h * 0.85, area.top(), area.width() - h * 0.95, h);
    // Bold upright shares its face with the parameter boxes: one font file less to load.
    QFont font;
    font.setBold(true);
    const QString name = QStringLiteral("TZ586KV");
    // One measurement: text width follows the pixel size closely enough.
    const qreal start = h * 0.7;
    font.setPixelSize(qMax(6, int(start)));
    const qreal width = QFontMetricsF(font).horizontalAdvance(name);
    if (width > textRoom.width())
        font.setPixelSize(qMax(6, int(start * textRoom.width() / width)));
    painter.setFont(font);
    painter.setPen(QColor(0xF2, 0xF6, 0xFF));
    painter.drawText(textRoom, Qt::AlignCenter, name);
    return image;
}
