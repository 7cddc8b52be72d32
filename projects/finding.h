// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_FINDING_H
#define PROJECTS_FINDING_H

#include <projects/projects_export.h>

#include <QMetaType>
#include <QObject>
#include <QSharedDataPointer>
#include <QString>

QT_BEGIN_NAMESPACE
class QDebug;
QT_END_NAMESPACE

namespace projects {

/**
 * @brief One thing that validation found in a project file, a configuration JSON value,
 * a device datapoint table or a project: its kind, its severity, where it is and a text for
 * a person.
 *
 * Validation only reports: the readers and converters give the same values whether or not
 * anybody looks at the findings. An error means that the input does not say what it seems
 * to say (a foreign document, an address that is no group address, a table with two
 * entries for one key), so that writing its project back would lose or change something; a
 * warning points at something a person should look at, which the library handles as
 * specified. The severity follows from the kind alone (severityOf()).
 *
 * A plain value: copies are independent.
 */
class PROJECTS_EXPORT Finding
{
    Q_GADGET
public:
    /// How serious a finding is.
    enum Severity {
        Warning, ///< worth a look; the input is read as specified
        Error    ///< the input does not say what it seems to; writing it back loses or changes it
    };
    Q_ENUM(Severity)

    /// What was found.
    enum Kind {
        /// The document element is not a project of a namespace the reader knows (for
        /// example a newer version): the document reads as an empty project.
        ForeignDocument,
        /// The document is not well-formed XML.
        UnreadableDocument,
        /// A character reference above U+FFFF, which the XML parser reads as another
        /// character.
        UnfaithfulCharacter,
        /// A group address that is no number, or no "main/middle/sub" text of numbers.
        MalformedGroupAddress,
        /// A group address whose parts lie outside main 0–31, middle 0–7, sub 0–255.
        GroupAddressOutOfRange,
        /// A device datapoint number that is not a whole number from 0 to 2147483647.
        InvalidTableId,
        /// Two entries of a device datapoint table with the same number.
        DuplicateTableId,
        /// Two entries of a device datapoint table with the same address.
        DuplicateTableAddress,
        /// Two objects of one kind with the same identifier; merges and lookups take the
        /// first.
        DuplicateIdentifier,
        /// A reference to an object the project does not have: a function's actuator or
        /// group, a snapshot's function, a scene's trigger.
        DanglingReference,
        /// An entry of configuration JSON that the import leaves out (no usable
        /// identifier, a value of another type than expected).
        IgnoredEntry,
        /// A field that the standard form of the project file would not keep.
        DroppedByStandardForm
    };
    Q_ENUM(Kind)

    /// Creates an empty finding: a warning of kind IgnoredEntry with no location, no line
    /// and no text. For containers that need a default value.
    Finding();
    /**
     * @brief Creates a finding.
     * @param kind what was found; it gives the severity
     * @param location where: a JSON path ("$.floors[0].rooms[2].id"), an object
     *        ("function _0a…"), a table entry, or empty
     * @param line the line in a project file, or -1
     * @param text what was found, for a person to read
     */
    Finding(Kind kind, const QString& location, int line, const QString& text);
    /// Copies @p other; the copy is independent.
    Finding(const Finding& other);
    /// Takes over @p other's data; @p other may then only be assigned or destroyed.
    Finding(Finding&& other) noexcept;
    ~Finding();
    /// Copies @p other; the copy is independent.
    Finding& operator=(const Finding& other);
    /// Takes over @p other's data; @p other may then only be assigned or destroyed.
    Finding& operator=(Finding&& other) noexcept;

    /// Returns what was found.
    Kind kind() const;
    /// Returns severityOf(kind()).
    Severity severity() const;
    /// Returns where it was found: a JSON path, an object or a table entry; may be empty.
    QString location() const;
    /// Returns the line in a project file, or -1.
    int line() const;
    /// Returns what was found, for a person to read.
    QString text() const;

    /// Returns "error" or "warning", followed by ": ", the location (if any) with ": " and
    /// the text; the line is left to the caller, who knows the file.
    QString toString() const;

    /// Returns the severity of findings of @p kind, fixed for each kind.
    static Severity severityOf(Kind kind);

    /// Returns @c true if any of @p findings is an error.
    static bool hasError(const QList<Finding>& findings);

private:
    class Private;
    QSharedDataPointer<Private> d;
};

/**
 * @brief Prints @p finding for debugging, as Qt's value classes print themselves: the class
 * name and, in parentheses, its severity and kind keys, location, line and text.
 */
PROJECTS_EXPORT QDebug operator<<(QDebug debug, const Finding& finding);

} // namespace projects

Q_DECLARE_METATYPE(projects::Finding)

#endif // PROJECTS_FINDING_H
