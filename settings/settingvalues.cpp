#include "settingvalues.h"

#include "numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Limit = indexOf(Parameter::CurrentLimit);
constexpr int TimedLimit = indexOf(Parameter::TimedCurrentLimit);
constexpr int Volts = indexOf(Parameter::LowBatteryCutoff);
constexpr int ReverseCancel = bitOf(Mode::ReverseCancel);
constexpr int RobotMode = bitOf(Mode::RobotMode);
constexpr float LimiterOffAmps = SettingImage::LimiterOffAmps;
constexpr float LimiterOnAmps = 300;

const ParameterInfo& infoAt(int i) { return parameterTable()[size_t(i)]; }

float leading(const QString& text) { return float(NumberText::leadingNumber(text)); }

// Two digits from 5 up or three from 3 down can only mean tens of amperes.
bool snapsToTens(const QString& text)
{
    const double first = NumberText::leadingNumber(QStringView(text).left(1));
    return (text.size() == 2 && first >= 5) || (text.size() == 3 && first <= 3);
}

}

// Rules call each other; only the outermost call tells the views.
class SettingValues::Batch {
public:
    explicit Batch(SettingValues& values)
        : m_values(values)
    {
        ++m_values.m_batchDepth;
    }
    ~Batch()
    {
        if (--m_values.m_batchDepth == 0)
            emit m_values.changed();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    SettingValues& m_values;
};

SettingValues::SettingValues(QObject* parent)
    : QObject(parent)
{
    for (int i = 0; i < ParameterCount; ++i)
        at(i).spin = infoAt(i).spinMin;
}

std::optional<double> SettingValues::value(Parameter p) const
{
    const Entry& e = entry(p);
    if (!e.inRange || ValueProblem::of(p, e.text))
        return std::nullopt;
    return float(*NumberText::wholeNumber(e.text));
}

std::optional<ValueProblem> SettingValues::problem(Parameter p) const
{
    if (value(p) || (p == Parameter::CurrentLimit && m_limiterOff))
        return std::nullopt;
    // Red though its text passes: "5." typed over a red value stays red.
    return ValueProblem::of(p, text(p))
        .value_or(ValueProblem { ValueProblem::Kind::OutOfRange, p, text(p) });
}

QList<ValueProblem> SettingValues::problems() const
{
    QList<ValueProblem> found;
    for (Parameter p : ParameterOrder) {
        if (const auto problem = this->problem(p))
            found.append(*problem);
    }
    return found;
}

ShownValue SettingValues::shown(Parameter p) const
{
    if (p == Parameter::CurrentLimit && m_limiterOff)
        return ShownValue::limiterOff();
    return ShownValue::number(text(p));
}

bool SettingValues::shownModeBit(Mode m) const
{
    return SettingImage::isHexImage(m_lastShown)
        && (SettingImage::byteAt(m_lastShown, ModeByte) >> bitOf(m) & 1);
}

void SettingValues::setText(Parameter p, const QString& text)
{
    Batch batch(*this);
    // Full-width digits are read as ASCII here, so the rules and the box see "120".
    const QString ascii = NumberText::typed(text);
    m_typed[size_t(indexOf(p))] = ascii;
    assignText(indexOf(p), ascii);
}

void SettingValues::setSpin(Parameter p, int spin)
{
    Batch batch(*this);
    m_typed[size_t(indexOf(p))].clear();
    assignSpin(indexOf(p), spin);
}

void SettingValues::setMode(Mode m, bool on)
{
    Batch batch(*this);
    m_modesRequested = true;
    assignMode(bitOf(m), on);
}

void SettingValues::setLimiterOff(bool off)
{
    Batch batch(*this);
    m_typed[size_t(Limit)].clear();
    assignLimiterOff(off);
}

void SettingValues::clear()
{
    Batch batch(*this);
    m_typed.fill(QString());
    m_modesRequested = false;
    // Unchecking refills the limit, which the loop empties again.
    assignLimiterOff(false);
    for (int i = 0; i < ParameterCount; ++i) {
        assignText(i, QString());
        if (i < ModeCount)
            assignMode(i, false);
    }
    m_modelName.clear();
    m_romVersionText.clear();
}

void SettingValues::assignText(int i, const QString& text)
{
    if (at(i).text == text)
        return;
    at(i).text = text;
    textRule(i);
}

void SettingValues::assignSpin(int i, int spin)
{
    const int clamped = std::clamp(spin, infoAt(i).spinMin, infoAt(i).spinMax);
    if (at(i).spin == clamped)
        return;
    at(i).spin = clamped;
    spinRule(i);
}

void SettingValues::assignMode(int bit, bool on)
{
    if (m_modes[size_t(bit)] == on)
        return;
    m_modes[size_t(bit)] = on;
    if (!on)
        return;
    if (bit == ReverseCancel)
        assignMode(RobotMode, false);
    else if (bit == RobotMode)
        assignMode(ReverseCancel, false);
}

void SettingValues::assignLimiterOff(bool off)
{
    if (m_limiterOff == off)
        return;
    m_limiterOff = off;
    limiterRule(off);
}

void SettingValues::textRule(int i)
{
    const QString text = at(i).text;
    // Empty, or a decimal still being typed.
    if (text.isEmpty() || text.endsWith(u'.'))
        return;
    // The number before a comma is not what was meant: red, and left as typed.
    if (text.contains(u',')) {
        at(i).inRange = false;
        return;
    }
    float v = leading(text);
    if ((i == Limit || i == TimedLimit) && snapsToTens(text)) {
        v = float(std::floor(double(v) / 10 + 0.5) * 10);
        const QString snapped = NumberText::shortest(v);
        if (snapped != text) {
            // The nested rule has coloured the value and moved the spin.
            assignText(i, snapped);
            return;
        }
    }
    at(i).inRange = infoAt(i).inRange(v);
    if (!at(i).inRange)
        return;
    if (i == Limit)
        m_savedLimit = v; // before the spin, whose echo may refine it
    const double spin = i == Volts ? double(v) * 10 : double(v);
    assignSpin(i, int(NumberText::roundEven(spin)));
}

void SettingValues::spinRule(int i)
{
    // Out of range (or empty): the first step only pulls the text to the bound.
    const float v = leading(at(i).text);
    const ParameterInfo& p = infoAt(i);
    if (v < p.min)
        assignText(i, NumberText::shortest(p.min));
    else if (v > p.max)
        assignText(i, NumberText::shortest(p.max));
    else if (i == Volts)
        assignText(i, NumberText::shortest(float(at(i).spin / 10.0)));
    else
        assignText(i, QString::number(at(i).spin));
}

void SettingValues::limiterRule(bool off)
{
    if (off) {
        // An empty or non-numeric value says nothing about the last limit: keep it.
        if (const auto number = NumberText::wholeNumber(at(Limit).text))
            m_savedLimit = float(*number);
        assignText(Limit, QString());
        return;
    }
    if (m_savedLimit == LimiterOffAmps)
        m_savedLimit = LimiterOnAmps;
    assignText(Limit, NumberText::shortest(m_savedLimit));
}

SettingImage::DecodeStatus SettingValues::show(QStringView image)
{
    const SettingImage::Decoded decoded = SettingImage::decode(image);
    Batch batch(*this);
    if (decoded.status == SettingImage::DecodeStatus::OtherModel)
        m_modelName.clear();
    if (decoded.status != SettingImage::DecodeStatus::Ok)
        return decoded.status;
    m_typed.fill(QString());
    m_modesRequested = false;
    applyDecoded(decoded);
    m_lastShown = image.left(SettingImage::Length).toString();
    return decoded.status;
}

void SettingValues::applyDecoded(const SettingImage::Decoded& decoded)
{
    m_modelName = QStringLiteral("TZ586KV");
    for (int i : { 0, 1, 2, 3, 4, 14, 5, 6, 7 })
        assignText(i, decoded.texts[size_t(i)]);

    const bool off = decoded.limiterOff;
    if (off && m_limiterOff) {
        // Already off from an earlier load: the new 480 must not stay.
        limiterRule(true);
    } else {
        const bool wasOff = m_limiterOff;
        assignLimiterOff(off);
        // Switching "Off" back refills the saved limit; show the decoded one.
        if (wasOff && !off)
            assignText(Limit, decoded.texts[Limit]);
    }

    for (int i : { 8, 9, 10, 11, 12, 13 })
        assignText(i, decoded.texts[size_t(i)]);
    m_romVersionText = decoded.version;
    for (int bit = 0; bit < ModeCount; ++bit)
        assignMode(bit, (decoded.modeByte >> bit) & 1);
}

void SettingValues::setControllerImage(const QString& image)
{
    Batch batch(*this);
    m_controllerImage = image;
}
