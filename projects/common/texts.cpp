// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "texts_p.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace projects {

namespace {

QString dateTimeFormat()
{
    return QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

void appendDigits(QChar*& out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    }
    out += width;
}

} // namespace

bool systemHasAsciiDigits()
{
    return QLocale::system().zeroDigit() == QLatin1Char('0');
}

QString dateTimeText(const QDateTime& value, bool asciiDigits)
{
    // QDateTime::toString() with a format goes through the system locale and its calendar
    // code for every field. Where the locale writes ASCII digits the text is built here
    // directly, to the same result; other locales keep Qt's own formatting.
    if (asciiDigits && value.isValid()) {
        const QDate date = value.date();
        const QTime time = value.time();
        if (date.year() >= 1000 && date.year() <= 9999) {
            QString text(19, Qt::Uninitialized);
            QChar* out = text.data();
            appendDigits(out, date.year(), 4);
            *out++ = QLatin1Char('-');
            appendDigits(out, date.month(), 2);
            *out++ = QLatin1Char('-');
            appendDigits(out, date.day(), 2);
            *out++ = QLatin1Char(' ');
            appendDigits(out, time.hour(), 2);
            *out++ = QLatin1Char(':');
            appendDigits(out, time.minute(), 2);
            *out++ = QLatin1Char(':');
            appendDigits(out, time.second(), 2);
            return text;
        }
    }
    return value.toString(dateTimeFormat());
}

QDateTime dateTimeFromText(const QString& text)
{
    return QDateTime::fromString(text, dateTimeFormat());
}

} // namespace projects
