#include "language/Vervollstaendigung.h"

#include "language/Scanner.h"
#include "model/Data.h"
#include "model/Dokument.h"
#include "model/Farbe.h"
#include "model/Grossschreibung.h"
#include "model/Katalog.h"
#include "model/Objekt.h"
#include "model/Werte.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr std::uint32_t Weiss = FarbWert(255, 255, 255);

// The object and, depth first in Teile order, everything below it.
void ObjekteSammeln(TVorschlagListe &liste, const TObjekt &objekt)
{
    liste.VorschlagHinzufuegen(VorschlagObjekt, objekt.Name, 0, 0, Weiss);
    for (const auto &teil : objekt.Teile)
        ObjekteSammeln(liste, *teil);
}

} // namespace

void TVorschlagListe::VorschlaegeLoeschen()
{
    vorschlaege_.clear();
}

void TVorschlagListe::VorschlagHinzufuegen(std::uint8_t art, const QString &text,
                                           std::uint8_t abschnittCode, std::uint8_t linienartcode,
                                           std::uint32_t farbe)
{
    auto v = std::make_unique<TVorschlag>();
    v->Art = art;
    v->Text = text;
    v->AbschnittCode = abschnittCode;
    v->Linienartcode = linienartcode;
    v->Farbe = farbe;
    vorschlaege_.push_back(std::move(v));
}

void TVorschlagListe::MethodenVorschlagHinzufuegen(const TMethode *methode)
{
    if (!methode)
        return;
    auto v = std::make_unique<TVorschlag>();
    v->Art = VorschlagMethode;
    v->Text = methode->Name();
    v->Methode = methode;
    vorschlaege_.push_back(std::move(v));
}

void TVorschlagListe::AusrichtungsVorschlagHinzufuegen(std::uint8_t code)
{
    const QStringList &woerter = Werte::Ausrichtungen();
    if (code >= woerter.size())
        return;
    auto v = std::make_unique<TVorschlag>();
    v->Art = VorschlagAusrichtung;
    v->Text = woerter[code];
    v->Ausrichtungscode = code;
    v->Farbe = Weiss;
    vorschlaege_.push_back(std::move(v));
}

std::vector<const TVorschlag *> TVorschlagListe::Filtern(const QString &praefix, const QString &wort,
                                                         const QString &zuerst) const
{
    const QString p = Grossschreibung(praefix);
    const QString w = Grossschreibung(wort);
    const QString z = Grossschreibung(zuerst);
    std::vector<const TVorschlag *> ergebnis;
    const TVorschlag *vorn = nullptr;
    for (const auto &v : vorschlaege_) {
        const QString t = Grossschreibung(v->Text);
        if (!z.isEmpty() && !vorn && t == z)
            vorn = v.get();
        else if (t.startsWith(p) && t != p && t != w)
            ergebnis.push_back(v.get());
    }
    if (vorn)
        ergebnis.insert(ergebnis.begin(), vorn);
    return ergebnis;
}

void VorschlaegeErzeugen(TVorschlagListe &liste, std::uint8_t zustand, const TObjekt *objekt,
                         std::uint8_t parameterArt, const TDokument *dokument)
{
    liste.VorschlaegeLoeschen();
    switch (zustand) {
    case 1:
        if (dokument)
            ObjekteSammeln(liste, *dokument);
        break;
    case 2:
        if (objekt)
            for (const auto &m : objekt->Methoden())
                liste.MethodenVorschlagHinzufuegen(m.get());
        break;
    case 3:
        switch (parameterArt) {
        case ArtFarbwert:
            for (const TBenannteFarbe &f : BenannteFarben)
                liste.VorschlagHinzufuegen(VorschlagFarbe, QString::fromUtf16(f.Name), 0, 0,
                                           FarbWert(f.Rot, f.Gruen, f.Blau));
            break;
        case ArtLinienart: {
            const QStringList &woerter = Werte::Linienarten();
            for (int code = Werte::LinienartDurchgezogen; code <= Werte::LinienartGestrichpunktelt; ++code)
                liste.VorschlagHinzufuegen(VorschlagLinienart, woerter[code], 0, std::uint8_t(code), Weiss);
            break;
        }
        case ArtWahrheitswert:
            liste.VorschlagHinzufuegen(VorschlagWahrheitswert, Werte::Wahrheitswort(true), 0, 0, Weiss);
            liste.VorschlagHinzufuegen(VorschlagWahrheitswert, Werte::Wahrheitswort(false), 0, 0, Weiss);
            break;
        case ArtObjektverweis:
            if (dokument)
                for (const auto &teil : dokument->Teile)
                    liste.VorschlagHinzufuegen(VorschlagObjekt, teil->Name, 0, 0, Weiss);
            break;
        case ArtAbschnittArt: {
            const QStringList &woerter = Werte::AbschnittArten();
            for (int code = Werte::AbschnittGerade; code <= Werte::AbschnittGekruemmt; ++code)
                liste.VorschlagHinzufuegen(VorschlagAbschnitt, woerter[code], std::uint8_t(code), 0, Weiss);
            break;
        }
        case ArtAusrichtung:
            for (int code = Werte::AusrichtungLinksbuendig; code <= Werte::AusrichtungBlocksatz; ++code)
                liste.AusrichtungsVorschlagHinzufuegen(std::uint8_t(code));
            break;
        default: // numbers and texts: nothing to offer
            break;
        }
        break;
    default:
        break;
    }
}

void VorschlaegeErzeugen(TVorschlagListe &liste, const TScanner &scanner, const TDokument *dokument)
{
    VorschlaegeErzeugen(liste, scanner.Zustand, scanner.Objekt, scanner.ParameterArt, dokument);
}

QString MethodenAnzeige(const TMethode &methode)
{
    QStringList namen;
    for (const TParameter &p : methode.Parameter)
        namen << p.Name;
    return methode.Name() + QStringLiteral("( ") + namen.join(QStringLiteral(", ")) + QStringLiteral(" )");
}

namespace {

// Draws the proposal (or, without a painter, only measures it); returns
// the x just right of the last text.
int vorschlagLaufen(QPainter *maler, const QRect &rechteck, const TVorschlag &vorschlag,
                    const TVorschlagStil &stil)
{
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    auto schreiben = [&](int x, const QString &text, const QFont &schrift, const QColor &farbe) {
        if (maler) {
            maler->setFont(schrift);
            maler->setPen(farbe);
            const QRect r(x, rechteck.top(), std::max(0, rechteck.right() - x + 1), rechteck.height());
            maler->drawText(r, flags, text);
        }
        return x + QFontMetrics(schrift).horizontalAdvance(text);
    };
    int ende = rechteck.left();

    switch (vorschlag.Art) {
    case VorschlagFarbe: {
        // 18 pixels wide, 2 pixels clear of the entry's top and bottom.
        const QRect feld(rechteck.left() + 2, rechteck.top() + 2, 18, rechteck.height() - 4);
        if (maler) {
            maler->setPen(stil.Textfarbe);
            maler->setBrush(TFarbe::Echt(vorschlag.Farbe).AlsQColor());
            maler->drawRect(feld.adjusted(0, 0, -1, -1));
            maler->setBrush(Qt::NoBrush);
        }
        ende = schreiben(rechteck.left() + 22, vorschlag.Text, stil.Schrift, stil.Textfarbe);
        break;
    }
    case VorschlagMethode: {
        QFont fett = stil.Schrift;
        fett.setBold(true);
        int x = schreiben(rechteck.left(), vorschlag.Text, fett, stil.Textfarbe);
        x = schreiben(x, QStringLiteral("( "), stil.Schrift, stil.Textfarbe);
        if (vorschlag.Methode) {
            const auto &parameter = vorschlag.Methode->Parameter;
            for (std::size_t i = 0; i < parameter.size(); ++i) {
                if (i > 0)
                    x = schreiben(x, QStringLiteral(", "), stil.Schrift, stil.Textfarbe);
                x = schreiben(x, parameter[i].Name, stil.Schrift, QColor(0, 0, 255));
            }
        }
        ende = schreiben(x, QStringLiteral(" )"), stil.Schrift, stil.Textfarbe);
        break;
    }
    default:
        ende = schreiben(rechteck.left(), vorschlag.Text, stil.Schrift, stil.Textfarbe);
        break;
    }
    return ende;
}

} // namespace

void VorschlagZeichnen(QPainter &leinwand, const QRect &rechteck, const TVorschlag &vorschlag,
                       const TVorschlagStil &stil)
{
    leinwand.save();
    leinwand.fillRect(rechteck, stil.Hintergrund);
    leinwand.setFont(stil.Schrift);
    leinwand.setPen(stil.Textfarbe);
    vorschlagLaufen(&leinwand, rechteck, vorschlag, stil);
    leinwand.restore();
}

int VorschlagBreite(const TVorschlag &vorschlag, const TVorschlagStil &stil)
{
    return vorschlagLaufen(nullptr, QRect(0, 0, 1, VorschlagZeilenhoehe), vorschlag, stil);
}
