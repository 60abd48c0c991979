#pragma once

#include <QFont>
#include <functional>

// The largest size at which fits holds, trying base's own size and then each
// half point below it; the smallest size tried when none fits.
QFont fittingFont(const QFont& base, const std::function<bool(const QFont&)>& fits);

// Whether text fits width x height in font, on one line or, with wrap, on as
// many lines as the height holds. extraWidth: room taken by an indicator or frame.
bool textFits(const QFont& font, const QString& text, int width, int height, int extraWidth = 0,
    bool wrap = false);
