#include "scenefactory.h"

#include "nullfactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

using namespace projects;

IFactory* SceneFactory::forElement(const Project&, const QXmlAttributes&)
{
    return new NullFactory;
}

QT_WARNING_POP
