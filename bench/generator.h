// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef CASARINA_BENCH_GENERATOR_H
#define CASARINA_BENCH_GENERATOR_H

// Synthetic installations of any size for the benchmarks: the same installation as a
// project file and as the JSON forms of a configuration source. Everything is derived
// from the shape and the variant, so two runs give the same bytes.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>

namespace bench {

/// How many functions, and how they are spread over floors and rooms.
struct Shape
{
    int functions = 1000;      ///< total number of functions
    int functionsPerRoom = 10; ///< the last room of the installation may hold fewer
    int roomsPerFloor = 10;    ///< the last floor may hold fewer

    /// As many functions per room as rooms per floor and about as many floors: every
    /// level of the building grows with the size, so a quadratic matching at any level
    /// shows in the time per function.
    static Shape cube(int functions);
    int rooms() const;
    int floors() const;
};

/// The administrator's installation, or the user's profile of it: the profile lacks
/// every seventh function, has a new one in every fifth room, lists each room's functions
/// in reverse order, and its own names, icons and switch-time identifiers.
enum class Variant { Admin, Profile };

/// One installation in all its external forms.
struct Installation
{
    QByteArray xml;                  ///< the project file
    QByteArray buildingJson;         ///< {"name", "owner", "installer", "floors": [...]}
    QByteArray groupsJson;           ///< [group, ...]
    QByteArray scenesJson;           ///< [scene, ...]
    QByteArray functionsJson;        ///< {"datapoint address": "function id", ...}
    QHash<QString, int> addressToId; ///< datapoint address to device datapoint number
    QHash<int, QString> idToFormat;  ///< device datapoint number to format name
    QList<QUuid> sceneTriggers;      ///< identifiers of the installation's scene triggers
    int functions = 0;               ///< functions in the file
    int actuators = 0;
    int groups = 0;
    int scenes = 0;
};

/// Generates the installation of @p shape.
Installation generate(const Shape& shape, Variant variant = Variant::Admin);

} // namespace bench

#endif // CASARINA_BENCH_GENERATOR_H
