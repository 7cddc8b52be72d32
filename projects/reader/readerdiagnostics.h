// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_READERDIAGNOSTICS_H
#define PROJECTS_READER_READERDIAGNOSTICS_H

#include <projects/projects_export.h>

#include <QString>

#include <projects/finding.h>

namespace projects {

/**
 * @brief Receives what a ProjectReader passes over without an error.
 *
 * Give a receiver to ProjectReader::setDiagnostics() to learn which elements a file holds
 * that do not reach the project: unknown elements (with their subtree), links with unknown
 * keys, special groups and groups without a valid address, snapshots without a function
 * reference, and functions whose actuator reference names no actuator. Reading itself is
 * the same with or without a receiver. The reader does not own the receiver.
 *
 * The receiver also learns of what validation finds in the document (found()): a document
 * element that is not a project of a known namespace, a document that is no XML, group
 * addresses that are malformed or out of range, and character references that the parser
 * cannot read faithfully. Those findings come with their lines.
 */
class PROJECTS_EXPORT ReaderDiagnostics
{
public:
    /// What was passed over.
    enum Kind {
        UnknownElement,           ///< an element no handler knows there, skipped with its subtree
        UnknownLinkKeys,          ///< a link whose type or operating system is no known key
        SpecialGroup,             ///< a group with a special identifier, which files never set
        GroupWithoutValidAddress, ///< a group whose address is negative
        SnapshotWithoutFunction, ///< a snapshot without a usable function reference (kept, invalid)
        MissingActuator          ///< a function whose actuator reference names no actuator
    };

    virtual ~ReaderDiagnostics();

    /**
     * @brief Called once for each item passed over, in document order (missing actuators
     * after the whole document).
     * @param kind what was passed over
     * @param line the line of the element's start tag, or -1 when the reader does not know it
     * @param element the element's local name
     * @param detail the identifying attributes or values, for a person to read
     */
    virtual void passedOver(Kind kind, int line, const QString& element, const QString& detail) = 0;

    /**
     * @brief Called once for each finding in the document, in document order; an
     * unreadable document ends the parse with its finding. Does nothing unless
     * reimplemented.
     */
    virtual void found(const Finding& finding);
};

} // namespace projects

#endif // PROJECTS_READER_READERDIAGNOSTICS_H
