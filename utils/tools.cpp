// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

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
template <typename T> QVariant valueIf(bool ok, const T& value)
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

// QVariant::Type is deprecated in Qt 6 and stays the parameter type: the silence covers
// this function, whose body names only QMetaType.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
QVariant Tools::stringToVariant(const QString& text, QVariant::Type variantType)
{
    // The numbers of QVariant::Type are those of QMetaType::Type on Qt 5 and 6.
    const int type = int(variantType);
    bool ok = false;
    switch (type) {
    case QMetaType::UnknownType:
        return QVariant(text);
    case QMetaType::Int: {
        const int value = text.trimmed().toInt(&ok, 10);
        return valueIf(ok, value);
    }
    case QMetaType::UInt: {
        const uint value = text.trimmed().toUInt(&ok, 10);
        return valueIf(ok, value);
    }
    case QMetaType::LongLong: {
        const qlonglong value = text.trimmed().toLongLong(&ok, 10);
        return valueIf(ok, value);
    }
    case QMetaType::ULongLong: {
        const qulonglong value = text.trimmed().toULongLong(&ok, 10);
        return valueIf(ok, value);
    }
    case QMetaType::Double: {
        const double value = text.trimmed().toDouble(&ok);
        return valueIf(ok, value);
    }
    case QMetaType::Bool:
        return toBool(text);
    case QMetaType::QString:
        return QVariant(text);
    case QMetaType::QByteArray:
        return QVariant(text.toUtf8());
    case QMetaType::QChar:
        return valueIf(text.size() == 1, text.isEmpty() ? QChar() : text.at(0));
    case QMetaType::QDate: {
        const QDate value = QDate::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QMetaType::QTime: {
        const QTime value = QTime::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QMetaType::QDateTime: {
        const QDateTime value = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        return valueIf(value.isValid(), value);
    }
    case QMetaType::QUrl: {
        const QUrl value(text.trimmed(), QUrl::StrictMode);
        return valueIf(value.isValid() && !value.isEmpty(), value);
    }
    case QMetaType::QUuid: {
        const QUuid value(text.trimmed());
        return valueIf(!value.isNull(), value);
    }
    case QMetaType::QStringList:
        return toStringList(text);
    default:
        break;
    }
    QVariant value(text);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    ok = value.convert(type);
#else
    ok = value.convert(QMetaType(type));
#endif
    return ok ? value : QVariant();
}

QT_WARNING_POP

} // namespace utils
