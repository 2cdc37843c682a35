#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the byte encoding of Figuro's files. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters U+0081 ... U+009D so that every byte round-trips.
namespace Codec1252 {

// The character for one byte.
QChar ZeichenZuByte(unsigned char byte);

// The byte for a character; false when Windows-1252 cannot hold it.
bool ByteZuZeichen(QChar zeichen, unsigned char &byte);

// True when the character can be stored.
bool Darstellbar(QChar zeichen);

// Index (0-based) of the first character that cannot be stored, or -1.
qsizetype ErstesNichtDarstellbares(const QString &text);

// Bytes to text; never fails.
QString Dekodieren(const QByteArray &bytes);

// Text to bytes. Returns false (and leaves bytes empty) when a character
// cannot be stored; fehlerIndex then holds its 0-based index.
bool Kodieren(const QString &text, QByteArray &bytes, qsizetype *fehlerIndex = nullptr);

} // namespace Codec1252
