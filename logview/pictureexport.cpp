#include "pictureexport.h"

#include "writetarget.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#ifdef TZ_HAVE_SVG
#include <QSvgGenerator>
#endif

QString PictureExport::filter()
{
    QString filter = tr("PNG picture (*.png)") + u"|*.png|"_qs;
#ifdef TZ_HAVE_SVG
    filter += tr("SVG picture (*.svg)") + u"|*.svg|"_qs;
#endif
    return filter + tr("PDF document (*.pdf)") + u"|*.pdf|"_qs + tr("ALL files(*.*)") + u"|*.*"_qs;
}

bool PictureExport::savesSvg()
{
#ifdef TZ_HAVE_SVG
    return true;
#else
    return false;
#endif
}

PictureExport::Format PictureExport::formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"svg")
        return Format::Svg;
    return suffix == u"pdf" ? Format::Pdf : Format::Png;
}

bool PictureExport::save(const QString& path, QSize size, int scale, const Painting& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (formatOf(path)) {
    case Format::Png: {
        QImage image(size * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        QPainter painter(&image);
        paint(painter);
        painter.end();
        if (!image.save(&buffer, "PNG"))
            return false;
        break;
    }
    case Format::Svg: {
#ifdef TZ_HAVE_SVG
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        QPainter painter(&svg);
        paint(painter);
        break;
#else
        return false;
#endif
    }
    case Format::Pdf: {
        // A page the picture's size, one pixel a point at 72 to the inch.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72 * scale);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        painter.scale(scale, scale);
        paint(painter);
        break;
    }
    }
    return saveAtomically(path, bytes);
}
