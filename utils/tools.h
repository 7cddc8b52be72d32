#ifndef UTILS_TOOLS_H
#define UTILS_TOOLS_H

#include <utils/utils_export.h>

#include <QString>
#include <QVariant>

namespace utils {

/// Placeholder; completed by its own change.
class UTILS_EXPORT Tools
{
public:
    static QVariant stringToVariant(const QString& text, QVariant::Type type);
};

} // namespace utils

#endif // UTILS_TOOLS_H
