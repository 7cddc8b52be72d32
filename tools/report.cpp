// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// report: one self-contained HTML page on a project: its summary and findings, the building,
// a week chart of every time program and the scenes.

#include "commands.h"
#include "describe.h"
#include "files.h"
#include "html.h"
#include "weekchart.h"

#include <projects/almanac.h>
#include <projects/floor.h>
#include <projects/function.h>
#include <projects/group.h>
#include <projects/link.h>
#include <projects/project.h>
#include <projects/room.h>
#include <projects/scene.h>
#include <projects/scenetrigger.h>
#include <projects/simulation.h>
#include <projects/snapshot.h>
#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/order_p.h>

#include <QCommandLineParser>
#include <QDate>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

using namespace projects;

namespace tool {

namespace {

const char style[] = R"(
:root {
  color-scheme: light; --ink: #1d2733; --muted: #5b6776; --line: #d5dbe3; --accent: #1f6fb2;
}
* { box-sizing: border-box; }
body {
  margin: 0 auto; max-width: 62rem; padding: 1rem;
  font: 15px/1.45 system-ui, "Segoe UI", Roboto, "DejaVu Sans", sans-serif; color: var(--ink);
}
h1 { font-size: 1.6rem; margin: 0 0 .2rem; }
h2 { font-size: 1.3rem; margin: 2rem 0 .6rem; border-bottom: 2px solid var(--line); }
h3 { font-size: 1.1rem; margin: 1.2rem 0 .4rem; } h4 { font-size: 1rem; margin: .8rem 0 .3rem; }
.meta, .note, figcaption .where { color: var(--muted); }
nav { margin: .6rem 0; } nav a { margin-right: 1rem; }
a { color: var(--accent); }
.table { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; font-size: .9em; }
table.functions { table-layout: fixed; min-width: 36rem; }
table.functions th:nth-child(1) { width: 19%; } table.functions th:nth-child(2) { width: 17%; }
table.functions th:nth-child(3) { width: 22%; } table.functions th:nth-child(4) { width: 11%; }
table.functions th:nth-child(5) { width: 16%; }
th, td {
  text-align: left; vertical-align: top; padding: .25rem .5rem;
  border-bottom: 1px solid var(--line); overflow-wrap: break-word;
}
th { background: #f1f4f8; }
td.number { text-align: right; }
.error td:nth-child(2) { color: #a4161a; } .warning td:nth-child(2) { color: #8a5a00; }
.swatch {
  display: inline-block; width: .9em; height: .9em; border: 1px solid var(--muted);
  vertical-align: -.1em; margin-right: .3em;
}
figure.strip { margin: 0 0 1rem; break-inside: avoid; }
figcaption { font-weight: 600; margin-bottom: .2rem; }
figcaption .kind { font-weight: 400; color: var(--muted); margin-right: .4em; }
.scroll { overflow-x: auto; }
svg.week { display: block; width: 100%; min-width: 40rem; height: auto; font-size: 12px; }
svg .grid { stroke: #dfe4ea; stroke-width: 1; fill: none; }
svg .night { fill: #34508a; fill-opacity: .13; }
svg .today { fill: #fff4c2; }
svg .day { fill: var(--ink); } svg .day.today-label { font-weight: 700; }
svg .hour { fill: var(--muted); font-size: 11px; }
svg .band { fill: #f0a23b; fill-opacity: .35; }
svg .mark line { stroke: var(--accent); stroke-width: 2; }
svg .mark.astro line { stroke: #b5561b; }
svg .mark text {
  fill: var(--ink); font-size: 11px; paint-order: stroke; stroke: #fff; stroke-width: 2px;
  stroke-opacity: .8;
}
svg .polar { fill: var(--muted); font-style: italic; font-size: 11px; }
.legend span { margin-right: 1rem; white-space: nowrap; }
.legend i {
  display: inline-block; width: 1.6em; height: .8em; vertical-align: -.05em;
  margin-right: .3em;
}
@media (max-width: 40rem) {
  body { padding: .5rem; font-size: 14px; }
  th, td { padding: .2rem .3rem; }
}
@media print {
  @page { size: A4; margin: 12mm; }
  body { max-width: none; padding: 0; font-size: 10pt; }
  nav { display: none; }
  .scroll, .table { overflow: visible; }
  svg.week { min-width: 0; }
  table.functions { table-layout: auto; min-width: 0; }
  table.functions th:nth-child(n) { width: auto; }
  h2 { break-after: avoid; } tr, article { break-inside: avoid; }
}
)";

QString orDash(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("–") : text;
}

QVector<Owner> ownersOf(const Project& project)
{
    QVector<Owner> owners;
    const auto add = [&owners](const QString& kind, const QString& name, const QString& where,
                               const QString& id, const QList<SwitchTime>& switchTimes,
                               const Simulation& simulation) {
        owners.append({kind, name, where, id, switchTimes, simulation,
                       QStringLiteral("strip-%1").arg(owners.size() + 1)});
    };
    for (const Floor& floor : project.floors()) {
        for (const Room& room : floor.rooms()) {
            for (const Function& function : room.functions()) {
                if (!function.switchTimes().isEmpty() || function.simulation().enabled())
                    add(QStringLiteral("Function"), function.name(),
                        floor.name() + QStringLiteral(" / ") + room.name(),
                        uuidToString(function.id()), function.switchTimes(), function.simulation());
            }
        }
    }
    for (const Group& group : project.groups()) {
        if (!group.switchTimes().isEmpty())
            add(QStringLiteral("Group"), group.name(), QString(), uuidToString(group.id()),
                group.switchTimes(), Simulation());
    }
    for (const Scene& scene : project.scenes()) {
        if (!scene.switchTimes().isEmpty())
            add(QStringLiteral("Scene"), scene.name(), QString(), uuidToString(scene.id()),
                scene.switchTimes(), Simulation());
    }
    visitInKeyOrder(project.automatics(), [&add](const QString& id, const Automatic& program) {
        if (!program.switchTimes().isEmpty())
            add(QStringLiteral("Automatic program"), id, QString(), id, program.switchTimes(),
                Simulation());
    });
    return owners;
}

// The whole page, section by section.
class Page
{
public:
    Page(const Project& project, const QList<Finding>& findings, const Week& week);

    QByteArray write();

private:
    void head();
    void summary();
    void attributes();
    void sun();
    void findings();
    void building();
    void room(const Room& room);
    void functionRow(const Function& function);
    void week();
    void scenes();
    void scene(const Scene& scene);
    void linksAndFavourites();
    void table(const QStringList& headers, const char* tableClass = nullptr);
    void endTable();
    void row(const QStringList& cells);
    void stripLink(const QString& id, const QString& text);

    const Project& m_project;
    const QList<Finding>& m_findings;
    const Week& m_week;
    QVector<Owner> m_owners;
    // Lookups by identifier (keepFirst()).
    QHash<QString, QString> m_anchors; ///< the strip of each owner's identifier text
    QHash<QUuid, Actuator> m_actuators;
    QHash<QUuid, QString> m_groupNames;
    QHash<QUuid, QString> m_functionNames;
    QHash<QUuid, SceneTrigger> m_triggers;
    HtmlWriter m_html;
};

// Adds @p value under @p key unless the key is there: where two objects share an
// identifier, the first is the one shown, as the library's own lookups find it.
template <typename K, typename V> void keepFirst(QHash<K, V>& hash, const K& key, const V& value)
{
    if (!hash.contains(key))
        hash.insert(key, value);
}

Page::Page(const Project& project, const QList<Finding>& findings, const Week& week)
    : m_project(project), m_findings(findings), m_week(week), m_owners(ownersOf(project))
{
    for (const Owner& owner : qAsConst(m_owners))
        keepFirst(m_anchors, owner.id, owner.anchor);
    for (const Actuator& actuator : project.actuators())
        keepFirst(m_actuators, actuator.id(), actuator);
    for (const Group& group : project.groups())
        keepFirst(m_groupNames, group.id(), group.name());
    for (const Floor& floor : project.floors()) {
        for (const Room& room : floor.rooms()) {
            for (const Function& function : room.functions())
                keepFirst(m_functionNames, function.id(),
                          QStringLiteral("%1 (%2)").arg(function.name(), room.name()));
        }
    }
    for (const SceneTrigger& trigger : project.sceneTriggers())
        keepFirst(m_triggers, trigger.id(), trigger);
}

QByteArray Page::write()
{
    m_html.raw(QStringLiteral("<!DOCTYPE html>\n"));
    m_html.open("html", {{"lang", "en"}});
    head();
    m_html.open("body");
    m_html.open("header");
    m_html.element("h1", m_project.name());
    m_html.element("p",
                   QStringLiteral("Project report for the week of %1 to %2, marked: %3")
                       .arg(m_week.monday.toString(Qt::ISODate),
                            m_week.day(6).toString(Qt::ISODate), m_week.date.toString(Qt::ISODate)),
                   {{"class", "meta"}});
    m_html.open("nav");
    for (const char* section : {"Summary", "Building", "Week", "Scenes"})
        m_html.element("a", QLatin1String(section),
                       {{"href", QLatin1Char('#') + QString::fromLatin1(section).toLower()}});
    m_html.close(); // nav
    m_html.close(); // header
    summary();
    building();
    week();
    scenes();
    m_html.close(); // body
    m_html.close(); // html
    return m_html.toUtf8();
}

void Page::head()
{
    m_html.open("head");
    m_html.empty("meta", {{"charset", "utf-8"}});
    m_html.empty("meta",
                 {{"name", "viewport"}, {"content", "width=device-width, initial-scale=1"}});
    m_html.element("title", QStringLiteral("Project report: ") + m_project.name());
    m_html.open("style");
    m_html.raw(QLatin1String(style));
    m_html.close();
    m_html.close();
}

void Page::table(const QStringList& headers, const char* tableClass)
{
    m_html.open("div", {{"class", "table"}});
    if (tableClass)
        m_html.open("table", {{"class", QLatin1String(tableClass)}});
    else
        m_html.open("table");
    m_html.open("thead");
    m_html.open("tr");
    for (const QString& header : headers)
        m_html.element("th", header);
    m_html.close();
    m_html.close();
    m_html.open("tbody");
}

void Page::endTable()
{
    m_html.close(); // tbody
    m_html.close(); // table
    m_html.close(); // div
}

void Page::row(const QStringList& cells)
{
    m_html.open("tr");
    for (const QString& cell : cells)
        m_html.element("td", cell);
    m_html.close();
}

void Page::stripLink(const QString& id, const QString& text)
{
    const QString anchor = m_anchors.value(id);
    if (anchor.isEmpty())
        m_html.text(text);
    else
        m_html.element("a", text, {{"href", QLatin1Char('#') + anchor}});
}

void Page::summary()
{
    m_html.open("section", {{"id", "summary"}});
    m_html.element("h2", QStringLiteral("Summary"));
    attributes();
    sun();
    findings();
    m_html.close();
}

void Page::attributes()
{
    QStringList counts;
    for (const Count& count : countsOf(m_project))
        counts.append(QString::number(count.number) + QLatin1Char(' ') +
                      QLatin1String(count.words));
    const int timezone = m_project.timezone();
    const QString offset = QStringLiteral("UTC%1%2:%3")
                               .arg(timezone < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                               .arg(qAbs(timezone) / 60, 2, 10, QLatin1Char('0'))
                               .arg(qAbs(timezone) % 60, 2, 10, QLatin1Char('0'));
    const QString summerTime = m_week.almanac.summerTime() == Almanac::EuropeanSummerTime
                                   ? QStringLiteral(", with European summer time")
                                   : QStringLiteral(", without summer time");
    table({QStringLiteral("Attribute"), QStringLiteral("Value")});
    row({QStringLiteral("Owner"), m_project.owner()});
    row({QStringLiteral("Installer"), m_project.installer()});
    if (!m_project.creationVersion().isEmpty() || !m_project.modificationVersion().isEmpty())
        row({QStringLiteral("Versions"), QStringLiteral("created with %1, modified with %2")
                                             .arg(orDash(m_project.creationVersion()),
                                                  orDash(m_project.modificationVersion()))});
    row({QStringLiteral("Position"),
         QStringLiteral("latitude %1, longitude %2")
             .arg(numberText(m_project.latitude()), numberText(m_project.longitude()))});
    row({QStringLiteral("Time zone"), offset + summerTime});
    row({QStringLiteral("Devices"),
         QStringLiteral("weather station %1, hub %2")
             .arg(yesNo(m_project.hasWeatherStation()), yesNo(m_project.hasVeskBox()))});
    row({QStringLiteral("Vacation"), yesNo(m_project.vacationActivated())});
    row({QStringLiteral("Counts"), counts.join(QStringLiteral(", "))});
    endTable();
}

void Page::sun()
{
    m_html.element("h3", QStringLiteral("Sunrise and sunset"));
    table({QStringLiteral("Day"), QStringLiteral("Sunrise"), QStringLiteral("Sunset")});
    for (int index = 0; index < 7; ++index) {
        const QDate day = m_week.day(index);
        const QString polar = polarText(m_week, day);
        const QString label =
            dateText(day) + (day == m_week.date ? QStringLiteral(" (marked)") : QString());
        if (polar.isEmpty())
            row({label, clockText(m_week.almanac.sunrise(day)),
                 clockText(m_week.almanac.sunset(day))});
        else
            row({label, polar, QStringLiteral("–")});
    }
    endTable();
}

void Page::findings()
{
    m_html.element("h3", QStringLiteral("Findings"));
    if (m_findings.isEmpty()) {
        m_html.element("p", QStringLiteral("Validation finds nothing."), {{"class", "note"}});
        return;
    }
    table({QStringLiteral("Line"), QStringLiteral("Finding")});
    for (const Finding& finding : m_findings) {
        m_html.open("tr", {{"class", finding.severity() == Finding::Error ? "error" : "warning"}});
        m_html.element("td", finding.line() >= 0 ? QString::number(finding.line()) : QString(),
                       {{"class", "number"}});
        m_html.element("td", finding.toString());
        m_html.close();
    }
    endTable();
}

void Page::building()
{
    m_html.open("section", {{"id", "building"}});
    m_html.element("h2", QStringLiteral("Building"));
    for (const Floor& floor : m_project.floors()) {
        m_html.element("h3", floor.name());
        if (floor.rooms().isEmpty())
            m_html.element("p", QStringLiteral("No rooms."), {{"class", "note"}});
        for (const Room& room : floor.rooms())
            this->room(room);
    }
    m_html.close();
}

void Page::room(const Room& room)
{
    m_html.element("h4", room.name());
    if (room.functions().isEmpty()) {
        m_html.element("p", QStringLiteral("No functions."), {{"class", "note"}});
        return;
    }
    table({QStringLiteral("Function"), QStringLiteral("Type"), QStringLiteral("Actuator"),
           QStringLiteral("Groups"), QStringLiteral("Status texts"), QStringLiteral("Times")},
          "functions");
    for (const Function& function : room.functions())
        functionRow(function);
    endTable();
}

void Page::functionRow(const Function& function)
{
    QString actuator;
    if (function.hasActuator()) {
        const Actuator found = m_actuators.value(function.actuatorRef());
        actuator = found.isNull()
                       ? uuidToString(function.actuatorRef()) + QStringLiteral(" (missing)")
                       : found.name();
    }
    QStringList groups;
    for (const QUuid& ref : function.groupRefs())
        groups.append(m_groupNames.value(ref, uuidToString(ref) + QStringLiteral(" (missing)")));
    QStringList texts;
    if (!function.onText().isEmpty() || !function.offText().isEmpty())
        texts.append(
            QStringLiteral("on “%1”, off “%2”").arg(function.onText(), function.offText()));
    if (!function.unit().isEmpty())
        texts.append(QStringLiteral("unit %1").arg(function.unit()));
    QStringList times;
    if (!function.switchTimes().isEmpty())
        times.append(QStringLiteral("%1 switch times").arg(function.switchTimes().size()));
    if (function.simulation().enabled())
        times.append(QStringLiteral("presence simulation"));

    m_html.open("tr");
    for (const QString& cell :
         {function.name(), keyOf<Function::FunctionType>(function.type()), actuator,
          groups.join(QStringLiteral(", ")), texts.join(QStringLiteral("; "))})
        m_html.element("td", cell);
    m_html.open("td");
    stripLink(uuidToString(function.id()), times.join(QStringLiteral(", ")));
    m_html.close();
    m_html.close();
}

void Page::week()
{
    m_html.open("section", {{"id", "week"}});
    m_html.element("h2", QStringLiteral("Week"));
    m_html.open("p", {{"class", "legend"}});
    const QPair<const char*, const char*> legend[] = {
        {"background:#1f6fb2", "fixed time"},
        {"background:#b5561b", "sunrise or sunset"},
        {"background:#f0a23b;opacity:.35", "presence simulation"},
        {"background:#34508a;opacity:.13", "night"}};
    for (const auto& entry : legend) {
        m_html.open("span");
        m_html.element("i", QString(), {{"style", QLatin1String(entry.first)}});
        m_html.text(QLatin1String(entry.second));
        m_html.close();
    }
    m_html.close();
    m_html.element("p",
                   QStringLiteral("Each mark is labelled with the value switched to; hover or "
                                  "tap it for its time. The marked day is highlighted."),
                   {{"class", "note"}});
    if (m_owners.isEmpty())
        m_html.element("p", QStringLiteral("No time programs."), {{"class", "note"}});
    WeekChart chart(m_html, m_week);
    for (const Owner& owner : qAsConst(m_owners))
        chart.strip(owner);
    m_html.close();
}

void Page::scenes()
{
    m_html.open("section", {{"id", "scenes"}});
    m_html.element("h2", QStringLiteral("Scenes"));
    if (m_project.scenes().isEmpty())
        m_html.element("p", QStringLiteral("No scenes."), {{"class", "note"}});
    for (const Scene& scene : m_project.scenes())
        this->scene(scene);
    linksAndFavourites();
    m_html.close();
}

void Page::scene(const Scene& scene)
{
    m_html.open("article", {{"class", "scene"}});
    m_html.open("h3");
    if (scene.color().isValid())
        m_html.element(
            "span", QString(),
            {{"class", "swatch"}, {"style", QStringLiteral("background:") + scene.color().name()}});
    m_html.text(scene.name());
    m_html.close();

    QStringList triggers;
    for (const QString& id : sortedIdentifiers(scene.triggers())) {
        const SceneTrigger trigger = m_triggers.value(stringToUuid(id));
        if (trigger.id().isNull())
            triggers.append(id + QStringLiteral(" (missing)"));
        else if (trigger.jobId() >= 0)
            triggers.append(QStringLiteral("%1 (job %2)")
                                .arg(trigger.name().isEmpty() ? id : trigger.name())
                                .arg(trigger.jobId()));
        else
            triggers.append(trigger.name().isEmpty() ? id : trigger.name());
    }
    if (scene.triggeredByPanic())
        triggers.append(QStringLiteral("panic"));
    if (scene.triggeredByCentralOff())
        triggers.append(QStringLiteral("central off"));
    m_html.element("p", QStringLiteral("Triggers: %1. Favourite: %2.")
                            .arg(triggers.isEmpty() ? QStringLiteral("none")
                                                    : triggers.join(QStringLiteral(", ")),
                                 yesNo(scene.favorite())));

    if (!scene.snapshots().isEmpty()) {
        table({QStringLiteral("Function"), QStringLiteral("Values")});
        for (const Snapshot& snapshot : scene.snapshots()) {
            QStringList values;
            visitInDatapointOrder(
                snapshot.values(), [&values](const QString& key, const QJsonValue& value) {
                    if (!value.isUndefined())
                        values.append(key + QStringLiteral(" = ") + valueText(value));
                });
            row({m_functionNames.value(snapshot.functionId(), uuidToString(snapshot.functionId()) +
                                                                  QStringLiteral(" (missing)")),
                 values.join(QStringLiteral(", "))});
        }
        endTable();
    }
    if (!scene.switchTimes().isEmpty()) {
        m_html.open("ul");
        for (const SwitchTime& switchTime : scene.switchTimes())
            m_html.element("li", QStringLiteral("%1 at %2: value %3")
                                     .arg(daysText(switchTime.days()), ruleText(switchTime),
                                          numberText(switchTime.value())));
        m_html.close();
        m_html.open("p");
        stripLink(uuidToString(scene.id()), QStringLiteral("In the week chart"));
        m_html.close();
    }
    m_html.close();
}

void Page::linksAndFavourites()
{
    m_html.element("h3", QStringLiteral("Links"));
    if (m_project.links().isEmpty()) {
        m_html.element("p", QStringLiteral("No links."), {{"class", "note"}});
    } else {
        table({QStringLiteral("Name"), QStringLiteral("Opens"), QStringLiteral("For"),
               QStringLiteral("Address")});
        for (const Link& link : m_project.links())
            row({link.name(), keyOf<Link::LinkType>(link.type()),
                 keyOf<Link::OsName>(link.osName()), link.url()});
        endTable();
    }
    m_html.element("h3", QStringLiteral("Favourites"));
    QStringList favourites;
    for (const Scene& scene : m_project.scenes()) {
        if (scene.favorite())
            favourites.append(QStringLiteral("Scene ") + scene.name());
    }
    for (const Link& link : m_project.links()) {
        if (link.favorite())
            favourites.append(QStringLiteral("Link ") + link.name());
    }
    if (favourites.isEmpty()) {
        m_html.element("p", QStringLiteral("No favourites."), {{"class", "note"}});
        return;
    }
    m_html.open("ul");
    for (const QString& favourite : qAsConst(favourites))
        m_html.element("li", favourite);
    m_html.close();
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Writes one self-contained HTML page on a project: its attributes, counts, position "
        "and validation findings; the building with every function; a week chart with a "
        "strip per function, group, scene and automatic program that has switch times "
        "(fixed times, sunrise and sunset times of the week, presence simulations as "
        "bands); the scenes with their values, triggers and switch times; links and "
        "favourites. The chart shows the Monday-to-Sunday week that holds --date, which is "
        "today (the local date) when not given; everything else depends on the file and "
        "the options alone. Without -o the page goes to standard output."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("date"),
                      QStringLiteral("The day to mark, whose week the chart shows (default: "
                                     "today)."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("summer-time"),
                      QStringLiteral("eu (the default) adds an hour from the last Sunday of "
                                     "March to the last Sunday of October; none keeps the "
                                     "project's time zone all year."),
                      QStringLiteral("eu|none")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Write to OUT instead of standard output."),
                      QStringLiteral("OUT")});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project file, or - for standard input."));
}

// Reads --date and --summer-time; prints a message and returns false for a value that is
// not valid.
bool readOptions(const QCommandLineParser& parser, QDate* date, Almanac::SummerTime* summerTime)
{
    *date = QDate::currentDate();
    if (parser.isSet(QStringLiteral("date"))) {
        const QString text = parser.value(QStringLiteral("date"));
        static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        *date = QDate::fromString(text, Qt::ISODate);
        if (!form.match(text).hasMatch() || !date->isValid()) {
            error(QStringLiteral("--date takes a day as YYYY-MM-DD, such as 2026-06-21, not "
                                 "'%1'")
                      .arg(text));
            return false;
        }
    }
    const QString summer = parser.value(QStringLiteral("summer-time"));
    if (summer.isEmpty() || summer == QLatin1String("eu")) {
        *summerTime = Almanac::EuropeanSummerTime;
    } else if (summer == QLatin1String("none")) {
        *summerTime = Almanac::NoSummerTime;
    } else {
        error(QStringLiteral("--summer-time takes eu or none, not '%1'").arg(summer));
        return false;
    }
    return true;
}

} // namespace

int report(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    const int parsed = parseCommand(parser, arguments, 1, QStringLiteral("one FILE"));
    if (parsed >= 0)
        return parsed;
    QDate date;
    Almanac::SummerTime summerTime = Almanac::EuropeanSummerTime;
    if (!readOptions(parser, &date, &summerTime))
        return UsageError;

    const QString path = parser.positionalArguments().first();
    Project project;
    Findings findings;
    const int status = readProject(path, inputLimit(parser), &project, &findings, false);
    if (status != Success)
        return status;
    reportFindings(path, findings.list, parser, GoOn);
    const Week week(date, Almanac(project, summerTime));
    Page page(project, findings.list, week);
    return writeOutput(parser.value(QStringLiteral("output")), page.write());
}

} // namespace tool
