#ifndef PROJECTS_READER_FLOORFACTORY_H
#define PROJECTS_READER_FLOORFACTORY_H

#include "ifactory.h"

#include <projects/project.h>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/// Placeholder; completed with its element.
class FloorFactory : public IFactory
{
public:
    static IFactory* forElement(const projects::Project& project, const QXmlAttributes& attributes);
};

QT_WARNING_POP

#endif // PROJECTS_READER_FLOORFACTORY_H
