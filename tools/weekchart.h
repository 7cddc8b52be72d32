// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_TOOLS_WEEKCHART_H
#define CASARINA_TOOLS_WEEKCHART_H

// The report's week chart: one SVG strip per owner of switch times, seven days of 24 hours,
// each switch time at the time projects::Almanac gives for the day, presence simulations
// as bands; and the texts of times, weekdays and rules that the rest of the report shares.

#include "html.h"

#include <projects/almanac.h>
#include <projects/simulation.h>
#include <projects/switchtime.h>

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tool {

/// The week the chart shows: Monday to Sunday around the report's date.
struct Week
{
    Week(const QDate& date, const projects::Almanac& almanac)
        : date(date), monday(date.addDays(1 - date.dayOfWeek())), almanac(almanac)
    {
    }
    /// Returns the day @p index days after Monday.
    QDate day(int index) const { return monday.addDays(index); }

    QDate date;   ///< the marked day
    QDate monday; ///< the first day of its week
    projects::Almanac almanac;
};

/// An owner of switch times, as its strip names it.
struct Owner
{
    QString kind;  ///< "Function", "Group", ...
    QString name;  ///< its name, or an automatic program's identifier
    QString where; ///< "floor / room" for a function, else empty
    QString id;    ///< the identifier text
    QList<projects::SwitchTime> switchTimes;
    projects::Simulation simulation; ///< drawn as bands when enabled
    QString anchor;                  ///< the strip's HTML identifier
};

/// Returns @p time as HH:MM.
QString clockText(const QTime& time);
/// Returns @p date as "Mon 15 Jun".
QString dateText(const QDate& date);
/// Returns the weekdays of SwitchTime::days() @p days: bit 1 is Monday up to bit 7 for
/// Sunday; "every day", "Mon–Fri", "Sat, Sun".
QString daysText(int days);
/// Returns when @p switchTime fires, in words: "06:30", "sunset −15 min, held within
/// 18:00–23:00".
QString ruleText(const projects::SwitchTime& switchTime);
/// Returns why @p day of @p week has no sunrise or sunset, or an empty text when it has both.
QString polarText(const Week& week, const QDate& day);

struct Mark;

/// Writes the strips into an HtmlWriter; the background every strip shares is made once.
class WeekChart
{
public:
    WeekChart(HtmlWriter& html, const Week& week);

    /// Writes the strip of @p owner: a figure with its caption and the SVG.
    void strip(const Owner& owner);

private:
    QString background() const;
    void bands(const projects::Simulation& simulation, int row, QStringList* notes);
    void band(int from, int to, int row, const QString& title);
    QVector<QPair<double, double>> marks(const QList<projects::SwitchTime>& switchTimes, int row,
                                         QStringList* notes);
    void note(const QStringList& notes, int row, const QVector<QPair<double, double>>& taken);
    void mark(const Mark& mark, int row, int baseline);

    HtmlWriter& m_html;
    const Week& m_week;
    QString m_background;
};

} // namespace tool

#endif // CASARINA_TOOLS_WEEKCHART_H
