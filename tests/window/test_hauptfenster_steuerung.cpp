// The mouse state machine without any window: driven through a context of
// its own that draws onto a QImage.
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"
#include "window/ui/MausSteuerung.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct TKontextAttrappe : TFensterKontext {
    TArbeitsbereich Arbeitsbereich;
    TZeichenflaeche Flaeche_;
    TPickerWerte Picker;
    QImage Bild{800, 1120, QImage::Format_RGB32};
    QStringList Hinweise;
    std::vector<TMauszeiger> Zeiger;
    int Neuzeichnungen = 0, Vorschauen = 0, Werkzeugloesungen = 0;
    std::vector<QPoint> Verschiebemenues;

    TKontextAttrappe() { Bild.fill(Qt::white); }

    TZeichenflaeche *Flaeche() override { return &Flaeche_; }
    TDokument *Dokument() override { return &Arbeitsbereich.Dokument(); }
    TKlassenObjekte *Klassen() override { return &Arbeitsbereich.Klassen(); }
    TAnalysator *Analysator() override { return &Arbeitsbereich.Analysator(); }
    std::vector<TZeichenObjekt *> &Auswahl() override { return Arbeitsbereich.Auswahl; }
    bool Lehrermodus() const override { return Arbeitsbereich.Lehrermodus; }
    void GeaendertSetzen() override { Arbeitsbereich.Geaendert = true; }
    const TPickerWerte &PickerWerte() const override { return Picker; }
    void ObjekteLoeschen(std::vector<TZeichenObjekt *> liste) override
    {
        Arbeitsbereich.ObjekteLoeschen(liste);
    }
    void Neuzeichnen() override
    {
        ++Neuzeichnungen;
        QPainter p(&Bild);
        Flaeche_.Leinwand = &p;
        Dokument()->Zeichnen(&Flaeche_);
        Flaeche_.Leinwand = nullptr;
    }
    void VorschauMalen(const std::function<void(TZeichenflaeche *)> &malen) override
    {
        ++Vorschauen;
        QPainter p(&Bild);
        Flaeche_.Leinwand = &p;
        malen(&Flaeche_);
        Flaeche_.Leinwand = nullptr;
    }
    void ZeigerSetzen(TMauszeiger z) override { Zeiger.push_back(z); }
    void FlaecheFokussieren() override {}
    QPoint GlobalePosition(int x, int y) const override { return QPoint(x + 1000, y + 1000); }
    void HinweisSetzen(const QString &t) override { Hinweise << t; }
    void WerkzeugeLoesen() override { ++Werkzeugloesungen; }
    void PickerSchliessen() override {}
    void VervollstaendigungVerbergen() override {}
    void AttributanzeigeAktualisieren() override {}
    void OberflaecheAktualisieren() override {}
    void TextBearbeitenKlicken() override {}
    void VerschiebenMenueZeigen(QPoint global) override { Verschiebemenues.push_back(global); }
    void ObjektMenueZeigen(QPoint) override {}
    bool EingabefeldHatFokus() const override { return false; }
    void AnalysatorFokusSetzen(TObjekt *) override {}
    void AnalysatorNeuAufbauen() override {}
    void AnalysatorDiagrammZeichnen() override {}
    void AnalysatorAktualisieren() override {}
};

TMausEreignis ereignis(QPoint p, Qt::MouseButton taste = Qt::NoButton,
                       Qt::MouseButtons gehalten = Qt::NoButton)
{
    TMausEreignis m;
    m.Taste = taste;
    m.Gehalten = gehalten;
    m.X = p.x();
    m.Y = p.y();
    return m;
}

} // namespace

TEST(Steuerung, OhneFensterZiehenUndRechtsZiehen)
{
    TKontextAttrappe k;
    TMausSteuerung s(&k);
    auto r = std::make_unique<TRechteck>(k.Dokument(), k.Analysator(), k.Klassen()->RECHTECK);
    r->NamenVergeben();
    r->MitteX = 5;
    r->MitteY = 20;
    r->Länge = 4;
    r->Breite = 2;
    r->Linienfarbe = TFarbe::Echt(0);
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    r->GeometrieBerechnen();
    TRechteck *roh = r.get();
    k.Dokument()->TeilAnhaengen(std::move(r));
    const QPoint p(k.Flaeche_.XPixel(5), k.Flaeche_.YPixel(20));

    s.MausBewegung(ereignis(p));
    EXPECT_EQ(s.Mauszustand, TMauszustand::UeberObjekt);
    EXPECT_EQ(k.Zeiger.back(), TMauszeiger::Verschieben);
    s.MausRunter(ereignis(p, Qt::RightButton, Qt::RightButton));
    EXPECT_EQ(s.Mauszustand, TMauszustand::ObjektGedrueckt);
    const int vorschauen = k.Vorschauen;
    for (int i = 1; i <= 5; ++i)
        s.MausBewegung(ereignis(p + QPoint(10 * i, 0), Qt::NoButton, Qt::RightButton));
    EXPECT_EQ(s.Mauszustand, TMauszustand::ObjekteZiehen);
    EXPECT_EQ(k.Vorschauen - vorschauen, 5); // one preview step per move
    EXPECT_EQ(k.Hinweise.back(), QStringLiteral("Probiere die Wirkung der Shift-Taste "
                                                "(=Hochstelltaste) während des Ziehens aus!"));
    s.MausHoch(ereignis(p + QPoint(50, 0), Qt::RightButton, Qt::NoButton));
    ASSERT_EQ(k.Verschiebemenues.size(), 1u);
    EXPECT_EQ(k.Verschiebemenues[0], p + QPoint(1050, 1000));
    EXPECT_EQ(s.AblagePixel, p + QPoint(50, 0));
    s.HierhinVerschieben();
    EXPECT_NEAR(roh->MitteX, 5 + 50 / k.Flaeche_.SkalaX, 1e-9);
    EXPECT_EQ(s.Mauszustand, TMauszustand::UeberObjekt); // the mouse rests on it
    EXPECT_TRUE(k.Arbeitsbereich.Geaendert);
}

TEST(Steuerung, AbbrechenRaeumtDieVorschauDerNeuenFigurWeg)
{
    TKontextAttrappe k;
    TMausSteuerung s(&k);
    k.Neuzeichnen();
    const QImage leer = k.Bild.copy();
    s.WerkzeugWaehlen(TWerkzeug::Ellipse);
    EXPECT_EQ(s.Mauszustand, TMauszustand::WerkzeugBereit);
    const QPoint a(100, 100);
    s.MausRunter(ereignis(a, Qt::LeftButton, Qt::LeftButton));
    s.MausBewegung(ereignis(a + QPoint(60, 40), Qt::NoButton, Qt::LeftButton));
    EXPECT_NE(k.Bild, leer); // the inverted outline shows
    // Cancelling frees the new figure and repaints; the image is clean.
    s.GesteAbbrechen();
    EXPECT_EQ(s.NeueFigur(), nullptr);
    EXPECT_EQ(k.Bild, leer);
    EXPECT_TRUE(k.Dokument()->Teile.empty());
    EXPECT_GE(k.Werkzeugloesungen, 1);
}
