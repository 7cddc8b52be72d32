// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "timers_p.h"

#include "conversions.h"
#include "namespaces.h"
#include "order_p.h"

#include <projects/reader/nullfactory.h>

#include <QXmlStreamWriter>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace projects {

void writeTimers(QXmlStreamWriter* writer, const QHash<int, int>& timerIds)
{
    visitInKeyOrder(timerIds, [writer](int day, int timer) {
        writer->writeStartElement(ns::Profile, QStringLiteral("timer"));
        writer->writeAttribute(QStringLiteral("day"), QString::number(day));
        writer->writeAttribute(QStringLiteral("id"), QString::number(timer));
        writer->writeEndElement();
    });
}

IFactory* timerChild(const QString& localName, const QXmlAttributes& attributes,
                     QHash<int, int>& timerIds)
{
    if (!nameIs(localName, "timer"))
        return new NullFactory(NullFactory::UnknownElement);
    const int id = decimalValue(attributes.value(QStringLiteral("id")));
    const int day = decimalValue(attributes.value(QStringLiteral("day")));
    timerIds.insert(day, id);
    return new NullFactory;
}

} // namespace projects

QT_WARNING_POP
