#include "actuatorfactory.h"

#include "nullfactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

IFactory* ActuatorFactory::forElement(const Project&, int, const QXmlAttributes&)
{
    return new NullFactory;
}

QT_WARNING_POP
