#include "conversions.h"

#include <QByteArray>
#include <QStringList>

namespace projects {

QString uuidToString(const QUuid& id)
{
    return QStringLiteral("_%1").arg(QString::fromLatin1(id.toRfc4122().toHex()));
}

QUuid stringToUuid(const QString& text)
{
    // Non-digits are skipped and the digits are paired from the end, so 31 or 32
    // digits give the 16 bytes of an identifier and any other count gives none.
    char digits[32];
    int count = 0;
    for (int i = 1; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if ((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')) {
            if (count == 32)
                return QUuid();
            digits[count++] = char(u);
        }
    }
    if (count < 31)
        return QUuid();
    return QUuid::fromRfc4122(QByteArray::fromHex(QByteArray::fromRawData(digits, count)));
}

bool stringToBool(const QString& text)
{
    return text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0
           || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
           || text == QLatin1String("1");
}

int groupAddressFromText(const QString& text)
{
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() != 3)
        return -1;
    const int main = parts.at(0).toInt();
    const int middle = parts.at(1).toInt();
    const int sub = parts.at(2).toInt();
    return (main * 8 + middle) * 256 + sub;
}

QString groupAddressToText(int address)
{
    const uint a = uint(address) & 0xFFFFu;
    return QStringLiteral("%1/%2/%3").arg(a >> 11).arg((a >> 8) & 7u).arg(a & 255u);
}

} // namespace projects
