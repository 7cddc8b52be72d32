// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "snapshotfactory.h"

#include "nullfactory.h"

#include <projects/common/conversions.h>
#include <projects/common/valuetext_p.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

SnapshotFactory::SnapshotFactory(const Snapshot& snapshot) : m_snapshot(snapshot) {}

IFactory* SnapshotFactory::forElement(QList<Snapshot>& owner, const QXmlAttributes& attributes)
{
    // A snapshot without a function is kept too; it is merely invalid.
    const Snapshot snapshot(stringToUuid(attributes.value(QStringLiteral("function-ref"))),
                            QHash<QString, QJsonValue>());
    owner.append(snapshot);
    return new SnapshotFactory(snapshot);
}

IFactory* SnapshotFactory::createChild(const QString&, const QString& localName,
                                       const QXmlAttributes& attributes)
{
    if (nameIs(localName, "datapoint")) {
        // Older files name the datapoint by its device number only; it is kept under
        // ":" and the number until the host migrates it to its address.
        QString key = kept(attributes.value(QStringLiteral("address")));
        if (key.isEmpty())
            key = QStringLiteral(":%1").arg(attributes.value(QStringLiteral("id")).toInt());
        m_snapshot.addDatapoint(key,
                                snapshotValueFromText(attributes.value(QStringLiteral("value"))));
        return new NullFactory;
    }
    return new NullFactory(NullFactory::UnknownElement);
}

QT_WARNING_POP
