#include "tools.h"

namespace utils {

QVariant Tools::stringToVariant(const QString& text, QVariant::Type type)
{
    Q_UNUSED(type)
    return QVariant(text);
}

} // namespace utils
