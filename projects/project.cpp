// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "project.h"

#include "common/debug_p.h"
#include "actuator.h"
#include "automatic.h"
#include "floor.h"
#include "group.h"
#include "link.h"
#include "scene.h"
#include "scenetrigger.h"
#include "common/conversions.h"
#include "common/namespaces.h"
#include "common/texts_p.h"

#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Project::Private : public QSharedData
{
public:
    QString name;
    QString owner;
    QString installer;
    QString md5;
    QString creationVersion;
    QString modificationVersion;
    double latitude = 48.3661;
    double longitude = 8.79598;
    int timezone = 60;
    bool hasWeatherStation = false;
    bool hasVeskBox = false;
    bool vacationActivated = false;
    QList<Floor> floors;
    QList<Actuator> actuators;
    QList<Scene> scenes;
    QList<SceneTrigger> sceneTriggers;
    QList<Link> links;
    QList<Group> groups;
    QHash<int, QString> lightSensorNames;
    QHash<QString, Automatic> automatics;
};

Project::Project() : d(new Private) {}

Project::Project(const QString& name) : d(new Private)
{
    d->name = name;
}

Project::Project(const Project& other) = default;
Project::Project(Project&& other) noexcept = default;
Project::~Project() = default;
Project& Project::operator=(const Project& other) = default;
Project& Project::operator=(Project&& other) noexcept = default;

QString Project::name() const
{
    return d->name;
}
void Project::setName(const QString& name)
{
    d->name = name;
}
QString Project::owner() const
{
    return d->owner;
}
void Project::setOwner(const QString& owner)
{
    d->owner = owner;
}
QString Project::installer() const
{
    return d->installer;
}
void Project::setInstaller(const QString& installer)
{
    d->installer = installer;
}
QString Project::md5() const
{
    return d->md5;
}
void Project::setMd5(const QString& md5)
{
    d->md5 = md5;
}
QString Project::creationVersion() const
{
    return d->creationVersion;
}
void Project::setCreationVersion(const QString& version)
{
    d->creationVersion = version;
}
QString Project::modificationVersion() const
{
    return d->modificationVersion;
}
void Project::setModificationVersion(const QString& version)
{
    d->modificationVersion = version;
}
double Project::latitude() const
{
    return d->latitude;
}
void Project::setLatitude(double latitude)
{
    d->latitude = latitude;
}
double Project::longitude() const
{
    return d->longitude;
}
void Project::setLongitude(double longitude)
{
    d->longitude = longitude;
}
int Project::timezone() const
{
    return d->timezone;
}
void Project::setTimezone(int timezone)
{
    d->timezone = timezone;
}
bool Project::hasWeatherStation() const
{
    return d->hasWeatherStation;
}
void Project::setHasWeatherStation(bool has)
{
    d->hasWeatherStation = has;
}
bool Project::hasVeskBox() const
{
    return d->hasVeskBox;
}
void Project::setHasVeskBox(bool has)
{
    d->hasVeskBox = has;
}
bool Project::vacationActivated() const
{
    return d->vacationActivated;
}
void Project::setVacation(bool activated)
{
    d->vacationActivated = activated;
}

QList<Floor>& Project::floors()
{
    return d->floors;
}
const QList<Floor>& Project::floors() const
{
    return d->floors;
}
QList<Actuator>& Project::actuators()
{
    return d->actuators;
}
const QList<Actuator>& Project::actuators() const
{
    return d->actuators;
}
QList<Scene>& Project::scenes()
{
    return d->scenes;
}
const QList<Scene>& Project::scenes() const
{
    return d->scenes;
}
QList<SceneTrigger>& Project::sceneTriggers()
{
    return d->sceneTriggers;
}
const QList<SceneTrigger>& Project::sceneTriggers() const
{
    return d->sceneTriggers;
}
QList<Link>& Project::links()
{
    return d->links;
}
const QList<Link>& Project::links() const
{
    return d->links;
}
QList<Group>& Project::groups()
{
    return d->groups;
}
const QList<Group>& Project::groups() const
{
    return d->groups;
}
QHash<int, QString>& Project::lightSensorNames()
{
    return d->lightSensorNames;
}
const QHash<int, QString>& Project::lightSensorNames() const
{
    return d->lightSensorNames;
}
QHash<QString, Automatic>& Project::automatics()
{
    return d->automatics;
}
const QHash<QString, Automatic>& Project::automatics() const
{
    return d->automatics;
}

Actuator Project::actuatorByRef(const QUuid& ref) const
{
    for (const Actuator& actuator : d->actuators) {
        if (actuator.id() == ref)
            return actuator;
    }
    return Actuator();
}

void Project::beginSerialize(QXmlStreamWriter* writer, bool withVacation) const
{
    writer->setAutoFormatting(true);
    writer->writeStartDocument();
    writer->writeDefaultNamespace(ns::Project);
    writer->writeNamespace(ns::Profile, ns::ProfilePrefix);
    writer->writeNamespace(ns::Cache, ns::CachePrefix);
    writer->writeStartElement(QStringLiteral("project"));
    writer->writeAttribute(QStringLiteral("name"), d->name);
    writer->writeAttribute(QStringLiteral("owner"), d->owner);
    writer->writeAttribute(QStringLiteral("installer"), d->installer);
    if (withVacation) {
        writer->writeAttribute(QStringLiteral("vacationActivated"),
                               trueFalseText(d->vacationActivated));
    }
    writer->writeAttribute(ns::Profile, QStringLiteral("md5"), d->md5);
    writer->writeAttribute(ns::Profile, QStringLiteral("creationVersion"), d->creationVersion);
    writer->writeAttribute(ns::Profile, QStringLiteral("modificationVersion"),
                           d->modificationVersion);
}

void Project::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
    writer->writeEndDocument();
}

QDebug operator<<(QDebug debug, const Project& project)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Project(" << project.name() << " floors=" << project.floors().size()
                    << " actuators=" << project.actuators().size()
                    << " groups=" << project.groups().size()
                    << " scenes=" << project.scenes().size() << ')';
    return debug;
}

} // namespace projects
