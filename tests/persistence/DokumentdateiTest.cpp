// Document files: the exact bytes of every class, reading back, defaults,
// the class directory, names, passwords, and that a bad file changes nothing.
#include "persistence/Dokumentdatei.h"

#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"
#include "model/Werte.h"
#include "persistence/XMLDOM.h"
#include "teacher/Passwort.h"
#include "window/Befehle.h"

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
    for (QChar c : QString::fromUtf8(utf8))
        b.append(char(c.unicode() <= 0xFF ? c.unicode() : '?'));
    return b;
}

// A complete file with the given figures and all counters 0.
QByteArray Datei(const QByteArray &inhalt) { return Kopf + DokumentAnfang + inhalt + LeeresVerzeichnis + "</DOKUMENT>\r\n"; }

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    ~Umgebung() { analysator.Angehalten = true; }

    // A figure with white fill and a black solid 0.05 cm line.
    template <class T> T *neu(const char *klasse, const char *name, TObjekt *besitzer = nullptr)
    {
        auto o = klassen.ObjektErzeugen(QString::fromLatin1(klasse));
        o->Name = QString::fromLatin1(name);
        if (auto *f = dynamic_cast<TZeichenObjekt *>(o.get())) {
            f->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
            f->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
            f->Linienstärke = 0.05;
            f->Linienart = Werte::LinienartDurchgezogen;
        }
        return static_cast<T *>((besitzer ? besitzer : &dokument)->TeilAnhaengen(std::move(o)));
    }

    // Centre, length (along x), width and angle of a box figure.
    static void kasten(TRechteckArt *f, double x, double y, double laenge, double breite, double winkel = 0)
    {
        f->MitteX = x;
        f->MitteY = y;
        f->Länge = laenge;
        f->Breite = breite;
        f->Winkel = winkel;
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

    template <class T = TObjekt> T *teil(std::size_t i) const { return dynamic_cast<T *>(dokument.Teile.at(i).get()); }

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

} // namespace

TEST(Dokumentdatei, NeuesLeeresDokument)
{
    Umgebung u;
    EXPECT_EQ(u.bytes(), Kopf + DokumentAnfang + LeeresVerzeichnis + "</DOKUMENT>\r\n");
}

// Every class with its attributes in the fixed order, optional attributes
// only where they differ from the default, and the same bytes again after
// saving and opening the file.
TEST(Dokumentdatei, JedeKlasseWoertlichUndZurueck)
{
    Umgebung u;
    u.dokument.Hintergrundfarbe = TFarbe::Echt(FarbWert(255, 255, 153));
    u.dokument.ObjektdiagrammZusammengefaltet = true;
    u.dokument.Passwort = QStringLiteral("Größe#1\"");
    u.dokument.MausGesperrt = 1;

    auto *haus = u.neu<TRechteck>("RECHTECK", "Haus");
    haus->Füllfarbe = TFarbe::Echt(FarbWert(0, 128, 128));
    haus->Linienfarbe = TFarbe::Echt(FarbWert(153, 51, 102));
    haus->Linienstärke = 0.125;
    haus->Linienart = Werte::LinienartGepunktelt;
    haus->MausGesperrt = haus->TastaturGesperrt = 1;
    u.kasten(haus, 1.5, -2.25, 4.4, 3.3, 12.5);
    auto *el0 = u.neu<TEllipse>("ELLIPSE", "el0");
    el0->MausGesperrt = 1;
    u.kasten(el0, 0, 0, 7, 0.5, -45);
    auto *lz0 = u.neu<TLinienZug>("LINIENZUG", "lz0");
    lz0->Geschlossen = 1;
    lz0->ObjektdiagrammZusammengefaltet = false;
    const double xy[3][2] = {{1, 1}, {5, 2}, {3, 6}};
    for (int i = 0; i < 3; ++i) {
        auto *p = u.neu<TLinienZugPunkt>("PUNKT", QStringLiteral("lp%1").arg(i).toLatin1().constData(), lz0);
        p->X = xy[i][0];
        p->Y = xy[i][1];
        p->AbschnittArt = 0;
        p->TastaturGesperrt = i == 1;
    }
    auto *ve0 = u.neu<TVielEck>("VIELECK", "ve0");
    ve0->Linienart = Werte::LinienartBreitgestrichelt;
    u.kasten(ve0, 0, 0, 6, 5, 100.0 / 3.0);
    ve0->Eckenzahl = 7;
    auto *gr0 = u.neu<TGruppe>("GRUPPE", "gr0");
    gr0->ObjektdiagrammZusammengefaltet = true;
    auto *gr1 = u.neu<TGruppe>("GRUPPE", "gr1", gr0);
    gr1->ObjektdiagrammZusammengefaltet = false;
    auto *re2 = u.neu<TRechteck>("RECHTECK", "re2", gr1);
    re2->Füllfarbe = TFarbe::Unsichtbar();
    u.kasten(re2, 10, 10, 4, 2);
    auto *li1 = u.neu<TLinie>("LINIE", "li1", gr1);
    li1->TastaturGesperrt = 1;
    li1->Linienart = Werte::LinienartGestrichelt;
    li1->Punkt1X = 8;
    li1->Punkt1Y = 9;
    li1->Punkt2X = 12;
    li1->Punkt2Y = 13;
    u.kasten(u.neu<TEllipse>("ELLIPSE", "el1", gr0), 14, 10, 2, 2);
    auto *tf0 = u.neu<TTextFeld>("TEXTFELD", "Schild");
    u.kasten(tf0, 0, 0, 3, 1);
    tf0->Schriftart = QStringLiteral("Courier New");
    tf0->Schriftgröße = 18;
    tf0->Fett = tf0->Kursiv = 1;
    tf0->Ausrichtung = Werte::AusrichtungZentriert;
    tf0->Text = QStringLiteral("Zeile\n\rzwei \"#\" <&>'ü€"); // only CR, LF, " and # are escaped
    tf0->Schriftfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    auto *tf1 = u.neu<TTextFeld>("TEXTFELD", "tf1");
    tf1->Schriftart = QStringLiteral("Arial");
    tf1->Schriftgröße = 12;
    tf1->Fett = tf1->Kursiv = 0;
    tf1->Ausrichtung = Werte::AusrichtungLinksbuendig;
    tf1->Text.clear();
    tf1->Schriftfarbe = TFarbe::Echt(0);
    for (int i = 0; i < 8; ++i)
        u.klassen.Klassen()[std::size_t(i + 1)]->Zaehler = 10 + i;
    // The program keeps every figure's derived geometry up to date.
    for (auto &f : u.dokument.Teile) {
        f->GeometrieBerechnen();
        if (auto *zug = dynamic_cast<TLinienZug *>(f.get()))
            zug->RahmenZuruecksetzen();
    }

    const QByteArray standard = L1("Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" Linienstärke = \"0.05\" ");
    const QByteArray erwartet =
        Kopf + "<DOKUMENT Name = \"dokument1\" BearbeitenMitMaus = \"nicht_erlaubt\" Hintergrundfarbe = \"Farbe hellgelb\" "
               "ObjektdiagrammZusammengefaltet = \"wahr\" Passwort = \"" +
        PasswortVerschluesseln(QStringLiteral("Größe#1\"")).toLatin1() + "\" >\r\n" +
        L1("<RECHTECK Name = \"Haus\" BearbeitenMitMaus = \"nicht_erlaubt\" BearbeitenMitTastatur = \"nicht_erlaubt\" "
           "Füllfarbe = \"Farbe blaugrün\" Linienfarbe = \"Farbe pflaume\" Linienstärke = \"0.125\" "
           "Linienart = \"gepunktelt\" MitteX = \"1.5\" MitteY = \"-2.25\" Breite = \"3.3\" Länge = \"4.4\" "
           "Winkel = \"12.5\" >\r\n</RECHTECK>\r\n"
           "<ELLIPSE Name = \"el0\" BearbeitenMitMaus = \"nicht_erlaubt\" ") +
        standard + "MitteX = \"0\" MitteY = \"0\" RadiusX = \"3.5\" RadiusY = \"0.25\" Winkel = \"-45\" >\r\n</ELLIPSE>\r\n" +
        "<LINIENZUG Name = \"lz0\" " + standard +
        "MitteX = \"3\" MitteY = \"3.5\" geschlossen = \"wahr\" ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n"
        "<PUNKT Name = \"lp0\" X = \"1\" Y = \"1\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n"
        "<PUNKT Name = \"lp1\" BearbeitenMitTastatur = \"nicht_erlaubt\" X = \"5\" Y = \"2\" AbschnittArt = \"gerade\" >\r\n"
        "</PUNKT>\r\n"
        "<PUNKT Name = \"lp2\" X = \"3\" Y = \"6\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n"
        "</LINIENZUG>\r\n" +
        "<VIELECK Name = \"ve0\" " + standard +
        L1("Linienart = \"breitgestrichelt\" MitteX = \"0\" MitteY = \"0\" Länge = \"6\" Breite = \"5\" "
           "Winkel = \"33.3333333333333\" Eckenanzahl = \"7\" >\r\n</VIELECK>\r\n") +
        "<GRUPPE Name = \"gr0\" " + standard +
        L1("MitteX = \"11.5\" MitteY = \"11\" Breite = \"4\" Länge = \"7\" Winkel = \"0\" "
           "ObjektdiagrammZusammengefaltet = \"wahr\" >\r\n") +
        "<GRUPPE Name = \"gr1\" " + standard +
        L1("MitteX = \"10\" MitteY = \"11\" Breite = \"4\" Länge = \"4\" Winkel = \"0\" "
           "ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n") +
        L1("<RECHTECK Name = \"re2\" Füllfarbe = \"Unsichtbar\" Linienfarbe = \"Farbe schwarz\" Linienstärke = \"0.05\" "
           "MitteX = \"10\" MitteY = \"10\" Breite = \"2\" Länge = \"4\" Winkel = \"0\" >\r\n</RECHTECK>\r\n") +
        "<LINIE Name = \"li1\" BearbeitenMitTastatur = \"nicht_erlaubt\" " + standard +
        "Linienart = \"gestrichelt\" MitteX = \"10\" MitteY = \"11\" Punkt1X = \"8\" Punkt1Y = \"9\" Punkt2X = \"12\" "
        "Punkt2Y = \"13\" >\r\n"
        "</LINIE>\r\n</GRUPPE>\r\n" +
        "<ELLIPSE Name = \"el1\" " + standard +
        "MitteX = \"14\" MitteY = \"10\" RadiusX = \"1\" RadiusY = \"1\" Winkel = \"0\" >\r\n</ELLIPSE>\r\n</GRUPPE>\r\n" +
        "<TEXTFELD Name = \"Schild\" " + standard +
        L1("MitteX = \"0\" MitteY = \"0\" Breite = \"1\" Länge = \"3\" Winkel = \"0\" Schriftart = \"Courier New\" "
           "Schriftgröße = \"18\" Fett = \"wahr\" Kursiv = \"wahr\" Ausrichtung = \"zentriert\" "
           "Text = \"Zeile#10 #13 zwei #34 #35 #34  <&>'ü") +
        "\x80\" Schriftfarbe = \"Farbe rot\" >\r\n</TEXTFELD>\r\n" +
        "<TEXTFELD Name = \"tf1\" " + standard +
        L1("MitteX = \"0\" MitteY = \"0\" Breite = \"0\" Länge = \"0\" Winkel = \"0\" >\r\n</TEXTFELD>\r\n") +
        "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"10\" ELLIPSEz\xe4hler = \"11\" LINIEz\xe4hler = \"12\" "
        "LINIENZUGz\xe4hler = \"13\" VIELECKz\xe4hler = \"14\" PUNKTz\xe4hler = \"15\" GRUPPEz\xe4hler = \"16\" "
        "TEXTFELDz\xe4hler = \"17\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n";
    ASSERT_EQ(u.bytes(), erwartet);
    EXPECT_FALSE(erwartet.contains(L1("Größe"))); // the password is not stored readable

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
    EXPECT_EQ(w.dokument.Passwort, QStringLiteral("Größe#1\""));
    EXPECT_EQ(w.bytes(), erwartet);
    // Every object read back belongs to its parent and to the document.
    std::function<void(const TObjekt &)> pruefen = [&](const TObjekt &o) {
        for (const auto &t : o.Teile) {
            EXPECT_EQ(t->Besitzer, &o) << t->Name.toStdString();
            EXPECT_EQ(t->Dokument, &w.dokument) << t->Name.toStdString();
            EXPECT_EQ(t->Klasse, w.klassen.Klassen().at(std::size_t(t->KlassenId)));
            pruefen(*t);
        }
    };
    pruefen(w.dokument);
    EXPECT_EQ(w.namen(), u.namen());
}

// Values missing in a file: the class prototype's for colours, sizes and the
// corner count, fixed defaults for line style, locks and every text
// attribute. A successful load replaces the figures.
TEST(Dokumentdatei, FehlendeWerteUndErsetzteFiguren)
{
    Umgebung u;
    u.neu<TRechteck>("RECHTECK", "alt1");
    u.neu<TRechteck>("RECHTECK", "alt2");
    // A new text field is justified; a file without "Ausrichtung" means left-aligned.
    EXPECT_EQ(static_cast<TTextFeld *>(u.klassen.TEXTFELD)->Ausrichtung, Werte::AusrichtungBlocksatz);
    auto *proto = static_cast<TVielEck *>(u.klassen.VIELECK);
    proto->Füllfarbe = TFarbe::Echt(FarbWert(255, 0, 0));
    proto->Linienstärke = 0.3;
    proto->Linienart = Werte::LinienartGestrichelt;
    proto->MausGesperrt = 1;
    ASSERT_TRUE(u.lade(Datei(L1("<VIELECK Name = \"ve0\" Länge = \"2\" >\r\n</VIELECK>\r\n"
                                "<TEXTFELD Name = \"tf3\" >\r\n</TEXTFELD>\r\n"))));
    EXPECT_EQ(u.namen(), (QStringList{"ve0", "tf3"}));
    auto *v = u.teil<TVielEck>(0);
    auto *t = u.teil<TTextFeld>(1);
    ASSERT_TRUE(v && t);
    EXPECT_EQ(std::tuple(v->Füllfarbe, v->Linienstärke, v->Eckenzahl, v->Länge, v->Linienart, v->MausGesperrt),
              std::tuple(TFarbe::Echt(FarbWert(255, 0, 0)), 0.3, 6, 2.0, Werte::LinienartDurchgezogen, 0));
    EXPECT_EQ(std::tuple(t->Schriftart, t->Schriftgröße, t->Fett, t->Kursiv, t->Ausrichtung, t->Text, t->Schriftfarbe),
              std::tuple(QStringLiteral("Arial"), 12, 0, 0, Werte::AusrichtungLinksbuendig, QString(), TFarbe::Echt(0)));
}

// Whatever the file says about the centre, a polyline's frame is the
// bounding box of its vertices with angle 0 after loading.
TEST(Dokumentdatei, LinienzugRahmenNachDemLaden)
{
    Umgebung u;
    ASSERT_TRUE(u.lade(Datei(L1("<LINIENZUG Name = \"lz0\" MitteX = \"99\" MitteY = \"-99\" >\r\n"
                                "<PUNKT Name = \"lp0\" X = \"1\" Y = \"1\" >\r\n</PUNKT>\r\n"
                                "<PUNKT Name = \"lp1\" X = \"5\" Y = \"2\" >\r\n</PUNKT>\r\n"
                                "<PUNKT Name = \"lp2\" X = \"3\" Y = \"6\" AbschnittArt = \"gekrümmt\" >\r\n</PUNKT>\r\n"
                                "</LINIENZUG>\r\n"))));
    auto *z = u.teil<TLinienZug>(0);
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(z->PunktAnzahl(), 3);
    EXPECT_EQ(std::tuple(z->Punkt(1)->X, z->Punkt(2)->Y, z->Punkt(1)->AbschnittArt, z->Punkt(2)->AbschnittArt),
              std::tuple(5.0, 6.0, 0, 1));
    // Integral coordinates: the frame is exact.
    EXPECT_EQ(std::tuple(z->MitteX, z->MitteY, z->Länge, z->Breite, z->Winkel), std::tuple(3.0, 3.5, 4.0, 5.0, 0.0));
    EXPECT_TRUE(u.bytes().contains(L1("<PUNKT Name = \"lp2\" X = \"3\" Y = \"6\" AbschnittArt = \"gekrümmt\" >\r\n")));
}

// winkelSetzen on a polyline or a group means "set": the same call twice
// turns once, the attribute shows the angle, and after saving and opening
// the same call turns nothing and 0 turns back. A file without the angle
// (all files written before) reads as 0.
TEST(Dokumentdatei, WinkelVonLinienzugUndGruppeBleibtNachDemOeffnenGesetzt)
{
    const QByteArray linienzug = L1("<LINIENZUG Name = \"lz0\" >\r\n"
                                    "<PUNKT Name = \"lp0\" X = \"0\" Y = \"0\" >\r\n</PUNKT>\r\n"
                                    "<PUNKT Name = \"lp1\" X = \"4\" Y = \"0\" >\r\n</PUNKT>\r\n"
                                    "<PUNKT Name = \"lp2\" X = \"4\" Y = \"2\" >\r\n</PUNKT>\r\n</LINIENZUG>\r\n");
    const QByteArray gruppe = L1("<GRUPPE Name = \"gr0\" Winkel = \"0\" >\r\n"
                                 "<RECHTECK Name = \"re0\" MitteX = \"1\" MitteY = \"1\" Breite = \"2\" Länge = \"2\" >\r\n</RECHTECK>\r\n"
                                 "<RECHTECK Name = \"re1\" MitteX = \"5\" MitteY = \"1\" Breite = \"2\" Länge = \"4\" >\r\n</RECHTECK>\r\n"
                                 "</GRUPPE>\r\n");
    auto setzen = [](TObjekt *o, double w) {
        TDataListe p;
        p.push_back(std::make_unique<TData>(w, ArtWinkel));
        QString meldung;
        o->MethodeAusfuehren(MWinkelSetzen, p, meldung, nullptr);
        EXPECT_EQ(meldung, QString());
    };
    auto winkel = [](const TObjekt *o) { return o->AttributWert(AWinkel)->Zahl(); };
    auto kasten = [](const TZeichenObjekt *f) {
        const TUmgebungsrechteck &r = f->Umgebungsrechteck;
        return std::vector<double>{r.Links, r.Unten, r.Rechts, r.Oben};
    };
    auto gleich = [](const std::vector<double> &a, const std::vector<double> &b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            EXPECT_NEAR(a[i], b[i], 1e-9) << i;
    };
    for (const QByteArray &figur : {linienzug, gruppe}) {
        SCOPED_TRACE(figur.left(10).toStdString());
        Umgebung u;
        ASSERT_TRUE(u.lade(Datei(figur)));
        auto *f = u.teil<TZeichenObjekt>(0);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(winkel(f), 0.0);
        const std::vector<double> anfang = kasten(f);
        setzen(f, 90);
        const std::vector<double> einmal = kasten(f);
        setzen(f, 90);
        gleich(kasten(f), einmal);
        EXPECT_NEAR(winkel(f), 90.0, 1e-12);
        EXPECT_NEAR(einmal[2] - einmal[0], anfang[3] - anfang[1], 1e-9); // turned a quarter
        const QByteArray gespeichert = u.bytes();
        EXPECT_TRUE(gespeichert.contains(" Winkel = \"90\" ")) << gespeichert.constData();

        Umgebung v;
        ASSERT_TRUE(v.lade(gespeichert));
        auto *g = v.teil<TZeichenObjekt>(0);
        ASSERT_NE(g, nullptr);
        EXPECT_NEAR(winkel(g), 90.0, 1e-12);
        gleich(kasten(g), einmal);
        setzen(g, 90);
        gleich(kasten(g), einmal);
        EXPECT_EQ(v.bytes(), gespeichert);
        setzen(g, 0);
        gleich(kasten(g), anfang);
    }
    // Never turned: the same bytes as before the angle was kept.
    Umgebung u;
    ASSERT_TRUE(u.lade(Datei(linienzug + gruppe)));
    const QByteArray b = u.bytes();
    const qsizetype zeile = b.indexOf("<LINIENZUG ");
    ASSERT_GE(zeile, 0);
    EXPECT_FALSE(b.mid(zeile, b.indexOf("\r\n", zeile) - zeile).contains("Winkel"));
    EXPECT_EQ(b.count(" Winkel = \"0\" "), 3); // the group and its two rectangles
}

// Values the methods refuse are brought into their ranges when a file is
// read, and saved so; upper-case digits of a stored password read as the
// digits they are.
TEST(Dokumentdatei, WerteAusserhalbDerSetzerWerdenBeimLesenEingegrenzt)
{
    const struct {
        const char *element;
        int erwartet;
        const char *geschrieben;
    } faelle[] = {
        {"<VIELECK Name = \"ve0\" Eckenanzahl = \"2\" >\r\n</VIELECK>\r\n", 3, "Eckenanzahl = \"3\""},
        {"<VIELECK Name = \"ve0\" Eckenanzahl = \"-7\" >\r\n</VIELECK>\r\n", 3, "Eckenanzahl = \"3\""},
        {"<VIELECK Name = \"ve0\" Eckenanzahl = \"5000\" >\r\n</VIELECK>\r\n", 1000, "Eckenanzahl = \"1000\""},
        {"<VIELECK Name = \"ve0\" Eckenanzahl = \"7\" >\r\n</VIELECK>\r\n", 7, "Eckenanzahl = \"7\""},
        {"<TEXTFELD Name = \"tf0\" Schriftgröße = \"0\" >\r\n</TEXTFELD>\r\n", 1, "Schriftgröße = \"1\""},
        {"<TEXTFELD Name = \"tf0\" Schriftgröße = \"-3\" >\r\n</TEXTFELD>\r\n", 1, "Schriftgröße = \"1\""},
        {"<TEXTFELD Name = \"tf0\" Schriftgröße = \"2000\" >\r\n</TEXTFELD>\r\n", 1000, "Schriftgröße = \"1000\""},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.element);
        Umgebung u;
        ASSERT_TRUE(u.lade(Datei(L1(fall.element))));
        const TObjekt *o = u.teil(0);
        ASSERT_NE(o, nullptr);
        const int id = o->KlassenId == KlasseVielEck ? AEckenzahl : ASchriftgroesse;
        EXPECT_EQ(o->AttributWert(id)->Ganzzahl(), fall.erwartet);
        EXPECT_TRUE(u.bytes().contains(L1(fall.geschrieben)));
    }

    Umgebung u;
    const QByteArray gross = PasswortVerschluesseln(QStringLiteral("Tafel")).toUpper().toLatin1();
    ASSERT_NE(gross, gross.toLower());
    ASSERT_TRUE(u.lade(Kopf + "<DOKUMENT Name = \"dokument1\" Passwort = \"" + gross + "\" >\r\n</DOKUMENT>\r\n"));
    EXPECT_EQ(u.dokument.Passwort, QStringLiteral("Tafel"));
    EXPECT_TRUE(u.bytes().contains("Passwort = \"" + gross.toLower() + "\""));
}

// The root's name is not checked; a missing class directory sets every
// counter to 0, a partial one the named counters and 0 for the rest; a file
// without a password clears the open document's.
TEST(Dokumentdatei, WurzelnameKlassenverzeichnisUndPasswort)
{
    Umgebung u;
    for (TObjekt *k : u.klassen.Klassen())
        k->Zaehler = 7;
    u.dokument.Passwort = QStringLiteral("alt");
    bool mitPasswort = true;
    ASSERT_TRUE(u.lade(Kopf + "<ZEICHNUNG Name = \"dokument1\" >\r\n<RECHTECK Name = \"re0\" >\r\n</RECHTECK>\r\n"
                              "</ZEICHNUNG>\r\n",
                       nullptr, &mitPasswort));
    EXPECT_FALSE(mitPasswort);
    EXPECT_TRUE(u.dokument.Passwort.isEmpty());
    EXPECT_EQ(u.namen(), QStringList{"re0"});
    EXPECT_EQ(u.zaehler(), std::vector<int>(8, 0));

    u.klassen.GRUPPE->Zaehler = 9;
    ASSERT_TRUE(u.lade(Kopf + "<DOKUMENT >\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"3\" LINIEz\xe4hler = \"12\" "
                              "TEXTFELDz\xe4hler = \"1\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n"));
    // RECHTECK ELLIPSE LINIE LINIENZUG VIELECK PUNKT GRUPPE TEXTFELD
    EXPECT_EQ(u.zaehler(), (std::vector<int>{3, 0, 12, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(u.dokument.Teile.empty());
}

TEST(Dokumentdatei, ObjekteOhneNamenBekommenNachDenZaehlernEinen)
{
    Umgebung u;
    ASSERT_TRUE(u.lade(Kopf + DokumentAnfang +
                       "<RECHTECK >\r\n</RECHTECK>\r\n<RECHTECK Name = \"\" >\r\n</RECHTECK>\r\n"
                       "<RECHTECK Name = \"re1\" >\r\n</RECHTECK>\r\n"
                       "<LINIENZUG >\r\n<PUNKT X = \"1\" >\r\n</PUNKT>\r\n<PUNKT Name = \"p\" X = \"2\" >\r\n</PUNKT>\r\n"
                       "</LINIENZUG>\r\n"
                       "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"5\" LINIENZUGz\xe4hler = \"2\" PUNKTz\xe4hler = \"10\" >\r\n"
                       "</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n"));
    EXPECT_EQ(u.namen(), (QStringList{"re5", "re6", "re1", "lz2", "lp10", "p"}));
    EXPECT_EQ(u.klassen.RECHTECK->Zaehler, 7);
    EXPECT_EQ(u.klassen.PUNKT->Zaehler, 11);
    EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("RE6")), u.dokument.Teile[1].get());
}

// Counters that could not give a new, typeable name are read as 0, and the
// name generator skips the names in use: before, 0 gave a second "re0",
// -3 gave "re-3" and 2147483647 overflowed.
TEST(Dokumentdatei, UnbrauchbareZaehlerGebenNeueTippbareNamen)
{
    for (const char *zaehler : {"0", "-3", "2147483647"}) {
        SCOPED_TRACE(zaehler);
        Umgebung u;
        ASSERT_TRUE(u.lade(Kopf + DokumentAnfang +
                           "<RECHTECK Name = \"re0\" >\r\n</RECHTECK>\r\n<RECHTECK Name = \"re2\" >\r\n</RECHTECK>\r\n"
                           "<RECHTECK >\r\n</RECHTECK>\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"" +
                           zaehler + "\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n"));
        // The unnamed one got the first free name, the next ones follow.
        EXPECT_EQ(u.namen(), (QStringList{"re0", "re2", "re1"}));
        QStringList neue;
        for (int i = 0; i < 2; ++i) {
            auto o = u.klassen.ObjektErzeugen(QStringLiteral("RECHTECK"));
            o->NamenVergeben();
            neue << o->Name;
            u.dokument.TeilAnhaengen(std::move(o));
        }
        EXPECT_EQ(neue, (QStringList{"re3", "re4"}));
        EXPECT_EQ(u.klassen.RECHTECK->Zaehler, 5);
        EXPECT_EQ(u.dokument.FindeObjekt(QStringLiteral("re3")), u.dokument.Teile[3].get());
    }
}

// Unknown elements, sub-objects in the wrong place, incomplete polylines and
// groups, and unknown attribute words are passed over.
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
    EXPECT_EQ(u.namen(), (QStringList{"re0", "gr0", "li0", "lz0", "a", "b"}));
    auto *r = u.teil<TRechteck>(0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Linienart, 0); // unknown words read as the first value
    EXPECT_EQ(r->MausGesperrt, 0);
}

// All or nothing: a file that fails anywhere leaves figures, counters,
// password and call log as they were.
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

    const struct {
        QByteArray datei;
        const char *meldung;
    } faelle[] = {
        // A bad number deep inside the second figure, after good ones.
        {Datei(L1("<RECHTECK Name = \"neu\" MitteX = \"1\" >\r\n</RECHTECK>\r\n"
                  "<GRUPPE Name = \"g\" >\r\n<LINIENZUG >\r\n<PUNKT X = \"1\" >\r\n</PUNKT>\r\n"
                  "<PUNKT X = \"1,2x\" >\r\n</PUNKT>\r\n</LINIENZUG>\r\n</GRUPPE>\r\n")),
         "Ungültige Zahl: 1,2x"},
        {Datei("<VIELECK Eckenanzahl = \"6.5\" >\r\n</VIELECK>\r\n"), "Ungültige Zahl: 6.5"},
        {Datei("<ELLIPSE RadiusX = \"1e999\" >\r\n</ELLIPSE>\r\n"), "Ungültige Zahl: 1e999"},
        {Datei("<LINIE Punkt1X = \"nan\" >\r\n</LINIE>\r\n"), "Ungültige Zahl: nan"},
        {Datei(L1("<TEXTFELD Schriftgröße = \"groß\" >\r\n</TEXTFELD>\r\n")), "Ungültige Zahl: groß"},
        {Kopf + "<DOKUMENT >\r\n<KLASSENVERZEICHNIS GRUPPEz\xe4hler = \"x\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n",
         "Ungültige Zahl: x"},
        {Datei("<RECHTECK Name = \"x\" >\r\n</RECHTEC>\r\n"),
         "Anfangstag(RECHTECK) und Ende-Tag(RECHTEC) stimmen nicht überein."},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.meldung);
        QString meldung;
        EXPECT_FALSE(u.lade(f.datei, &meldung));
        EXPECT_EQ(meldung, QString::fromUtf8(f.meldung));
        EXPECT_EQ(u.bytes(), vorher);
        EXPECT_EQ(u.dokument.Teile.at(0).get(), r);
        EXPECT_EQ(u.analysator.Protokoll().size(), protokoll); // no release of half-read objects logged
        EXPECT_FALSE(u.analysator.Angehalten);
    }
    QString meldung;
    EXPECT_FALSE(DokumentOeffnen(QStringLiteral("/gibt/es/nicht.fgo"), u.dokument, u.klassen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Fehler beim Öffnen der Datei."));
    EXPECT_EQ(u.bytes(), vorher);
}

TEST(Dokumentdatei, TiefGeschachtelteGruppenMitBerechneterGeometrie)
{
    // 998 groups inside each other (with DOKUMENT and the rectangle the
    // deepest nesting a file may have; one more is refused by the reader).
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
    for (TObjekt *o = u.teil(0); o->KlassenId == KlasseGruppe; o = o->Teile.at(0).get()) {
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
}

// Cut anywhere (bad numbers are in the table above), a real file fails
// and leaves the open document exactly as it was.
TEST(Dokumentdatei, JedesAbgeschnitteneDokumentAllesOderNichts)
{
    // A real file with every class, read from the seed corpus of the fuzzer.
    QFile f(QStringLiteral(FIGURO_SOURCE_DIR "/fuzz/corpus/xml/alle_klassen.fgo"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray echt = f.readAll();

    Umgebung u;
    u.neu<TRechteck>("RECHTECK", "bleibt")->Breite = 5;
    u.klassen.ELLIPSE->Zaehler = 3;
    u.dokument.Passwort = QStringLiteral("alt");
    const QByteArray vorher = u.bytes();

    const qsizetype ende = echt.lastIndexOf("</DOKUMENT>");
    ASSERT_GT(ende, 0);
    for (qsizetype n = 0; n < ende; ++n) {
        QString meldung;
        ASSERT_FALSE(u.lade(echt.left(n), &meldung)) << n;
        ASSERT_FALSE(meldung.isEmpty()) << n;
        // Cut after a complete line: the end of the file.
        if (n > 0 && echt.at(n - 1) == '\n') {
            ASSERT_EQ(meldung, QStringLiteral("Unerwartetes Dateiende.")) << n;
        }
        ASSERT_EQ(u.bytes(), vorher) << n;
    }
    ASSERT_TRUE(u.lade(echt));
    EXPECT_EQ(u.dokument.Teile.size(), 7u);
}

// Grouping and `schlucken` build nothing the reader would refuse: at the
// limit the drawing saves and opens again, one level more is refused with
// a message and changes nothing (before, such a drawing saved and then
// could not be opened).
TEST(Dokumentdatei, GruppierenUndSchluckenBleibenLesbar)
{
    TArbeitsbereich ab;
    const auto neu = [&](const char *klasse, TObjekt *besitzer) {
        auto o = ab.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
        o->NamenVergeben();
        return static_cast<TZeichenObjekt *>(besitzer->TeilAnhaengen(std::move(o)));
    };
    // 997 groups inside each other around a rectangle: file levels 2 to 999.
    TZeichenObjekt *tief = neu("GRUPPE", &ab.Dokument());
    TObjekt *g = tief;
    for (int i = 1; i < 997; ++i)
        g = neu("GRUPPE", g);
    neu("RECHTECK", g);
    TZeichenObjekt *re = neu("RECHTECK", &ab.Dokument());
    TZeichenObjekt *huelle = neu("GRUPPE", &ab.Dokument());
    neu("ELLIPSE", huelle);
    ab.Dokument().AlleGeometrienBerechnen();

    const auto oeffnetWieder = [&] {
        TArbeitsbereich wieder;
        QString meldung;
        const QByteArray bytes = DokumentAlsBytes(ab.Dokument(), ab.Klassen());
        return DokumentAusBytes(bytes, wieder.Dokument(), wieder.Klassen(), meldung) &&
               DokumentAlsBytes(wieder.Dokument(), wieder.Klassen()) == bytes;
    };
    // One more group around it reaches level 1000: allowed.
    ab.Auswahl = {tief, re};
    QString meldung;
    TGruppe *aussen = befehle::Gruppieren(ab, re, &meldung);
    ASSERT_NE(aussen, nullptr) << meldung.toStdString();
    EXPECT_TRUE(oeffnetWieder());

    const QByteArray vorher = DokumentAlsBytes(ab.Dokument(), ab.Klassen());
    const QString zuTief =
        QStringLiteral("Die Gruppe wäre zu tief verschachtelt, um sie speichern und wieder öffnen zu können.");
    ab.Auswahl = {aussen, huelle};
    EXPECT_EQ(befehle::Gruppieren(ab, huelle, &meldung), nullptr);
    EXPECT_EQ(meldung, zuTief);
    const QString aufruf = huelle->Name + QStringLiteral(".schlucken(") + aussen->Name + QStringLiteral(")");
    const TAufrufErgebnis e = ab.AufrufAusfuehren(aufruf, int(aufruf.size()), nullptr);
    EXPECT_TRUE(e.Ausgefuehrt);
    EXPECT_EQ(e.Meldung, zuTief);
    EXPECT_EQ(DokumentAlsBytes(ab.Dokument(), ab.Klassen()), vorher);
    EXPECT_EQ(ab.Dokument().Teile.size(), 2u);
}
