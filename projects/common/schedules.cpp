#include "schedules_p.h"

#include <QDebug>
#include <QLoggingCategory>
#include <QSet>

namespace projects {

bool traceEnabled()
{
    // Qt drops a disabled debug message only after it has been built, and the traces of a
    // merge (identifier texts, switch-time lines) cost more than the merge itself.
    const QLoggingCategory* category = QLoggingCategory::defaultCategory();
    return !category || category->isDebugEnabled();
}

void reportSwitchTimes(const QList<SwitchTime>& switchTimes)
{
    if (!traceEnabled())
        return;
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
