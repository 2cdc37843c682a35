#pragma once
#include "model/Objekt.h"
#include "persistence/XMLKnoten.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

// The syntax error of the reader. It is raised and caught only inside the
// reader; LadenAusDatei/LadenAusBytes hand out its message instead.
class EXMLException
{
public:
    explicit EXMLException(QString meldung) : Meldung(std::move(meldung)) {}
    QString Meldung;
};

// Figuro's own XML subset: one declaration line, elements with attributes
// and child elements, no text content, no comments, no entities. Files are
// Windows-1252 bytes with CR LF line ends.
class TXMLDOM
{
public:
    // Deeper nesting is refused with "Die Datei ist zu tief verschachtelt.".
    static constexpr int MaxTiefe = MaxDateiTiefe;

    TXMLDOM();
    ~TXMLDOM();
    TXMLDOM(const TXMLDOM &) = delete;
    TXMLDOM &operator=(const TXMLDOM &) = delete;

    // Destroys any root and makes a new, empty one; the caller names it.
    TXMLKnoten *NeueWurzel();
    // Appends a new, empty element to eltern and returns it.
    TXMLKnoten *NeuesKind(TXMLKnoten *eltern);
    TXMLKnoten *Wurzel() const { return WurzelKnoten.get(); }
    // Receives "xml" and the attributes of the declaration when reading.
    const TXMLKnoten &Kopf() const { return KopfKnoten; }

    // The exact bytes of the file: declaration line, then the tree.
    QByteArray AlsBytes() const;
    // The same bytes in pieces, for a root whose first children were
    // written before (TXMLKnoten::Teilspeicher): its head, then those
    // children's elements, shared, not copied, then its other children and
    // its end.
    QList<QByteArray> AlsStuecke(const QList<QByteArray> &ersteKinder) const;
    // The bytes of one element and everything in it.
    static QByteArray KnotenAlsBytes(const TXMLKnoten &knoten);

    // Writes the file through DateiSicherSchreiben (a temporary file
    // renamed over the old one, or in place where the folder forbids that
    // or the file is shared through hard links), so a failed save never
    // destroys the previous file. fehler is empty on success, else
    // "Fehler beim Öffnend er Datei.".
    bool SpeichernInDatei(const QString &pfad, QString &fehler) const;

    // Replaces the tree by the file's content. No exception leaves these:
    // on failure fehler holds the German message (see FehlerZeile/-Spalte),
    // the root is none and Kopf is empty.
    bool LadenAusDatei(const QString &pfad, QString &fehler);
    bool LadenAusBytes(const QByteArray &daten, QString &fehler);

    // Where the last failed load stopped: line (from 1) and column (the
    // byte in that line, from 1; 0 before the first byte). 0 after success.
    int FehlerZeile() const { return Zeile; }
    int FehlerSpalte() const { return Spalte; }
    // The message followed by " (Zeile z, Spalte s)" when there is a position.
    QString FehlerMitPosition(const QString &fehler) const;

private:
    std::unique_ptr<TXMLKnoten> WurzelKnoten;
    TXMLKnoten KopfKnoten;
    int Zeile = 0;
    int Spalte = 0;
};
