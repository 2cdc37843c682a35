#include "analyser/Umbenennen.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "model/Grossschreibung.h"
#include "model/Katalog.h"

namespace {
bool istBuchstabe(QChar c)
{
    unsigned char byte = 0;
    if (!Codec1252::ByteZuZeichen(c, byte))
        return false;
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '_' || byte >= 192;
}
} // namespace

bool IstBezeichner(const QString &name)
{
    if (name.isEmpty() || !istBuchstabe(name.front()))
        return false;
    for (QChar c : name)
        if (!istBuchstabe(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    return true;
}

QString UmbenennenPruefen(TDokument &dokument, const QString &name)
{
    QString meldung;
    if (dokument.FindeObjekt(name))
        meldung = QStringLiteral("Ein Objekt mit dem Bezeichner ") + name + QStringLiteral(" gibt es schon.");
    if (!name.isEmpty() && !IstBezeichner(name))
        meldung = QStringLiteral("Der Objektbezeichner muss mit einem Buchstaben oder _ beginnen "
                                 "und darf nur Buchstaben, Ziffern und _ enthalten.");
    if (name.isEmpty())
        meldung = QStringLiteral("Der Objektbezeichner muss mindestens 1 Zeichen lang sein.");
    if (KlassenIdZuName(Grossschreibung(name)) >= 0)
        meldung = QStringLiteral("Es gibt schon eine Klasse ") + name +
                  QStringLiteral(", daher ist dieser Name als Objektbezeichner unzulässig.");
    return meldung;
}
