// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "scenetrigger.h"

#include "common/debug_p.h"
#include "common/conversions.h"
#include "common/namespaces.h"

#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN SceneTrigger::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    int number = -1;
    int jobId = -1;
};

SceneTrigger::SceneTrigger() : d(new Private) {}

SceneTrigger::SceneTrigger(const QUuid& id, const QString& name, int number, int jobId)
    : d(new Private)
{
    d->id = id;
    d->name = name;
    d->number = number;
    d->jobId = jobId;
}

SceneTrigger::SceneTrigger(const SceneTrigger& other) = default;
SceneTrigger::SceneTrigger(SceneTrigger&& other) noexcept = default;
SceneTrigger::~SceneTrigger() = default;
SceneTrigger& SceneTrigger::operator=(const SceneTrigger& other) = default;
SceneTrigger& SceneTrigger::operator=(SceneTrigger&& other) noexcept = default;

QUuid SceneTrigger::id() const
{
    return d->id;
}

QString SceneTrigger::name() const
{
    return d->name;
}

int SceneTrigger::number() const
{
    return d->number;
}

int SceneTrigger::jobId() const
{
    return d->jobId;
}

void SceneTrigger::setJobId(int jobId)
{
    d->jobId = jobId;
}

void SceneTrigger::serialize(QXmlStreamWriter* writer) const
{
    writer->writeStartElement(ns::Profile, QStringLiteral("sceneTrigger"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    writer->writeAttribute(QStringLiteral("jobId"), QString::number(d->jobId));
    writer->writeEndElement();
}

QDebug operator<<(QDebug debug, const SceneTrigger& trigger)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "SceneTrigger(" << DebugId{trigger.id()} << ' ' << trigger.name()
                    << " number=" << trigger.number() << " jobId=" << trigger.jobId() << ')';
    return debug;
}

} // namespace projects
