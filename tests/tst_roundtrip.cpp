// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// Whole documents: read, write with ProjectWriter, read again. In the complete form every
// getter of every object of the project gives back what it gave before.

#include "testutil.h"

#include <projects/actuator.h>
#include <projects/automatic.h>
#include <projects/datapoint.h>
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
#include <projects/writer/projectwriter.h>

#include <QColor>
#include <QDebug>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <type_traits>

using namespace projects;

namespace {

template <typename T> QString text(const T& value)
{
    if constexpr (std::is_enum<T>::value) {
        return QString::number(int(value));
    } else {
        QString result;
        QDebug(&result).nospace() << value;
        return result;
    }
}

QString text(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString text(const QUuid& value)
{
    return uuidToString(value);
}

QString text(const QColor& value)
{
    return value.isValid() ? value.name(QColor::HexArgb) : QStringLiteral("invalid");
}

QString text(const QJsonValue& value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString text(const QVariant& value)
{
    if (value.userType() != QMetaType::Double)
        return text<QVariant>(value);
    return QStringLiteral("QVariant(double, %1)").arg(text(value.toDouble()));
}

template <typename T> bool same(const T& a, const T& b)
{
    return a == b;
}

// QVariant's own comparison converts (the integer 1 equals the text "1").
bool same(const QVariant& a, const QVariant& b)
{
    return a.userType() == b.userType() && a == b;
}

class Comparison;

/// Compares plain values; the overloads below compare containers and model objects by
/// their getters.
template <typename T> void compare(Comparison& c, const T& a, const T& b);
template <typename T> void compare(Comparison& c, const QList<T>& a, const QList<T>& b);
template <typename T> void compare(Comparison& c, const QSet<T>& a, const QSet<T>& b);
template <typename K, typename V>
void compare(Comparison& c, const QHash<K, V>& a, const QHash<K, V>& b);
void compare(Comparison& c, const Project& a, const Project& b);
void compare(Comparison& c, const Floor& a, const Floor& b);
void compare(Comparison& c, const Room& a, const Room& b);
void compare(Comparison& c, const Function& a, const Function& b);
void compare(Comparison& c, const Simulation& a, const Simulation& b);
void compare(Comparison& c, const SwitchTime& a, const SwitchTime& b);
void compare(Comparison& c, const Actuator& a, const Actuator& b);
void compare(Comparison& c, const Datapoint& a, const Datapoint& b);
void compare(Comparison& c, const Group& a, const Group& b);
void compare(Comparison& c, const Scene& a, const Scene& b);
void compare(Comparison& c, const Snapshot& a, const Snapshot& b);
void compare(Comparison& c, const SceneTrigger& a, const SceneTrigger& b);
void compare(Comparison& c, const Link& a, const Link& b);
void compare(Comparison& c, const Automatic& a, const Automatic& b);

/**
 * Compares two objects getter by getter and collects every difference with its path from
 * the project ("floors[0].rooms[2].functions[1].simulation.type: 1 != 7"). Each getter
 * called is recorded by its name, "Class::getter", so that everyGetterIsCompared() finds
 * the getters that the comparison leaves out.
 */
class Comparison
{
public:
    /// The getters called by every comparison so far.
    static QSet<QString>& used()
    {
        static QSet<QString> getters;
        return getters;
    }

    QStringList differences() const { return m_differences; }

    /// The datapoint roles under which the functions' caches are looked up.
    QStringList roles;

    /// Compares the results @p a and @p b of @p getter ("Class::name").
    template <typename T> void field(const char* getter, const T& a, const T& b)
    {
        used().insert(QLatin1String(getter));
        within(QLatin1Char('.') + QString::fromLatin1(getter).section(QLatin1String("::"), 1), a,
               b);
    }

    /// Compares the results of the lookup @p getter with @p key.
    template <typename T, typename K>
    void field(const char* getter, const T& a, const T& b, const K& key)
    {
        used().insert(QLatin1String(getter));
        within(QStringLiteral(".%1[%2]").arg(
                   QString::fromLatin1(getter).section(QLatin1String("::"), 1), text(key)),
               a, b);
    }

    /// Compares @p a and @p b at @p step below the current path.
    template <typename T> void within(const QString& step, const T& a, const T& b)
    {
        const int size = m_path.size();
        m_path += step;
        compare(*this, a, b);
        m_path.truncate(size);
    }

    template <typename T> void value(const T& a, const T& b)
    {
        if (!same(a, b))
            note(QString(), text(a) + QLatin1String(" != ") + text(b));
    }

    void note(const QString& step, const QString& what)
    {
        m_differences.append((m_path + step).mid(1) + QLatin1String(": ") + what);
    }

private:
    QString m_path;
    QStringList m_differences;
};

template <typename T> void compare(Comparison& c, const T& a, const T& b)
{
    c.value(a, b);
}

template <typename T> void compare(Comparison& c, const QList<T>& a, const QList<T>& b)
{
    if (a.size() != b.size())
        c.note(QStringLiteral(".size"), QStringLiteral("%1 != %2").arg(a.size()).arg(b.size()));
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        c.within(QStringLiteral("[%1]").arg(i), a.at(i), b.at(i));
}

template <typename T> QStringList sortedTexts(const QSet<T>& set)
{
    QStringList result;
    for (const T& item : set)
        result.append(text(item));
    std::sort(result.begin(), result.end());
    return result;
}

template <typename T> void compare(Comparison& c, const QSet<T>& a, const QSet<T>& b)
{
    c.value(sortedTexts(a), sortedTexts(b));
}

template <typename K, typename V>
void compare(Comparison& c, const QHash<K, V>& a, const QHash<K, V>& b)
{
    QList<K> keys = a.keys() + b.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const K& key : qAsConst(keys)) {
        const QString step = QLatin1Char('[') + text(key) + QLatin1Char(']');
        if (a.contains(key) && b.contains(key))
            c.within(step, a.value(key), b.value(key));
        else
            c.note(step, a.contains(key) ? QStringLiteral("lost") : QStringLiteral("added"));
    }
}

// The getter's name is taken from the call itself, so that the record cannot name another.
#define SAME(Class, getter) c.field(#Class "::" #getter, a.getter(), b.getter())
#define SAME_AT(Class, getter, key) c.field(#Class "::" #getter, a.getter(key), b.getter(key), key)
#define SAME_SORTED(Class, getter)                                                                 \
    c.field(#Class "::" #getter, testutil::sorted(a.getter()), testutil::sorted(b.getter()))

void compare(Comparison& c, const Project& a, const Project& b)
{
    c.roles.clear();
    for (const Actuator& actuator : a.actuators())
        c.roles += actuator.datapoints().keys();
    std::sort(c.roles.begin(), c.roles.end());
    c.roles.removeDuplicates();

    SAME(Project, name);
    SAME(Project, owner);
    SAME(Project, installer);
    SAME(Project, md5);
    SAME(Project, creationVersion);
    SAME(Project, modificationVersion);
    SAME(Project, latitude);
    SAME(Project, longitude);
    SAME(Project, timezone);
    SAME(Project, hasWeatherStation);
    SAME(Project, hasVeskBox);
    SAME(Project, vacationActivated);
    SAME(Project, floors);
    SAME(Project, actuators);
    SAME(Project, scenes);
    SAME(Project, sceneTriggers);
    SAME(Project, links);
    SAME(Project, groups);
    SAME(Project, lightSensorNames);
    SAME(Project, automatics);
}

void compare(Comparison& c, const Floor& a, const Floor& b)
{
    SAME(Floor, id);
    SAME(Floor, isValid);
    SAME(Floor, name);
    SAME(Floor, rooms);
}

void compare(Comparison& c, const Room& a, const Room& b)
{
    SAME(Room, id);
    SAME(Room, isValid);
    SAME(Room, name);
    SAME(Room, icon);
    SAME(Room, color);
    SAME(Room, functions);
}

void compare(Comparison& c, const Function& a, const Function& b)
{
    SAME(Function, id);
    SAME(Function, isValid);
    SAME(Function, name);
    SAME(Function, type);
    SAME(Function, actuatorRef);
    SAME(Function, hasActuator);
    SAME(Function, simulation);
    SAME(Function, switchTimes);
    SAME(Function, runOnVacation);
    SAME(Function, onIcon);
    SAME(Function, offIcon);
    SAME(Function, onText);
    SAME(Function, offText);
    SAME(Function, unit);
    SAME(Function, address);
    SAME(Function, groupRefs);
    SAME(Function, isInGroup);
    for (const QString& role : qAsConst(c.roles))
        SAME_AT(Function, cachedDatapoint, role);
    SAME(Function, cachedDatapoints);
}

void compare(Comparison& c, const Simulation& a, const Simulation& b)
{
    SAME(Simulation, id);
    SAME(Simulation, type);
    SAME(Simulation, startTimeEnable);
    SAME(Simulation, startOnNight);
    SAME(Simulation, startTime);
    SAME(Simulation, endTimeEnable);
    SAME(Simulation, endOnNight);
    SAME(Simulation, endTime);
    SAME(Simulation, pauseTimeEnable);
    SAME(Simulation, pauseStartTime);
    SAME(Simulation, pauseEndTime);
    SAME(Simulation, delayStart);
    SAME(Simulation, delayEnd);
    SAME(Simulation, durationStart);
    SAME(Simulation, durationEnd);
    SAME(Simulation, repeat);
    SAME(Simulation, enabled);
    SAME(Simulation, startJobId);
    SAME(Simulation, endJobId);
    SAME(Simulation, simulationDatapoint);
    SAME(Simulation, timerIds);
}

void compare(Comparison& c, const SwitchTime& a, const SwitchTime& b)
{
    SAME(SwitchTime, isValid);
    SAME(SwitchTime, id);
    SAME(SwitchTime, value);
    SAME(SwitchTime, days);
    SAME(SwitchTime, start);
    SAME(SwitchTime, type);
    SAME(SwitchTime, offset);
    SAME(SwitchTime, limit);
    SAME(SwitchTime, minStart);
    SAME(SwitchTime, maxEnd);
    SAME(SwitchTime, timerIds);
    SAME(SwitchTime, additionalValues);
    // additionalValue() inserts what it does not find, so it only looks up indexes that
    // both have.
    SAME_SORTED(SwitchTime, additionalValueIndexes);
    const QList<int> indexes = testutil::sorted(a.additionalValueIndexes());
    for (int index : indexes) {
        if (b.additionalValues().contains(index)) {
            SAME_AT(SwitchTime, additionalValue, index);
            SAME_AT(SwitchTime, hasAdditionalValue, index);
        }
    }
}

void compare(Comparison& c, const Actuator& a, const Actuator& b)
{
    SAME(Actuator, id);
    SAME(Actuator, isNull);
    SAME(Actuator, name);
    SAME(Actuator, onIcon);
    SAME(Actuator, offIcon);
    SAME(Actuator, appId);
    SAME(Actuator, useCase);
    SAME(Actuator, parameters);
    SAME(Actuator, datapoints);
}

void compare(Comparison& c, const Datapoint& a, const Datapoint& b)
{
    SAME(Datapoint, id);
    SAME(Datapoint, role);
    SAME(Datapoint, address);
    SAME(Datapoint, groupAddress);
}

void compare(Comparison& c, const Group& a, const Group& b)
{
    SAME(Group, id);
    SAME(Group, name);
    SAME(Group, type);
    SAME(Group, order);
    SAME(Group, address);
    SAME(Group, hasValidAddress);
    SAME(Group, runOnVacation);
    SAME(Group, registeredFunctions);
    SAME(Group, switchTimes);
    SAME(Group, isSpecialGroup);
    SAME(Group, isWeatherStationGroup);
}

void compareFavorite(Comparison& c, const Favorite& a, const Favorite& b)
{
    SAME(Favorite, id);
    SAME(Favorite, name);
    SAME(Favorite, icon);
    SAME(Favorite, favorite);
}

void compare(Comparison& c, const Scene& a, const Scene& b)
{
    compareFavorite(c, a, b);
    SAME(Scene, color);
    SAME(Scene, triggers);
    SAME(Scene, timerTrigger);
    SAME(Scene, triggeredByPanic);
    SAME(Scene, triggeredByCentralOff);
    SAME(Scene, snapshots);
    SAME(Scene, isGlobal);
    SAME(Scene, switchTimes);
    SAME(Scene, runOnVacation);
}

void compare(Comparison& c, const Snapshot& a, const Snapshot& b)
{
    SAME(Snapshot, functionId);
    SAME(Snapshot, isValid);
    SAME(Snapshot, values);
}

void compare(Comparison& c, const SceneTrigger& a, const SceneTrigger& b)
{
    SAME(SceneTrigger, id);
    SAME(SceneTrigger, name);
    SAME(SceneTrigger, number);
    SAME(SceneTrigger, jobId);
}

void compare(Comparison& c, const Link& a, const Link& b)
{
    compareFavorite(c, a, b);
    SAME(Link, type);
    SAME(Link, url);
    SAME(Link, appName);
    SAME(Link, osName);
}

void compare(Comparison& c, const Automatic& a, const Automatic& b)
{
    SAME(Automatic, id);
    SAME(Automatic, uuid);
    SAME(Automatic, runOnVacation);
    SAME(Automatic, switchTimes);
}

#undef SAME
#undef SAME_AT
#undef SAME_SORTED

/// The differences between @p a and @p b, getter by getter.
QStringList differences(const Project& a, const Project& b)
{
    Comparison comparison;
    compare(comparison, a, b);
    return comparison.differences();
}

// Declared getters that the comparison leaves out, each with its reason. A class name alone
// stands for all the getters of the class.
const QStringList notCompared = {
    // Not part of a project: what merges and validation hand back, the merges' options, and
    // what a project's position means.
    QStringLiteral("DeletableItems"), QStringLiteral("Finding"), QStringLiteral("ProjectMerge"),
    QStringLiteral("Almanac"),
    // Operations, not fields: the device timers to delete, the device JSON of the values,
    // comparisons with another object.
    QStringLiteral("Automatic::gc"), QStringLiteral("Floor::gc"), QStringLiteral("Function::gc"),
    QStringLiteral("Group::gc"), QStringLiteral("Room::gc"), QStringLiteral("Snapshot::json"),
    QStringLiteral("Snapshot::hasSameDatapointAddresses"), QStringLiteral("Simulation::equals"),
    QStringLiteral("SwitchTime::equals"),
    // A lookup in actuators(), which is compared whole.
    QStringLiteral("Project::actuatorByRef")};

/**
 * The public getters declared in the C++ header text @p header, as "Class::name", sorted:
 * the const member functions of its exported classes that return a value and take no
 * argument, or one (a lookup).
 */
QStringList declaredGetters(QString header)
{
    header.replace(QRegularExpression(QStringLiteral(R"(/\*.*?\*/|//[^\n]*)"),
                                      QRegularExpression::DotMatchesEverythingOption),
                   QStringLiteral(" "));
    static const QRegularExpression exported(QStringLiteral(R"(\bclass\s+\w+_EXPORT\s+(\w+))"));
    static const QRegularExpression access(
        QStringLiteral(R"(\b(public|protected|private)\s*:(?!:))"));
    static const QRegularExpression getter(QStringLiteral(
        R"(([\w:<>,*&\s]+?)\b(\w+)\s*\(((?:[^()]|\([^()]*\))*)\)\s*const\s*(?:noexcept\s*)?(?:override\s*)?$)"));
    static const QRegularExpression returnsVoid(QStringLiteral(R"(\bvoid\s*$)"));
    // A comma outside template brackets separates two parameters.
    static const QRegularExpression twoParameters(QStringLiteral(",(?![^<]*>)"));
    QStringList result;
    for (auto classes = exported.globalMatch(header); classes.hasNext();) {
        const QRegularExpressionMatch cls = classes.next();
        bool isPublic = false;
        int depth = 0;
        int i = header.indexOf(QLatin1Char('{'), cls.capturedEnd());
        int start = i + 1;
        for (; i >= 0 && i < header.size(); ++i) {
            const QChar ch = header.at(i);
            if (ch != QLatin1Char(';') && ch != QLatin1Char('{') && ch != QLatin1Char('}'))
                continue;
            // Only declarations of the class itself, not what inline bodies hold.
            if (depth == 1) {
                QString statement = header.mid(start, i - start);
                QRegularExpressionMatch label;
                for (auto labels = access.globalMatch(statement); labels.hasNext();)
                    label = labels.next();
                if (label.hasMatch()) {
                    isPublic = label.captured(1) == QLatin1String("public");
                    statement = statement.mid(label.capturedEnd());
                }
                const QRegularExpressionMatch m = getter.match(statement.trimmed());
                if (isPublic && m.hasMatch() && !m.captured(1).contains(returnsVoid) &&
                    !m.captured(3).contains(twoParameters))
                    result.append(cls.captured(1) + QLatin1String("::") + m.captured(2));
            }
            depth += ch == QLatin1Char('{') ? 1 : ch == QLatin1Char('}') ? -1 : 0;
            if (depth == 0)
                break;
            start = i + 1;
        }
    }
    std::sort(result.begin(), result.end());
    result.removeDuplicates();
    return result;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray writeProject(const Project& project, ProjectWriter::Form form = ProjectWriter::Standard,
                        bool withVacation = true)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProjectWriter writer;
    writer.setForm(form);
    writer.setWithVacation(withVacation);
    // A copy's options are its own: changing them leaves the writer's as they were.
    ProjectWriter copy = writer;
    copy.setForm(form == ProjectWriter::Standard ? ProjectWriter::Complete
                                                 : ProjectWriter::Standard);
    copy.setWithVacation(!withVacation);
    writer.write(project, &buffer);
    return bytes;
}

} // namespace

class tst_RoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void completeFormKeepsEverything_data();
    void completeFormKeepsEverything();
    void everyGetterIsCompared();
    void headerGetters_data();
    void headerGetters();
    void richDocumentIsReadCompletely();
    void containersAndOrderOfTheWrittenDocument();
    void withoutVacationLeavesVacationOut();
};

void tst_RoundTrip::completeFormKeepsEverything_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("rich document") << testutil::dataPath("roundtrip.xml");
    QTest::newRow("example house") << QStringLiteral(CASARINA_EXAMPLES "/house.xml");
    // Imported from the configuration JSON: switch times of every kind, which only the
    // complete form's own attributes carry.
    QTest::newRow("imported house") << testutil::dataPath("expected/house-import.complete.xml");
}

void tst_RoundTrip::completeFormKeepsEverything()
{
    QFETCH(QString, file);
    bool error = true;
    const Project first = testutil::read(readFile(file), &error);
    QVERIFY(!error);
    const Project second = testutil::read(writeProject(first, ProjectWriter::Complete), &error);
    QVERIFY(!error);
    const QStringList lost = differences(first, second);
    // One message holds them all: the failure text itself is cut short.
    if (!lost.isEmpty())
        qWarning().noquote() << lost.join(QLatin1Char('\n'));
    QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("%1 differences").arg(lost.size())));
}

void tst_RoundTrip::everyGetterIsCompared()
{
    // Two reads of one document are alike, and a change is named by its path; comparing
    // them also records the getters used, whatever ran before.
    const QByteArray xml = readFile(testutil::dataPath("roundtrip.xml"));
    const Project first = testutil::read(xml);
    Project second = testutil::read(xml);
    QCOMPARE(differences(first, second), QStringList());
    second.floors()[0].rooms()[1].functions()[1].simulation().setType(Function::Switch);
    QCOMPARE(differences(first, second),
             QStringList{"floors[0].rooms[1].functions[1].simulation.type: 7 != 1"});

    QStringList declared;
    const QDir headers(QStringLiteral(CASARINA_HEADERS));
    for (const QString& name : headers.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name))
        declared += declaredGetters(QString::fromUtf8(readFile(headers.filePath(name))));
    QStringList missing;
    for (const QString& getter : qAsConst(declared)) {
        if (!Comparison::used().contains(getter) && !notCompared.contains(getter) &&
            !notCompared.contains(getter.section(QLatin1String("::"), 0, 0)))
            missing.append(getter);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    // What is compared or left out must be declared: this guards the reading of the
    // headers, and keeps the exclusions from outliving their getters.
    QStringList unknown = notCompared + Comparison::used().values();
    std::sort(unknown.begin(), unknown.end());
    unknown.erase(std::remove_if(unknown.begin(), unknown.end(),
                                 [&declared](const QString& name) {
                                     return declared.contains(name) ||
                                            !declared
                                                 .filter(QRegularExpression(
                                                     QLatin1Char('^') + name + QLatin1String("::")))
                                                 .isEmpty();
                                 }),
                  unknown.end());
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1String(", "))));
}

void tst_RoundTrip::headerGetters_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("getters");
    QTest::newRow("values, references and nested enumerations are getters")
        << QByteArray("public: int a() const; const QHash<QString, int>& b() const;\n"
                      "Function::FunctionType c() const noexcept;")
        << QStringList{"Thing::a", "Thing::b", "Thing::c"};
    QTest::newRow("a lookup with one argument is a getter, one with two is not")
        << QByteArray("public: int at(const QHash<QString, int>& key) const;\n"
                      "int both(int a, const QString& b) const;")
        << QStringList{"Thing::at"};
    QTest::newRow("setters, void operations and static functions are not")
        << QByteArray("public: void setA(int a); void print() const; static int make();\n"
                      "int a() const;")
        << QStringList{"Thing::a"};
    QTest::newRow("private and protected members are left out")
        << QByteArray("int p() const; public: int a() const; protected: int q() const;\n"
                      "private: int r() const;")
        << QStringList{"Thing::a"};
    QTest::newRow("comments and inline bodies are not declarations")
        << QByteArray("public:\n/// int fake() const;\n/* int old() const; */\n"
                      "Q_ENUM(Kind) int a() const { return d.size(); }\n"
                      "void swap(Thing& o) { int size() const; }")
        << QStringList{"Thing::a"};
}

void tst_RoundTrip::headerGetters()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, getters);
    const QByteArray header = "class Other;\nclass PROJECTS_EXPORT Thing : public Base\n{\n" +
                              body + "\n};\nint outside() const;\n";
    QCOMPARE(declaredGetters(QString::fromUtf8(header)), getters);
}

void tst_RoundTrip::richDocumentIsReadCompletely()
{
    // Guards the fixture itself: what the reader did not read, or read as the default
    // value, would pass the comparisons above whatever the writer does.
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    QCOMPARE(project.floors().size(), 3);
    QCOMPARE(project.floors().first().rooms().size(), 2);
    QCOMPARE(project.floors().first().rooms().first().functions().size(), 3);
    QCOMPARE(project.groups().size(), 3);
    QCOMPARE(project.scenes().size(), 2);
    QCOMPARE(project.scenes().first().snapshots().size(), 2);
    QCOMPARE(project.scenes().first().snapshots().first().values().size(), 10);
    QCOMPARE(project.sceneTriggers().size(), 3);
    QCOMPARE(project.links().size(), 2);
    QCOMPARE(project.automatics().size(), 2);
    QCOMPARE(project.automatics().value("morning").switchTimes().size(), 2);
    const Function lamp = project.floors().first().rooms().first().functions().first();
    QCOMPARE(lamp.switchTimes().size(), 2);
    QCOMPARE(lamp.switchTimes().first().timerIds().size(), 2);
    QVERIFY(lamp.switchTimes().first().hasAdditionalValue(2));
    QCOMPARE(lamp.switchTimes().first().additionalValue(2).toDouble(), 20.0);
    QCOMPARE(lamp.simulation().timerIds().value(3), 301);
    QCOMPARE(lamp.cachedDatapoint(QStringLiteral("switch")), 12);
    const Function radiator = project.floors().first().rooms().first().functions().at(1);
    QCOMPARE(radiator.groupRefs().size(), 2);
    // Split units: the one the element names and the one that becomes one through its
    // actuator, whose simulation keeps the element's type.
    const QList<Function> kitchen = project.floors().first().rooms().at(1).functions();
    QCOMPARE(kitchen.at(1).type(), Function::SplitUnit);
    QCOMPARE(kitchen.at(1).groupRefs().size(), 1);
    QCOMPARE(kitchen.at(3).type(), Function::SplitUnit);
    QCOMPARE(kitchen.at(3).simulation().type(), Function::Switch);

    QCOMPARE(project.latitude(), 52.5200066);
    QVERIFY(project.hasWeatherStation() && project.hasVeskBox());
    QCOMPARE(project.lightSensorNames(),
             (QHash<int, QString>{{1, "Light east"}, {2, "Light west"}}));
    QList<int> appIds;
    QList<int> useCases;
    for (const Actuator& actuator : project.actuators()) {
        appIds.append(actuator.appId());
        useCases.append(actuator.useCase());
    }
    QCOMPARE(appIds, (QList<int>{-1, 18535, 18533, 18482, 18482, 18530, 18530}));
    QCOMPARE(useCases, (QList<int>{-1, 2, 1, -1, -1, -1, -1}));
    QStringList parameters;
    const QHash<QString, QVariant> typed = project.actuators().at(5).parameters();
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        parameters.append(it.key() + QLatin1Char(' ') + QLatin1String(it.value().typeName()));
    parameters.sort();
    QCOMPARE(parameters,
             (QStringList{"delay int", "factor double", "farbsteuerung int", "inverted bool",
                          "label QString", "scenes QStringList", "since QDateTime"}));

    QStringList statuses;
    for (const Function& f : project.floors().at(1).rooms().first().functions())
        statuses.append(QStringLiteral("%1 %2 %3/%4 %5")
                            .arg(f.type())
                            .arg(f.address())
                            .arg(f.onText(), f.offText(), f.unit()));
    QCOMPARE(statuses, (QStringList{"5 2310 open/closed ", "6 2311 / °C", "5 2312 ajar/shut ",
                                    "6 2313 / K"}));
    const Scene evening = project.scenes().first();
    QCOMPARE(evening.triggers().size(), 2);
    QVERIFY(evening.triggeredByPanic() && evening.triggeredByCentralOff());
    QCOMPARE(evening.timerTrigger(), 7);
    QVERIFY(project.scenes().at(1).triggeredByCentralOff());
    QCOMPARE(project.sceneTriggers().first().name(), QStringLiteral("Button 1"));
    QCOMPARE(evening.switchTimes().first().offset(), -45);
}

void tst_RoundTrip::containersAndOrderOfTheWrittenDocument()
{
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    const QByteArray written = writeProject(project);
    QCOMPARE(testutil::childNames(written, QStringLiteral("project")),
             (QStringList{"floors", "actuators", "groups", "scenes", "links", "p:automatic",
                          "p:automatic"}));
    QCOMPARE(
        testutil::childNames(written, QStringLiteral("scenes")),
        (QStringList{"p:scene", "p:scene", "p:sceneTrigger", "p:sceneTrigger", "p:sceneTrigger"}));
    // A function's switch times come before its simulation.
    QCOMPARE(testutil::childNames(written, QStringLiteral("function")),
             (QStringList{"actuator-ref", "p:switchTime", "p:switchTime", "p:simulation"}));
    // Automatic programs are written in the order of their identifiers.
    const QList<QXmlStreamAttributes> automatics = testutil::elements(written, "automatic");
    QCOMPARE(automatics.size(), 2);
    QCOMPARE(testutil::value(automatics.at(0), "id"), QStringLiteral("evening"));
    QCOMPARE(testutil::value(automatics.at(1), "id"), QStringLiteral("morning"));
}

void tst_RoundTrip::withoutVacationLeavesVacationOut()
{
    const Project project = testutil::read(readFile(testutil::dataPath("roundtrip.xml")));
    const QByteArray written = writeProject(project, ProjectWriter::Standard, false);
    QVERIFY(!written.contains("vacationActivated"));
    for (const char* element : {"function", "group", "scene"}) {
        for (const QXmlStreamAttributes& attributes :
             testutil::elements(written, QString::fromLatin1(element)))
            QVERIFY(!attributes.hasAttribute(QStringLiteral("runOnVacation")));
    }
    // Scenes lose their switch times, functions and groups keep theirs.
    const Project back = testutil::read(written);
    QVERIFY(back.scenes().first().switchTimes().isEmpty());
    QCOMPARE(back.groups().first().switchTimes().size(), 1);
}

QTEST_GUILESS_MAIN(tst_RoundTrip)
#include "tst_roundtrip.moc"
