#include "nullfactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

IFactory* NullFactory::createChild(const QString&, const QString&, const QXmlAttributes&)
{
    return this;
}

QT_WARNING_POP
