#include "astro/TimeConversions.h"

#include "astro/Numeric.h"

#include <cmath>

namespace orv {

namespace {

struct CalendarTerms {
    double year;
    double e, b, c;
};

// Steps shared by the MJD and the midnight Julian day: January and February count as months
// 13 and 14 of the previous year, and the Gregorian correction is always applied.
CalendarTerms Calendar(int16_t year, int16_t month)
{
    double y = year;
    double m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const double a = Int(y / 100);
    const double b = RoundHalfEven(Int(a / 4) + (2 - a));
    const double c = y < 1 ? Int(365.25 * y - 0.75) : Int(365.25 * y);
    const double e = Int((m + 1) * 30.6001);
    return {y, e, b, c};
}

// Characters start to start + length - 1 (counted from 1), as a view: the catalogue texts of every
// star are parsed on every redraw, so no copies are made.
QStringView Mid(QStringView s, int start, int length)
{
    return s.mid(start - 1, length);
}

} // namespace

double ModifiedJulianDate(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute)
{
    const CalendarTerms t = Calendar(year, month);
    const double jd = t.e + 1720994.5 + t.b + t.c + day + (hour - 9) / 24.0 + minute / 1440.0;
    return jd - 2400000.5;
}

double GreenwichSiderealTime(double mjd)
{
    const double x = (mjd - 40000) * 1.00273781 + 0.67239;
    return (x - Int(x)) * 24;
}

double LocalSiderealTime(double gst, double eastLongitude)
{
    double theta = gst + eastLongitude / 15;
    if (theta > 24)
        theta -= 24;
    return theta;
}

double ParseRightAscension(const QString& hhmmss)
{
    const double hours = LeadingNumber(Mid(hhmmss, 1, 2));
    const double minutes = LeadingNumber(Mid(hhmmss, 3, 2));
    const double seconds = RoundHalfEven(LeadingNumber(Mid(hhmmss, 5, 2)));
    return (hours + minutes / 60 + seconds / 3600) * Pi / 12;
}

double ParseDeclination(const QString& sddmm)
{
    // The sign character followed by "1": "+1" or "-1" (or whatever number that text makes; an
    // empty text, like a blank, leaves "1").
    const QChar signText[2] = {sddmm.isEmpty() ? QLatin1Char(' ') : sddmm[0], QLatin1Char('1')};
    const double sign = LeadingNumber(QStringView(signText, 2));
    const double degrees = LeadingNumber(Mid(sddmm, 2, 2));
    const double minutes = RoundHalfEven(LeadingNumber(Mid(sddmm, 4, 2)));
    return sign * (degrees + minutes / 60) * Pi / 180;
}

Horizontal EquatorialToHorizontal(double declination, double hourAngle, double latitude)
{
    const double x = -std::cos(declination) * std::sin(hourAngle);
    const double y = std::cos(latitude) * std::sin(declination)
        - std::sin(latitude) * std::cos(declination) * std::cos(hourAngle);
    const double z = std::sin(latitude) * std::sin(declination)
        + std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
    const double azimuth = ArcTan2(x, y);
    const double altitude = ArcTan2(z, y / std::cos(azimuth));
    return {azimuth, altitude};
}

double LocalSiderealAngle(const ObservationTime& time, double eastLongitude)
{
    const double mjd = ModifiedJulianDate(time.Year, time.Month, time.Day, time.Hour, time.Minute);
    const double lst = LocalSiderealTime(GreenwichSiderealTime(mjd), eastLongitude);
    return lst * 15 * Pi / 180;
}

HorizontalList ComputeHorizontalList(const ObservationTime& time, double eastLongitude, double latitude,
                                     const CatalogueList& catalogue)
{
    const double phi = latitude * Pi / 180;
    const double theta = LocalSiderealAngle(time, eastLongitude);
    const int count = catalogue.empty() ? 0 : Round16(LeadingNumber(catalogue[0].magnitudeText));
    HorizontalList out(std::max<size_t>(catalogue.size(), 1));
    out[0].magnitude = static_cast<int16_t>(count);
    for (int i = 1; i <= count && i < static_cast<int>(catalogue.size()); ++i) {
        const CatalogueRecord& rec = catalogue[i];
        const double alpha = ParseRightAscension(rec.rightAscension);
        const double delta = ParseDeclination(rec.declination);
        const Horizontal h = EquatorialToHorizontal(delta, theta - alpha, phi);
        out[i] = {Round16(LeadingNumber(rec.magnitudeText)), h.azimuth, h.altitude, rec.label};
    }
    return out;
}

double JulianDayAtMidnight(int16_t year, int16_t month, int16_t day)
{
    const CalendarTerms t = Calendar(year, month);
    return t.e + 1720994.5 + t.b + t.c + day;
}

double DynamicalHours(int16_t hour, int16_t minute, int16_t second, int16_t year)
{
    const double deltaT = 0.8 * (year - 1990) + 58;
    return minute / 60.0 + (hour - 9) + (second + deltaT) / 3600;
}

double JulianCenturies(double julianDay, double hours)
{
    return (julianDay - 2451545) / 36525 + hours / 876600;
}

double JulianCenturiesForDate(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute,
                              int16_t second)
{
    const double jd = JulianDayAtMidnight(year, month, day);
    const int16_t shiftedYear = month <= 2 ? static_cast<int16_t>(year - 1) : year;
    return JulianCenturies(jd, DynamicalHours(hour, minute, second, shiftedYear));
}

} // namespace orv
