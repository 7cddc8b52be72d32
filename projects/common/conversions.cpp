// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "conversions.h"

#include <QByteArray>
#include <QStringList>

namespace projects {

namespace {

constexpr uchar NoHexDigit = 0xFF;

// The value of each Latin-1 character as a hexadecimal digit, or NoHexDigit.
struct HexTable
{
    uchar values[256];
    constexpr HexTable() : values()
    {
        for (int i = 0; i < 256; ++i)
            values[i] = NoHexDigit;
        for (int i = 0; i < 10; ++i)
            values['0' + i] = uchar(i);
        for (int i = 0; i < 6; ++i) {
            values['a' + i] = uchar(10 + i);
            values['A' + i] = uchar(10 + i);
        }
    }
};

constexpr HexTable HexValues;

} // namespace

QString uuidToString(const QUuid& id)
{
    // Written for every identifier of a file: one allocation, no intermediate byte arrays.
    static constexpr char hex[] = "0123456789abcdef";
    QString text(33, Qt::Uninitialized);
    QChar* out = text.data();
    *out++ = QLatin1Char('_');
    const auto put = [&out](uint value, int bytes) {
        for (int shift = 8 * bytes - 4; shift >= 0; shift -= 4)
            *out++ = QLatin1Char(hex[(value >> shift) & 0xF]);
    };
    // The RFC 4122 byte order: the three leading fields big-endian, then the eight bytes.
    put(id.data1, 4);
    put(id.data2, 2);
    put(id.data3, 2);
    for (uchar byte : id.data4)
        put(byte, 1);
    return text;
}

namespace {

QUuid uuidFromBytes(const uchar (&bytes)[16])
{
    return QUuid(uint(bytes[0]) << 24 | uint(bytes[1]) << 16 | uint(bytes[2]) << 8 | bytes[3],
                 ushort(bytes[4] << 8 | bytes[5]), ushort(bytes[6] << 8 | bytes[7]), bytes[8],
                 bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
}

} // namespace

QUuid stringToUuid(const QString& text)
{
    // The form that files and JSON hold, one character and 32 digits, goes straight into
    // the bytes; any other text takes the general way below, to the same result.
    if (text.size() == 33) {
        const QChar* const digits = text.constData() + 1;
        uchar bytes[16];
        uint seen = 0;
        for (int i = 0; i < 16; ++i) {
            const ushort high = digits[2 * i].unicode();
            const ushort low = digits[2 * i + 1].unicode();
            const uchar h = high < 256 ? HexValues.values[high] : NoHexDigit;
            const uchar l = low < 256 ? HexValues.values[low] : NoHexDigit;
            seen |= h | l;
            bytes[i] = uchar(h << 4 | l);
        }
        // Digit values stay below 16; a character that is none sets the high bits.
        if (!(seen & 0xF0))
            return uuidFromBytes(bytes);
    }

    // Non-digits are skipped and the digits are paired from the end, so 31 or 32
    // digits give the 16 bytes of an identifier and any other count gives none; with 31
    // the first digit stands alone. The nibbles are collected right-aligned, then packed.
    uchar nibbles[32];
    int count = 0;
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    for (const QChar* c = begin + (text.isEmpty() ? 0 : 1); c < end; ++c) {
        // A table, not a chain of range tests: the digits and letters of an identifier
        // alternate at random, and mispredicted branches cost more than the lookup.
        const ushort u = c->unicode();
        const uchar nibble = u < 256 ? HexValues.values[u] : NoHexDigit;
        if (nibble == NoHexDigit)
            continue;
        if (count == 32)
            return QUuid();
        nibbles[count++] = nibble;
    }
    if (count < 31)
        return QUuid();
    uchar bytes[16];
    const int offset = 32 - count;
    for (int i = 0; i < 16; ++i) {
        const int high = 2 * i - offset;
        bytes[i] = uchar((high >= 0 ? nibbles[high] << 4 : 0) | nibbles[2 * i + 1 - offset]);
    }
    return uuidFromBytes(bytes);
}

bool stringToBool(const QString& text)
{
    // Read for every flag of a file: nameIs() folds the case the same way as
    // QString::compare(), and a text of another length is no match at all.
    return nameIs(text, "yes") || nameIs(text, "true") || text == QLatin1String("1");
}

int groupAddressFromText(const QString& text)
{
    const QList<QStringView> parts = QStringView(text).split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() != 3)
        return -1;
    const int main = parts.at(0).toInt();
    const int middle = parts.at(1).toInt();
    const int sub = parts.at(2).toInt();
    // Parts far outside their KNX ranges would overflow an int; the wider sum keeps the
    // result defined (its low 32 bits), and in-range parts give the same number.
    return int(quint32((qint64(main) * 8 + middle) * 256 + sub));
}

QString groupAddressToText(int address)
{
    const uint a = uint(address) & 0xFFFFu;
    return QStringLiteral("%1/%2/%3").arg(a >> 11).arg((a >> 8) & 7u).arg(a & 255u);
}

} // namespace projects
