// Computes the moments of the 24 solar terms of the Gregorian years 1880-2079 and writes them
// as a tab-separated table, one row per moment, in China Standard Time (UTC+8) to the second.
//
// A term begins when the Sun's apparent geocentric ecliptic longitude (true equinox and ecliptic
// of date, aberration included) reaches its angle: 小寒 at 285 degrees, each later term 15 more.
// The Sun is taken from ERFA's Earth ephemeris, the ecliptic of date and the nutation from the
// IAU 2006/2000A models. Terrestrial Time becomes civil time through TT - UTC from the
// leap-second table where that is known, and through a Delta T model elsewhere (see
// calendar/tables/README.md).
//
// Usage: solar_terms [output-file]   (standard output when no file is given)

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kFirstYear = 1880;
constexpr int kLastYear = 2079;

// The leap-second table is trusted for UTC dates from 1972-01-01 up to the end of this year:
// the IERS had announced no leap second up to then. Beyond it the count of future leap seconds
// is unknown and the Delta T model takes over. Fixed here rather than read from ERFA's own
// validity limit so that the table does not change with the library's release.
constexpr int kLastLeapSecondYear = 2025;

// Espenak & Meeus (2006) polynomial for Delta T = TT - UT1 in seconds at decimal year y.
double deltaTEspenakMeeus(double y) {
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double decimalYear(double jdTT) {
    return 2000.0 + (jdTT - ERFA_DJ00) / ERFA_DJY;
}

// TT - UTC (or TT - UT1 where UTC is not defined or not yet known), seconds.
double ttMinusCivil(double jdTT) {
    const double y = decimalYear(jdTT);
    if (y < 1972.0) return deltaTEspenakMeeus(y);
    if (y >= kLastLeapSecondYear + 1.0) {
        // The model's trend, shifted so that it continues from the last known TT - UTC instead
        // of jumping by several seconds where the leap-second table ends.
        static const double offset = 32.184 + [] {
            double dat = 0;
            eraDat(kLastLeapSecondYear, 12, 31, 0.5, &dat);
            return dat;
        }() - deltaTEspenakMeeus(kLastLeapSecondYear + 1.0);
        return deltaTEspenakMeeus(y) + offset;
    }
    // TAI - UTC depends on the UTC date, which is a minute away from the TT date at most.
    double utc = jdTT - 69.184 / ERFA_DAYSEC;
    double dat = 0;
    for (int pass = 0; pass < 2; ++pass) {
        int iy = 0, im = 0, id = 0;
        double fd = 0;
        eraJd2cal(utc, 0.0, &iy, &im, &id, &fd);
        eraDat(iy, im, id, fd, &dat);
        utc = jdTT - (32.184 + dat) / ERFA_DAYSEC;
    }
    return 32.184 + dat;
}

// Apparent geocentric ecliptic longitude of the Sun, radians in [0, 2pi), at TT = tt1 + tt2.
double apparentSolarLongitude(double tt1, double tt2) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(tt1, tt2, pvh, pvb);
    double earth[3];
    eraCp(pvb[0], earth);

    // Light time: the Sun is seen where it was when its light left it.
    double sun[3];
    double tau = 0;
    for (int pass = 0; pass < 2; ++pass) {
        double qh[2][3], qb[2][3];
        eraEpv00(tt1, tt2 - tau, qh, qb);
        double sunBary[3];
        eraPmp(qb[0], qh[0], sunBary);
        eraPmp(sunBary, earth, sun);
        tau = eraPm(sun) / ERFA_DC;
    }

    double distance = 0, pnat[3];
    eraPn(sun, &distance, pnat);
    double v[3];
    eraSxp(1.0 / ERFA_DC, pvb[1], v);
    const double bm1 = std::sqrt(1.0 - eraPm(v) * eraPm(v));
    double ppr[3];
    eraAb(pnat, v, distance, bm1, ppr);

    double rm[3][3];
    eraEcm06(tt1, tt2, rm);
    double ecl[3];
    eraRxp(rm, ppr, ecl);

    double dpsi = 0, deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    return eraAnp(std::atan2(ecl[1], ecl[0]) + dpsi);
}

// The TT Julian date (as ERFA_DJ00 + returned days) at which the longitude reaches target.
double termMoment(double guessDays, double target) {
    auto offset = [target](double days) {
        return eraAnpm(apparentSolarLongitude(ERFA_DJ00, days) - target);
    };
    // Secant steps from two points a day apart; the longitude is smooth and nearly linear.
    double x0 = guessDays, x1 = guessDays + 1.0;
    double f0 = offset(x0), f1 = offset(x1);
    for (int i = 0; i < 50 && std::fabs(x1 - x0) > 1e-9; ++i) {
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = offset(x1);
    }
    return x1;
}

struct CivilMoment {
    int year, month, day, hour, minute, second;
};

CivilMoment chinaStandardTime(double ttDays) {
    const double jdTT = ERFA_DJ00 + ttDays;
    // Days since ERFA_DJ00 (noon) shifted to midnight-based China Standard Time.
    const double local = ttDays - ttMinusCivil(jdTT) / ERFA_DAYSEC + 8.0 / 24.0 + 0.5;
    double dayNumber = std::floor(local);
    long long seconds = std::llround((local - dayNumber) * ERFA_DAYSEC);
    if (seconds >= 86400) {
        seconds -= 86400;
        dayNumber += 1;
    }
    CivilMoment m{};
    double fd = 0;
    eraJd2cal(ERFA_DJ00 - 0.5, dayNumber, &m.year, &m.month, &m.day, &fd);
    m.hour = static_cast<int>(seconds / 3600);
    m.minute = static_cast<int>(seconds / 60 % 60);
    m.second = static_cast<int>(seconds % 60);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [output-file]\n", argv[0]);
        return 2;
    }
    FILE* out = stdout;
    if (argc == 2) {
        out = std::fopen(argv[1], "wb");
        if (!out) {
            std::perror(argv[1]);
            return 1;
        }
    }

    std::fputs("year\tterm\tmonth\tday\thour\tminute\tsecond\n", out);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        double jd1 = 0, jd2 = 0;
        eraCal2jd(year, 1, 6, &jd1, &jd2);
        const double firstGuess = jd1 + jd2 - ERFA_DJ00;
        for (int term = 1; term <= 24; ++term) {
            const double target = (285.0 + 15.0 * (term - 1)) * ERFA_DD2R;
            const double guess = firstGuess + (term - 1) * (ERFA_DJY / 24.0);
            const CivilMoment m = chinaStandardTime(termMoment(guess, eraAnp(target)));
            std::fprintf(out, "%d\t%d\t%d\t%d\t%d\t%d\t%d\n", year, term, m.month, m.day, m.hour,
                         m.minute, m.second);
            if (m.year != year) {
                std::fprintf(stderr, "term %d of %d falls in %d\n", term, year, m.year);
                return 1;
            }
        }
    }
    if (out != stdout && std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
