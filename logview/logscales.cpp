#include "logscales.h"

#include "numbertext.h"
#include "objectnames.h"
#include "pixelrect.h"

#include <algorithm>
#include <cmath>

LogScales::LogScales(QWidget* window)
{
    auto makeLabel = [window](const QString& name, Qt::Alignment alignment, const QString& text) {
        auto* label = new QLabel(text, window);
        label->setObjectName(name);
        label->setAlignment(alignment | Qt::AlignTop);
        return label;
    };
    for (size_t i = 0; i < m_volt.size(); ++i) {
        m_volt[i] = makeLabel(ObjectName::indexed(ObjectName::VoltScale, i), Qt::AlignRight,
            i == 0 ? QStringLiteral("0") : NumberText::fixed1(double(i)));
    }
    for (size_t i = 0; i < m_current.size(); ++i) {
        m_current[i] = makeLabel(ObjectName::indexed(ObjectName::CurrentScale, i), Qt::AlignLeft,
            NumberText::shortest(float(50 * i)));
    }
    for (size_t i = 0; i < m_time.size(); ++i)
        m_time[i] = makeLabel(ObjectName::indexed(ObjectName::TimeScale, i), Qt::AlignHCenter, {});
    m_caption = makeLabel(ObjectName::TimeCaption, Qt::AlignHCenter, QString());
    showTimes(TimeView {});
}

double LogScales::voltTop(const SampleStore& store, const LogScene& scene)
{
    auto above = [](const SampleStore& s) {
        return std::any_of(s.volt.begin(), s.volt.end(), [](float v) { return v > 10.01f; });
    };
    return above(store) || (scene.overlay && above(scene.overlay->store)) ? 20 : 10;
}

void LogScales::showTimes(const TimeView& view)
{
    // Whole seconds, tenths while zoomed in far.
    for (size_t i = 0; i < m_time.size(); ++i) {
        const double t = view.timeAt(double(i) / 9);
        m_time[i]->setText(NumberText::shortest(float(std::round(t * 10) / 10)));
    }
}

void LogScales::place(const LogLayout::Placement& p, double voltTop)
{
    for (size_t i = 0; i < m_volt.size(); ++i) {
        m_volt[i]->setGeometry(pixelRect(p.lblVolt[i]));
        if (i > 0)
            m_volt[i]->setText(NumberText::fixed1(double(i) * voltTop / 10));
    }
    for (size_t i = 0; i < m_current.size(); ++i)
        m_current[i]->setGeometry(pixelRect(p.lblCur[i]));
    for (size_t i = 0; i < m_time.size(); ++i)
        m_time[i]->setGeometry(pixelRect(p.lblS[i]));
    m_caption->setGeometry(pixelRect(p.lblTime));
}
