#include "language/Namensvorschlag.h"

#include "language/Scanner.h"
#include "language/Vervollstaendigung.h"
#include "model/Data.h"
#include "model/Dokument.h"
#include "model/Grossschreibung.h"
#include "model/Werte.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int MaximalerAbstand = 2;

// The texts of the completion proposals for one place.
QStringList vorschlagTexte(std::uint8_t zustand, const TObjekt *objekt, std::uint8_t art,
                           const TDokument *dokument)
{
    TVorschlagListe liste;
    VorschlaegeErzeugen(liste, zustand, objekt, art, dokument);
    QStringList texte;
    for (const auto &v : liste.Vorschlaege())
        texte << v->Text;
    return texte;
}

} // namespace

int Bearbeitungsabstand(const QString &a, const QString &b, int grenze)
{
    const int n = int(a.size());
    const int m = int(b.size());
    if (std::abs(n - m) > grenze)
        return grenze + 1;
    // Optimal string alignment: three rows of the classic table suffice.
    std::vector<int> vorvorige(std::size_t(m + 1)), vorige(std::size_t(m + 1)), zeile(std::size_t(m + 1));
    for (int j = 0; j <= m; ++j)
        vorige[std::size_t(j)] = j;
    for (int i = 1; i <= n; ++i) {
        zeile[0] = i;
        int kleinste = zeile[0];
        for (int j = 1; j <= m; ++j) {
            const int kosten = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({vorige[std::size_t(j)] + 1, zeile[std::size_t(j - 1)] + 1,
                              vorige[std::size_t(j - 1)] + kosten});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, vorvorige[std::size_t(j - 2)] + 1);
            zeile[std::size_t(j)] = d;
            kleinste = std::min(kleinste, d);
        }
        if (kleinste > grenze)
            return grenze + 1; // every path is already too long
        std::swap(vorvorige, vorige);
        std::swap(vorige, zeile);
    }
    return std::min(vorige[std::size_t(m)], grenze + 1);
}

QString NaechsterName(const QString &wort, const QStringList &namen)
{
    const QString gross = Grossschreibung(wort);
    if (gross.isEmpty())
        return {};
    QString bester;
    int besterAbstand = MaximalerAbstand + 1;
    for (const QString &name : namen) {
        const int d = Bearbeitungsabstand(gross, Grossschreibung(name), MaximalerAbstand);
        if (d < besterAbstand) { // strictly nearer: ties keep the earlier name
            besterAbstand = d;
            bester = name;
        }
    }
    return bester;
}

QStringList NamenAnDerStelle(const TScanner &s)
{
    switch (s.Unbekannt) {
    case TScanner::UnbekanntObjekt:
        return vorschlagTexte(TScanner::ZustandObjekt, nullptr, 0, s.Dokument);
    case TScanner::UnbekanntMethode:
        return vorschlagTexte(TScanner::ZustandMethode, s.Objekt, 0, s.Dokument);
    case TScanner::UnbekanntFarbe:
        return vorschlagTexte(TScanner::ZustandParameter, nullptr, ArtFarbwert, s.Dokument);
    case TScanner::UnbekanntLinienart:
        return vorschlagTexte(TScanner::ZustandParameter, nullptr, ArtLinienart, s.Dokument);
    case TScanner::UnbekanntAbschnitt:
        return vorschlagTexte(TScanner::ZustandParameter, nullptr, ArtAbschnittArt, s.Dokument);
    case TScanner::UnbekanntVerweis:
        return vorschlagTexte(TScanner::ZustandParameter, nullptr, ArtObjektverweis, s.Dokument);
    case TScanner::UnbekanntEinheit: {
        // The table holds the words upper-cased; the log writes cm and mm.
        int anzahl = 0;
        const Werte::TEinheit *einheiten = Werte::Einheiten(anzahl);
        QStringList woerter;
        for (int k = 0; k < anzahl; ++k)
            woerter << QString::fromUtf16(einheiten[k].Wort).toLower();
        return woerter;
    }
    default:
        return {};
    }
}

QString MeintestDu(const TScanner &scanner)
{
    if (scanner.Unbekannt == TScanner::UnbekanntNichts || scanner.Fehlermeldung.isEmpty())
        return {};
    const QStringList namen = NamenAnDerStelle(scanner);
    // A word that begins an existing name is still being typed: the
    // completion offers the names it can become, no guess is needed.
    for (const QString &name : namen)
        if (BeginntMitOhneGross(name, scanner.UnbekanntesWort))
            return {};
    return NaechsterName(scanner.UnbekanntesWort, namen);
}

QString ZuerstAnbieten(const TScanner &scanner)
{
    if (scanner.Zustand == TScanner::ZustandKeiner || scanner.WortAnfang != scanner.UnbekanntAnfang)
        return {};
    return MeintestDu(scanner);
}

QString Hinweistext(const TScanner &scanner)
{
    const QString name = MeintestDu(scanner);
    if (name.isEmpty())
        return scanner.Fehlermeldung;
    return scanner.Fehlermeldung + QStringLiteral(" Meintest du ") + name + QLatin1Char('?');
}
