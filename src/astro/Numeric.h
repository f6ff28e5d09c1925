#pragma once
// Number rules shared by every computation of the chart: the fixed value of pi, rounding to
// nearest with halves to even, 16-bit working integers and the lenient leading-number reader.

#include <cstdint>
#include <optional>
#include <string_view>
#include <QStringView>

namespace orv {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double HalfPi = 1.570796326794895;

// Round to nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double RoundHalfEven(double v);

// Rounded value as a 16-bit signed integer. Chart arithmetic never leaves the 16-bit range;
// should it ever, the value wraps as a 16-bit store would (modulo 2^16, or 2^32 for Round32),
// and a value that is not a number gives 0.
int16_t Round16(double v);
int32_t Round32(double v);

// Floor, as the calendar arithmetic needs it.
double Int(double v);

// Angle of the point (q, p) in (-pi, pi], built on arctan(p / q) with the fixed pi.
double ArcTan2(double p, double q);

// The number at the start of a text: leading blanks skipped, optional sign, digits, optional
// fraction and exponent (E or D). Text that does not start with a number reads as 0; a number too
// large for a double reads as plus or minus infinity. The full stop is the decimal point whatever
// the user's locale.
double LeadingNumber(QStringView text);
double LeadingNumber(std::string_view bytes);

// The text as a number when it is nothing but one number (in the form LeadingNumber reads),
// blanks before and after allowed; nothing otherwise ("abc", "1 junk", "0x1", "nan", "").
std::optional<double> WholeNumber(QStringView text);
std::optional<double> WholeNumber(std::string_view bytes);

// The text as a whole number from first to last ("3", " 3 ", "3.0"), or nothing ("3.5", "x").
std::optional<int> WholeNumberIn(QStringView text, int first, int last);

} // namespace orv
