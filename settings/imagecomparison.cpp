#include "imagecomparison.h"

#include "settingvalues.h"

using namespace Qt::Literals::StringLiterals;

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
            for (Parameter row : VisibleRows)
                p[n++] = { false, indexOf(row) };
            for (int i : { 2, 3, 4 })
                p[n++] = { false, i };
            for (int bit : { 2, 4, 0, 1, 3 })
                p[n++] = { true, bit };
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
        if (isMode)
            texts[r] = values.mode(modeAt(i)) ? u"On"_s : u"Off"_s;
        else if (parameterAt(i) == Parameter::CurrentLimit && values.limiterOff())
            texts[r] = u"Off"_s;
        else
            texts[r] = values.text(parameterAt(i));
    }
    return texts;
}

std::vector<Row> compare(QStringView first, QStringView second)
{
    const Texts a = shownTexts(first);
    const Texts b = shownTexts(second);
    const bool both = !a[0].isEmpty() && !b[0].isEmpty();
    std::vector<Row> rows;
    rows.reserve(RowCount);
    for (size_t r = 0; r < a.size(); ++r) {
        const auto [isMode, i] = order()[r];
        Row row { isMode, i, {}, {}, a[r], b[r], both && a[r] != b[r] };
        if (isMode) {
            row.caption = QString::fromUtf16(modeCaptions()[i]);
        } else {
            row.caption = QString::fromUtf16(parameterTable()[i].caption);
            row.unit = QString::fromUtf16(parameterTable()[i].unit);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int differences(const Texts& first, const Texts& second)
{
    if (first[0].isEmpty() || second[0].isEmpty())
        return -1;
    int n = 0;
    for (size_t r = 0; r < first.size(); ++r)
        n += first[r] != second[r];
    return n;
}

int differences(QStringView first, QStringView second)
{
    return differences(shownTexts(first), shownTexts(second));
}

} // namespace ImageComparison
