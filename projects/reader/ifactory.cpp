// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ifactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

IFactory::~IFactory() = default;

void IFactory::characters(const QString&, const QString&, const QString&) {}

bool IFactory::handlesEndElement()
{
    return false;
}

void IFactory::endElement(const QString&, const QString&, const QString&) {}

QT_WARNING_POP
