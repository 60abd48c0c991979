#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// The log window's picture as a file: PNG, SVG where Qt SVG was there at
// build time, or PDF, by the name's extension.
class PictureExport {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
public:
    enum class Format { Png, Svg, Pdf };
    using Painting = std::function<void(QPainter& painter)>;

    // The save dialog's filter, in the "Desc|*.ext|..." form.
    static QString filter();
    // False where Qt SVG was missing at build time: an .svg name is refused.
    static bool savesSvg();
    // By the extension; a bare or unknown one makes a PNG.
    static Format formatOf(const QString& path);
    // paint draws size (in pixels) at scale; false when it could not be written.
    static bool save(const QString& path, QSize size, int scale, const Painting& paint);
};
