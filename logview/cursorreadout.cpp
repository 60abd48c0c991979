#include "cursorreadout.h"

#include "numbertext.h"
#include "placement.h"

namespace {

// Through text with no decimals (halves away from zero) into 16 bits; a
// position too far out for that counts as off the graph.
int wholeOf(float value)
{
    const auto v = NumberText::toInt16(NumberText::leadingNumber(NumberText::whole(value)));
    return v ? *v : -1;
}

QString valueText(float value)
{
    return value == SampleStore::Missing ? QString() : NumberText::shortest(value);
}

} // namespace

CursorReadout readCursor(float x, float y, float picLeft, float picTop, float picWidth,
    float picHeight, const SampleStore& store, const TimeView& view)
{
    CursorReadout r;
    r.t = wholeOf(float(view.from) + x / (picWidth - 60) * float(view.width()));
    r.p = wholeOf(y / (picHeight - 60) * 100);
    r.top = picTop + y + 300;
    r.left = picLeft + x + 300;
    r.visible = r.t >= 1 && r.t <= SampleStore::Count && r.p >= 1 && r.p <= 99;
    if (r.visible) {
        r.lines = QStringList { QString::number(r.t) + u's', valueText(store.voltsAt(r.t)) + u'V',
            valueText(store.ampsAt(r.t)) + u'A' };
    }
    return r;
}

QRect readoutPlace(const QSize& box, const QPoint& pointer, int gap, const QRect& area)
{
    QPoint at = pointer + QPoint(gap, gap);
    if (at.x() + box.width() > area.x() + area.width())
        at.setX(pointer.x() - gap - box.width());
    if (at.y() + box.height() > area.y() + area.height())
        at.setY(pointer.y() - gap - box.height());
    return Placement::keptOnScreen(QRect(at, box), area);
}
