// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "groupfactory.h"

#include "nullfactory.h"
#include "switchtimefactory.h"

#include <projects/switchtime.h>
#include <projects/common/conversions.h>
#include <projects/common/namespaces.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

GroupFactory::GroupFactory(const Group& group) : m_group(group) {}

GroupFactory::~GroupFactory() = default;

IFactory* GroupFactory::forElement(const Project& project, const QXmlAttributes& attributes)
{
    const QString id = attributes.value(QStringLiteral("id"));
    // The special groups are fixed by the installation; a file never overrides them.
    if (Group::isSpecialGroup(stringToUuid(id).toString()))
        return new NullFactory(NullFactory::SpecialGroup);

    const int address = attributes.value(QStringLiteral("address")).toInt();
    Group group(id, kept(attributes.value(QStringLiteral("name"))), Group::typeFromAddress(address),
                address, -1);
    if (!group.hasValidAddress())
        return new NullFactory(NullFactory::GroupWithoutAddress);

    group.setName(kept(namespacedValue(attributes, ns::Profile, QLatin1String("name"))));
    Project owner(project);
    owner.groups().append(group);
    return new GroupFactory(group);
}

IFactory* GroupFactory::createChild(const QString& namespaceUri, const QString& localName,
                                    const QXmlAttributes& attributes)
{
    Q_UNUSED(namespaceUri)
    if (nameIs(localName, "switchTime"))
        return SwitchTimeFactory::forElement(m_group.switchTimes(), attributes);
    return new NullFactory(NullFactory::UnknownElement);
}

QT_WARNING_POP
