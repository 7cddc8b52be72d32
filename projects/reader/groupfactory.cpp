#include "groupfactory.h"

#include "nullfactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

IFactory* GroupFactory::forElement(const Project&, const QXmlAttributes&)
{
    return new NullFactory;
}

QT_WARNING_POP
