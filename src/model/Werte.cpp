#include "model/Werte.h"
#include "model/Grossschreibung.h"

namespace Werte {

const QStringList &Linienarten()
{
    static const QStringList liste = {QStringLiteral("nicht_einheitlich"), QStringLiteral("durchgezogen"),
                                      QStringLiteral("gestrichelt"),       QStringLiteral("breitgestrichelt"),
                                      QStringLiteral("gepunktelt"),        QStringLiteral("gestrichpunktelt")};
    return liste;
}

const QStringList &AbschnittArten()
{
    static const QStringList liste = {QStringLiteral("gerade"), QStringLiteral("gekrümmt")};
    return liste;
}

const QStringList &Ausrichtungen()
{
    static const QStringList liste = {QStringLiteral("linksbündig"), QStringLiteral("rechtsbündig"), QStringLiteral("zentriert"),
                                      QStringLiteral("Blocksatz")};
    return liste;
}

const QStringList &Wahrheitswerte()
{
    static const QStringList liste = {QStringLiteral("falsch"), QStringLiteral("wahr")};
    return liste;
}

const QStringList &Sperrzustaende()
{
    static const QStringList liste = {QStringLiteral("erlaubt"), QStringLiteral("nicht_erlaubt"),
                                      QStringLiteral("nicht_einheitlich")};
    return liste;
}

static const TEinheit einheiten[] = {
    {u"UM", 0.0001}, {u"MM", 0.1}, {u"CM", 1.0}, {u"DM", 10.0}, {u"M", 100.0}, {u"KM", 100000.0},
};

const TEinheit *Einheiten(int &anzahl)
{
    anzahl = int(std::size(einheiten));
    return einheiten;
}

double EinheitFaktor(const QString &wort)
{
    for (const auto &e : einheiten)
        if (GleichOhneGross(QString::fromUtf16(e.Wort), wort))
            return e.FaktorZuCm;
    return 0.0;
}

int WortIndex(const QStringList &liste, const QString &wort)
{
    for (int i = 0; i < liste.size(); ++i)
        if (GleichOhneGross(liste[i], wort))
            return i;
    return -1;
}

QString Wahrheitswort(bool wert)
{
    return wert ? QStringLiteral("wahr") : QStringLiteral("falsch");
}

} // namespace Werte
