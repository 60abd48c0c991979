#include "imagecomparison.h"

#include "changeengine.h"
#include "settingvalues.h"

#include <algorithm>

namespace ImageComparison {

namespace {

    struct Place {
        bool isMode;
        int index;
    };

    const std::array<Place, RowCount>& order()
    {
        static const std::array<Place, RowCount> places = [] {
            std::array<Place, RowCount> p {};
            size_t n = 0;
            for (Parameter row : ParameterOrder)
                p[n++] = { false, indexOf(row) };
            for (Mode m : ModeOrder)
                p[n++] = { true, bitOf(m) };
            return p;
        }();
        return places;
    }

} // namespace

Texts shownTexts(QStringView image)
{
    Texts texts;
    // The window's own rules decide what it shows, "Off" and modes included.
    SettingValues values;
    if (values.show(image) != SettingImage::DecodeStatus::Ok)
        return texts;
    for (size_t r = 0; r < texts.size(); ++r) {
        const auto [isMode, i] = order()[r];
        texts[r] = isMode ? ShownValue::switched(values.mode(modeAt(i))).text()
                          : values.shown(parameterAt(i)).text();
    }
    return texts;
}

std::vector<Row> compare(QStringView first, QStringView second)
{
    const Texts a = shownTexts(first);
    const Texts b = shownTexts(second);
    const bool both = !a[0].isEmpty() && !b[0].isEmpty();
    const QList<ChangeEngine::Change> changes
        = both ? ChangeEngine::compare(first, second) : QList<ChangeEngine::Change> {};
    std::vector<Row> rows;
    rows.reserve(RowCount);
    for (size_t r = 0; r < a.size(); ++r) {
        const auto [isMode, i] = order()[r];
        const auto kind
            = isMode ? ChangeEngine::Change::Kind::Mode : ChangeEngine::Change::Kind::Parameter;
        const bool differs = std::any_of(
            changes.cbegin(), changes.cend(), [&, index = i](const ChangeEngine::Change& c) {
                return c.kind == kind && c.index == index;
            });
        Row row { isMode, i, {}, {}, a[r], b[r], differs };
        if (isMode) {
            row.caption = modeCaptionText(modeAt(i));
        } else {
            row.caption = captionText(parameterAt(i));
            row.unit = QString::fromUtf16(parameterTable()[size_t(i)].unit);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int differences(QStringView first, QStringView second)
{
    const auto decodes = [](QStringView image) {
        return SettingImage::decode(image).status == SettingImage::DecodeStatus::Ok;
    };
    if (!decodes(first) || !decodes(second))
        return -1;
    return int(ChangeEngine::compare(first, second).size());
}

} // namespace ImageComparison
