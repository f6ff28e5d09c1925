#pragma once
// ERFA as the independent reference for the sky of a JST date at a site: the Moon and the Sun
// (geocentric, J2000 axes), the site's own offset from the Earth's centre, and observed azimuth
// and altitude (no refraction). Only for tests built with ERFA.
#ifdef ORVENZA_HAVE_ERFA

#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "astro/SkyVector.h"

#include <erfa.h>
#include <erfam.h>

namespace orv::test {

struct ErfaSite {
    ObservationTime time;
    double longitude; // degrees east
    double latitude;  // degrees
};

struct ErfaDate {
    double utc1, utc2;
    double tt1, tt2;
};

inline ErfaDate ErfaDateOf(const ObservationTime& time)
{
    ErfaDate d{};
    eraCal2jd(time.Year, time.Month, time.Day, &d.utc1, &d.utc2);
    d.utc2 += (time.Hour - 9) / 24.0 + time.Minute / 1440.0;
    double tai1, tai2;
    eraUtctai(d.utc1, d.utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &d.tt1, &d.tt2);
    return d;
}

inline SkyVector FromArray(const double v[3])
{
    return {v[0], v[1], v[2]};
}

// Geocentric Moon, au.
inline SkyVector ErfaMoon(const ErfaDate& d)
{
    double pv[2][3];
    eraMoon98(d.tt1, d.tt2, pv);
    return FromArray(pv[0]);
}

// Geocentric Sun, au, where it was when the light now arriving left it.
inline SkyVector ErfaSun(const ErfaDate& d)
{
    double earthH[2][3], earthB[2][3];
    eraEpv00(d.tt1, d.tt2, earthH, earthB);
    SkyVector sun;
    double tau = 0;
    for (int i = 0; i < 3; ++i) {
        double h[2][3], b[2][3];
        eraEpv00(d.tt1, d.tt2 - tau, h, b);
        sun = FromArray(b[0]) - FromArray(h[0]) - FromArray(earthB[0]);
        tau = Length(sun) / ERFA_DC;
    }
    return sun;
}

// The site's offset from the Earth's centre, au, in the same axes.
inline SkyVector ErfaSiteOffset(const ErfaSite& s, const ErfaDate& d)
{
    eraASTROM astrom;
    double eo;
    eraApco13(d.utc1, d.utc2, 0, s.longitude * Pi / 180, s.latitude * Pi / 180, 0, 0, 0, 0, 0, 0, 0.55, &astrom,
              &eo);
    double earthH[2][3], earthB[2][3];
    eraEpv00(d.tt1, d.tt2, earthH, earthB);
    return FromArray(astrom.eb) - FromArray(earthB[0]);
}

// Observed azimuth (0 north, east positive, in (-pi, pi]) and altitude of a J2000 direction.
inline Horizontal ErfaObserved(const ErfaSite& s, const RaDec& place)
{
    const ErfaDate d = ErfaDateOf(s.time);
    double aob, zob, hob, dob, rob, eo;
    eraAtco13(place.rightAscension, place.declination, 0, 0, 0, 0, d.utc1, d.utc2, 0, s.longitude * Pi / 180,
              s.latitude * Pi / 180, 0, 0, 0, 0, 0, 0, 0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    return {aob > Pi ? aob - 2 * Pi : aob, HalfPi - zob};
}

} // namespace orv::test

#endif
