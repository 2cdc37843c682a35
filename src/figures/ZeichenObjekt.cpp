#include "figures/ZeichenObjekt.h"
#include "figures/Griff.h"
#include "model/Analysator.h"
#include "model/MethodenAufruf.h"
#include "surface/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>

TWeltPunkt PunktDrehen(double x, double y, double px, double py, double winkel)
{
    const double a = M_PI * winkel / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {px + (x - px) * c - (y - py) * s, py + (x - px) * s + (y - py) * c};
}

double PixelInCm(const TZeichenflaeche *zf, double pixel)
{
    if (!zf)
        zf = TZeichenflaeche::Aktuell();
    return pixel / zf->SkalaX;
}

bool PunktNahAnStrecke(const TZeichenflaeche *zf, double px, double py, double t, double ax,
                       double ay, double bx, double by)
{
    t = std::max(t, PixelInCm(zf, 2.0));
    const double dx = bx - ax, dy = by - ay;
    const double laenge = std::hypot(dx, dy);
    const double d =
        laenge <= 0.00001 ? 10000.0 : std::fabs(dy * (px - ax) - dx * (py - ay)) / laenge;
    if (!(d < t))
        return false;
    if (std::fabs(bx - ax) > t / 4) {
        if ((px > ax + t / 2 && px > bx + t / 2) || (px < ax - t / 2 && px < bx - t / 2))
            return false;
    }
    if (std::fabs(by - ay) > t / 4) {
        if ((py > ay + t / 2 && py > by + t / 2) || (py < ay - t / 2 && py < by - t / 2))
            return false;
    }
    return true;
}

bool PunktInPolygon(const QVector<TWeltPunkt> &punkte, double x, double y)
{
    const int n = int(punkte.size());
    bool innen = false;
    for (int i = 0; i < n; ++i) {
        const TWeltPunkt &p = punkte[i];
        const TWeltPunkt &q = punkte[(i + 1) % n];
        if ((p.Y <= y && q.Y > y) || (q.Y <= y && p.Y > y)) {
            const double sx = p.X + (q.X - p.X) * (y - p.Y) / (q.Y - p.Y);
            if (sx > x)
                innen = !innen;
        }
    }
    return innen;
}

bool PunktNahAnUmriss(const TZeichenflaeche *zf, const QVector<TWeltPunkt> &punkte, double x,
                      double y, double toleranz)
{
    const int n = int(punkte.size());
    for (int i = 0; i < n; ++i) {
        const TWeltPunkt &p = punkte[i];
        const TWeltPunkt &q = punkte[(i + 1) % n];
        if (PunktNahAnStrecke(zf, x, y, toleranz, p.X, p.Y, q.X, q.Y))
            return true;
    }
    return false;
}

TZeichenObjekt::TZeichenObjekt(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse)
    : TObjekt(dokument, analysator, klasse)
{
    if (IstKlasse) {
        MethodeEintragen(MFreigeben);
        AttributEintragen(ALinienfarbe);
        AttributEintragen(ALinienart);
        AttributEintragen(ALinienstaerke);
        MethodeEintragen(MVerschieben)
            .ParameterHinzufuegen(QStringLiteral("x-Verschiebung"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("y-Verschiebung"), ArtLaenge);
        MethodeEintragen(MStrecken).ParameterHinzufuegen(QStringLiteral("Faktor"), ArtFaktor);
        MethodeEintragen(MStreckenMitZentrum)
            .ParameterHinzufuegen(QStringLiteral("ZentrumX"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("ZentrumY"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Faktor"), ArtFaktor);
        MethodeEintragen(MDrehen).ParameterHinzufuegen(QStringLiteral("Drehwinkel"), ArtWinkel);
        MethodeEintragen(MDrehenUm)
            .ParameterHinzufuegen(QStringLiteral("DrehpunktX"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("DrehpunktY"), ArtLaenge)
            .ParameterHinzufuegen(QStringLiteral("Drehwinkel"), ArtWinkel);
        MethodeEintragen(MLinienfarbeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Linienfarbe"), ArtFarbwert);
        MethodeEintragen(MLinienartSetzen)
            .ParameterHinzufuegen(QStringLiteral("Linienart"), ArtLinienart);
        MethodeEintragen(MLinienstaerkeSetzen)
            .ParameterHinzufuegen(QStringLiteral("Linienstärke"), ArtLaenge);
        MethodeEintragen(MInDenVordergrundSetzen);
        MethodeEintragen(MInDenHintergrundSetzen);
        MethodeEintragen(MEineEbeneNachVorneSetzen);
        MethodeEintragen(MEineEbeneNachHintenSetzen);
        MethodeEintragen(MKopieren);
        MethodeEintragen(MAusschneiden);
    }
}

TZeichenObjekt::~TZeichenObjekt()
{
    // Only plain fields here: no virtual call on an object being destroyed.
    if (!IstKlasse && !Vorschau && Analysator && !Analysator->Angehalten) {
        Analysator->Protokollieren(std::make_unique<TMethodenAufruf>(
            MFreigeben, Name, false, Analysator->AusEingabefeld));
    }
    Griffe.clear();
}

void TZeichenObjekt::Zeichnen(TZeichenflaeche *) {}

void TZeichenObjekt::Uebernehmen(const TObjekt &quelle)
{
    if (const auto *q = dynamic_cast<const TZeichenObjekt *>(&quelle)) {
        Füllfarbe = q->Füllfarbe;
        Linienfarbe = q->Linienfarbe;
        Linienstärke = q->Linienstärke;
        Linienart = q->Linienart;
        MitteX = q->MitteX;
        MitteY = q->MitteY;
    }
    TObjekt::Uebernehmen(quelle);
}

std::unique_ptr<TData> TZeichenObjekt::AttributWert(int attributId) const
{
    switch (attributId) {
    case AFuellfarbe:
        return std::make_unique<TData>(Füllfarbe);
    case ALinienfarbe:
        return std::make_unique<TData>(Linienfarbe);
    case ALinienart:
        return std::make_unique<TData>(Linienart, ArtLinienart);
    case ALinienstaerke:
        return std::make_unique<TData>(Linienstärke, ArtLaenge);
    default:
        return TObjekt::AttributWert(attributId);
    }
}

void TZeichenObjekt::MethodeAusfuehren(int methodenId, const TDataListe &p, QString &meldung,
                                       TZeichenflaeche *zf)
{
    meldung.clear();
    auto zahl = [&p](std::size_t i) { return i < p.size() ? p[i]->Zahl() : 0.0; };
    switch (methodenId) {
    case MVerschieben:
        verschieben(zahl(0), zahl(1));
        return;
    case MStrecken:
        strecken(zahl(0));
        return;
    case MFuellfarbeSetzen:
        if (!p.empty())
            FüllfarbeSetzen(p[0]->Farbe());
        return;
    case MLinienfarbeSetzen:
        if (!p.empty())
            LinienfarbeSetzen(p[0]->Farbe());
        return;
    case MLinienartSetzen:
        if (!p.empty())
            LinienartSetzen(p[0]->Code());
        return;
    case MLinienstaerkeSetzen:
        LinienstärkeSetzen(zahl(0));
        return;
    case MDrehen:
        drehen(zahl(0));
        return;
    case MStreckenMitZentrum:
        streckenMitZentrum(zahl(0), zahl(1), zahl(2));
        return;
    case MDrehenUm:
        drehenUm(zahl(0), zahl(1), zahl(2));
        return;
    case MInDenVordergrundSetzen:
        if (Besitzer)
            Besitzer->TeilInDenVordergrund(this);
        return;
    case MInDenHintergrundSetzen:
        if (Besitzer)
            Besitzer->TeilInDenHintergrund(this);
        return;
    case MEineEbeneNachVorneSetzen:
        if (Besitzer)
            Besitzer->TeilEineEbeneNachVorne(this);
        return;
    case MEineEbeneNachHintenSetzen:
        if (Besitzer)
            Besitzer->TeilEineEbeneNachHinten(this);
        return;
    case MKopieren:
        Protokolliere(MKopieren);
        if (Dokument)
            Dokument->Wuensche.Kopieren = this;
        meldung = QStringLiteral("Kein Neuzeichnen");
        return;
    case MAusschneiden:
        // Only a figure of the drawing's top level can leave it on its own.
        if (Besitzer && Besitzer != Dokument) {
            meldung = QStringLiteral("Das Objekt ") + Name +
                      QStringLiteral(" ist Teil einer Gruppe und kann nicht einzeln ausgeschnitten werden.");
            return;
        }
        Protokolliere(MAusschneiden);
        if (Dokument)
            Dokument->Wuensche.Ausschneiden = this;
        meldung = QStringLiteral("Kein Neuzeichnen");
        return;
    case MFreigeben:
        // A figure that lies directly in the document is freed by the
        // workspace exactly like the delete command does.
        if (Dokument && Besitzer == Dokument) {
            Dokument->Wuensche.Loeschen = this;
            return;
        }
        if (Besitzer && Besitzer != Dokument) {
            meldung = QStringLiteral("Das Objekt ") + Name +
                      QStringLiteral(" ist Teil einer Gruppe und kann nicht einzeln freigegeben werden.");
            return;
        }
        return;
    default:
        TObjekt::MethodeAusfuehren(methodenId, p, meldung, zf);
    }
}

void TZeichenObjekt::VorschauSetzen(bool vorschau)
{
    Vorschau = vorschau;
}

void TZeichenObjekt::FüllfarbeSetzen(const TFarbe &farbe)
{
    Füllfarbe = farbe;
    Protokolliere(MFuellfarbeSetzen, &TMethodenAufruf::FarbeHinzufuegen, farbe);
}

void TZeichenObjekt::LinienfarbeSetzen(const TFarbe &farbe)
{
    Linienfarbe = farbe;
    Protokolliere(MLinienfarbeSetzen, &TMethodenAufruf::FarbeHinzufuegen, farbe);
}

void TZeichenObjekt::LinienstärkeSetzen(double staerke)
{
    Linienstärke = staerke;
    Protokolliere(MLinienstaerkeSetzen, &TMethodenAufruf::LaengeHinzufuegen, staerke);
}

void TZeichenObjekt::LinienartSetzen(std::uint8_t art)
{
    Linienart = art;
    Protokolliere(MLinienartSetzen, &TMethodenAufruf::LinienartHinzufuegen, art);
}

void TZeichenObjekt::verschieben(double dx, double dy)
{
    MitteX += dx;
    MitteY += dy;
    Umgebungsrechteck.Links += dx;
    Umgebungsrechteck.Rechts += dx;
    Umgebungsrechteck.Unten += dy;
    Umgebungsrechteck.Oben += dy;
    Protokolliere(MVerschieben, &TMethodenAufruf::LaengeHinzufuegen, dx, dy);
}

void TZeichenObjekt::streckenMitZentrum(double zx, double zy, double faktor)
{
    auto a = Aufruf(MStreckenMitZentrum);
    a->LaengeHinzufuegen(zx).LaengeHinzufuegen(zy).FaktorHinzufuegen(faktor);
    Protokolliere(std::move(a));
}

void TZeichenObjekt::strecken(double faktor)
{
    Protokolliere(MStrecken, &TMethodenAufruf::FaktorHinzufuegen, faktor);
}

void TZeichenObjekt::drehenUm(double px, double py, double winkel)
{
    auto a = Aufruf(MDrehenUm);
    a->LaengeHinzufuegen(px).LaengeHinzufuegen(py).WinkelHinzufuegen(winkel);
    Protokolliere(std::move(a));
}

void TZeichenObjekt::drehen(double winkel)
{
    Protokolliere(MDrehen, &TMethodenAufruf::WinkelHinzufuegen, winkel);
}

void TZeichenObjekt::spiegelnAnVertikalerAchse(double) {}
void TZeichenObjekt::spiegelnAnHorizontalerAchse(double) {}

void TZeichenObjekt::vertikalSpiegeln()
{
    spiegelnAnVertikalerAchse(MitteX);
    Protokolliere(MVertikalSpiegeln);
}

void TZeichenObjekt::horizontalSpiegeln()
{
    spiegelnAnHorizontalerAchse(MitteY);
    Protokolliere(MHorizontalSpiegeln);
}

bool TZeichenObjekt::LiegtImRechteck(double x1, double y1, double x2, double y2) const
{
    return Umgebungsrechteck.Links >= x1 && Umgebungsrechteck.Rechts <= x2 &&
           Umgebungsrechteck.Unten >= y1 && Umgebungsrechteck.Oben <= y2;
}

void TZeichenObjekt::AufziehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    AnkerX = x;
    AnkerY = y;
    VorschauSetzen(true);
    GeometrieBerechnen();
    Zeichnen(zf);
}

void TZeichenObjekt::AufziehenBeenden(TZeichenflaeche *)
{
    VorschauSetzen(false);
    ErzeugungProtokollieren();
}

void TZeichenObjekt::GriffeZeichnen(TZeichenflaeche *zf)
{
    if (zf && zf->SperrenWirksam && MausGesperrt && !Griffe.empty()) {
        SchlossZeichnen(zf);
        return;
    }
    for (auto &g : Griffe)
        g->Zeichnen(zf);
}

void TZeichenObjekt::SchlossZeichnen(TZeichenflaeche *zf) const
{
    const QColor schlossFarbe(128, 96, 0);
    const TMarkenMaler maler(zf);
    if (!maler)
        return;
    QPainter &p = *maler;
    // The selection: a dotted grey frame around the bounding box.
    const TUmgebungsrechteck &u = Umgebungsrechteck;
    const QRect rahmen = QRect(QPoint(zf->XPixel(u.Links), zf->YPixel(u.Oben)),
                               QPoint(zf->XPixel(u.Rechts), zf->YPixel(u.Unten)))
                             .normalized()
                             .adjusted(-3, -3, 3, 3);
    p.setPen(QPen(schlossFarbe, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rahmen);
    // The padlock at the top right corner: shackle and body.
    const QRect koerper(rahmen.right() - 6, rahmen.top() - 4, 13, 10);
    p.setPen(QPen(schlossFarbe, 2, Qt::SolidLine));
    p.drawArc(QRect(koerper.left() + 2, koerper.top() - 7, 9, 12), 0, 180 * 16);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(schlossFarbe);
    p.drawRect(koerper);
    p.setBrush(Qt::black);
    p.drawRect(QRect(koerper.center().x() - 1, koerper.top() + 3, 2, 4));
}

TGriff *TZeichenObjekt::GriffAnStelle(TZeichenflaeche *zf, double x, double y)
{
    for (auto &g : Griffe)
        if (g->Getroffen(zf, x, y))
            return g.get();
    return nullptr;
}

void TZeichenObjekt::GriffeFreigeben()
{
    Griffe.clear();
}

std::vector<TGriffPlatz> TZeichenObjekt::GriffPlaetze(const TZeichenflaeche *) const
{
    return {};
}

void TZeichenObjekt::StiftUndPinselEinstellen(TZeichenflaeche *zf)
{
    if (!zf || !zf->Leinwand)
        return;
    QPainter &p = *zf->Leinwand;
    if (Vorschau) {
        // Drawing the same outline twice restores every pixel.
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen stift(Qt::black, 1, Qt::DotLine);
        stift.setCosmetic(true);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        return;
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen stift(Qt::black);
    if (Linienfarbe.FarbArt == FarbArtFarbe) {
        stift.setColor(Linienfarbe.AlsQColor());
        stift.setStyle(Qt::SolidLine);
    } else {
        stift.setStyle(Qt::NoPen);
    }
    p.setPen(stift);
    zf->StiftbreiteSetzen(Linienstärke);
    // Wide lines get round ends and corners; up to 3 pixels square ones
    // look the same and cost far less to stroke.
    stift = p.pen();
    const bool rund = stift.width() > 3;
    stift.setCapStyle(rund ? Qt::RoundCap : Qt::SquareCap);
    stift.setJoinStyle(rund ? Qt::RoundJoin : Qt::MiterJoin);
    p.setPen(stift);
    if (Füllfarbe.FarbArt == FarbArtFarbe)
        p.setBrush(Füllfarbe.AlsQColor());
    else
        p.setBrush(Qt::NoBrush);
}

// The frame that marks the object the analyser shows: green, 2 pixels,
// around the bounding box enlarged by 8 pixels, with matching rounding.
void TObjekt::FokusrahmenZeichnen(TZeichenflaeche *zf) const
{
    const TMarkenMaler maler(zf, false);
    if (!maler)
        return;
    QPainter &p = *maler;
    p.setPen(QPen(QColor(0, 221, 0), 2));
    p.setBrush(Qt::NoBrush);
    const double d = 8.0 / zf->SkalaX;
    const TUmgebungsrechteck &u = Umgebungsrechteck;
    zf->RundRechteck(u.Links - d, u.Oben + d, u.Rechts + d, u.Unten - d, d);
}
