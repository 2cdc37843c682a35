#include "model/Codec1252.h"

#include <array>

namespace {
// Code points of bytes 0x80 ... 0x9F.
constexpr std::array<char16_t, 32> obereSteuerzone = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

namespace Codec1252 {

QChar ZeichenZuByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(obereSteuerzone[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool ByteZuZeichen(QChar zeichen, unsigned char &byte)
{
    const char16_t u = zeichen.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        byte = static_cast<unsigned char>(u);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (obereSteuerzone[i] == u) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool Darstellbar(QChar zeichen)
{
    unsigned char b;
    return ByteZuZeichen(zeichen, b);
}

qsizetype ErstesNichtDarstellbares(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!Darstellbar(text[i]))
            return i;
    return -1;
}

QString Dekodieren(const QByteArray &bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar *ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        ziel[i] = ZeichenZuByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

bool Kodieren(const QString &text, QByteArray &bytes, qsizetype *fehlerIndex)
{
    bytes.clear();
    bytes.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        unsigned char b;
        if (!ByteZuZeichen(text[i], b)) {
            bytes.clear();
            if (fehlerIndex)
                *fehlerIndex = i;
            return false;
        }
        bytes[i] = static_cast<char>(b);
    }
    if (fehlerIndex)
        *fehlerIndex = -1;
    return true;
}

} // namespace Codec1252
