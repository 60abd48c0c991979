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

    // Reads the leading number; blanks between its characters are skipped too,
    // as the classic BASIC reader does ("1 000" is 1000).
    Scan scan(QStringView text)
    {
        Scan s;
        qsizetype i = 0;
        const qsizetype n = text.size();
        auto skip = [&] {
            while (i < n && isBlank(text[i]))
                ++i;
        };
        skip();
        if (i + 1 < n && text[i] == u'&' && (text[i + 1] == u'H' || text[i + 1] == u'h')) {
            i += 2;
            double v = 0;
            while (i < n && hexDigit(text[i]) >= 0) {
                v = v * 16 + hexDigit(text[i]);
                s.digits = true;
                ++i;
            }
            // Too many digits overflow; such a number reads as 0, as a decimal one does.
            s.value = std::isfinite(v) ? v : 0;
            s.digits = s.digits && std::isfinite(v);
            s.end = i;
            return s;
        }
        QString mantissa;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            mantissa += text[i];
            ++i;
            skip();
        }
        bool point = false;
        while (i < n) {
            if (isDigit(text[i])) {
                mantissa += text[i];
                s.digits = true;
            } else if (text[i] == u'.' && !point) {
                mantissa += text[i];
                point = true;
            } else if (!isBlank(text[i])) {
                break;
            }
            ++i;
        }
        s.end = i;
        if (s.digits && i < n
            && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
            qsizetype j = i + 1;
            QString exponent;
            if (j < n && (text[j] == u'+' || text[j] == u'-'))
                exponent += text[j++];
            bool expDigits = false;
            while (j < n && isDigit(text[j])) {
                exponent += text[j++];
                expDigits = true;
            }
            if (expDigits) {
                mantissa += u'e';
                mantissa += exponent;
                s.end = j;
            }
        }
        if (!s.digits)
            return s;
        bool ok = false;
        const double v = mantissa.toDouble(&ok);
        s.value = ok && std::isfinite(v) ? v : 0;
        if (!ok)
            s.digits = false;
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
