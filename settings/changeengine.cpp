#include "changeengine.h"

#include "numbertext.h"
#include "settingimage.h"
#include "settingvalues.h"

#include <QCoreApplication>

#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace ChangeEngine {

namespace {

    using SettingImage::byteAt;
    using SettingImage::field;

    constexpr int Limiter = indexOf(Parameter::CurrentLimit);
    // Bits 5-7 of the mode byte belong to no mode switch.
    constexpr int ModeBits = (1 << ModeCount) - 1;

    // Which parameter each byte carries, -1 for none.
    const std::array<int, ImageBytes>& owners()
    {
        static const std::array<int, ImageBytes> table = [] {
            std::array<int, ImageBytes> t {};
            t.fill(-1);
            for (int i = 0; i < ParameterCount; ++i) {
                const ParameterInfo& p = parameterTable()[size_t(i)];
                for (int k = 0; k < widthOf(p.codec); ++k)
                    t[size_t(p.offset + k)] = i;
            }
            return t;
        }();
        return table;
    }

    QString hexByte(int value) { return (u"0"_s + NumberText::hex(uint32_t(value))).right(2); }

    ShownValue shownValue(Parameter p, QStringView image)
    {
        if (p == Parameter::CurrentLimit && SettingImage::limiterOff(image))
            return ShownValue::limiterOff();
        return ShownValue::number(SettingImage::fieldText(p, image));
    }

    Change parameterChange(Parameter p, QStringView from, QStringView to)
    {
        const ParameterInfo& i = info(p);
        return { Change::Kind::Parameter, indexOf(p), QString::fromUtf16(i.caption),
            QString::fromUtf16(i.unit), shownValue(p, from), shownValue(p, to),
            field(p, from).toString().toUpper(), field(p, to).toString().toUpper(), {}, true };
    }

    void compareModes(QStringView from, QStringView to, QList<Change>& changes)
    {
        const int a = byteAt(from, ModeByte);
        const int b = byteAt(to, ModeByte);
        for (Mode m : ModeOrder) {
            const int bit = 1 << bitOf(m);
            if ((a & bit) == (b & bit))
                continue;
            changes.append({ Change::Kind::Mode, bitOf(m),
                QString::fromUtf16(modeCaptions()[size_t(bitOf(m))]), {},
                ShownValue::switched(a & bit), ShownValue::switched(b & bit), hexByte(a),
                hexByte(b), {}, true });
        }
    }

    void compareBytes(QStringView from, QStringView to, QList<Change>& changes)
    {
        for (int k = 0; k < ImageBytes; ++k) {
            const int a = byteAt(from, k);
            const int b = byteAt(to, k);
            const int mask = k == ModeByte ? ~ModeBits & 0xFF : 0xFF;
            if (owners()[size_t(k)] >= 0 || (a & mask) == (b & mask))
                continue;
            changes.append(
                { Change::Kind::Byte, k, u"Byte %1"_s.arg(k), {}, ShownValue::byte(hexByte(a)),
                    ShownValue::byte(hexByte(b)), hexByte(a), hexByte(b), {}, true });
        }
    }

    // What the window shows for an image, through its own rules.
    struct Shown {
        SettingValues values;
        bool ok = false;
        explicit Shown(QStringView image)
        {
            ok = SettingImage::isHexImage(image)
                && values.show(image) == SettingImage::DecodeStatus::Ok;
        }
    };

    bool sameValue(const SettingValues& a, const Shown& b, Parameter p)
    {
        if (!b.ok)
            return false;
        if (p == Parameter::CurrentLimit) {
            if (a.limiterOff() != b.values.limiterOff())
                return false;
            if (a.limiterOff())
                return true;
        }
        return a.value(p) && a.value(p) == b.values.value(p);
    }

    bool sameModes(const SettingValues& a, const Shown& b)
    {
        if (!b.ok)
            return false;
        for (int bit = 0; bit < ModeCount; ++bit) {
            if (a.mode(modeAt(bit)) != b.values.mode(modeAt(bit)))
                return false;
        }
        return true;
    }

    int modeBits(const SettingValues& values)
    {
        int bits = 0;
        for (int bit = 0; bit < ModeCount; ++bit) {
            if (values.mode(modeAt(bit)))
                bits |= 1 << bit;
        }
        return bits;
    }

    // The first parameter that may not be written, by index.
    std::optional<ValueProblem> firstProblem(const SettingValues& values)
    {
        for (int i = 0; i < ParameterCount; ++i) {
            if (auto problem = values.problem(parameterAt(i)))
                return problem;
        }
        return std::nullopt;
    }

    // A value that cannot be written, where it is not what the controller holds.
    void addUnwritable(const SettingValues& values, QStringView held, QList<Change>& changes)
    {
        for (int i = 0; i < ParameterCount; ++i) {
            const Parameter p = parameterAt(i);
            const auto problem = values.problem(p);
            if (!problem || problem->kind == ValueProblem::Kind::Empty)
                continue;
            const auto given = NumberText::wholeNumber(problem->given);
            const auto holds = shownValue(p, held).toNumber();
            if (given && holds && float(*given) == float(*holds))
                continue;
            Change c = parameterChange(p, held, held);
            c.to = ShownValue::number(problem->given);
            c.toHex.clear();
            c.writable = false;
            changes.append(c);
        }
    }

    void noteRounding(const SettingValues& values, QList<Change>& changes)
    {
        for (Change& c : changes) {
            if (c.kind != Change::Kind::Parameter || c.to.kind != ShownValue::Kind::Number)
                continue;
            const Parameter p = parameterAt(c.index);
            // What was typed, where the rules rewrote it on the way in.
            const ShownValue typed = ShownValue::number(
                values.typedText(p).isEmpty() ? values.text(p) : values.typedText(p));
            const auto number = typed.toNumber();
            if (number && float(*number) != float(c.to.toNumber().value_or(0)))
                c.rounded = typed;
        }
    }

    // Edited values encoded fresh, the rest as shown, and what only the
    // controller knows from hidden; kept gets the hidden values that differ.
    QString writeImage(const SettingValues& values, const QString& base, const QString& hidden,
        QList<Change>* kept)
    {
        const Shown shown(base);
        QString image = base;
        for (int i = 0; i < ParameterCount; ++i) {
            const Parameter p = parameterAt(i);
            const ParameterInfo& pi = info(p);
            QString bytes;
            if (!pi.written) {
                bytes = field(p, hidden).toString();
                if (kept && field(p, base) != bytes)
                    kept->append(parameterChange(p, hidden, base));
            } else if (sameValue(values, shown, p))
                continue;
            else if (i == Limiter && values.limiterOff())
                bytes = hexByte(SettingImage::LimiterOffByte);
            else if (const auto v = values.value(p))
                bytes = SettingImage::fieldHex(p, float(*v));
            else
                continue;
            image.replace(2 * pi.offset, bytes.size(), bytes);
        }
        if (values.modesRequested() || !sameModes(values, shown)) {
            const int bits = (byteAt(base, ModeByte) & ~ModeBits) | modeBits(values);
            image.replace(2 * ModeByte, 2, hexByte(bits));
        }
        for (int k :
            { SettingImage::ModelByte - 1, SettingImage::ModelByte, SettingImage::VersionByte })
            image.replace(2 * k, 2, hidden.mid(2 * k, 2));
        return image;
    }

} // namespace

QList<Change> compare(QStringView from, QStringView to)
{
    QList<Change> changes;
    if (!SettingImage::isHexImage(from) || !SettingImage::isHexImage(to))
        return changes;
    for (Parameter p : ParameterOrder) {
        if (field(p, from).compare(field(p, to), Qt::CaseInsensitive) != 0)
            changes.append(parameterChange(p, from, to));
    }
    compareModes(from, to, changes);
    compareBytes(from, to, changes);
    return changes;
}

Plan plan(const SettingValues& values)
{
    Plan result;
    const QString& controller = values.controllerImage();
    const bool held = SettingImage::isHexImage(controller);
    const QString base = SettingImage::isHexImage(values.shownImage())
        ? values.shownImage().left(SettingImage::Length).toUpper()
        : (held ? controller.left(SettingImage::Length).toUpper() : QString());
    result.problem = firstProblem(values);
    if (base.isEmpty()) {
        result.status = result.problem ? Status::InvalidValue : Status::NoSource;
        return result;
    }
    // What only the controller knows comes from it, the rest from what was shown.
    const QString hidden = held ? controller.left(SettingImage::Length).toUpper() : base;
    const QString image = writeImage(values, base, hidden, held ? &result.kept : nullptr);

    const QString& reference = held ? controller : base;
    result.changes = compare(reference, image);
    noteRounding(values, result.changes);
    addUnwritable(values, reference, result.changes);
    result.status = result.problem ? Status::InvalidValue : Status::Ok;
    if (result.status == Status::Ok)
        result.image = image;
    return result;
}

QString captionText(const Change& c)
{
    switch (c.kind) {
    case Change::Kind::Parameter:
        return ::captionText(parameterAt(c.index));
    case Change::Kind::Mode:
        return modeCaptionText(modeAt(c.index));
    case Change::Kind::Byte:
        break;
    }
    return QCoreApplication::translate("ChangeEngine", "Byte %1").arg(c.index);
}

QString describe(const Change& c)
{
    const auto said
        = [](const char* source) { return QCoreApplication::translate("ChangeEngine", source); };
    QString line = said(QT_TRANSLATE_NOOP("ChangeEngine", "%1: %2 -> %3"))
                       .arg(captionText(c), c.from.withUnit(c.unit), c.to.withUnit(c.unit));
    if (c.rounded)
        line = said(QT_TRANSLATE_NOOP("ChangeEngine", "%1 (%2 rounded)"))
                   .arg(line, c.rounded->withUnit(c.unit));
    else if (c.kind == Change::Kind::Parameter && c.from == c.to)
        line = said(QT_TRANSLATE_NOOP("ChangeEngine", "%1 (bytes %2 -> %3)"))
                   .arg(line, c.fromHex, c.toHex);
    if (!c.writable)
        line = said(QT_TRANSLATE_NOOP("ChangeEngine", "%1 (cannot be written)")).arg(line);
    return line;
}

} // namespace ChangeEngine
