#pragma once
// Number rules shared by every computation of the chart: the fixed value of pi, rounding to
// nearest with halves to even, 16-bit working integers and the lenient leading-number reader.

#include <cstdint>
#include <optional>
#include <QStringView>

namespace orv {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double HalfPi = 1.570796326794895;

// Round to nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double RoundHalfEven(double v);

// Rounded value as a 16-bit signed integer. Chart arithmetic never leaves the 16-bit range;
// should it ever, the value wraps as a 16-bit store would.
int16_t Round16(double v);
int32_t Round32(double v);

// Rounded value as a 16-bit or 32-bit integer, or nothing when it does not fit (overflow).
std::optional<int16_t> CheckedRound16(double v);
std::optional<int32_t> CheckedRound32(double v);

// Floor, as the calendar arithmetic needs it.
double Int(double v);

// Angle of the point (q, p) in (-pi, pi], built on arctan(p / q) with the fixed pi.
double ArcTan2(double p, double q);

// The number at the start of a text: leading blanks skipped, optional sign, digits, optional
// fraction and exponent. Text that does not start with a number reads as 0.
double LeadingNumber(QStringView text);

} // namespace orv
