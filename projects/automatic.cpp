// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "automatic.h"

#include "common/debug_p.h"
#include "common/schedules_p.h"
#include "common/texts_p.h"
#include "common/namespaces.h"

#include <QSet>
#include <QSharedData>
#include <QXmlStreamWriter>

namespace projects {

class Q_DECL_HIDDEN Automatic::Private : public QSharedData
{
public:
    QString id;
    QList<SwitchTime> switchTimes;
    bool runOnVacation = false;
};

Automatic::Automatic() : d(new Private) {}

Automatic::Automatic(const QString& id, bool runOnVacation) : d(new Private)
{
    d->id = id;
    d->runOnVacation = runOnVacation;
}

Automatic::Automatic(const Automatic& other) = default;
Automatic::Automatic(Automatic&& other) noexcept = default;
Automatic::~Automatic() = default;
Automatic& Automatic::operator=(const Automatic& other) = default;
Automatic& Automatic::operator=(Automatic&& other) noexcept = default;

QString Automatic::id() const
{
    return d->id;
}

QUuid Automatic::uuid() const
{
    // Name-based, so that the device sees the same UUID for a program in every run.
    return QUuid::createUuidV3(QUuid(), d->id);
}

bool Automatic::runOnVacation() const
{
    return d->runOnVacation;
}

void Automatic::setRunOnVacation(bool run)
{
    d->runOnVacation = run;
}

QList<SwitchTime>& Automatic::switchTimes()
{
    return d->switchTimes;
}

const QList<SwitchTime>& Automatic::switchTimes() const
{
    return d->switchTimes;
}

void Automatic::beginSerialize(QXmlStreamWriter* writer) const
{
    writer->writeStartElement(ns::Profile, QStringLiteral("automatic"));
    writer->writeAttribute(QStringLiteral("id"), d->id);
    writer->writeAttribute(QStringLiteral("runOnVacation"), yesNoText(d->runOnVacation));
}

void Automatic::endSerialize(QXmlStreamWriter* writer) const
{
    writer->writeEndElement();
}

DeletableItems Automatic::gc() const
{
    return timersOf(d->switchTimes);
}

bool Automatic::mergeAdminSettings(const Automatic& other, bool force)
{
    const auto takeOver = [this, &other] {
        d->switchTimes = other.d->switchTimes;
        d->runOnVacation = other.d->runOnVacation;
    };

    const QList<SwitchTime>& mine = d->switchTimes;
    const QList<SwitchTime>& theirs = other.d->switchTimes;
    if (force || d->runOnVacation != other.d->runOnVacation || mine.size() != theirs.size()) {
        takeOver();
        return true;
    }
    if (mine.isEmpty()) {
        takeOver();
        return false;
    }

    QSet<QUuid> theirIds;
    for (const SwitchTime& switchTime : theirs)
        theirIds.insert(switchTime.id());
    QSet<QUuid> myIds;
    for (const SwitchTime& switchTime : mine)
        myIds.insert(switchTime.id());
    bool changed = theirIds != myIds;

    for (int i = 0; !changed && i < theirs.size(); ++i) {
        const SwitchTime& o = theirs.at(i);
        for (const SwitchTime& m : mine) {
            if (m.id() == o.id()) {
                changed = !o.equals(m);
                break;
            }
        }
    }
    takeOver();
    return changed;
}

void Automatic::sync(const Automatic& other, QFlags<Project::SyncHint> flags)
{
    d.detach();
    if (flags.testFlag(Project::SyncProfile) || flags.testFlag(Project::SyncSchedules)) {
        d->switchTimes = other.d->switchTimes;
        d->runOnVacation = other.d->runOnVacation;
    }
}

QDebug operator<<(QDebug debug, const Automatic& automatic)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Automatic(" << automatic.id()
                    << " runOnVacation=" << automatic.runOnVacation()
                    << " switchTimes=" << automatic.switchTimes().size() << ')';
    return debug;
}

} // namespace projects
