// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "datapoint.h"

#include "common/debug_p.h"
#include "common/conversions.h"

#include <QSharedData>

namespace projects {

class Q_DECL_HIDDEN Datapoint::Private : public QSharedData
{
public:
    QUuid id;
    QString role;
    int address = 0;
};

Datapoint::Datapoint() : d(new Private) {}

Datapoint::Datapoint(const QString& id, const QString& role, int address) : d(new Private)
{
    d->id = QUuid(id);
    d->role = role;
    d->address = address;
}

Datapoint::Datapoint(const Datapoint& other) = default;
Datapoint::Datapoint(Datapoint&& other) noexcept = default;
Datapoint::~Datapoint() = default;
Datapoint& Datapoint::operator=(const Datapoint& other) = default;
Datapoint& Datapoint::operator=(Datapoint&& other) noexcept = default;

QUuid Datapoint::id() const
{
    return d->id;
}
QString Datapoint::role() const
{
    return d->role;
}
int Datapoint::address() const
{
    return d->address;
}
QString Datapoint::groupAddress() const
{
    return groupAddressToText(d->address);
}

QDebug operator<<(QDebug debug, const Datapoint& datapoint)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Datapoint(" << DebugId{datapoint.id()} << ' ' << datapoint.role() << ' '
                    << qUtf8Printable(datapoint.groupAddress()) << ')';
    return debug;
}

} // namespace projects
