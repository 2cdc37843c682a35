#include "figures/TextFeld.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {
const QChar Wagenruecklauf(13);
const QChar Zeilenvorschub(10);
} // namespace

TWortliste WortlisteBilden(const QString &text)
{
    TWortliste liste;
    QString wort;
    int leer = 0;
    for (const QChar c : text) {
        if (c == Zeilenvorschub)
            continue;
        if (c == QLatin1Char(' ')) {
            if (wort.isEmpty()) {
                ++leer;
            } else {
                // The ending space counts for the next word.
                liste.Woerter.push_back({wort, leer});
                wort.clear();
                leer = 1;
            }
            continue;
        }
        wort += c;
        if (c == Wagenruecklauf) {
            liste.Woerter.push_back({wort, leer});
            wort.clear();
            leer = 0;
        }
    }
    if (!wort.isEmpty()) {
        liste.Woerter.push_back({wort, leer});
        leer = 0;
    }
    liste.Nachleerzeichen = leer;
    return liste;
}

std::vector<TGesetztesWort> TextUmbrechen(TWortliste liste, std::uint8_t ausrichtung,
                                       const TTextMasse &m,
                                       const std::function<double(const QString &)> &breite)
{
    enum { Links = 0, Rechts = 1, Zentriert = 2, Blocksatz = 3 };
    std::vector<TTextWort> &w = liste.Woerter;
    const int anzahl = int(w.size());
    std::vector<TGesetztesWort> ergebnis;
    ergebnis.reserve(w.size());
    const double sw = m.Leerzeichenbreite;
    auto leerVor = [&](int k) { return k < anzahl ? w[k].Leerzeichen : 0; };

    double y = m.Oben;
    int zeile = 0;
    int erstes = 0;
    while (erstes < anzahl) {
        // Fill one line.
        int letztes = erstes - 1;
        double zeilenbreite = 0.0;
        bool umbruch = false;
        for (;;) {
            const int k = letztes + 1;
            double wb = breite(w[k].Text);
            if (ausrichtung == Blocksatz)
                wb += sw;
            else if (k != erstes)
                wb += w[k].Leerzeichen * sw;
            bool gesetzt = false;
            if (std::fabs(zeilenbreite) < 0.000001 || zeilenbreite + wb < m.Nutzbreite) {
                zeilenbreite += wb;
                letztes = k;
                gesetzt = true;
            }
            if (gesetzt && w[letztes].Text.endsWith(Wagenruecklauf)) {
                w[letztes].Text.chop(1);
                umbruch = true;
            }
            if (!gesetzt || zeilenbreite + wb > m.Nutzbreite || letztes == anzahl - 1 || umbruch)
                break;
        }

        // Place the words of the line.
        double x = m.Links;
        if (ausrichtung == Zentriert) {
            x = m.Links + (m.Nutzbreite - zeilenbreite) / 2.0;
        } else if (ausrichtung == Rechts) {
            const int e = letztes + 1 < anzahl ? std::max(0, leerVor(letztes + 1) - 1)
                                               : liste.Nachleerzeichen;
            x = m.Links + m.Nutzbreite - zeilenbreite - e * sw;
        }
        const int luecken = letztes - erstes;
        const bool letzteZeile = letztes == anzahl - 1;
        const double g = (ausrichtung == Blocksatz && luecken > 0)
                             ? (m.Nutzbreite - zeilenbreite + luecken * sw) / luecken
                             : 0.0;
        for (int k = erstes; k <= letztes; ++k) {
            ergebnis.push_back({w[k].Text, x, y, zeile});
            x += breite(w[k].Text);
            if (ausrichtung == Blocksatz && !letzteZeile && !umbruch)
                x += g;
            else if (k + 1 < anzahl)
                x += leerVor(k + 1) * sw;
        }
        erstes = letztes + 1;
        y -= m.Zeilenhoehe;
        ++zeile;
    }
    return ergebnis;
}

TTextFeld::TTextFeld(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TRechteck(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeVorneEintragen(MFettSetzen)
            .ParameterHinzufuegen(QStringLiteral("IstFett"), ArtWahrheitswert);
        MethodeVorneEintragen(MKursivSetzen)
            .ParameterHinzufuegen(QStringLiteral("IstKursiv"), ArtWahrheitswert);
        MethodeVorneEintragen(MAusrichtungSetzen)
            .ParameterHinzufuegen(QStringLiteral("Ausrichtung"), ArtAusrichtung);
        MethodeVorneEintragen(MSchriftfarbeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Farbe"), ArtFarbwert);
        MethodeVorneEintragen(MSchriftartSetzen)
            .ParameterHinzufuegen(QStringLiteral("Schriftart"), ArtText);
        MethodeVorneEintragen(MSchriftgroesseSetzen)
            .ParameterHinzufuegen(QStringLiteral("Schriftgröße"), ArtGanzzahl);
        MethodeVorneEintragen(MTextSetzen).ParameterHinzufuegen(QStringLiteral("Text"), ArtText);
        MethodeVorneEintragen(MZeileHinzufuegen)
            .ParameterHinzufuegen(QStringLiteral("Text"), ArtText);
        AttributVorneEintragen(AFett);
        AttributVorneEintragen(AKursiv);
        AttributVorneEintragen(AAusrichtung);
        AttributVorneEintragen(ASchriftfarbe);
        AttributVorneEintragen(ASchriftart);
        AttributVorneEintragen(ASchriftgroesse);
        AttributVorneEintragen(AText);
    }
}

// ---------------------------------------------------------------- setters

void TTextFeld::AusrichtungSetzen(std::uint8_t ausrichtung)
{
    Ausrichtung = ausrichtung;
    Protokolliere(MAusrichtungSetzen, &TMethodenAufruf::AusrichtungHinzufuegen, ausrichtung);
}

void TTextFeld::SchriftfarbeSetzen(const TFarbe &farbe)
{
    Schriftfarbe = farbe;
    Protokolliere(MSchriftfarbeSetzen, &TMethodenAufruf::FarbeHinzufuegen, farbe);
}

void TTextFeld::TextSetzen(const QString &text)
{
    Text = text;
    Protokolliere(MTextSetzen, &TMethodenAufruf::TextHinzufuegen, text);
}

void TTextFeld::ZeileHinzufuegen(const QString &zeile)
{
    Text += Zeilenvorschub;
    Text += Wagenruecklauf;
    Text += zeile;
    Protokolliere(MZeileHinzufuegen, &TMethodenAufruf::TextHinzufuegen, zeile);
}

void TTextFeld::SchriftartSetzen(const QString &schriftart)
{
    Schriftart = schriftart;
    Protokolliere(MSchriftartSetzen, &TMethodenAufruf::TextHinzufuegen, schriftart);
}

QString TTextFeld::SchriftgroesseSetzen(int groesse)
{
    if (groesse < KleinsteSchriftgroesse || groesse > GroessteSchriftgroesse)
        return QStringLiteral("Die Schriftgröße muss zwischen 1 und 1000 liegen.");
    Schriftgröße = groesse;
    Protokolliere(MSchriftgroesseSetzen, &TMethodenAufruf::GanzzahlHinzufuegen, groesse);
    return {};
}

void TTextFeld::FettSetzen(bool fett)
{
    Fett = fett ? 1 : 0;
    Protokolliere(MFettSetzen, &TMethodenAufruf::WahrheitswertHinzufuegen, fett);
}

void TTextFeld::KursivSetzen(bool kursiv)
{
    Kursiv = kursiv ? 1 : 0;
    Protokolliere(MKursivSetzen, &TMethodenAufruf::WahrheitswertHinzufuegen, kursiv);
}

// ---------------------------------------------------------------- drawing

void TTextFeld::schriftEinstellen(TZeichenflaeche *zf)
{
    QPainter &p = *zf->Leinwand;
    QFont schrift(Schriftart);
    schrift.setBold(Fett != 0);
    schrift.setItalic(Kursiv != 0);
    schrift.setPointSize(std::max(1, int(Schriftgröße)));
    schrift.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(schrift);
    zf->SchriftAnpassen(Schriftgröße);
}

TTextMasse TTextFeld::masse(TZeichenflaeche *zf) const
{
    const QFontMetricsF fm(zf->Leinwand->font(), zf->Leinwand->device());
    const double s = zf->LaengePixel(1.0);
    TTextMasse m;
    m.Zeilenhoehe = 1.05 * fm.height() / s;
    m.Leerzeichenbreite = fm.horizontalAdvance(QLatin1Char(' ')) / s;
    const double rand = fm.horizontalAdvance(QLatin1Char('k')) / s + Linienstärke / 2.0;
    m.Nutzbreite = Länge - 2.0 * rand;
    m.Links = MitteX - Länge / 2.0 + rand;
    m.Oben = MitteY + Breite / 2.0 - rand;
    return m;
}

std::vector<TGesetztesWort> TTextFeld::satzMitSchrift(TZeichenflaeche *zf) const
{
    const QFontMetricsF fm(zf->Leinwand->font(), zf->Leinwand->device());
    const double s = zf->LaengePixel(1.0);
    return TextUmbrechen(WortlisteBilden(Text), Ausrichtung, masse(zf),
                         [&fm, s](const QString &wort) { return fm.horizontalAdvance(wort) / s; });
}

std::vector<TGesetztesWort> TTextFeld::Textsatz(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return {};
    zf->Leinwand->save();
    schriftEinstellen(zf);
    auto satz = satzMitSchrift(zf);
    zf->Leinwand->restore();
    return satz;
}

void TTextFeld::Zeichnen(TZeichenflaeche *zf)
{
    TRechteck::Zeichnen(zf);
    if (!zf || !zf->Leinwand || Vorschau || Schriftfarbe.FarbArt == FarbArtUnsichtbar)
        return;
    QPainter &p = *zf->Leinwand;
    p.save();
    schriftEinstellen(zf);
    const QFontMetricsF fm(p.font(), p.device());
    const auto satz = satzMitSchrift(zf);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Schriftfarbe.AlsQColor());
    p.setBrush(Qt::NoBrush);
    // Each word turns with the box about its own top-left corner.
    for (const TGesetztesWort &wort : satz) {
        if (wort.Text.isEmpty())
            continue;
        const TWeltPunkt a = PunktDrehen(wort.X, wort.Y, MitteX, MitteY, Winkel);
        p.save();
        p.translate(zf->XPixel(a.X), zf->YPixel(a.Y));
        p.rotate(-Winkel);
        p.drawText(QPointF(0.0, fm.ascent()), wort.Text);
        p.restore();
    }
    p.restore();
}

// ---------------------------------------------------------------- copies, attributes, methods

std::unique_ptr<TObjekt> TTextFeld::Duplizieren(bool neuerName)
{
    auto neu = std::make_unique<TTextFeld>(Dokument, Analysator, Klasse);
    if (neuerName) {
        neu->NamenVergeben();
        neu->ErzeugungProtokollieren();
    }
    neu->Uebernehmen(*this);
    return neu;
}

void TTextFeld::Uebernehmen(const TObjekt &quelle)
{
    TRechteck::Uebernehmen(quelle);
    if (const auto *q = dynamic_cast<const TTextFeld *>(&quelle)) {
        Text = q->Text;
        Schriftart = q->Schriftart;
        Schriftgröße = q->Schriftgröße;
        Schriftfarbe = q->Schriftfarbe;
        Ausrichtung = q->Ausrichtung;
        Fett = q->Fett;
        Kursiv = q->Kursiv;
    }
}

std::unique_ptr<TData> TTextFeld::AttributWert(int attributId) const
{
    switch (attributId) {
    case AText:
        return std::make_unique<TData>(Text);
    case ASchriftgroesse:
        return std::make_unique<TData>(std::int32_t(Schriftgröße));
    case ASchriftart:
        return std::make_unique<TData>(Schriftart);
    case ASchriftfarbe:
        return std::make_unique<TData>(Schriftfarbe);
    case AAusrichtung:
        return std::make_unique<TData>(Ausrichtung, ArtAusrichtung);
    case AKursiv:
        return std::make_unique<TData>(std::uint8_t(Kursiv ? 1 : 0), ArtWahrheitswert);
    case AFett:
        return std::make_unique<TData>(std::uint8_t(Fett ? 1 : 0), ArtWahrheitswert);
    default:
        return TRechteck::AttributWert(attributId);
    }
}

void TTextFeld::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                  TZeichenflaeche *zf)
{
    meldung.clear();
    const TData *wert = p.empty() ? nullptr : p[0].get();
    switch (methodenId) {
    case MAusrichtungSetzen:
        if (wert)
            AusrichtungSetzen(std::min<std::uint8_t>(wert->Code(), 3));
        return;
    case MSchriftfarbeSetzen:
        if (wert)
            SchriftfarbeSetzen(wert->Farbe());
        return;
    case MTextSetzen:
        if (wert)
            TextSetzen(wert->Text());
        return;
    case MZeileHinzufuegen:
        if (wert)
            ZeileHinzufuegen(wert->Text());
        return;
    case MSchriftartSetzen:
        if (wert)
            SchriftartSetzen(wert->Text());
        return;
    case MSchriftgroesseSetzen:
        if (wert)
            meldung = SchriftgroesseSetzen(wert->Ganzzahl());
        return;
    case MFettSetzen:
        if (wert)
            FettSetzen(wert->Wahrheitswert());
        return;
    case MKursivSetzen:
        if (wert)
            KursivSetzen(wert->Wahrheitswert());
        return;
    default:
        TRechteck::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}
