#include "parametertable.h"

#include "numbertext.h"

const std::array<ParameterInfo, ParameterCount>& parameterTable()
{
    static const std::array<ParameterInfo, ParameterCount> table { {
        { u"PWM frequency(at Min. load)", u"Hz", 100, 10000, 100, 10000, 1, 5 },
        { u"PWM frequency(at Max. load)", u"Hz", 100, 10000, 100, 10000, 1, 5 },
        { u"Neutral", u"uS", 1020, 2020, 1020, 2020, 1, 4 },
        { u"High point(forward)", u"uS", 720, 2320, 720, 2320, 1, 4 },
        { u"High point(brake)", u"uS", 720, 2320, 720, 2320, 1, 4 },
        { u"Dead Band", u"uS", 2, 50, 2, 50, 1, 2 },
        // The spin button counts tenths of a volt here.
        { u"Low Batt. Protection", u"V", 2.5f, 6, 25, 60, 1, 4 },
        { u"Current Limiter", u"A", 50, 300, 50, 300, 10, 3 },
        { u"Brake Max. Duty", u"%", 0, 100, 0, 100, 1, 3 },
        { u"Reverse Max Duty", u"%", 0, 100, 0, 100, 1, 3 },
        { u"Neutral Brake", u"%", 0, 100, 0, 100, 1, 3 },
        { u"Current Limit Timer", u"Sec", 0, 240, 0, 240, 1, 3 },
        { u"Current Limiter(Time Limit)", u"A", 50, 300, 50, 300, 10, 3 },
        { u"Forward Boost", u"", 0, 100, 0, 100, 1, 3 },
        { u"Reverse Mode Shift Level", u"%", 0, 100, 0, 100, 1, 3 },
    } };
    return table;
}

QString parameterTooltip(int index)
{
    const ParameterInfo& p = parameterTable().at(static_cast<size_t>(index));
    return NumberText::shortest(p.min) + QChar(0xFF5E) + NumberText::shortest(p.max);
}

const std::array<const char16_t*, ModeCount>& modeCaptions()
{
    static const std::array<const char16_t*, ModeCount> captions {
        u"Virgin Bit",
        u"Reverse Mode",
        u"Reverse Cancel",
        u"T Limit Cut",
        u"Robot Mode",
    };
    return captions;
}
