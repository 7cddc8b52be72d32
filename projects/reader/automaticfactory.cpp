// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "automaticfactory.h"

#include "nullfactory.h"
#include "switchtimefactory.h"

#include <projects/common/conversions.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

AutomaticFactory::AutomaticFactory(const Automatic& automatic) : m_automatic(automatic) {}

AutomaticFactory::~AutomaticFactory() = default;

IFactory* AutomaticFactory::createChild(const QString&, const QString& localName,
                                        const QXmlAttributes& attributes)
{
    if (nameIs(localName, "switchTime"))
        return SwitchTimeFactory::forElement(m_automatic.switchTimes(), attributes);
    return new NullFactory(NullFactory::UnknownElement);
}

QT_WARNING_POP
