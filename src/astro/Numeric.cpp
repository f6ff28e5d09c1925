#include "astro/Numeric.h"

#include <cfenv>
#include <cmath>
#include <string>

namespace orv {

double RoundHalfEven(double v)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return std::nearbyint(v);
}

int16_t Round16(double v)
{
    return static_cast<int16_t>(static_cast<int64_t>(RoundHalfEven(v)));
}

int32_t Round32(double v)
{
    return static_cast<int32_t>(static_cast<int64_t>(RoundHalfEven(v)));
}

std::optional<int16_t> CheckedRound16(double v)
{
    const double r = RoundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> CheckedRound32(double v)
{
    const double r = RoundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return std::nullopt;
    return static_cast<int32_t>(r);
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

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string s;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        s += static_cast<char>(text[i++].unicode());
    bool digits = false;
    while (i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9') {
        s += static_cast<char>(text[i++].unicode());
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        s += '.';
        ++i;
        while (i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9') {
            s += static_cast<char>(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            e += static_cast<char>(text[j++].unicode());
        bool expDigits = false;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9') {
            e += static_cast<char>(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits)
            s += e;
    }
    return std::strtod(s.c_str(), nullptr);
}

} // namespace orv
