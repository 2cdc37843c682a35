#include "teacher/Passwort.h"

#include "model/Codec1252.h"

#include <vector>

namespace Passwort {

// Chosen once so that the built-in master password is a plain word that a
// teacher can type; any permutation would do for the scrambling itself.
const std::array<std::uint8_t, 256> Verschluesselungstabelle = {
    0xe8, 0x91, 0x89, 0xbb, 0x67, 0x6d, 0x4f, 0x7c, 0xa8, 0xb8, 0xe5, 0x1c, 0x36, 0xa7, 0x7a, 0x46,
    0x14, 0x56, 0xaa, 0x7b, 0xc6, 0x08, 0xad, 0x0a, 0x3e, 0x2c, 0xaf, 0x11, 0xf4, 0x33, 0x18, 0x28,
    0x94, 0x6e, 0x3a, 0x7f, 0x80, 0xce, 0xd1, 0xda, 0x51, 0x2b, 0x02, 0x01, 0x13, 0x5d, 0x7d, 0x96,
    0x8e, 0x6b, 0xd4, 0xa2, 0x29, 0x9b, 0xdd, 0x76, 0x0e, 0xae, 0xfa, 0x39, 0x4b, 0xac, 0xc2, 0x34,
    0x53, 0x05, 0xa5, 0x92, 0xe2, 0xb4, 0x35, 0x3f, 0xf9, 0xc7, 0x6a, 0x2e, 0x0f, 0x1b, 0x00, 0xbf,
    0x7e, 0x25, 0x82, 0x87, 0x9d, 0x64, 0x8a, 0xf0, 0xe1, 0xee, 0x1a, 0x9f, 0xc0, 0x55, 0x38, 0x52,
    0x79, 0x03, 0x1e, 0x3d, 0xe9, 0xe0, 0xbe, 0x0b, 0xa3, 0xc5, 0x5c, 0x71, 0x99, 0x65, 0xc8, 0x1d,
    0xf3, 0x8d, 0xeb, 0x17, 0x41, 0x78, 0x48, 0x24, 0xe7, 0x1f, 0xfc, 0x57, 0xdf, 0xdb, 0x47, 0xd3,
    0xa6, 0xdc, 0xb3, 0x4c, 0x73, 0x9a, 0x74, 0x62, 0x6f, 0xb9, 0xb0, 0x72, 0x40, 0xd6, 0x95, 0x10,
    0x4a, 0xa0, 0x61, 0x37, 0xd9, 0x20, 0x59, 0x49, 0x50, 0xb5, 0xa1, 0x0d, 0xfb, 0x2d, 0xb7, 0x27,
    0xcf, 0xf6, 0xd0, 0xef, 0xf5, 0x75, 0xd2, 0x90, 0xb1, 0xea, 0x0c, 0x16, 0xed, 0x2f, 0x93, 0x43,
    0x83, 0xcb, 0x12, 0xcd, 0xf8, 0xd7, 0x77, 0x85, 0x70, 0x88, 0xe3, 0xde, 0x9c, 0x26, 0x81, 0x60,
    0xc9, 0xca, 0xc4, 0xbc, 0x32, 0x63, 0x54, 0xa9, 0xd8, 0x86, 0x21, 0x3b, 0x3c, 0xff, 0xb6, 0x09,
    0xe6, 0x97, 0x30, 0x68, 0xd5, 0x58, 0x2a, 0x8b, 0x44, 0xf7, 0x06, 0xec, 0x9e, 0x5a, 0xab, 0xba,
    0x45, 0x5f, 0x66, 0x42, 0x8f, 0x23, 0xa4, 0x19, 0x84, 0xfd, 0x4e, 0x15, 0xf1, 0x22, 0x31, 0xb2,
    0xfe, 0x98, 0xc1, 0xe4, 0xf2, 0x07, 0xc3, 0x4d, 0x6c, 0x04, 0x69, 0x8c, 0xcc, 0x5e, 0x5b, 0xbd,
};

} // namespace Passwort

namespace {

// Position of each byte value in the table.
const std::array<std::uint8_t, 256> &UmgekehrteTabelle()
{
    static const std::array<std::uint8_t, 256> umgekehrt = [] {
        std::array<std::uint8_t, 256> u{};
        for (int i = 0; i < 256; ++i)
            u[Passwort::Verschluesselungstabelle[i]] = static_cast<std::uint8_t>(i);
        return u;
    }();
    return umgekehrt;
}

int HexZiffer(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    // Figuro writes lowercase digits; a file edited by hand may hold
    // uppercase ones, which mean the same.
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0; // damaged text: read as 0 so that the table index stays in 0..255
}

} // namespace

QString PasswortVerschluesseln(const QString &klartext)
{
    const qsizetype n = klartext.size();
    std::vector<std::uint8_t> p(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        unsigned char b;
        p[i] = Codec1252::ByteZuZeichen(klartext[i], b) ? b : std::uint8_t('?');
    }

    // Bit planes: bit 0 of every character first, then bit 1, ...; the
    // stream is packed into bytes from bit 0 upwards.
    std::vector<std::uint8_t> t(static_cast<std::size_t>(n), 0);
    std::size_t j = 0;
    for (int bit = 0; bit < 8; ++bit)
        for (qsizetype i = 0; i < n; ++i, ++j)
            if ((p[i] >> bit) & 1u)
                t[j / 8] |= static_cast<std::uint8_t>(1u << (j % 8));

    // Chaining with the (still unchanged) next byte.
    for (qsizetype i = 0; i + 1 < n; ++i)
        t[i] = static_cast<std::uint8_t>(t[i] + t[i + 1]);

    static const char ziffern[] = "0123456789abcdef";
    const auto &umgekehrt = UmgekehrteTabelle();
    QString ergebnis;
    ergebnis.reserve(2 * n);
    for (qsizetype i = 0; i < n; ++i) {
        const std::uint8_t k = umgekehrt[t[i]];
        ergebnis.append(QLatin1Char(ziffern[k >> 4]));
        ergebnis.append(QLatin1Char(ziffern[k & 0xF]));
    }
    return ergebnis;
}

QString PasswortEntschluesseln(const QString &verschluesselt)
{
    const qsizetype m = verschluesselt.size() / 2;
    std::vector<std::uint8_t> t(static_cast<std::size_t>(m));
    for (qsizetype i = 0; i < m; ++i) {
        const int k = HexZiffer(verschluesselt[2 * i]) * 16 + HexZiffer(verschluesselt[2 * i + 1]);
        t[i] = Passwort::Verschluesselungstabelle[k];
    }

    // Undo the chaining from the back, where the next byte is already restored.
    for (qsizetype i = m - 2; i >= 0; --i)
        t[i] = static_cast<std::uint8_t>(t[i] - t[i + 1]);

    std::vector<std::uint8_t> p(static_cast<std::size_t>(m), 0);
    const std::size_t mm = static_cast<std::size_t>(m);
    for (std::size_t j = 0; j < 8 * mm; ++j)
        if ((t[j / 8] >> (j % 8)) & 1u)
            p[j % mm] |= static_cast<std::uint8_t>(1u << (j / mm));

    QString klartext;
    klartext.resize(m);
    for (qsizetype i = 0; i < m; ++i)
        klartext[i] = Codec1252::ZeichenZuByte(p[i]);
    return klartext;
}

QString MasterPasswort()
{
    return PasswortEntschluesseln(QString::fromLatin1(Passwort::MasterPasswortVerschluesselt));
}

bool PasswortAkzeptiert(const QString &eingabe, const QString &dokumentPasswort)
{
    if (eingabe.isEmpty())
        return false;
    return eingabe == dokumentPasswort || eingabe == MasterPasswort();
}
