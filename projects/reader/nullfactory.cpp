// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "nullfactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

IFactory* NullFactory::createChild(const QString&, const QString&, const QXmlAttributes&)
{
    return this;
}

QT_WARNING_POP
