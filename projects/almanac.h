// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_ALMANAC_H
#define PROJECTS_ALMANAC_H

#include <projects/projects_export.h>

#include <QMetaType>
#include <QSharedDataPointer>

class QDate;
class QTime;

namespace projects {

class Project;
class SwitchTime;

/**
 * @brief Sunrise and sunset at one place, and the clock time at which a switch time
 * fires on a given date.
 *
 * The model only stores switch times; an almanac tells what they mean, so that a host can
 * show the times the device acts at. Sunrise and sunset follow NOAA's solar-calculator
 * equations (the sun's centre 0.833 degrees below the horizon, which allows for refraction
 * and the sun's radius) and are within a minute or two of published tables at latitudes
 * below the polar circles. Beyond them, a date with polar day or polar night has no
 * sunrise or sunset: daylight() says which, and the times are null.
 *
 * Local clock time is UTC plus the time zone, the standard offset in minutes (a project's
 * Project::timezone()), plus an hour during European summer time unless that is turned
 * off. European summer time runs from the last Sunday of March to the last Sunday of
 * October; on the changeover days the offset after the change applies, since every event
 * of those days comes after it.
 *
 * An almanac cannot be changed once made. Copies share one data block.
 */
class PROJECTS_EXPORT Almanac
{
    Q_GADGET
public:
    /// Whether local clock time moves an hour forward in summer.
    enum SummerTime {
        NoSummerTime = 0, ///< the standard offset all year
        EuropeanSummerTime =
            1 ///< one hour more from the last Sunday of March to the last of October
    };
    Q_ENUM(SummerTime)

    /// What the sun does on a date.
    enum Daylight {
        RisesAndSets = 0, ///< the sun rises and sets
        PolarDay = 1,     ///< the sun stays above the horizon all day
        PolarNight = 2    ///< the sun stays below the horizon all day
    };
    Q_ENUM(Daylight)

    /// Creates an almanac at the position and time zone of a new Project (latitude 48.3661,
    /// longitude 8.79598, time zone 60), with European summer time.
    Almanac();
    /**
     * @brief Creates an almanac at @p latitude and @p longitude (degrees, north and east
     * positive) in time zone @p timezone (minutes east of UTC, summer time not included).
     *
     * Latitudes beyond ±90 degrees are held at the pole; a position or time zone that is
     * not a finite number gives no events on any date.
     */
    Almanac(double latitude, double longitude, int timezone,
            SummerTime summerTime = EuropeanSummerTime);
    /// Creates an almanac at @p project's latitude, longitude and time zone.
    explicit Almanac(const Project& project, SummerTime summerTime = EuropeanSummerTime);
    /// Shares @p other's data.
    Almanac(const Almanac& other);
    /// Takes over @p other's data; @p other may then only be assigned or destroyed.
    Almanac(Almanac&& other) noexcept;
    ~Almanac();
    /// Shares @p other's data.
    Almanac& operator=(const Almanac& other);
    /// Takes over @p other's data; @p other may then only be assigned or destroyed.
    Almanac& operator=(Almanac&& other) noexcept;
    /// Swaps the data of this almanac and @p other.
    void swap(Almanac& other) noexcept { d.swap(other.d); }

    /// Returns the latitude in degrees, north positive.
    double latitude() const;
    /// Returns the longitude in degrees, east positive.
    double longitude() const;
    /// Returns the standard time zone in minutes east of UTC.
    int timezone() const;
    /// Returns whether summer time applies.
    SummerTime summerTime() const;

    /// Returns the offset of local clock time from UTC on @p date, in minutes: the time
    /// zone, plus 60 during summer time. An invalid date gives the time zone.
    int utcOffset(const QDate& date) const;
    /// Returns what the sun does on @p date. An invalid date gives PolarNight.
    Daylight daylight(const QDate& date) const;
    /// Returns the local clock time of sunrise on @p date, to the second, or a null time
    /// when the sun does not rise that day (daylight() is not RisesAndSets) or @p date is
    /// invalid.
    QTime sunrise(const QDate& date) const;
    /// Returns the local clock time of sunset on @p date; null as for sunrise().
    QTime sunset(const QDate& date) const;

    /**
     * @brief Returns @c true if @p switchTime applies on @p date's weekday.
     *
     * Bit 1 of SwitchTime::days() is Monday, up to bit 7 for Sunday; bit 0 is unused, so
     * 254 is every day and 62 is Monday to Friday.
     */
    static bool appliesOn(const SwitchTime& switchTime, const QDate& date);

    /**
     * @brief Returns the local clock time at which @p switchTime fires on @p date, or a
     * null time when it does not fire that day.
     *
     * A switch time of type SwitchTime::Time fires at its start(). One of type
     * SwitchTime::AstroSunrise or SwitchTime::AstroSunset fires at the event plus offset()
     * minutes; with limit() set, the result is held within minStart() and maxEnd() (when
     * they are valid and in that order), without it the shifted event time is used as it
     * is. A result past midnight wraps into the same day. It does not fire on a weekday
     * appliesOn() excludes, on a day without the event (polar day or night), or when its
     * type is unknown.
     */
    QTime fireTime(const SwitchTime& switchTime, const QDate& date) const;

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::Almanac, Q_MOVABLE_TYPE);

#endif // PROJECTS_ALMANAC_H
