#include "analyser/Karten.h"
#include "analyser/DiagrammFlaeche.h"
#include "model/Objekt.h"

#include <algorithm>
#include <cmath>

using namespace Karten;

namespace {

const QColor FokusGruen(0, 221, 0);
const QColor WertBlau(0, 0, 255);

// Adjusts the area to the card; true when it already had the right size.
bool groessePasst(TDiagrammFlaeche &flaeche, const TKartenMasse &m)
{
    const double breite = m.Breite + 2 * Lage;
    const double hoehe = m.Hoehe + 2 * Lage;
    if (std::abs(flaeche.DiagrammBreite - breite) > 0.01 ||
        std::abs(flaeche.DiagrammHoehe - hoehe) > 0.01) {
        flaeche.DiagrammGroesseSetzen(breite, hoehe);
        return false;
    }
    return true;
}

void trenner(TDiagrammFlaeche &flaeche, const TKartenMasse &m, int zeile)
{
    const double y = m.TrennerUnter(zeile);
    flaeche.Linie(Lage, y, Lage + m.Breite, y);
}

// Starts drawing a card when it fits: saves the painter (the caller
// restores it), white background, the frame's pen colour and width.
bool karteBeginnen(TDiagrammFlaeche &flaeche, const TKartenMasse &m, const QColor &rahmen, double stift)
{
    if (!groessePasst(flaeche, m) || !flaeche.Leinwand)
        return false;
    QPainter &p = *flaeche.Leinwand;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    flaeche.HintergrundZeichnen(Qt::white);
    p.setPen(QPen(rahmen, 1));
    p.setBrush(Qt::white);
    flaeche.StiftbreiteSetzen(stift);
    return true;
}

} // namespace

QStringList KlassenKartenZeilen(const QString &klassenName, const std::vector<TAttribut> &attribute,
                                const std::vector<std::unique_ptr<TMethode>> &methoden)
{
    QStringList zeilen{klassenName};
    for (const TAttribut &a : attribute)
        zeilen << a.Name();
    for (const auto &m : methoden) {
        QStringList parameter;
        for (const TParameter &p : m->Parameter)
            parameter << p.Name;
        zeilen << m->Name() + QStringLiteral("( ") + parameter.join(QLatin1Char(',')) +
                      QStringLiteral(" )");
    }
    return zeilen;
}

QStringList KlassenKartenZeilen(const TObjekt &klasse)
{
    return KlassenKartenZeilen(klasse.KlassenName(), klasse.Attribute(), klasse.Methoden());
}

std::vector<TObjektKartenZeile> ObjektKartenZeilen(const TObjekt &objekt)
{
    std::vector<TObjektKartenZeile> zeilen;
    zeilen.push_back({objekt.Name + QLatin1Char(':') + objekt.KlassenName(), QString()});
    for (const TAttribut &a : objekt.Attribute()) {
        const auto wert = objekt.AttributWert(a.Id);
        zeilen.push_back({a.Name() + QStringLiteral(" = "), wert ? wert->AnzeigeText() : QString()});
    }
    // The locks are no attributes a pupil can set, but they explain why an
    // object does not move: a locked object says so on its card.
    if (objekt.MausGesperrt || objekt.TastaturGesperrt)
        zeilen.push_back({QStringLiteral("gesperrt für "),
                          objekt.MausGesperrt && objekt.TastaturGesperrt ? QStringLiteral("Maus und Tastatur")
                          : objekt.MausGesperrt                         ? QStringLiteral("Maus")
                                                                        : QStringLiteral("Tastatur")});
    return zeilen;
}

TKartenMasse KartenMasse(TDiagrammFlaeche &flaeche, const QStringList &zeilen)
{
    flaeche.SchriftgroesseSetzen(Schriftgroesse);
    TKartenMasse m;
    m.Zeilenhoehe = flaeche.TextHoehe(QStringLiteral("HHHgg"));
    m.Zeilenabstand = 0.1 * m.Zeilenhoehe;
    double breiteste = 0.0;
    for (const QString &z : zeilen)
        breiteste = std::max(breiteste, flaeche.TextBreite(z));
    const auto n = double(zeilen.size());
    m.Breite = breiteste + 2 * Innenrand;
    m.Hoehe = n * m.Zeilenhoehe + std::max(0.0, n - 1) * m.Zeilenabstand + 2 * Oberrand;
    return m;
}

bool KlassenKarteZeichnen(TDiagrammFlaeche &flaeche, const TObjekt &klasse)
{
    return KlassenKarteZeichnen(flaeche, KlassenKartenZeilen(klasse), int(klasse.Attribute().size()));
}

bool KlassenKarteZeichnen(TDiagrammFlaeche &flaeche, const QStringList &zeilen, int attributAnzahl)
{
    const TKartenMasse m = KartenMasse(flaeche, zeilen);
    if (!karteBeginnen(flaeche, m, Qt::black, Klassenstift))
        return false;
    QPainter &p = *flaeche.Leinwand;
    flaeche.Rechteck(Lage, Lage, Lage + m.Breite, Lage + m.Hoehe);
    for (int i = 0; i < zeilen.size(); ++i)
        flaeche.Text(zeilen[i], Lage + Innenrand, m.ZeileOben(i));
    if (zeilen.size() >= 2)
        trenner(flaeche, m, 0);
    trenner(flaeche, m, std::clamp(attributAnzahl, 0, int(zeilen.size()) - 1));
    p.restore();
    return true;
}

bool ObjektKarteZeichnen(TDiagrammFlaeche &flaeche, const TObjekt &objekt)
{
    const std::vector<TObjektKartenZeile> zeilen = ObjektKartenZeilen(objekt);
    QStringList ganz;
    for (const auto &z : zeilen)
        ganz << z.Text + z.Wert;
    const TKartenMasse m = KartenMasse(flaeche, ganz);
    if (!karteBeginnen(flaeche, m, FokusGruen, Objektstift))
        return false;
    QPainter &p = *flaeche.Leinwand;
    flaeche.RundRechteck(Objektrundung, Lage, Lage, Lage + m.Breite, Lage + m.Hoehe);
    p.setPen(QPen(Qt::black, 1));
    flaeche.StiftbreiteSetzen(Klassenstift);
    for (int i = 0; i < int(zeilen.size()); ++i) {
        const double x = Lage + Innenrand;
        const double y = m.ZeileOben(i);
        p.setPen(QPen(Qt::black, 1));
        flaeche.Text(zeilen[i].Text, x, y);
        if (!zeilen[i].Wert.isEmpty()) {
            p.setPen(QPen(WertBlau, 1));
            flaeche.Text(zeilen[i].Wert, x + flaeche.TextBreite(zeilen[i].Text), y);
        }
    }
    p.setPen(QPen(Qt::black, 1));
    trenner(flaeche, m, 0);
    p.restore();
    return true;
}
