// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "weekchart.h"

#include "describe.h"

#include <QStringList>
#include <QTime>

#include <algorithm>

using namespace projects;

namespace tool {

struct Mark
{
    int minute;
    const SwitchTime* switchTime;
    int line;      ///< of labels: 0 the upper (or only) one, 1 the lower
    double labelX; ///< where the label starts
};

namespace {

// The geometry of a week strip in SVG units: day labels on the left, hour labels above,
// one row of rowHeight per day and 28 units per hour.
const int chartLeft = 88;
const int chartTop = 20;
const int chartWidth = 672;
const int rowHeight = 24;
const int chartRight = 24;
const int svgWidth = chartLeft + chartWidth + chartRight;
const int svgHeight = chartTop + 7 * rowHeight + 4;
const int minutesPerDay = 24 * 60;
// The width of one character of a label, for keeping labels apart.
const int labelCharWidth = 7;

const char* const dayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString coordinate(double value)
{
    return QString::number(value, 'f', 2);
}

double xOf(int minute)
{
    return chartLeft + double(minute) * chartWidth / minutesPerDay;
}

int minuteOf(const QTime& time)
{
    return time.msecsSinceStartOfDay() / 60000;
}

bool isAstronomical(const SwitchTime& switchTime)
{
    return switchTime.type() == SwitchTime::AstroSunrise ||
           switchTime.type() == SwitchTime::AstroSunset;
}

} // namespace

QString clockText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

QString dateText(const QDate& date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(dayNames[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QLatin1String(monthNames[date.month() - 1]));
}

QString daysText(int days)
{
    switch (days & 254) {
    case 254:
        return QStringLiteral("every day");
    case 62:
        return QStringLiteral("Mon–Fri");
    case 0:
        return QStringLiteral("no day");
    }
    QStringList names;
    for (int day = 1; day <= 7; ++day) {
        if (days & (1 << day))
            names.append(QLatin1String(dayNames[day - 1]));
    }
    return names.join(QStringLiteral(", "));
}

QString ruleText(const SwitchTime& switchTime)
{
    if (switchTime.type() == SwitchTime::Time)
        return switchTime.start().isValid() ? clockText(switchTime.start())
                                            : QStringLiteral("no valid time");
    if (!isAstronomical(switchTime))
        return QStringLiteral("of unknown type %1").arg(int(switchTime.type()));
    QString rule = switchTime.type() == SwitchTime::AstroSunrise ? QStringLiteral("sunrise")
                                                                 : QStringLiteral("sunset");
    if (switchTime.offset() > 0)
        rule += QStringLiteral(" +%1 min").arg(switchTime.offset());
    else if (switchTime.offset() < 0)
        rule += QStringLiteral(" −%1 min").arg(-switchTime.offset());
    if (switchTime.limit())
        rule += QStringLiteral(", held within %1–%2")
                    .arg(clockText(switchTime.minStart()), clockText(switchTime.maxEnd()));
    return rule;
}

QString polarText(const Week& week, const QDate& day)
{
    switch (week.almanac.daylight(day)) {
    case Almanac::PolarDay:
        return QStringLiteral("polar day: no sunset or sunrise");
    case Almanac::PolarNight:
        return QStringLiteral("polar night: no sunrise or sunset");
    case Almanac::RisesAndSets:
        break;
    }
    return QString();
}

WeekChart::WeekChart(HtmlWriter& html, const Week& week) : m_html(html), m_week(week)
{
    m_background = background();
}

QString WeekChart::background() const
{
    HtmlWriter svg;
    QString grid;
    for (int hour = 0; hour <= 24; ++hour)
        grid += QStringLiteral("M%1 %2v%3")
                    .arg(coordinate(xOf(hour * 60)))
                    .arg(chartTop)
                    .arg(7 * rowHeight);
    for (int row = 0; row <= 7; ++row)
        grid += QStringLiteral("M%1 %2h%3")
                    .arg(chartLeft)
                    .arg(chartTop + row * rowHeight)
                    .arg(chartWidth);
    QString night;
    for (int row = 0; row < 7; ++row) {
        const QDate day = m_week.day(row);
        const int top = chartTop + row * rowHeight;
        const auto shade = [&night, top](int from, int to) {
            night += QStringLiteral("M%1 %2H%3v%4H%1z")
                         .arg(coordinate(xOf(from)))
                         .arg(top)
                         .arg(coordinate(xOf(to)))
                         .arg(rowHeight);
        };
        if (m_week.almanac.daylight(day) == Almanac::PolarNight) {
            shade(0, minutesPerDay);
        } else if (m_week.almanac.daylight(day) == Almanac::RisesAndSets) {
            shade(0, minuteOf(m_week.almanac.sunrise(day)));
            shade(minuteOf(m_week.almanac.sunset(day)), minutesPerDay);
        }
        if (day == m_week.date)
            svg.empty("rect", {{"class", "today"},
                               {"x", QString::number(chartLeft)},
                               {"y", QString::number(top)},
                               {"width", QString::number(chartWidth)},
                               {"height", QString::number(rowHeight)}});
        svg.element("text", dateText(day),
                    {{"class", day == m_week.date ? "day today-label" : "day"},
                     {"x", "4"},
                     {"y", QString::number(top + 16)}});
    }
    if (!night.isEmpty())
        svg.empty("path", {{"class", "night"}, {"d", night}});
    svg.empty("path", {{"class", "grid"}, {"d", grid}});
    for (int hour = 0; hour <= 24; hour += 3)
        svg.element("text", QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')),
                    {{"class", "hour"},
                     {"x", coordinate(xOf(hour * 60))},
                     {"y", "13"},
                     {"text-anchor", "middle"}});
    return QString::fromUtf8(svg.toUtf8());
}

void WeekChart::strip(const Owner& owner)
{
    m_html.open("figure", {{"class", "strip"}, {"id", owner.anchor}, {"data-owner", owner.id}});
    m_html.open("figcaption");
    m_html.element("span", owner.kind, {{"class", "kind"}});
    m_html.text(owner.name);
    if (!owner.where.isEmpty())
        m_html.element("span", QStringLiteral(" · ") + owner.where, {{"class", "where"}});
    m_html.close();
    m_html.open("div", {{"class", "scroll"}});
    m_html.open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                        {"class", "week"},
                        {"viewBox", QStringLiteral("0 0 %1 %2").arg(svgWidth).arg(svgHeight)},
                        {"role", "img"},
                        {"aria-label", owner.kind + QLatin1Char(' ') + owner.name}});
    m_html.raw(m_background);
    for (int row = 0; row < 7; ++row) {
        QStringList notes;
        if (owner.simulation.enabled())
            bands(owner.simulation, row, &notes);
        const QVector<QPair<double, double>> taken = marks(owner.switchTimes, row, &notes);
        notes.removeDuplicates();
        if (!notes.isEmpty())
            note(notes, row, taken);
    }
    m_html.close(); // svg
    m_html.close(); // div
    m_html.close(); // figure
}

// A presence simulation runs from its start to its end time every day, from sunset or until
// sunrise where its "on night" flags say so; one that ends before it starts runs past
// midnight, which the day's row shows as two bands.
void WeekChart::bands(const Simulation& simulation, int row, QStringList* notes)
{
    const QDate day = m_week.day(row);
    const QTime start =
        simulation.startOnNight() ? m_week.almanac.sunset(day) : simulation.startTime().time();
    const QTime end =
        simulation.endOnNight() ? m_week.almanac.sunrise(day) : simulation.endTime().time();
    if (!start.isValid() || !end.isValid()) {
        notes->append(polarText(m_week, day));
        return;
    }
    const QString title =
        QStringLiteral("presence simulation %1–%2").arg(clockText(start), clockText(end));
    const int from = minuteOf(start);
    const int to = minuteOf(end);
    if (from < to) {
        band(from, to, row, title);
    } else {
        band(from, minutesPerDay, row, title);
        band(0, to, row, title);
    }
}

void WeekChart::band(int from, int to, int row, const QString& title)
{
    m_html.open("rect", {{"class", "band"},
                         {"x", coordinate(xOf(from))},
                         {"y", QString::number(chartTop + row * rowHeight + 2)},
                         {"width", coordinate(xOf(to) - xOf(from))},
                         {"height", QString::number(rowHeight - 4)}});
    m_html.element("title", title);
    m_html.close();
}

QVector<QPair<double, double>> WeekChart::marks(const QList<SwitchTime>& switchTimes, int row,
                                                QStringList* notes)
{
    const QDate day = m_week.day(row);
    QVector<Mark> marks;
    for (const SwitchTime& switchTime : switchTimes) {
        const QTime time = m_week.almanac.fireTime(switchTime, day);
        if (time.isValid())
            marks.append({minuteOf(time), &switchTime, 0, 0});
        else if (isAstronomical(switchTime) && Almanac::appliesOn(switchTime, day))
            notes->append(polarText(m_week, day));
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.minute < b.minute; });
    // Labels go to the right of their marks, in the middle of the row. Where labels would
    // overlap, the row has an upper and a lower line of them, and a label that finds both
    // taken moves right to where the earlier line ends.
    double lineEnd[2] = {0, 0};
    QVector<QPair<double, double>> taken;
    for (Mark& mark : marks) {
        const double x = xOf(mark.minute);
        mark.line = x >= lineEnd[0] ? 0 : x >= lineEnd[1] ? 1 : lineEnd[0] <= lineEnd[1] ? 0 : 1;
        mark.labelX = qMax(x + 3, lineEnd[mark.line]);
        lineEnd[mark.line] =
            mark.labelX + 4 + numberText(mark.switchTime->value()).size() * labelCharWidth;
        taken.append({x, lineEnd[mark.line]});
    }
    const bool crowded =
        std::any_of(marks.cbegin(), marks.cend(), [](const Mark& mark) { return mark.line == 1; });
    // From right to left, so that no mark is drawn across the label of one before it.
    for (auto it = marks.crbegin(); it != marks.crend(); ++it)
        mark(*it, row, !crowded ? 16 : it->line == 0 ? 11 : 21);
    return taken;
}

void WeekChart::mark(const Mark& mark, int row, int baseline)
{
    const SwitchTime& switchTime = *mark.switchTime;
    const QString x = coordinate(xOf(mark.minute));
    const int top = chartTop + row * rowHeight;
    const QString title =
        QStringLiteral("%1 · value %2 · %3 · %4")
            .arg(clockText(QTime(0, 0).addSecs(mark.minute * 60)), numberText(switchTime.value()),
                 switchTime.type() == SwitchTime::Time ? QStringLiteral("fixed time")
                                                       : ruleText(switchTime),
                 daysText(switchTime.days()));
    m_html.open("g", {{"class", isAstronomical(switchTime) ? "mark astro" : "mark"},
                      {"data-day", m_week.day(row).toString(Qt::ISODate)}});
    m_html.element("title", title);
    m_html.empty("line", {{"x1", x},
                          {"y1", QString::number(top + 2)},
                          {"x2", x},
                          {"y2", QString::number(top + rowHeight - 2)}});
    m_html.element("text", numberText(switchTime.value()),
                   {{"x", coordinate(mark.labelX)}, {"y", QString::number(top + baseline)}});
    m_html.close();
}

// Writes @p notes into the first stretch of the row that marks and labels leave free
// (@p taken, from left to right), or at its start when none is wide enough.
void WeekChart::note(const QStringList& notes, int row, const QVector<QPair<double, double>>& taken)
{
    const QString text = notes.join(QStringLiteral("; "));
    const double width = text.size() * labelCharWidth;
    double x = chartLeft + 4;
    for (const auto& span : taken) {
        if (span.first - 4 - x >= width)
            break;
        x = qMax(x, span.second + 4);
    }
    if (x + width > chartLeft + chartWidth)
        x = chartLeft + 4;
    m_html.element("text", text,
                   {{"class", "polar"},
                    {"x", coordinate(x)},
                    {"y", QString::number(chartTop + row * rowHeight + 16)}});
}

} // namespace tool
