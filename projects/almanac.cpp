// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "almanac.h"

#include "project.h"
#include "switchtime.h"

#include <QDate>
#include <QSharedData>
#include <QTime>

#include <cmath>

namespace projects {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double minutesPerDay = 24 * 60;

double radians(double degrees)
{
    return degrees * pi / 180;
}

double degrees(double radians)
{
    return radians * 180 / pi;
}

// The last Sunday of March or October of a year.
QDate lastSunday(int year, int month)
{
    const QDate last(year, month, QDate(year, month, 1).daysInMonth());
    return last.addDays(-(last.dayOfWeek() % 7));
}

// Where the sun stands at one instant, as far as rising and setting need it.
struct SolarPosition
{
    double declination;    // radians
    double equationOfTime; // minutes
};

// NOAA's solar-calculator equations, for @p julianDay in Julian days (UT).
SolarPosition solarPosition(double julianDay)
{
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double m = radians(meanAnomaly);
    const double centre = std::sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * m) * (0.019993 - 0.000101 * t) + std::sin(3 * m) * 0.000289;
    const double omega = radians(125.04 - 1934.136 * t);
    const double apparentLongitude =
        radians(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega));
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = radians(meanObliquity + 0.00256 * std::cos(omega));

    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = radians(meanLongitude);
    const double equation = y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m) +
                            4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) -
                            0.5 * y * y * std::sin(4 * l0) -
                            1.25 * eccentricity * eccentricity * std::sin(2 * m);
    return {std::asin(std::sin(obliquity) * std::sin(apparentLongitude)), 4 * degrees(equation)};
}

// The cosine of the hour angle at which the sun's centre is 0.833 degrees below the horizon;
// beyond [-1, 1] it never gets there that day.
double cosHourAngle(double latitude, double declination)
{
    const double phi = radians(latitude);
    return std::cos(radians(90.833)) / (std::cos(phi) * std::cos(declination)) -
           std::tan(phi) * std::tan(declination);
}

} // namespace

class Q_DECL_HIDDEN Almanac::Private : public QSharedData
{
public:
    double latitude = 48.3661;
    double longitude = 8.79598;
    int timezone = 60;
    SummerTime summerTime = EuropeanSummerTime;

    // Minutes after local midnight of @p date at which the sun rises (@p sign -1) or sets
    // (+1); NaN when it does not.
    double event(const QDate& date, int sign, int offset) const;
};

double Almanac::Private::event(const QDate& date, int sign, int offset) const
{
    // QDate's Julian day number names the day whose noon (UT) it counts from; start at local
    // noon and refine once at the event itself, which moves the result by under a minute.
    const double midnight = double(date.toJulianDay()) - 0.5 - offset / minutesPerDay;
    double minutes = 720;
    for (int pass = 0; pass < 2; ++pass) {
        const SolarPosition sun = solarPosition(midnight + minutes / minutesPerDay);
        const double cosine = cosHourAngle(latitude, sun.declination);
        if (!(cosine >= -1 && cosine <= 1))
            return std::nan("");
        const double noon = 720 - 4 * longitude - sun.equationOfTime + offset;
        minutes = noon + sign * 4 * degrees(std::acos(cosine));
    }
    return minutes;
}

Almanac::Almanac() : d(new Private) {}

Almanac::Almanac(double latitude, double longitude, int timezone, SummerTime summerTime)
    : d(new Private)
{
    d->latitude = latitude > 90 ? 90 : latitude < -90 ? -90 : latitude;
    d->longitude = longitude;
    d->timezone = timezone;
    d->summerTime = summerTime;
}

Almanac::Almanac(const Project& project, SummerTime summerTime)
    : Almanac(project.latitude(), project.longitude(), project.timezone(), summerTime)
{
}

Almanac::Almanac(const Almanac& other) = default;
Almanac::Almanac(Almanac&& other) noexcept = default;
Almanac::~Almanac() = default;
Almanac& Almanac::operator=(const Almanac& other) = default;
Almanac& Almanac::operator=(Almanac&& other) noexcept = default;

double Almanac::latitude() const
{
    return d->latitude;
}

double Almanac::longitude() const
{
    return d->longitude;
}

int Almanac::timezone() const
{
    return d->timezone;
}

Almanac::SummerTime Almanac::summerTime() const
{
    return d->summerTime;
}

int Almanac::utcOffset(const QDate& date) const
{
    if (d->summerTime != EuropeanSummerTime || !date.isValid())
        return d->timezone;
    const bool summer = date >= lastSunday(date.year(), 3) && date < lastSunday(date.year(), 10);
    return d->timezone + (summer ? 60 : 0);
}

Almanac::Daylight Almanac::daylight(const QDate& date) const
{
    if (!date.isValid())
        return PolarNight;
    const double midnight = double(date.toJulianDay()) - 0.5 - utcOffset(date) / minutesPerDay;
    const double cosine = cosHourAngle(d->latitude, solarPosition(midnight + 0.5).declination);
    if (cosine > 1 || std::isnan(cosine))
        return PolarNight;
    return cosine < -1 ? PolarDay : RisesAndSets;
}

namespace {

// The clock time of @p minutes after midnight, to the second, wrapped into the day.
QTime clockTime(double minutes)
{
    if (!std::isfinite(minutes))
        return QTime();
    minutes = std::fmod(minutes, minutesPerDay);
    if (minutes < 0)
        minutes += minutesPerDay;
    return QTime(0, 0).addSecs(int(std::lround(minutes * 60) % (24 * 3600)));
}

} // namespace

QTime Almanac::sunrise(const QDate& date) const
{
    if (daylight(date) != RisesAndSets)
        return QTime();
    return clockTime(d->event(date, -1, utcOffset(date)));
}

QTime Almanac::sunset(const QDate& date) const
{
    if (daylight(date) != RisesAndSets)
        return QTime();
    return clockTime(d->event(date, +1, utcOffset(date)));
}

bool Almanac::appliesOn(const SwitchTime& switchTime, const QDate& date)
{
    return date.isValid() && (switchTime.days() >> date.dayOfWeek()) & 1;
}

QTime Almanac::fireTime(const SwitchTime& switchTime, const QDate& date) const
{
    if (!appliesOn(switchTime, date))
        return QTime();
    QTime event;
    switch (switchTime.type()) {
    case SwitchTime::Time:
        return switchTime.start();
    case SwitchTime::AstroSunrise:
        event = sunrise(date);
        break;
    case SwitchTime::AstroSunset:
        event = sunset(date);
        break;
    default:
        return QTime();
    }
    if (!event.isValid())
        return QTime();
    QTime shifted = clockTime(event.msecsSinceStartOfDay() / 60000.0 + switchTime.offset());
    const QTime earliest = switchTime.minStart();
    const QTime latest = switchTime.maxEnd();
    if (switchTime.limit() && earliest.isValid() && latest.isValid() && earliest <= latest) {
        if (shifted < earliest)
            shifted = earliest;
        else if (shifted > latest)
            shifted = latest;
    }
    return shifted;
}

} // namespace projects
