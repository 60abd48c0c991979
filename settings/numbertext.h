#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The one set of rules by which the program turns text into numbers and back.
// "." is the decimal point everywhere, whatever the user's locale.
namespace NumberText {

// The number at the start of text: blanks are skipped, "&H" reads hexadecimal,
// a text without a leading number reads as 0.
double leadingNumber(QStringView text);

// The whole text as a number (blanks around it allowed), or nothing when any
// character is left over or no digit is present.
std::optional<double> wholeNumber(QStringView text);

// A typed text as the rules above read it: full-width digits, signs, point
// and blanks as their ASCII forms (NFKC), and "。" as a decimal point too.
// Only what people type passes here; files and replies stay ASCII.
QString typed(QStringView text);

// wholeNumber of typed(text).
std::optional<double> typedNumber(QStringView text);

// Nearest integer, exact halves to the even neighbour.
double roundEven(double value);

// roundEven into 16 bits; nothing when the result does not fit.
std::optional<int16_t> toInt16(double value);

// Shortest decimal form of a single-precision value: at most 7 significant
// digits, no trailing zeros, no leading blank.
QString shortest(float value);

// The value of one hex digit (either case), or -1.
int hexDigit(QChar c);

// Upper-case hexadecimal without leading zeros.
QString hex(uint32_t value);

// Fixed formats with exact halves away from zero: "0.0" and "0".
QString fixed1(double value);
QString whole(double value);

} // namespace NumberText
