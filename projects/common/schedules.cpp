#include "schedules_p.h"

#include <QDebug>
#include <QSet>

namespace projects {

void reportSwitchTimes(const QList<SwitchTime>& switchTimes)
{
    if (switchTimes.isEmpty()) {
        qDebug() << ">> No switchtimes";
        return;
    }
    for (const SwitchTime& switchTime : switchTimes)
        switchTime.print();
}

bool scheduleChanged(bool force, bool ownRunOnVacation, const QList<SwitchTime>& own,
                     bool otherRunOnVacation, const QList<SwitchTime>& other)
{
    if (force)
        return true;
    if (ownRunOnVacation != otherRunOnVacation || own.size() != other.size())
        return true;
    if (own.isEmpty())
        return false;
    return SwitchTime::notEqual(other, own);
}

DeletableItems timersOf(const QList<SwitchTime>& switchTimes)
{
    DeletableItems items;
    for (const SwitchTime& switchTime : switchTimes) {
        QSet<int> timers;
        for (int timer : switchTime.timerIds())
            timers.insert(timer);
        items.appendTimers(timers);
    }
    return items;
}

} // namespace projects
