#pragma once
// Calendar, sidereal time and the equatorial-to-horizontal conversion that place every sky
// object for a Japan Standard Time date at a site. No precession, nutation, aberration or
// refraction: catalogue positions are used as stored and the horizon is the geometric one.

#include <cstdint>
#include <vector>
#include <QString>

namespace orv {

struct ObservationTime {
    int16_t Year = 2000;
    int16_t Month = 1;
    int16_t Day = 1;
    int16_t Hour = 0;
    int16_t Minute = 0;
};

// A star or Milky Way sample as stored in its data file.
struct CatalogueRecord {
    QString magnitudeText;
    QString rightAscension; // 6 characters HHMMSS
    QString declination;    // 5 characters sDDMM
    QString label;
};

struct HorizontalPoint {
    int16_t magnitude = 0;
    double azimuth = 0;  // 0 north, +pi/2 east, in (-pi, pi]
    double altitude = 0; // radians
    QString name;
};

// Element 0 of a working list is its header: its magnitude text or magnitude holds the count.
using CatalogueList = std::vector<CatalogueRecord>;
using HorizontalList = std::vector<HorizontalPoint>;

double ModifiedJulianDate(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute);
double GreenwichSiderealTime(double mjd);
double LocalSiderealTime(double gst, double eastLongitude);
double ParseRightAscension(const QString& hhmmss);
double ParseDeclination(const QString& sddmm);

struct Horizontal {
    double azimuth;
    double altitude;
};
Horizontal EquatorialToHorizontal(double declination, double hourAngle, double latitude);

// Local sidereal angle in radians for a JST time at an east longitude in degrees.
double LocalSiderealAngle(const ObservationTime& time, double eastLongitude);

HorizontalList ComputeHorizontalList(const ObservationTime& time, double eastLongitude, double latitude,
                                     const CatalogueList& catalogue);

double JulianDayAtMidnight(int16_t year, int16_t month, int16_t day);
double DynamicalHours(int16_t hour, int16_t minute, int16_t second, int16_t year);
double JulianCenturies(double julianDay, double hours);
double JulianCenturiesForDate(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute,
                              int16_t second);

} // namespace orv
