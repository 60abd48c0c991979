#include "parametertable.h"

#include "numbertext.h"

const std::array<ParameterInfo, ParameterCount>& parameterTable()
{
    static const std::array<ParameterInfo, ParameterCount> table { {
        { u"PWM frequency(at Min. load)", u"Hz", u"pwm-min", 100, 10000, 100, 10000, 1, 5, 0,
            Codec::Word, true },
        { u"PWM frequency(at Max. load)", u"Hz", u"pwm-max", 100, 10000, 100, 10000, 1, 5, 2,
            Codec::Word, true },
        { u"Neutral", u"uS", u"neutral", 1020, 2020, 1020, 2020, 1, 4, 4, Codec::Word, false },
        { u"High point(forward)", u"uS", u"high-forward", 720, 2320, 720, 2320, 1, 4, 6,
            Codec::Word, false },
        { u"High point(brake)", u"uS", u"high-brake", 720, 2320, 720, 2320, 1, 4, 8, Codec::Word,
            false },
        { u"Dead Band", u"uS", u"deadband", 2, 50, 2, 50, 1, 2, 16, Codec::Byte, true },
        // The spin button counts tenths of a volt here.
        { u"Low Batt. Protection", u"V", u"cutoff", 2.5f, 6, 25, 60, 1, 4, 17, Codec::Volts, true },
        { u"Current Limiter", u"A", u"limiter", 50, 300, 50, 300, 10, 3, 19, Codec::Amps, true },
        { u"Brake Max. Duty", u"%", u"brake-duty", 0, 100, 0, 100, 1, 3, 20, Codec::Byte, true },
        { u"Reverse Max Duty", u"%", u"reverse-duty", 0, 100, 0, 100, 1, 3, 21, Codec::Byte, true },
        { u"Neutral Brake", u"%", u"neutral-brake", 0, 100, 0, 100, 1, 3, 22, Codec::Percent,
            true },
        { u"Current Limit Timer", u"Sec", u"limit-timer", 0, 240, 0, 240, 1, 3, 23, Codec::Byte,
            true },
        { u"Current Limiter(Time Limit)", u"A", u"timed-limiter", 50, 300, 50, 300, 10, 3, 24,
            Codec::Amps, true },
        { u"Forward Boost", u"", u"boost", 0, 100, 0, 100, 1, 3, 25, Codec::Byte, true },
        { u"Reverse Mode Shift Level", u"%", u"reverse-shift", 0, 100, 0, 100, 1, 3, 15,
            Codec::Percent, true },
    } };
    return table;
}

const ParameterInfo& info(Parameter p) { return parameterTable()[size_t(indexOf(p))]; }

QString rangeText(Parameter parameter, TextStyle style)
{
    const ParameterInfo& p = info(parameter);
    const QString between = style == TextStyle::Window ? QStringLiteral(" ~ ")
        : style == TextStyle::Tooltip                  ? QString(QChar(0xFF5E))
                                                       : QStringLiteral("..");
    return NumberText::shortest(p.min) + between + NumberText::shortest(p.max);
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

const std::array<const char16_t*, ParameterCount>& parameterKeys()
{
    static const std::array<const char16_t*, ParameterCount> keys = [] {
        std::array<const char16_t*, ParameterCount> table {};
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = parameterTable()[i].key;
        return table;
    }();
    return keys;
}

const std::array<const char16_t*, ModeCount>& modeKeys()
{
    static const std::array<const char16_t*, ModeCount> keys {
        u"virgin-bit",
        u"reverse-mode",
        u"reverse-cancel",
        u"t-limit-cut",
        u"robot-mode",
    };
    return keys;
}
