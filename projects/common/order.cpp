#include "order_p.h"

#include <QVector>

#include <tuple>

namespace projects {

namespace {

// Where a datapoint key sorts: its class (0 group address, 1 device number, 2 other) and
// the number within the class.
std::pair<int, qint64> rankOf(const QString& key)
{
    const QVector<QStringRef> parts = key.splitRef(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() == 3) {
        // Wide, so that parts far outside their ranges still sort by their value.
        const qint64 number =
            (qint64(parts.at(0).toInt()) * 8 + parts.at(1).toInt()) * 256 + parts.at(2).toInt();
        return {0, number};
    }
    if (key.startsWith(QLatin1Char(':'))) {
        bool ok = false;
        const int number = key.midRef(1).toInt(&ok, 10);
        if (ok)
            return {1, number};
    }
    return {2, 0};
}

} // namespace

bool datapointKeyLess(const QString& a, const QString& b)
{
    const auto rankA = rankOf(a);
    const auto rankB = rankOf(b);
    return std::tie(rankA, a) < std::tie(rankB, b);
}

QStringList sortedDatapointKeys(QStringList keys)
{
    std::sort(keys.begin(), keys.end(), datapointKeyLess);
    return keys;
}

} // namespace projects
