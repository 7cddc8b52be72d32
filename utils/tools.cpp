#include "tools.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QUrl>
#include <QUuid>

namespace utils {

namespace {

// Wraps a converted value, or gives the invalid variant when the conversion failed, so
// that every branch below reports failure the same way.
template <typename T>
QVariant valueIf(bool ok, const T& value)
{
    return ok ? QVariant::fromValue(value) : QVariant();
}

QVariant toBool(const QString& text)
{
    const QString word = text.trimmed();
    for (const char* yes : {"true", "yes", "1"}) {
        if (word.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return QVariant(true);
    }
    for (const char* no : {"false", "no", "0"}) {
        if (word.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return QVariant(false);
    }
    return QVariant();
}

QVariant toStringList(const QString& text)
{
    if (text.isEmpty())
        return QVariant(QStringList());
    QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (QString& part : parts)
        part = part.trimmed();
    return QVariant(parts);
}

} // namespace

QVariant Tools::stringToVariant(const QString& text, QVariant::Type type)
{
    bool ok = false;
    switch (type) {
    case QVariant::Invalid:
        return QVariant(text);
    case QVariant::Int: {
        const int value = text.trimmed().toInt(&ok, 10);
        return valueIf(ok, value);
    }
    case QVariant::UInt: {
        const uint value = text.trimmed().toUInt(&ok, 10);
        return valueIf(ok, value);
    }
    case QVariant::LongLong: {
        const qlonglong value = text.trimmed().toLongLong(&ok, 10);
        return valueIf(ok, value);
    }
    case QVariant::ULongLong: {
        const qulonglong value = text.trimmed().toULongLong(&ok, 10);
        return valueIf(ok, value);
    }
    case QVariant::Double: {
        const double value = text.trimmed().toDouble(&ok);
        return valueIf(ok, value);
    }
    case QVariant::Bool:
        return toBool(text);
    case QVariant::String:
        return QVariant(text);
    case QVariant::ByteArray:
        return QVariant(text.toUtf8());
    case QVariant::Char:
        return valueIf(text.size() == 1, text.isEmpty() ? QChar() : text.at(0));
    case QVariant::Date: {
        const QDate value = QDate::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QVariant::Time: {
        const QTime value = QTime::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QVariant::DateTime: {
        const QDateTime value = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QVariant::Url: {
        const QUrl value(text.trimmed(), QUrl::StrictMode);
        return valueIf(value.isValid() && !value.isEmpty(), value);
    }
    case QVariant::Uuid: {
        const QUuid value(text.trimmed());
        return valueIf(!value.isNull(), value);
    }
    case QVariant::StringList:
        return toStringList(text);
    default:
        break;
    }
    QVariant value(text);
    ok = value.convert(int(type));
    return ok ? value : QVariant();
}

} // namespace utils
