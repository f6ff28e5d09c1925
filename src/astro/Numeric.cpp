#include "astro/Numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace orv {

double RoundHalfEven(double v)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return std::nearbyint(v);
}

namespace {

// The rounded value as a 64-bit integer, reduced modulo 2^32 when it lies beyond 64 bits (which
// leaves its 16-bit and 32-bit wrap unchanged); 0 for a value that is not a number.
int64_t WrappingRound(double v)
{
    const double r = RoundHalfEven(v);
    if (std::fabs(r) < 9.0e18)
        return static_cast<int64_t>(r);
    return std::isfinite(r) ? static_cast<int64_t>(std::fmod(r, 4294967296.0)) : 0;
}

} // namespace

int16_t Round16(double v)
{
    return static_cast<int16_t>(WrappingRound(v));
}

int32_t Round32(double v)
{
    return static_cast<int32_t>(WrappingRound(v));
}

double Int(double v)
{
    return std::floor(v);
}

double ArcTan2(double p, double q)
{
    if (q != 0.0) {
        const double c = std::atan(p / q);
        if (q < 0.0)
            return p >= 0.0 ? c + Pi : c - Pi;
        return c;
    }
    if (p > 0.0)
        return HalfPi;
    if (p < 0.0)
        return -HalfPi;
    return 0.0;
}

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A number scanned from the start of a text: its value, where it ended and whether it had digits.
struct ScannedNumber {
    double value = 0;
    std::size_t end = 0;
    bool found = false;
};

// Decimal order of magnitude of digits times ten to the power exponent, for a value that
// from_chars found out of range: above 0 it overflowed, otherwise it underflowed.
long long Magnitude(std::string_view digits, long long exponent)
{
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return static_cast<long long>(whole.size() - firstWhole) + exponent;
    if (point == std::string_view::npos)
        return exponent;
    const std::size_t firstFraction = digits.find_first_not_of('0', point + 1);
    return exponent - static_cast<long long>(firstFraction - point - 1);
}

// Leading blanks, optional sign, digits with an optional fraction, and an optional exponent that
// counts only when it has digits. The text is read through at(i), which gives 0 past its end.
template <typename At>
ScannedNumber ScanNumber(std::size_t size, At at)
{
    std::size_t i = 0;
    while (i < size && IsBlank(at(i)))
        ++i;
    const bool negative = i < size && at(i) == u'-';
    if (i < size && (at(i) == u'+' || at(i) == u'-'))
        ++i;
    std::string digits;
    bool anyDigit = false;
    for (; i < size && IsDigit(at(i)); ++i, anyDigit = true)
        digits += static_cast<char>(at(i));
    if (i < size && at(i) == u'.') {
        digits += '.';
        for (++i; i < size && IsDigit(at(i)); ++i, anyDigit = true)
            digits += static_cast<char>(at(i));
    }
    if (!anyDigit)
        return {};
    long long exponent = 0;
    if (i < size && (at(i) == u'E' || at(i) == u'e' || at(i) == u'D' || at(i) == u'd')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < size && at(j) == u'-';
        if (j < size && (at(j) == u'+' || at(j) == u'-'))
            ++j;
        if (j < size && IsDigit(at(j))) {
            for (; j < size && IsDigit(at(j)); ++j)
                exponent = std::min<long long>(exponent * 10 + (at(j) - u'0'), 1000000);
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }
    const std::string text = digits + 'e' + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = Magnitude(digits, exponent) > 0 ? HUGE_VAL : 0.0;
    return {negative ? -value : value, i, true};
}

template <typename At>
std::optional<double> WholeNumberOf(std::size_t size, At at)
{
    const ScannedNumber n = ScanNumber(size, at);
    std::size_t i = n.end;
    while (i < size && IsBlank(at(i)))
        ++i;
    if (!n.found || i != size)
        return std::nullopt;
    return n.value;
}

} // namespace

double LeadingNumber(QStringView text)
{
    return ScanNumber(text.size(), [text](std::size_t i) { return text[i].unicode(); }).value;
}

double LeadingNumber(std::string_view bytes)
{
    return ScanNumber(bytes.size(), [bytes](std::size_t i) { return static_cast<char16_t>(static_cast<unsigned char>(bytes[i])); }).value;
}

std::optional<double> WholeNumber(QStringView text)
{
    return WholeNumberOf(text.size(), [text](std::size_t i) { return text[i].unicode(); });
}

std::optional<double> WholeNumber(std::string_view bytes)
{
    return WholeNumberOf(bytes.size(), [bytes](std::size_t i) { return static_cast<char16_t>(static_cast<unsigned char>(bytes[i])); });
}

std::optional<int> WholeNumberIn(QStringView text, int first, int last)
{
    const std::optional<double> n = WholeNumber(text);
    if (!n || *n != std::floor(*n) || *n < first || *n > last)
        return std::nullopt;
    return static_cast<int>(*n);
}

} // namespace orv
