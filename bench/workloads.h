// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_BENCH_WORKLOADS_H
#define CASARINA_BENCH_WORKLOADS_H

// The measured operations, each beside its baseline: the same input or output work done
// by Qt alone, without the model. The benchmark program times them; the callgrind
// script counts their instructions.

#include "generator.h"

#include <projects/project.h>

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

#include <memory>

namespace bench {

/// One start or end tag of a written document, as the bare writer replays it.
struct XmlEvent
{
    struct Attribute
    {
        QString namespaceUri;
        QString name;
        QString value;
    };
    bool start = true;
    QString namespaceUri;
    QString name;
    QVector<QPair<QString, QString>> namespaces; ///< prefix and URI declared here
    QVector<Attribute> attributes;
};

/// The generated inputs of one size, made on first use and kept for the whole run.
class Inputs
{
public:
    explicit Inputs(int functions);

    int functions() const { return m_functions; }
    /// Returns @c true once the administrator's installation has been generated.
    bool generated() const { return bool(m_admin); }
    const Installation& admin();
    const Installation& profile();
    /// The administrator's project, parsed once.
    const projects::Project& adminProject();
    /// The profile's project, parsed once; the merges take their values from it.
    const projects::Project& profileProject();
    /// What ProjectWriter writes for adminProject(), and its start and end tags.
    const QByteArray& written();
    const QVector<XmlEvent>& writtenEvents();

private:
    int m_functions;
    std::unique_ptr<Installation> m_admin;
    std::unique_ptr<Installation> m_profile;
    std::unique_ptr<projects::Project> m_adminProject;
    std::unique_ptr<projects::Project> m_profileProject;
    QByteArray m_written;
    QVector<XmlEvent> m_events;
};

/// Parses @p xml with ProjectReader; @p ok is false after a parsing error.
projects::Project readModel(const QByteArray& xml, bool* ok = nullptr);
/// Runs QXmlSimpleReader over @p xml with a handler that does nothing.
bool readBare(const QByteArray& xml);

/// Writes @p project with ProjectWriter, in the complete form, into a new byte array.
QByteArray writeModel(const projects::Project& project, int sizeHint);
/// Writes @p events with a bare QXmlStreamWriter into a new byte array.
QByteArray writeBare(const QVector<XmlEvent>& events, int sizeHint);
/// The start and end tags of @p xml, for writeBare().
QVector<XmlEvent> eventsOf(const QByteArray& xml);

/// Builds a project from the configuration JSON of @p installation: the building with
/// its floors, the groups and the scenes.
projects::Project importJson(const Installation& installation);
/// Parses the configuration JSON of @p installation with QJsonDocument alone; returns the
/// number of top-level values, so that the work is not optimised away.
int parseJsonBare(const Installation& installation);

/// The whole-project merges of ProjectMerge, taking values from @p other into @p own.
/// Administrator settings; returns whether anything changed.
bool mergeAdmin(projects::Project& own, const projects::Project& other);
/// Profile, keeping own values; returns the number of timers to delete.
int mergeKeepOwnValues(projects::Project& own, const projects::Project& other);
/// Profile, adopting the other side's structure; returns the number of functions.
int mergeAdoptStructure(projects::Project& own, const projects::Project& other);

/// Compiles and exports the snapshots of every scene; returns the number of steps.
int compileScenes(const projects::Project& project, const Installation& installation);

} // namespace bench

#endif // CASARINA_BENCH_WORKLOADS_H
