// Document files: the exact bytes per class, reading back, defaults, the
// class directory, names, passwords, and that a bad file changes nothing.
#include "persistence/Dokumentdatei.h"

#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "model/Werte.h"
#include "persistence/XMLDOM.h"
#include "teacher/Passwort.h"

#include <QFile>
#include <QTemporaryDir>
#include "Drucken.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Kopf = "<?xml version = \"1.0\" ?>\r\n";
const QByteArray LeeresVerzeichnis =
    "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"0\" ELLIPSEz\xe4hler = \"0\" LINIEz\xe4hler = \"0\" "
    "LINIENZUGz\xe4hler = \"0\" VIELECKz\xe4hler = \"0\" PUNKTz\xe4hler = \"0\" GRUPPEz\xe4hler = \"0\" "
    "TEXTFELDz\xe4hler = \"0\" >\r\n</KLASSENVERZEICHNIS>\r\n";
const QByteArray DokumentAnfang =
    "<DOKUMENT Name = \"dokument1\" Hintergrundfarbe = \"Farbe wei\xdf\" ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n";

QByteArray L1(const char *utf8) // a line in Windows-1252 as Figuro writes it
{
    QByteArray b;
    const QString s = QString::fromUtf8(utf8);
    for (QChar c : s)
        b.append(char(c.unicode() <= 0xFF ? c.unicode() : '?'));
    return b;
}

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    ~Umgebung() { analysator.Angehalten = true; }

    template <class T> T *neu(const char *klasse, const char *name, TObjekt *besitzer = nullptr)
    {
        auto o = klassen.ObjektErzeugen(QString::fromLatin1(klasse));
        o->Name = QString::fromLatin1(name);
        TObjekt *ziel = besitzer ? besitzer : &dokument;
        return static_cast<T *>(ziel->TeilAnhaengen(std::move(o)));
    }

    // Standard figure attributes: white fill, black solid 0.05 cm line.
    static void standard(TZeichenObjekt *f)
    {
        f->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
        f->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
        f->Linienstärke = 0.05;
        f->Linienart = Werte::LinienartDurchgezogen;
    }

    QByteArray bytes() const { return DokumentAlsBytes(dokument, klassen); }

    bool lade(const QByteArray &b, QString *meldung = nullptr, bool *mitPasswort = nullptr)
    {
        QString m;
        const bool ok = DokumentAusBytes(b, dokument, klassen, m, mitPasswort);
        if (meldung)
            *meldung = m;
        EXPECT_EQ(ok, m.isEmpty());
        return ok;
    }

    QStringList namen() const
    {
        QStringList n;
        std::function<void(const TObjekt &)> sammeln = [&](const TObjekt &o) {
            n << o.Name;
            for (const auto &t : o.Teile)
                sammeln(*t);
        };
        for (const auto &t : dokument.Teile)
            sammeln(*t);
        return n;
    }

    std::vector<int> zaehler() const
    {
        std::vector<int> z;
        for (const TObjekt *k : klassen.Klassen())
            if (k->KlassenId != KlasseDokument)
                z.push_back(k->Zaehler);
        return z;
    }
};

QByteArray Datei(const QByteArray &inhalt) { return Kopf + DokumentAnfang + inhalt + LeeresVerzeichnis + "</DOKUMENT>\r\n"; }

} // namespace

TEST(Dokumentdatei, NeuesLeeresDokument)
{
    Umgebung u;
    EXPECT_EQ(u.bytes(), Kopf + DokumentAnfang + LeeresVerzeichnis + "</DOKUMENT>\r\n");
}

TEST(Dokumentdatei, RechteckMitStandardattributen)
{
    Umgebung u;
    auto *r = u.neu<TRechteck>("RECHTECK", "re0");
    Umgebung::standard(r);
    r->MitteX = 5;
    r->MitteY = 7.5;
    r->Breite = 2;
    r->Länge = 4;
    r->Winkel = 0;
    // No "Linienart" for a solid line, no lock attributes.
    EXPECT_EQ(u.bytes(), Datei(L1("<RECHTECK Name = \"re0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                                  "Linienstärke = \"0.05\" MitteX = \"5\" MitteY = \"7.5\" Breite = \"2\" Länge = \"4\" "
                                  "Winkel = \"0\" >\r\n</RECHTECK>\r\n")));
}

TEST(Dokumentdatei, LinienartUndSperrenNurWennGesetzt)
{
    Umgebung u;
    auto *r = u.neu<TRechteck>("RECHTECK", "re0");
    Umgebung::standard(r);
    r->Linienart = Werte::LinienartGepunktelt;
    r->MausGesperrt = 1;
    r->TastaturGesperrt = 1;
    r->Füllfarbe = TFarbe::Unsichtbar();
    EXPECT_EQ(u.bytes(), Datei(L1("<RECHTECK Name = \"re0\" BearbeitenMitMaus = \"nicht_erlaubt\" "
                                  "BearbeitenMitTastatur = \"nicht_erlaubt\" Füllfarbe = \"Unsichtbar\" "
                                  "Linienfarbe = \"Farbe schwarz\" Linienstärke = \"0.05\" Linienart = \"gepunktelt\" "
                                  "MitteX = \"0\" MitteY = \"0\" Breite = \"0\" Länge = \"0\" Winkel = \"0\" >\r\n"
                                  "</RECHTECK>\r\n")));
}

TEST(Dokumentdatei, TextfeldMitStandardTextattributen)
{
    Umgebung u;
    auto *t = u.neu<TTextFeld>("TEXTFELD", "tf0");
    Umgebung::standard(t);
    t->Breite = 1;
    t->Länge = 3;
    t->Schriftart = QStringLiteral("Arial");
    t->Schriftgröße = 12;
    t->Fett = t->Kursiv = 0;
    t->Ausrichtung = Werte::AusrichtungLinksbuendig;
    t->Text.clear();
    t->Schriftfarbe = TFarbe::Echt(0);
    const QByteArray rumpf = L1("<TEXTFELD Name = \"tf0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                                "Linienstärke = \"0.05\" MitteX = \"0\" MitteY = \"0\" Breite = \"1\" Länge = \"3\" "
                                "Winkel = \"0\"");
    EXPECT_EQ(u.bytes(), Datei(rumpf + " >\r\n</TEXTFELD>\r\n"));

    // Every text attribute away from its default, in the fixed order.
    t->Schriftart = QStringLiteral("Times New Roman");
    t->Schriftgröße = 20;
    t->Fett = t->Kursiv = 1;
    t->Ausrichtung = Werte::AusrichtungBlocksatz;
    t->Text = QStringLiteral("Zeile\n\rzwei \"#\"");
    EXPECT_EQ(u.bytes(), Datei(rumpf + L1(" Schriftart = \"Times New Roman\" Schriftgröße = \"20\" Fett = \"wahr\" "
                                          "Kursiv = \"wahr\" Ausrichtung = \"Blocksatz\" "
                                          "Text = \"Zeile#10 #13 zwei #34 #35 #34 \" >\r\n</TEXTFELD>\r\n")));
}

TEST(Dokumentdatei, TextfeldOhneTextattributeLiestDieFestenVorgaben)
{
    Umgebung u;
    // A new text field is justified; a file without "Ausrichtung" means left-aligned.
    EXPECT_EQ(static_cast<TTextFeld *>(u.klassen.TEXTFELD)->Ausrichtung, Werte::AusrichtungBlocksatz);
    ASSERT_TRUE(u.lade(Datei(L1("<TEXTFELD Name = \"tf3\" >\r\n</TEXTFELD>\r\n"))));
    auto *t = static_cast<TTextFeld *>(u.dokument.Teile.at(0).get());
    EXPECT_EQ(t->Schriftart, QStringLiteral("Arial"));
    EXPECT_EQ(t->Schriftgröße, 12);
    EXPECT_EQ(t->Fett, 0);
    EXPECT_EQ(t->Kursiv, 0);
    EXPECT_EQ(t->Ausrichtung, Werte::AusrichtungLinksbuendig);
    EXPECT_TRUE(t->Text.isEmpty());
    EXPECT_EQ(t->Schriftfarbe, TFarbe::Echt(0));
}

TEST(Dokumentdatei, SchriftfarbeWirdMitgespeichert)
{
    Umgebung u;
    auto *t = u.neu<TTextFeld>("TEXTFELD", "tf0");
    t->Schriftfarbe = TFarbe::Echt(FarbWert(0, 0, 255));
    const QByteArray b = u.bytes();
    EXPECT_TRUE(b.contains("Schriftfarbe = \"Farbe blau\""));
    Umgebung v;
    ASSERT_TRUE(v.lade(b));
    EXPECT_EQ(static_cast<TTextFeld *>(v.dokument.Teile.at(0).get())->Schriftfarbe, TFarbe::Echt(FarbWert(0, 0, 255)));
}

TEST(Dokumentdatei, EllipseMitRadien)
{
    Umgebung u;
    auto *e = u.neu<TEllipse>("ELLIPSE", "el0");
    Umgebung::standard(e);
    e->Länge = 4;
    e->Breite = 2;
    e->Winkel = 30;
    const QByteArray b = u.bytes();
    EXPECT_EQ(b, Datei(L1("<ELLIPSE Name = \"el0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                          "Linienstärke = \"0.05\" MitteX = \"0\" MitteY = \"0\" RadiusX = \"2\" RadiusY = \"1\" "
                          "Winkel = \"30\" >\r\n</ELLIPSE>\r\n")));
    Umgebung v;
    ASSERT_TRUE(v.lade(b));
    auto *e2 = static_cast<TEllipse *>(v.dokument.Teile.at(0).get());
    EXPECT_EQ(e2->Länge, 4);
    EXPECT_EQ(e2->Breite, 2);
    EXPECT_EQ(e2->Winkel, 30);
}

TEST(Dokumentdatei, LinieUndVieleck)
{
    Umgebung u;
    auto *l = u.neu<TLinie>("LINIE", "li0");
    Umgebung::standard(l);
    l->Punkt1X = 1;
    l->Punkt1Y = 2;
    l->Punkt2X = 3.5;
    l->Punkt2Y = -4;
    auto *v = u.neu<TVielEck>("VIELECK", "ve0");
    Umgebung::standard(v);
    v->Länge = 6;
    v->Breite = 5;
    v->Winkel = 15;
    v->Eckenzahl = 7;
    EXPECT_EQ(u.bytes(),
              Datei(L1("<LINIE Name = \"li0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                       "Linienstärke = \"0.05\" MitteX = \"0\" MitteY = \"0\" Punkt1X = \"1\" Punkt1Y = \"2\" "
                       "Punkt2X = \"3.5\" Punkt2Y = \"-4\" >\r\n</LINIE>\r\n"
                       "<VIELECK Name = \"ve0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                       "Linienstärke = \"0.05\" MitteX = \"0\" MitteY = \"0\" Länge = \"6\" Breite = \"5\" "
                       "Winkel = \"15\" Eckenanzahl = \"7\" >\r\n</VIELECK>\r\n")));
}

TEST(Dokumentdatei, LinienzugMitDreiPunktenUndRahmenNachDemLaden)
{
    Umgebung u;
    auto *z = u.neu<TLinienZug>("LINIENZUG", "lz0");
    Umgebung::standard(z);
    const double xy[3][2] = {{1, 1}, {5, 2}, {3, 6}};
    for (int i = 0; i < 3; ++i) {
        auto *p = u.neu<TLinienZugPunkt>("PUNKT", QStringLiteral("lp%1").arg(i).toLatin1().constData(), z);
        p->X = xy[i][0];
        p->Y = xy[i][1];
        p->AbschnittArt = 0;
    }
    z->MitteX = 3;
    z->MitteY = 3.5;
    EXPECT_EQ(u.bytes(),
              Datei(L1("<LINIENZUG Name = \"lz0\" Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" "
                       "Linienstärke = \"0.05\" MitteX = \"3\" MitteY = \"3.5\" geschlossen = \"falsch\" "
                       "ObjektdiagrammZusammengefaltet = \"wahr\" >\r\n"
                       "<PUNKT Name = \"lp0\" X = \"1\" Y = \"1\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n"
                       "<PUNKT Name = \"lp1\" X = \"5\" Y = \"2\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n"
                       "<PUNKT Name = \"lp2\" X = \"3\" Y = \"6\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n"
                       "</LINIENZUG>\r\n")));

    // Whatever the file says about the centre, the frame is the bounding box
    // of the vertices with angle 0 after loading.
    Umgebung v;
    ASSERT_TRUE(v.lade(Datei(L1("<LINIENZUG Name = \"lz0\" MitteX = \"99\" MitteY = \"-99\" geschlossen = \"wahr\" >\r\n"
                                "<PUNKT Name = \"lp0\" X = \"1\" Y = \"1\" >\r\n</PUNKT>\r\n"
                                "<PUNKT Name = \"lp1\" X = \"5\" Y = \"2\" >\r\n</PUNKT>\r\n"
                                "<PUNKT Name = \"lp2\" X = \"3\" Y = \"6\" >\r\n</PUNKT>\r\n"
                                "</LINIENZUG>\r\n"))));
    auto *z2 = static_cast<TLinienZug *>(v.dokument.Teile.at(0).get());
    ASSERT_EQ(z2->PunktAnzahl(), 3);
    EXPECT_EQ(z2->Geschlossen, 1);
    EXPECT_EQ(z2->Punkt(1)->X, 5);
    EXPECT_EQ(z2->Punkt(2)->Y, 6);
    EXPECT_EQ(z2->Punkt(0)->Besitzer, z2);
    EXPECT_DOUBLE_EQ(z2->MitteX, 3);
    EXPECT_DOUBLE_EQ(z2->MitteY, 3.5);
    EXPECT_DOUBLE_EQ(z2->Länge, 4);
    EXPECT_DOUBLE_EQ(z2->Breite, 5);
    EXPECT_EQ(z2->Winkel, 0);
}

TEST(Dokumentdatei, GruppeInGruppe)
{
    Umgebung u;
    auto *aussen = u.neu<TGruppe>("GRUPPE", "gr0");
    Umgebung::standard(aussen);
    auto *innen = u.neu<TGruppe>("GRUPPE", "gr1", aussen);
    u.neu<TRechteck>("RECHTECK", "re0", innen);
    u.neu<TLinie>("LINIE", "li0", innen);
    u.neu<TEllipse>("ELLIPSE", "el0", aussen);
    const QByteArray b = u.bytes();

    // The element tree mirrors the object tree.
    TXMLDOM dom;
    QString fehler;
    ASSERT_TRUE(dom.LadenAusBytes(b, fehler));
    const TXMLKnoten *g0 = dom.Wurzel()->Kind(0);
    EXPECT_EQ(g0->Name, QStringLiteral("GRUPPE"));
    ASSERT_EQ(g0->KindAnzahl(), 2);
    EXPECT_EQ(g0->Kind(0)->Name, QStringLiteral("GRUPPE"));
    EXPECT_EQ(g0->Kind(1)->Name, QStringLiteral("ELLIPSE"));
    ASSERT_EQ(g0->Kind(0)->KindAnzahl(), 2);
    EXPECT_EQ(g0->Kind(0)->Kind(0)->Name, QStringLiteral("RECHTECK"));
    EXPECT_EQ(g0->Kind(0)->Kind(1)->Name, QStringLiteral("LINIE"));
    // The group's attributes end with the folding flag after the angle.
    QStringList namen;
    for (int i = 0; i < g0->AttributAnzahl(); ++i)
        namen << g0->Attribut(i)->Name;
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Name"), QStringLiteral("Füllfarbe"), QStringLiteral("Linienfarbe"),
                                  QStringLiteral("Linienstärke"), QStringLiteral("MitteX"), QStringLiteral("MitteY"),
                                  QStringLiteral("Breite"), QStringLiteral("Länge"), QStringLiteral("Winkel"),
                                  QStringLiteral("ObjektdiagrammZusammengefaltet")}));

    Umgebung v;
    ASSERT_TRUE(v.lade(b));
    EXPECT_EQ(v.namen(), (QStringList{QStringLiteral("gr0"), QStringLiteral("gr1"), QStringLiteral("re0"),
                                      QStringLiteral("li0"), QStringLiteral("el0")}));
    TObjekt *g = v.dokument.Teile.at(0).get();
    EXPECT_EQ(g->Teile.at(0)->Besitzer, g);
    EXPECT_EQ(g->Teile.at(0)->Teile.at(1)->Besitzer, g->Teile.at(0).get());
    EXPECT_EQ(g->Besitzer, &v.dokument);
}

TEST(Dokumentdatei, WurzelMitAnderemNamen)
{
    Umgebung u;
    ASSERT_TRUE(u.lade(Kopf + "<ZEICHNUNG Name = \"dokument1\" >\r\n<RECHTECK Name = \"re0\" >\r\n</RECHTECK>\r\n"
                              "</ZEICHNUNG>\r\n"));
    ASSERT_EQ(u.dokument.Teile.size(), 1u);
    EXPECT_EQ(u.dokument.Teile[0]->Name, QStringLiteral("re0"));
}

TEST(Dokumentdatei, OhneKlassenverzeichnisSindAlleZaehlerNull)
{
    Umgebung u;
    for (TObjekt *k : u.klassen.Klassen())
        k->Zaehler = 7;
    ASSERT_TRUE(u.lade(Kopf + "<DOKUMENT Name = \"dokument1\" >\r\n</DOKUMENT>\r\n"));
    EXPECT_EQ(u.zaehler(), std::vector<int>(8, 0));
    auto r = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
    r->NamenVergeben();
    EXPECT_EQ(r->Name, QStringLiteral("re0"));
}

TEST(Dokumentdatei, KlassenverzeichnisSetztDieZaehler)
{
    Umgebung u;
    u.klassen.GRUPPE->Zaehler = 9;
    ASSERT_TRUE(u.lade(Kopf + "<DOKUMENT >\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"3\" LINIEz\xe4hler = \"12\" "
                              "TEXTFELDz\xe4hler = \"1\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n"));
    // RECHTECK ELLIPSE LINIE LINIENZUG VIELECK PUNKT GRUPPE TEXTFELD; the
    // missing group counter is 0 after the reset that precedes loading.
    EXPECT_EQ(u.zaehler(), (std::vector<int>{3, 0, 12, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(u.dokument.Teile.empty());
    // The counters are written back as they are.
    EXPECT_TRUE(u.bytes().contains("RECHTECKz\xe4hler = \"3\" ELLIPSEz\xe4hler = \"0\" LINIEz\xe4hler = \"12\""));
}

TEST(Dokumentdatei, ObjekteOhneNamenBekommenNachDenZaehlernEinen)
{
    Umgebung u;
    ASSERT_TRUE(u.lade(Datei("") .replace(LeeresVerzeichnis,
                                         "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"5\" LINIENZUGz\xe4hler = \"2\" "
                                         "PUNKTz\xe4hler = \"10\" >\r\n</KLASSENVERZEICHNIS>\r\n")
                           .replace(DokumentAnfang, DokumentAnfang + "<RECHTECK >\r\n</RECHTECK>\r\n"
                                                                     "<RECHTECK Name = \"\" >\r\n</RECHTECK>\r\n"
                                                                     "<RECHTECK Name = \"re1\" >\r\n</RECHTECK>\r\n"
                                                                     "<LINIENZUG >\r\n<PUNKT X = \"1\" >\r\n</PUNKT>\r\n"
                                                                     "<PUNKT Name = \"p\" X = \"2\" >\r\n</PUNKT>\r\n"
                                                                     "</LINIENZUG>\r\n")));
    EXPECT_EQ(u.namen(), (QStringList{QStringLiteral("re5"), QStringLiteral("re6"), QStringLiteral("re1"),
                                      QStringLiteral("lz2"), QStringLiteral("lp10"), QStringLiteral("p")}));
    EXPECT_EQ(u.klassen.RECHTECK->Zaehler, 7);
    EXPECT_EQ(u.klassen.PUNKT->Zaehler, 11);
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("RE6")), u.dokument.Teile[1].get());
}

TEST(Dokumentdatei, PasswortVerschluesseltUndLehrermodusHinweis)
{
    Umgebung u;
    EXPECT_FALSE(u.bytes().contains("Passwort"));
    u.dokument.Passwort = QStringLiteral("Geheimnis");
    const QByteArray b = u.bytes();
    EXPECT_TRUE(b.contains("ObjektdiagrammZusammengefaltet = \"falsch\" Passwort = \"" +
                           PasswortVerschluesseln(QStringLiteral("Geheimnis")).toLatin1() + "\" >"));
    EXPECT_FALSE(b.contains("Geheimnis"));

    Umgebung v;
    bool mitPasswort = false;
    ASSERT_TRUE(v.lade(b, nullptr, &mitPasswort));
    EXPECT_TRUE(mitPasswort);
    EXPECT_EQ(v.dokument.Passwort, QStringLiteral("Geheimnis"));

    // A file without a password clears the open document's.
    ASSERT_TRUE(v.lade(Kopf + "<DOKUMENT >\r\n</DOKUMENT>\r\n", nullptr, &mitPasswort));
    EXPECT_FALSE(mitPasswort);
    EXPECT_TRUE(v.dokument.Passwort.isEmpty());
}

TEST(Dokumentdatei, FehlendeWerteBehaltenDieVorgabenDesPrototyps)
{
    Umgebung u;
    auto *proto = static_cast<TVielEck *>(u.klassen.VIELECK);
    proto->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    proto->Linienstärke = 0.3;
    proto->Linienart = Werte::LinienartGestrichelt;
    proto->MausGesperrt = 1;
    ASSERT_TRUE(u.lade(Datei(L1("<VIELECK Name = \"ve0\" Länge = \"2\" >\r\n</VIELECK>\r\n"))));
    auto *v = static_cast<TVielEck *>(u.dokument.Teile.at(0).get());
    EXPECT_EQ(v->Füllfarbe, TFarbe::Echt(FarbWert(255, 0, 0)));
    EXPECT_EQ(v->Linienstärke, 0.3);
    EXPECT_EQ(v->Eckenzahl, 6);
    EXPECT_EQ(v->Länge, 2);
    // Line style and locks have fixed defaults.
    EXPECT_EQ(v->Linienart, Werte::LinienartDurchgezogen);
    EXPECT_EQ(v->MausGesperrt, 0);
}

TEST(Dokumentdatei, UnbekanntesUndUnpassendesWirdUebersprungen)
{
    Umgebung u;
    ASSERT_TRUE(u.lade(Datei(L1("<KREIS Name = \"x\" >\r\n<RECHTECK Name = \"verirrt\" >\r\n</RECHTECK>\r\n</KREIS>\r\n"
                                "<PUNKT Name = \"lose\" >\r\n</PUNKT>\r\n"
                                "<DOKUMENT Name = \"innen\" >\r\n</DOKUMENT>\r\n"
                                "<RECHTECK Name = \"re0\" Farbe = \"rot\" Linienart = \"Gestrichelt\" "
                                "BearbeitenMitMaus = \"nicht_einheitlich\" >\r\n"
                                "<PUNKT Name = \"lp9\" >\r\n</PUNKT>\r\n</RECHTECK>\r\n"
                                "<GRUPPE Name = \"gr0\" >\r\n<PUNKT Name = \"lp8\" >\r\n</PUNKT>\r\n"
                                "<LINIE Name = \"li0\" >\r\n</LINIE>\r\n</GRUPPE>\r\n"
                                "<GRUPPE Name = \"leer\" >\r\n</GRUPPE>\r\n"
                                "<LINIENZUG Name = \"einpunkt\" >\r\n<PUNKT >\r\n</PUNKT>\r\n</LINIENZUG>\r\n"
                                "<LINIENZUG Name = \"lz0\" >\r\n<PUNKT Name = \"a\" >\r\n</PUNKT>\r\n"
                                "<RECHTECK Name = \"re7\" >\r\n</RECHTECK>\r\n<PUNKT Name = \"b\" >\r\n</PUNKT>\r\n"
                                "</LINIENZUG>\r\n"))));
    EXPECT_EQ(u.namen(), (QStringList{QStringLiteral("re0"), QStringLiteral("gr0"), QStringLiteral("li0"),
                                      QStringLiteral("lz0"), QStringLiteral("a"), QStringLiteral("b")}));
    auto *r = static_cast<TRechteck *>(u.dokument.Teile.at(0).get());
    EXPECT_EQ(r->Linienart, 0); // unknown words read as the first value
    EXPECT_EQ(r->MausGesperrt, 0);
}

TEST(Dokumentdatei, JedeKlasseMitAllenAttributenHinUndZurueck)
{
    Umgebung u;
    u.dokument.Hintergrundfarbe = TFarbe::Echt(FarbWert(255, 255, 153));
    u.dokument.ObjektdiagrammZusammengefaltet = true;
    u.dokument.Passwort = QStringLiteral("Größe#1\"");
    u.dokument.MausGesperrt = 1;
    const auto figur = [](TZeichenObjekt *f, int i) {
        f->Füllfarbe = i % 2 ? TFarbe::Unsichtbar() : TFarbe::Echt(FarbWert(0, 128, 128));
        f->Linienfarbe = TFarbe::Echt(FarbWert(153, 51, 102));
        f->Linienstärke = 0.125 * (i + 1);
        f->Linienart = std::uint8_t(2 + i % 4);
        f->MitteX = 1.5 + i;
        f->MitteY = -2.25 - i;
        f->MausGesperrt = i % 2;
        f->TastaturGesperrt = 1 - i % 2;
    };
    auto *r = u.neu<TRechteck>("RECHTECK", "Haus");
    figur(r, 0);
    r->Breite = 3.3;
    r->Länge = 4.4;
    r->Winkel = 12.5;
    auto *e = u.neu<TEllipse>("ELLIPSE", "el4");
    figur(e, 1);
    e->Länge = 7;
    e->Breite = 0.5;
    e->Winkel = -45;
    auto *l = u.neu<TLinie>("LINIE", "li2");
    figur(l, 2);
    l->Punkt1X = 0.1;
    l->Punkt1Y = 0.2;
    l->Punkt2X = 1e-7;
    l->Punkt2Y = 123456.789;
    auto *z = u.neu<TLinienZug>("LINIENZUG", "lz1");
    figur(z, 3);
    z->Geschlossen = 1;
    z->ObjektdiagrammZusammengefaltet = false;
    for (int i = 0; i < 4; ++i) {
        auto *p = u.neu<TLinienZugPunkt>("PUNKT", QStringLiteral("lp%1").arg(i + 3).toLatin1().constData(), z);
        p->X = i * 1.5;
        p->Y = (i % 2) * 2.0;
        p->AbschnittArt = i % 2;
        p->TastaturGesperrt = 1;
    }
    auto *v = u.neu<TVielEck>("VIELECK", "ve0");
    figur(v, 4);
    v->Länge = 2;
    v->Breite = 3;
    v->Winkel = 90;
    v->Eckenzahl = 5;
    auto *g = u.neu<TGruppe>("GRUPPE", "gr0");
    figur(g, 5);
    g->ObjektdiagrammZusammengefaltet = true;
    figur(u.neu<TRechteck>("RECHTECK", "re9", g), 6);
    figur(u.neu<TLinie>("LINIE", "li9", g), 7);
    auto *t = u.neu<TTextFeld>("TEXTFELD", "Schild");
    figur(t, 8);
    t->Breite = 2;
    t->Länge = 5;
    t->Winkel = 10;
    t->Schriftart = QStringLiteral("Courier New");
    t->Schriftgröße = 18;
    t->Fett = 1;
    t->Kursiv = 1;
    t->Ausrichtung = Werte::AusrichtungZentriert;
    t->Text = QStringLiteral("Hallo\n\rWelt <&> \"#\" €");
    t->Schriftfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    for (int i = 0; i < 8; ++i)
        u.klassen.Klassen()[std::size_t(i + 1)]->Zaehler = 10 + i;
    // The program keeps every figure's derived geometry up to date.
    for (auto &f : u.dokument.Teile) {
        f->GeometrieBerechnen();
        if (auto *zug = dynamic_cast<TLinienZug *>(f.get()))
            zug->RahmenZuruecksetzen();
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("alles.fgo"));
    QString meldung = QStringLiteral("x");
    ASSERT_TRUE(DokumentSpeichern(pfad, u.dokument, u.klassen, meldung));
    EXPECT_TRUE(meldung.isEmpty());

    Umgebung w;
    bool mitPasswort = false;
    ASSERT_TRUE(DokumentOeffnen(pfad, w.dokument, w.klassen, meldung, &mitPasswort)) << meldung.toStdString();
    EXPECT_TRUE(mitPasswort);
    // Byte for byte the same file again.
    EXPECT_EQ(w.bytes(), u.bytes());
    EXPECT_EQ(w.zaehler(), (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(w.namen(), u.namen());

    EXPECT_EQ(w.dokument.Hintergrundfarbe, TFarbe::Echt(FarbWert(255, 255, 153)));
    EXPECT_TRUE(w.dokument.ObjektdiagrammZusammengefaltet);
    EXPECT_EQ(w.dokument.Passwort, QStringLiteral("Größe#1\""));
    EXPECT_EQ(w.dokument.MausGesperrt, 1);
    ASSERT_EQ(w.dokument.Teile.size(), 7u);
    auto *r2 = dynamic_cast<TRechteck *>(w.dokument.Teile[0].get());
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(r2->Füllfarbe, TFarbe::Echt(FarbWert(0, 128, 128)));
    EXPECT_EQ(r2->Linienfarbe, TFarbe::Echt(FarbWert(153, 51, 102)));
    EXPECT_EQ(r2->Linienart, 2);
    EXPECT_EQ(r2->TastaturGesperrt, 1);
    EXPECT_EQ(r2->Breite, 3.3);
    EXPECT_EQ(r2->Winkel, 12.5);
    auto *l2 = dynamic_cast<TLinie *>(w.dokument.Teile[2].get());
    ASSERT_NE(l2, nullptr);
    EXPECT_EQ(l2->Punkt2X, 1e-7);
    EXPECT_EQ(l2->Punkt2Y, 123456.789);
    auto *z2 = dynamic_cast<TLinienZug *>(w.dokument.Teile[3].get());
    ASSERT_NE(z2, nullptr);
    EXPECT_EQ(z2->Geschlossen, 1);
    EXPECT_FALSE(z2->ObjektdiagrammZusammengefaltet);
    ASSERT_EQ(z2->PunktAnzahl(), 4);
    EXPECT_EQ(z2->Punkt(3)->AbschnittArt, 1);
    EXPECT_EQ(z2->Punkt(3)->TastaturGesperrt, 1);
    auto *v2 = dynamic_cast<TVielEck *>(w.dokument.Teile[4].get());
    ASSERT_NE(v2, nullptr);
    EXPECT_EQ(v2->Eckenzahl, 5);
    auto *g2 = dynamic_cast<TGruppe *>(w.dokument.Teile[5].get());
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->Teile.size(), 2u);
    EXPECT_TRUE(g2->ObjektdiagrammZusammengefaltet);
    auto *t2 = dynamic_cast<TTextFeld *>(w.dokument.Teile[6].get());
    ASSERT_NE(t2, nullptr);
    EXPECT_EQ(t2->Schriftart, QStringLiteral("Courier New"));
    EXPECT_EQ(t2->Schriftgröße, 18);
    EXPECT_EQ(t2->Fett, 1);
    EXPECT_EQ(t2->Kursiv, 1);
    EXPECT_EQ(t2->Ausrichtung, Werte::AusrichtungZentriert);
    EXPECT_EQ(t2->Text, QStringLiteral("Hallo\n\rWelt <&> \"#\" €"));
    EXPECT_EQ(t2->Schriftfarbe, TFarbe::Echt(FarbWert(255, 0, 0)));
}

TEST(Dokumentdatei, FehlerhafteDateiLaesstDasOffeneDokumentUnveraendert)
{
    Umgebung u;
    auto *r = u.neu<TRechteck>("RECHTECK", "re0");
    r->MitteX = 4;
    u.neu<TGruppe>("GRUPPE", "gr0");
    u.dokument.Passwort = QStringLiteral("alt");
    u.dokument.Hintergrundfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    u.klassen.RECHTECK->Zaehler = 1;
    u.klassen.GRUPPE->Zaehler = 1;
    const QByteArray vorher = u.bytes();
    const std::size_t protokoll = u.analysator.Protokoll().size();

    const auto pruefe = [&](const QByteArray &datei, const QString &erwartet) {
        QString meldung;
        EXPECT_FALSE(u.lade(datei, &meldung));
        EXPECT_EQ(meldung, erwartet);
        EXPECT_EQ(u.bytes(), vorher);
        EXPECT_EQ(u.dokument.Teile.at(0).get(), r);
        EXPECT_EQ(u.analysator.Protokoll().size(), protokoll); // no release of half-read objects logged
        EXPECT_FALSE(u.analysator.Angehalten);
    };
    // A bad number deep inside the second figure, after good ones.
    pruefe(Datei(L1("<RECHTECK Name = \"neu\" MitteX = \"1\" >\r\n</RECHTECK>\r\n"
                    "<GRUPPE Name = \"g\" >\r\n<LINIENZUG >\r\n<PUNKT X = \"1\" >\r\n</PUNKT>\r\n"
                    "<PUNKT X = \"1,2x\" >\r\n</PUNKT>\r\n</LINIENZUG>\r\n</GRUPPE>\r\n")),
           QStringLiteral("Ungültige Zahl: 1,2x"));
    pruefe(Datei(L1("<VIELECK Eckenanzahl = \"6.5\" >\r\n</VIELECK>\r\n")), QStringLiteral("Ungültige Zahl: 6.5"));
    pruefe(Datei(L1("<ELLIPSE RadiusX = \"1e999\" >\r\n</ELLIPSE>\r\n")), QStringLiteral("Ungültige Zahl: 1e999"));
    pruefe(Datei(L1("<LINIE Punkt1X = \"nan\" >\r\n</LINIE>\r\n")), QStringLiteral("Ungültige Zahl: nan"));
    pruefe(Datei(L1("<TEXTFELD Schriftgröße = \"groß\" >\r\n</TEXTFELD>\r\n")), QStringLiteral("Ungültige Zahl: groß"));
    // A bad counter.
    pruefe(Kopf + "<DOKUMENT >\r\n<KLASSENVERZEICHNIS GRUPPEz\xe4hler = \"x\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n",
           QStringLiteral("Ungültige Zahl: x"));
    // Syntax errors and truncated files.
    pruefe(Datei("<RECHTECK Name = \"x\" >\r\n</RECHTEC>\r\n"),
           QStringLiteral("Anfangstag(RECHTECK) und Ende-Tag(RECHTEC) stimmen nicht überein."));
    const QByteArray ganz = Datei("<RECHTECK >\r\n</RECHTECK>\r\n");
    pruefe(ganz.left(ganz.indexOf("</RECHTECK>")), QStringLiteral("Unerwartetes Dateiende."));
    pruefe(QByteArray(), QStringLiteral("Unerwartetes Dateiende."));

    // An unreadable file.
    QString meldung;
    EXPECT_FALSE(DokumentOeffnen(QStringLiteral("/gibt/es/nicht.fgo"), u.dokument, u.klassen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Fehler beim Öffnen der Datei."));
    EXPECT_EQ(u.bytes(), vorher);
}

TEST(Dokumentdatei, ErfolgreichesLadenErsetztDieFiguren)
{
    Umgebung u;
    u.neu<TRechteck>("RECHTECK", "alt1");
    u.neu<TRechteck>("RECHTECK", "alt2");
    ASSERT_TRUE(u.lade(Datei(L1("<ELLIPSE Name = \"el0\" >\r\n</ELLIPSE>\r\n"))));
    EXPECT_EQ(u.namen(), QStringList{QStringLiteral("el0")});
    EXPECT_EQ(u.dokument.Teile[0]->Besitzer, &u.dokument);
    EXPECT_EQ(u.dokument.Teile[0]->Dokument, &u.dokument);
    EXPECT_EQ(u.dokument.Teile[0]->Klasse, u.klassen.ELLIPSE);
}

TEST(Dokumentdatei, SpeichernScheitertOhneDieAlteDateiZuZerstoeren)
{
    Umgebung u;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString meldung;
    EXPECT_FALSE(DokumentSpeichern(dir.filePath(QStringLiteral("fehlt/x.fgo")), u.dokument, u.klassen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Fehler beim Öffnend er Datei."));

    const QString pfad = dir.filePath(QStringLiteral("d.fgo"));
    ASSERT_TRUE(DokumentSpeichern(pfad, u.dokument, u.klassen, meldung));
    u.neu<TRechteck>("RECHTECK", "re0");
    ASSERT_TRUE(DokumentSpeichern(pfad, u.dokument, u.klassen, meldung));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), u.bytes());
}

TEST(Dokumentdatei, TiefGeschachtelteGruppenMitBerechneterGeometrie)
{
    // 998 groups inside each other (with DOKUMENT and the rectangle that is
    // the deepest nesting a file may have), a rectangle at the bottom.
    const int tiefe = TXMLDOM::MaxTiefe - 2;
    QByteArray datei = Kopf + "<DOKUMENT >\r\n";
    for (int i = 0; i < tiefe; ++i)
        datei += "<GRUPPE MitteX = \"99\" >\r\n";
    datei += L1("<RECHTECK MitteX = \"3\" MitteY = \"4\" Breite = \"2\" Länge = \"6\" Winkel = \"0\" >\r\n</RECHTECK>\r\n");
    for (int i = 0; i < tiefe; ++i)
        datei += "</GRUPPE>\r\n";
    datei += "</DOKUMENT>\r\n";

    Umgebung u;
    QString meldung;
    ASSERT_TRUE(u.lade(datei, &meldung)) << meldung.toStdString();
    // Every group's box is the rectangle's, whatever the file said.
    int gruppen = 0;
    for (TObjekt *o = u.dokument.Teile.at(0).get(); o->KlassenId == KlasseGruppe; o = o->Teile.at(0).get()) {
        auto *g = static_cast<TGruppe *>(o);
        ASSERT_DOUBLE_EQ(g->MitteX, 3) << gruppen;
        ASSERT_DOUBLE_EQ(g->Länge, 6) << gruppen;
        ASSERT_DOUBLE_EQ(g->Breite, 2) << gruppen;
        ++gruppen;
    }
    EXPECT_EQ(gruppen, tiefe);
    // Generated names all the way down, and the file writes back.
    EXPECT_EQ(u.klassen.GRUPPE->Zaehler, tiefe);
    const QByteArray zurueck = u.bytes();
    Umgebung v;
    ASSERT_TRUE(v.lade(zurueck));
    EXPECT_EQ(v.bytes(), zurueck);

    // One level more is refused and changes nothing.
    datei.replace("<DOKUMENT >\r\n", "<DOKUMENT >\r\n<GRUPPE >\r\n");
    EXPECT_FALSE(v.lade(datei, &meldung));
    EXPECT_EQ(meldung, QStringLiteral("Die Datei ist zu tief verschachtelt."));
    EXPECT_EQ(v.bytes(), zurueck);
}

TEST(Dokumentdatei, JedesAbgeschnitteneOderVerfaelschteDokumentAllesOderNichts)
{
    // A real file with every class, read from the seed corpus of the fuzzer.
    QFile f(QStringLiteral(FIGURO_SOURCE_DIR "/fuzz/corpus/xml/alle_klassen.fgo"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray echt = f.readAll();

    Umgebung u;
    auto *r = u.neu<TRechteck>("RECHTECK", "bleibt");
    r->Breite = 5;
    u.klassen.ELLIPSE->Zaehler = 3;
    u.dokument.Passwort = QStringLiteral("alt");
    const QByteArray vorher = u.bytes();

    const qsizetype ende = echt.lastIndexOf("</DOKUMENT>");
    ASSERT_GT(ende, 0);
    for (qsizetype n = 0; n < ende; n += 7) {
        QString meldung;
        ASSERT_FALSE(u.lade(echt.left(n), &meldung)) << n;
        ASSERT_FALSE(meldung.isEmpty()) << n;
        ASSERT_EQ(u.bytes(), vorher) << n;
    }
    // Digits turned into letters: a number somewhere cannot be converted.
    QByteArray verfaelscht = echt;
    const qsizetype stelle = verfaelscht.indexOf("Eckenanzahl = \"5\"");
    ASSERT_GT(stelle, 0);
    verfaelscht[stelle + 15] = 'f';
    QString meldung;
    EXPECT_FALSE(u.lade(verfaelscht, &meldung));
    EXPECT_EQ(meldung, QStringLiteral("Ungültige Zahl: f"));
    EXPECT_EQ(u.bytes(), vorher);

    ASSERT_TRUE(u.lade(echt));
    EXPECT_NE(u.bytes(), vorher);
    EXPECT_EQ(u.dokument.Teile.size(), 7u);
}
