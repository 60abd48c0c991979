#include "parametertable.h"

#include "numbertext.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// The tables keep their English texts as char16_t for scripts and JSON: the
// u"" before each marked text makes it one, and lupdate still finds the text.
QString translated(const char* context, const char16_t* source)
{
    return QCoreApplication::translate(context, QString::fromUtf16(source).toUtf8().constData());
}

} // namespace

const std::array<ParameterInfo, ParameterCount>& parameterTable()
{
    static const std::array<ParameterInfo, ParameterCount> table { {
        { u"" QT_TRANSLATE_NOOP("Parameter", "PWM frequency(at Min. load)"), u"Hz", u"pwm-min", 100,
            10000, 100, 10000, 1, 5, 0, Codec::Word, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "PWM frequency(at Max. load)"), u"Hz", u"pwm-max", 100,
            10000, 100, 10000, 1, 5, 2, Codec::Word, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Neutral"), u"uS", u"neutral", 1020, 2020, 1020, 2020,
            1, 4, 4, Codec::Word, false },
        { u"" QT_TRANSLATE_NOOP("Parameter", "High point(forward)"), u"uS", u"high-forward", 720,
            2320, 720, 2320, 1, 4, 6, Codec::Word, false },
        { u"" QT_TRANSLATE_NOOP("Parameter", "High point(brake)"), u"uS", u"high-brake", 720, 2320,
            720, 2320, 1, 4, 8, Codec::Word, false },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Dead Band"), u"uS", u"deadband", 2, 50, 2, 50, 1, 2,
            16, Codec::Byte, true },
        // The spin button counts tenths of a volt here.
        { u"" QT_TRANSLATE_NOOP("Parameter", "Low Batt. Protection"), u"V", u"cutoff", 2.5f, 6, 25,
            60, 1, 4, 17, Codec::Volts, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Current Limiter"), u"A", u"limiter", 50, 300, 50, 300,
            10, 3, 19, Codec::Amps, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Brake Max. Duty"), u"%", u"brake-duty", 0, 100, 0,
            100, 1, 3, 20, Codec::Byte, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Reverse Max Duty"), u"%", u"reverse-duty", 0, 100, 0,
            100, 1, 3, 21, Codec::Byte, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Neutral Brake"), u"%", u"neutral-brake", 0, 100, 0,
            100, 1, 3, 22, Codec::Percent, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Current Limit Timer"), u"Sec", u"limit-timer", 0, 240,
            0, 240, 1, 3, 23, Codec::Byte, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Current Limiter(Time Limit)"), u"A", u"timed-limiter",
            50, 300, 50, 300, 10, 3, 24, Codec::Amps, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Forward Boost"), u"", u"boost", 0, 100, 0, 100, 1, 3,
            25, Codec::Byte, true },
        { u"" QT_TRANSLATE_NOOP("Parameter", "Reverse Mode Shift Level"), u"%", u"reverse-shift", 0,
            100, 0, 100, 1, 3, 15, Codec::Percent, true },
    } };
    return table;
}

const ParameterInfo& info(Parameter p) { return parameterTable()[size_t(indexOf(p))]; }

QString captionText(Parameter p) { return translated("Parameter", info(p).caption); }

QString modeCaptionText(Mode m) { return translated("Mode", modeCaptions()[size_t(bitOf(m))]); }

Phrase rangePhrase(Parameter parameter, TextStyle style)
{
    const ParameterInfo& p = info(parameter);
    const Phrase bounds = style == TextStyle::Window
        ? Phrase::of("Range", QT_TRANSLATE_NOOP("Range", "%1 ~ %2"))
        : Phrase::verbatim(style == TextStyle::Tooltip ? u"%1\uFF5E%2"_s : u"%1..%2"_s);
    return bounds.arg(NumberText::shortest(p.min), NumberText::shortest(p.max));
}

QString rangeText(Parameter p, TextStyle style) { return rangePhrase(p, style).text; }

const std::array<const char16_t*, ModeCount>& modeCaptions()
{
    static const std::array<const char16_t*, ModeCount> captions {
        u"" QT_TRANSLATE_NOOP("Mode", "Virgin Bit"),
        u"" QT_TRANSLATE_NOOP("Mode", "Reverse Mode"),
        u"" QT_TRANSLATE_NOOP("Mode", "Reverse Cancel"),
        u"" QT_TRANSLATE_NOOP("Mode", "T Limit Cut"),
        u"" QT_TRANSLATE_NOOP("Mode", "Robot Mode"),
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
