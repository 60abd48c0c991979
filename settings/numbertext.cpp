#include "numbertext.h"

#include <cmath>
#include <limits>

namespace NumberText {

namespace {

    bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

    bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

    struct Scan {
        double value = 0;
        bool digits = false; // at least one digit was read
        qsizetype end = 0; // index after the last character taken
    };

    qsizetype skipBlanks(QStringView text, qsizetype i)
    {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        return i;
    }

    // Hex digits from i on, after the "&H".
    Scan scanHex(QStringView text, qsizetype i)
    {
        Scan s;
        double v = 0;
        for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
            v = v * 16 + hexDigit(text[i]);
            s.digits = true;
        }
        // Too many digits overflow; such a number reads as 0, as a decimal one does.
        s.value = std::isfinite(v) ? v : 0;
        s.digits = s.digits && std::isfinite(v);
        s.end = i;
        return s;
    }

    // An exponent ("e", "E" or "D", sign, digits) at i appended to mantissa;
    // returns where the number ends.
    qsizetype appendExponent(QStringView text, qsizetype i, QString& mantissa)
    {
        const qsizetype n = text.size();
        if (i >= n || !(text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D'))
            return i;
        qsizetype j = i + 1;
        QString exponent = u"e"_qs;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += text[j++];
        const qsizetype firstDigit = j;
        while (j < n && isDigit(text[j]))
            exponent += text[j++];
        if (j == firstDigit)
            return i;
        mantissa += exponent;
        return j;
    }

    // Reads the leading number; blanks between its characters are skipped too,
    // so "1 000" is 1000 wherever a number is read.
    Scan scan(QStringView text)
    {
        const qsizetype n = text.size();
        qsizetype i = skipBlanks(text, 0);
        if (i + 1 < n && text[i] == u'&' && (text[i + 1] == u'H' || text[i + 1] == u'h'))
            return scanHex(text, i + 2);
        Scan s;
        QString mantissa;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            mantissa += text[i];
            i = skipBlanks(text, i + 1);
        }
        bool point = false;
        for (; i < n; ++i) {
            if (isDigit(text[i])) {
                mantissa += text[i];
                s.digits = true;
            } else if (text[i] == u'.' && !point) {
                mantissa += text[i];
                point = true;
            } else if (!isBlank(text[i])) {
                break;
            }
        }
        s.end = s.digits ? appendExponent(text, i, mantissa) : i;
        if (!s.digits)
            return s;
        bool ok = false;
        const double v = mantissa.toDouble(&ok);
        s.value = ok && std::isfinite(v) ? v : 0;
        s.digits = ok;
        return s;
    }

} // namespace

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

double leadingNumber(QStringView text) { return scan(text).value; }

std::optional<double> wholeNumber(QStringView text)
{
    const Scan s = scan(text);
    if (!s.digits)
        return std::nullopt;
    for (qsizetype i = s.end; i < text.size(); ++i) {
        if (!isBlank(text[i]))
            return std::nullopt;
    }
    return s.value;
}

QString typed(QStringView text)
{
    QString ascii = text.toString().normalized(QString::NormalizationForm_KC);
    ascii.replace(u'\u3002', u'.'); // the ideographic full stop
    return ascii;
}

std::optional<double> typedNumber(QStringView text) { return wholeNumber(typed(text)); }

double roundEven(double value) { return value - std::remainder(value, 1.0); }

std::optional<int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundEven(value);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

QString shortest(float value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(static_cast<double>(value), 'g', 7);
}

QString hex(uint32_t value) { return QString::number(value, 16).toUpper(); }

namespace {
    // Halves away from zero, decided on the value as printed with 15 digits so
    // that 0.15 counts as a half although its binary form lies just below.
    QString fixed(double value, int decimals)
    {
        const double scale = std::pow(10.0, decimals);
        const double scaled = QString::number(value * scale, 'g', 15).toDouble();
        const double r = std::round(scaled) / scale;
        QString s = QString::number(r == 0 ? 0.0 : r, 'f', decimals);
        return s;
    }
}

QString fixed1(double value) { return fixed(value, 1); }

QString whole(double value) { return fixed(value, 0); }

} // namespace NumberText
