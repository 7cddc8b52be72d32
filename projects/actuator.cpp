// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "actuator.h"

#include "common/debug_p.h"
#include "datapoint.h"
#include "common/conversions.h"
#include "common/order_p.h"

#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Actuator::Private : public QSharedData
{
public:
    QUuid id;
    QString name;
    QHash<QString, Datapoint> datapoints;
    QString onIcon;
    QString offIcon;
    int useCase = -1;
    int appId = -1;
    QHash<QString, QVariant> parameters;
};

Actuator::Actuator() : d(new Private) {}

Actuator::Actuator(const QUuid& id, const QString& name, const QString& onIcon,
                   const QString& offIcon)
    : d(new Private)
{
    d->id = id;
    d->name = name;
    d->onIcon = onIcon;
    d->offIcon = offIcon;
}

Actuator::Actuator(const Actuator& other) = default;
Actuator::Actuator(Actuator&& other) noexcept = default;
Actuator::~Actuator() = default;
Actuator& Actuator::operator=(const Actuator& other) = default;
Actuator& Actuator::operator=(Actuator&& other) noexcept = default;

QUuid Actuator::id() const
{
    return d->id;
}
bool Actuator::isNull() const
{
    return d->id.isNull();
}
QString Actuator::name() const
{
    return d->name;
}
QString Actuator::onIcon() const
{
    return d->onIcon;
}
QString Actuator::offIcon() const
{
    return d->offIcon;
}
int Actuator::appId() const
{
    return d->appId;
}
void Actuator::setAppId(int appId)
{
    d->appId = appId;
}
int Actuator::useCase() const
{
    return d->useCase;
}
void Actuator::setUseCase(int useCase)
{
    d->useCase = useCase;
}
const QHash<QString, QVariant>& Actuator::parameters() const
{
    return d->parameters;
}

void Actuator::setParameter(const QString& name, const QVariant& value)
{
    d->parameters.insert(name, value);
}

QHash<QString, Datapoint>& Actuator::datapoints()
{
    return d->datapoints;
}
const QHash<QString, Datapoint>& Actuator::datapoints() const
{
    return d->datapoints;
}

void Actuator::serialize(QXmlStreamWriter* writer) const
{
    // The attribute order is part of the file format.
    writer->writeStartElement(QStringLiteral("actuator"));
    writer->writeAttribute(QStringLiteral("id"), uuidToString(d->id));
    writer->writeAttribute(QStringLiteral("name"), d->name);
    writer->writeAttribute(QStringLiteral("onIcon"), d->onIcon);
    writer->writeAttribute(QStringLiteral("offIcon"), d->offIcon);
    if (d->useCase != -1)
        writer->writeAttribute(QStringLiteral("useCase"), QString::number(d->useCase));
    // By role, so that the same actuator always gives the same bytes.
    visitInKeyOrder(d->datapoints, [writer](const QString& role, const Datapoint& datapoint) {
        writer->writeStartElement(QStringLiteral("datapoint"));
        writer->writeAttribute(QStringLiteral("id"), uuidToString(datapoint.id()));
        writer->writeAttribute(QStringLiteral("role"), role);
        writer->writeAttribute(QStringLiteral("address"), QString::number(datapoint.address()));
        writer->writeEndElement();
    });
    writer->writeEndElement();
}

QDebug operator<<(QDebug debug, const Actuator& actuator)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Actuator(" << DebugId{actuator.id()} << ' ' << actuator.name()
                    << " appId=" << actuator.appId()
                    << " datapoints=" << actuator.datapoints().size() << ')';
    return debug;
}

} // namespace projects
