// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_VALIDATION_H
#define PROJECTS_VALIDATION_H

#include <projects/finding.h>
#include <projects/projects_export.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>

QT_BEGIN_NAMESPACE
class QJsonArray;
QT_END_NAMESPACE

namespace projects {

class Project;

/**
 * @brief Checks on a project and on the configuration JSON it is imported from.
 *
 * What the reader observes while it reads a project file (a foreign document element,
 * malformed or out-of-range group addresses, unfaithful character references) reaches a
 * ReaderDiagnostics receiver with the line; the checks here need no file. Every check only
 * reports: the objects it looks at are not changed, and the readers and the JSON
 * constructors give the same values whether or not anybody validates. The findings come in
 * the order of the input.
 */
class PROJECTS_EXPORT Validation
{
public:
    /**
     * @brief Checks a whole project.
     *
     * Finds duplicate identifiers among the floors, rooms, functions, actuators, groups,
     * scenes and links (each kind across the whole project; scene triggers are commonly
     * listed twice, once with their name and once with their job), references
     * that name no object of the project (a function's actuator and groups, a valid snapshot's
     * function, a scene's triggers), and, when @p standardForm is @c true, every field
     * that the standard form of the project file would not keep (ProjectWriter::Standard).
     * The locations name the objects ("function _0a… \"Deckenlicht\""); there are no lines.
     */
    static QList<Finding> check(const Project& project, bool standardForm = true);

    /**
     * @brief Checks a three-level group address text ("main/middle/sub") at @p location.
     *
     * Gives a MalformedGroupAddress error unless the text is three decimal numbers joined
     * by "/", and a GroupAddressOutOfRange error unless they lie within main 0–31, middle
     * 0–7 and sub 0–255; nothing for a good address.
     */
    static QList<Finding> checkGroupAddress(const QString& text, const QString& location,
                                            int line = -1);

    /**
     * @brief Checks the JSON array of floors that Floor(const QJsonObject&) imports.
     *
     * Reports, by JSON path ("$[0].rooms[1].id"), the floors, rooms, functions and switch
     * times that the import leaves out for want of a usable identifier, and array
     * elements of another type.
     */
    static QList<Finding> checkFloorsJson(const QJsonArray& floors);

    /**
     * @brief Checks the JSON array of groups that Group::fromJson() imports.
     *
     * Reports malformed and out-of-range "address" texts (errors: the import would take
     * another address or leave the group out) and the entries and switch times the import
     * leaves out.
     */
    static QList<Finding> checkGroupsJson(const QJsonArray& groups);

    /**
     * @brief Checks the JSON array of scenes that Scene::fromJson() imports with
     * @p addressToFunction.
     *
     * Reports malformed and out-of-range action addresses, actions whose address no
     * function owns (the import leaves them out), and switch times left out.
     */
    static QList<Finding> checkScenesJson(const QJsonArray& scenes,
                                          const QHash<QString, QUuid>& addressToFunction);
};

} // namespace projects

#endif // PROJECTS_VALIDATION_H
