#ifndef PROJECTS_READER_NULLFACTORY_H
#define PROJECTS_READER_NULLFACTORY_H

#include "ifactory.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

/**
 * @brief Swallows an element the reader does not know, with its whole subtree: it
 * returns itself for every child, so one object stands for the subtree and is destroyed
 * when the element that created it ends.
 */
class NullFactory final : public IFactory
{
public:
    NullFactory() = default;
    IFactory* createChild(const QString& namespaceUri, const QString& localName,
                          const QXmlAttributes& attributes) override;
};

QT_WARNING_POP

#endif // PROJECTS_READER_NULLFACTORY_H
