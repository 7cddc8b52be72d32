// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_WRITER_PROJECTWRITER_H
#define PROJECTS_WRITER_PROJECTWRITER_H

#include <projects/projects_export.h>

#include <QSharedDataPointer>

QT_BEGIN_NAMESPACE
class QIODevice;
class QXmlStreamWriter;
QT_END_NAMESPACE

namespace projects {

class Project;

/**
 * @brief Writes a whole Project as a project file, in the order the reader expects.
 *
 * The document holds, inside `project`: the floors (in a `floors` container) with their
 * rooms, functions, the functions' switch times and simulations; the actuators (in
 * `actuators`); the groups with their switch times (in `groups`); the user scenes with
 * their switch times and snapshots, followed by the scene triggers (in `scenes`); the links
 * (in `links`); and the automatic programs with their switch times, sorted by identifier
 * so that the output does not depend on hash order.
 *
 * The document comes in two forms (setForm()). The standard form holds only what the
 * element writers of the model classes write, and reading it back loses: the project's
 * position, time zone, device flags and light-sensor names; the application ids, use cases
 * and typed parameters of actuators; the status address, texts and unit and the cached
 * datapoints of functions; the name and number of scene triggers; the triggers, timer and
 * event flags of scenes; the kind of switch times, which read back as `Time`, and with it
 * the offset and earliest and latest times of those read from a file; the digits of numbers
 * beyond the sixth; and a simulation type that differs from its function's. The complete
 * form keeps all of these; docs/file-forms.md lists what each form writes. Neither form
 * keeps what the reader never reads: the order and registered functions of groups and the
 * group references of functions other than heating zones and split units.
 *
 * Both forms write tables in one fixed order (datapoints and parameters by role or name,
 * timers by day, snapshot values by group address number), so that the same project
 * always gives the same bytes.
 *
 * The writer holds no data of the project; it is cheap to create. Its options are the
 * object's own: copies are independent, and a setter changes only the object it is called
 * on.
 */
class PROJECTS_EXPORT ProjectWriter
{
public:
    /// What a written document holds.
    enum Form {
        /// Only what the element writers of the model classes write: the file format as
        /// every reader of project files knows it. What it cannot keep is listed above.
        Standard,
        /**
         * Everything the reader reads back: the standard elements, the vocabulary that
         * the reader reads but the element writers never write (the project's position
         * and time zone, `device` and `sensor` elements, actuator parameters, cached
         * datapoints, status texts, scene triggers and flags, the astronomical fields of
         * every switch time), and, in a namespace of this library's own, the few fields
         * that no element of the file format carries. Readers that do not know that
         * namespace ignore its attributes.
         */
        Complete
    };

    /// Creates a writer of the standard form that writes the run-on-vacation attributes
    /// (withVacation() true).
    ProjectWriter();
    /// Copies @p other's options.
    ProjectWriter(const ProjectWriter& other);
    /// Takes over @p other's options; @p other may then only be assigned or destroyed.
    ProjectWriter(ProjectWriter&& other) noexcept;
    ~ProjectWriter();
    /// Copies @p other's options.
    ProjectWriter& operator=(const ProjectWriter& other);
    /// Takes over @p other's options; @p other may then only be assigned or destroyed.
    ProjectWriter& operator=(ProjectWriter&& other) noexcept;
    /// Swaps the options of this writer and @p other.
    void swap(ProjectWriter& other) noexcept { d.swap(other.d); }

    /// Returns the form of the documents written. @see setForm()
    Form form() const;
    /// Chooses the form of the documents written. @see form()
    void setForm(Form form);

    /// Returns @c true if the run-on-vacation attributes, the scenes' switch times and the
    /// project's vacation flag are written. @see setWithVacation()
    bool withVacation() const;
    /// Chooses whether the run-on-vacation attributes, the scenes' switch times and the
    /// project's vacation flag are written. @see withVacation()
    void setWithVacation(bool withVacation);

    /**
     * @brief Writes @p project as a whole document to the open @p device.
     * @return @c false if the device reported a write error.
     */
    bool write(const Project& project, QIODevice* device) const;

    /// Writes @p project as a whole document with @p writer, from the XML declaration to
    /// the end of the document.
    void write(const Project& project, QXmlStreamWriter* writer) const;

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace projects

Q_DECLARE_TYPEINFO(projects::ProjectWriter, Q_MOVABLE_TYPE);

#endif // PROJECTS_WRITER_PROJECTWRITER_H
