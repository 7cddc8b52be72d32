// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_READER_SNAPSHOTFACTORY_H
#define PROJECTS_READER_SNAPSHOTFACTORY_H

#include "ifactory.h"

#include <projects/snapshot.h>

#include <QList>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Handles the content of a `snapshot` element: its `datapoint` children, matched
 * by local name in any namespace and letter case.
 *
 * It holds a copy sharing the snapshot in the scene's list, so the values land there.
 * Any other child is skipped with its subtree.
 */
class SnapshotFactory : public IFactory
{
public:
    explicit SnapshotFactory(const projects::Snapshot& snapshot);

    /**
     * Builds a Snapshot without values from the `function-ref` attribute (an invalid one
     * when it is missing), appends it to @p owner and returns a new SnapshotFactory for
     * its content.
     */
    static IFactory* forElement(QList<projects::Snapshot>& owner, const QXmlAttributes& attributes);

    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;

    /// The snapshot whose values this handler reads.
    const projects::Snapshot& snapshot() const { return m_snapshot; }

private:
    projects::Snapshot m_snapshot;
};

QT_WARNING_POP

#endif // PROJECTS_READER_SNAPSHOTFACTORY_H
