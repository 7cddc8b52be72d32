// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_SWITCHTIME_H
#define PROJECTS_SWITCHTIME_H

#include <projects/projects_export.h>
#include <projects/common/datapointer.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QTime>
#include <QUuid>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QDebug;
class QJsonObject;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief One entry of a time-switching program: the value its owner is switched to, the
 * weekdays, and a fixed time of day or an astronomical event with an offset and an
 * earliest and latest time.
 *
 * Copies share one data block; a change through any copy is seen by all, and nothing
 * ever detaches. Two switch times are equal only when they share one data block. A
 * switch time is valid when its identifier is not null. The library only stores, copies,
 * reads and writes switch times; it never evaluates them against a clock.
 *
 * The additional values are written to and read from the project file as one binary
 * blob. Only these core value types are accepted in that blob: invalid, bool, int,
 * unsigned int, long long, unsigned long long, double, float, QChar, QString,
 * QByteArray, QDate, QTime and QDateTime in local time, UTC or at a fixed offset. A blob
 * that names any other type (GUI types such as QPixmap or QIcon, containers, user types,
 * a date-time in a named time zone, whose lookup would read the system's zone files) or
 * that cannot be decoded reads as an empty table.
 */
class PROJECTS_EXPORT SwitchTime
{
    Q_GADGET
public:
    /// The kind of a switch time. Based on int, so that values outside the enumeration,
    /// such as the -1 of an unknown JSON kind, are valid values of the type.
    enum SwitchTimeType : int {
        Unknown = 0,      ///< not known
        Time = 1,         ///< at a fixed time of day (start())
        AstroSunrise = 2, ///< at sunrise, shifted by offset(), within minStart()..maxEnd()
        AstroSunset = 3   ///< at sunset, shifted by offset(), within minStart()..maxEnd()
    };
    Q_ENUM(SwitchTimeType)

    /**
     * @brief Creates a switch time with a new random identifier, value 0, all seven
     * weekdays (254), start 00:00, type Time, offset 0, earliest time 06:00, latest time
     * 17:00, limit off and no additional values or timers.
     */
    SwitchTime();
    /**
     * @brief Creates a switch time of type Time with the given fields.
     */
    SwitchTime(const QUuid& id, double value, int days, const QTime& start, int offset,
               const QTime& minStart, const QTime& maxEnd, bool limit,
               const QHash<int, QVariant>& additionalValues, const QHash<int, int>& timerIds);
    /**
     * @brief Creates a switch time from its configuration JSON.
     *
     * Never fails: without a key "id" the result keeps its random identifier and the
     * defaults; an "id" that is no identifier text gives an invalid switch time whose
     * other keys are not read. Times are minutes after midnight ("start", "notBefore",
     * "notAfter"), "kind" is a SwitchTimeType key (an unknown key gives -1) and "values"
     * an array of objects whose "value" fills value() (position 0) and the additional
     * values (positions 1, 2, ...). Numbers given as text with a "%" are accepted.
     */
    explicit SwitchTime(const QJsonObject& json);
    /// Shares @p other's data block.
    SwitchTime(const SwitchTime& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    SwitchTime(SwitchTime&& other) noexcept;
    ~SwitchTime();
    /// Shares @p other's data block; the old block is freed with its last handle.
    SwitchTime& operator=(const SwitchTime& other);
    /// Takes over @p other's data block; @p other may then only be assigned or destroyed.
    SwitchTime& operator=(SwitchTime&& other) noexcept;
    /// Swaps the data blocks of this handle and @p other.
    void swap(SwitchTime& other) noexcept { d.swap(other.d); }

    /// Returns @c true if both handles share one data block; contents are not compared.
    bool operator==(const SwitchTime& other) const;
    /// Returns @c true if the handles hold different data blocks.
    bool operator!=(const SwitchTime& other) const;

    /// Returns @c true if the identifier is not null.
    bool isValid() const;

    /// Returns the identifier. @see setId()
    QUuid id() const;
    /// Sets the identifier to @p id. @see id()
    void setId(const QUuid& id);
    /// Returns the value the owner is switched to. @see setValue()
    double value() const;
    /// Sets the value the owner is switched to. @see value()
    void setValue(double value);
    /// Returns the weekday bit mask; 254 selects all seven days. @see setDays()
    int days() const;
    /// Sets the weekday bit mask. @see days()
    void setDays(int days);
    /// Returns the time of day for type Time. @see setStart()
    QTime start() const;
    /// Sets the time of day for type Time. @see start()
    void setStart(const QTime& start);
    /// Returns the kind of switch time; may hold a value outside the enumeration
    /// (-1 for an unknown JSON "kind"). @see setType()
    SwitchTimeType type() const;
    /// Sets the kind of switch time. @see type()
    void setType(const SwitchTimeType& type);
    /// Returns the offset of the astronomical types. @see setOffset()
    int offset() const;
    /// Sets the offset of the astronomical types. @see offset()
    void setOffset(int offset);
    /// Returns the limit flag, stored and written but not interpreted. @see setLimit()
    bool limit() const;
    /// Sets the limit flag. @see limit()
    void setLimit(bool limit);
    /// Returns the earliest time of the astronomical types. @see setMinStart()
    QTime minStart() const;
    /// Sets the earliest time of the astronomical types. @see minStart()
    void setMinStart(const QTime& minStart);
    /// Returns the latest time of the astronomical types. @see setMaxEnd()
    QTime maxEnd() const;
    /// Sets the latest time of the astronomical types. @see maxEnd()
    void setMaxEnd(const QTime& maxEnd);
    /// Returns the device timers, day key to timer identifier; a reference into the shared
    /// block.
    QHash<int, int>& timerIds();
    /// @overload
    const QHash<int, int>& timerIds() const;

    /**
     * @brief Returns the additional value under @p index.
     *
     * When nothing is stored under @p index, an invalid QVariant is stored under it and
     * returned: the index is from then on listed by additionalValueIndexes() and written
     * out, although the call is const. So, unlike the other const methods, it is not safe
     * to call on one switch time from several threads at once; additionalValues() is.
     */
    QVariant additionalValue(int index) const;
    /// Stores or replaces the additional value under @p index.
    void setAdditionalValue(int index, const QVariant& value);
    /// Returns @c true if @p index is present and its value is not null.
    bool hasAdditionalValue(int index) const;
    /// Returns the indexes of the additional values in ascending order.
    QList<int> additionalValueIndexes() const;
    /// Returns the whole table of additional values by index; a reference into the shared
    /// block. Unlike additionalValue(), it never adds an index.
    const QHash<int, QVariant>& additionalValues() const;

    /**
     * @brief Writes the start tag of the profile-namespace `switchTime` element with its
     * attributes, and one `timer` child per device timer, by ascending day.
     *
     * The type is not written; offset, earliest and latest time only when the type is
     * not Time, the additional values only when there are some, the limit only when set.
     * The additional values are Qt's binary container form in hexadecimal, written entry
     * by entry in ascending index with the QDataStream version of Qt 5.15
     * (QDataStream::Qt_5_15), so that the same table always gives the same bytes, also
     * under a later Qt. Call endSerialize() to close the element.
     */
    void beginSerialize(QXmlStreamWriter* writer) const;
    /// Closes the element opened by beginSerialize().
    void endSerialize(QXmlStreamWriter* writer) const;

    /// Compares contents with @p other; answers @c false for every argument, this switch
    /// time included, so that a merge always treats matching switch times as changed.
    bool equals(const SwitchTime& other) const;
    /**
     * @brief Returns @c true if the lists @p a and @p b differ: their identifier sets
     * differ, or two entries with one identifier are not equals().
     *
     * Since equals() is always @c false, only two empty lists are not different.
     */
    static bool notEqual(const QList<SwitchTime>& a, const QList<SwitchTime>& b);

    /// Logs the identifier, value, days, start, limit and timers as one debug message of
    /// the merge category "casarina.projects.merge" (lcMerge()).
    void print() const;

private:
    class Private;
    DataPointer<Private> d;
};

/**
 * @brief Prints @p switchTime for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its identifier text, type key, start, value and days.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const SwitchTime& switchTime);

} // namespace projects

Q_DECLARE_TYPEINFO(projects::SwitchTime, Q_MOVABLE_TYPE);

#endif // PROJECTS_SWITCHTIME_H
