// Document files: the exact bytes of every class, the class directory, names,
// passwords, and that a bad file changes nothing.
#include "persistence/Dokumentdatei.h"

#include "figures/KlassenObjekte.h"
#include "figures/UZeichenObjekte.h"
#include "language/Arbeitsbereich.h"
#include "model/Analysator.h"
#include "model/Dokument.h"
#include "model/Werte.h"
#include "teacher/Passwort.h"
#include "window/Befehle.h"

#include "druck_hilfen.h"

#include <gtest/gtest.h>

namespace
{

const QByteArray Kopf = "<?xml version = \"1.0\" ?>\r\n";
const QByteArray LeeresVerzeichnis =
    "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"0\" ELLIPSEz\xe4hler = \"0\" LINIEz\xe4hler = \"0\" "
    "LINIENZUGz\xe4hler = \"0\" VIELECKz\xe4hler = \"0\" PUNKTz\xe4hler = \"0\" GRUPPEz\xe4hler = "
    "\"0\" TEXTFELDz\xe4hler = \"0\" >\r\n</KLASSENVERZEICHNIS>\r\n";
const QByteArray DokumentAnfang = "<DOKUMENT Name = \"dokument1\" Hintergrundfarbe = \"Farbe "
                                  "wei\xdf\" ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n";

QByteArray L1(const char *utf8) // a line in Windows-1252 as Figuro writes it
{
    QByteArray b;
    for (QChar c : QString::fromUtf8(utf8))
        b.append(char(c.unicode() <= 0xFF ? c.unicode() : '?'));
    return b;
}

// A complete file with the given figures and all counters 0.
QByteArray Datei(const QByteArray &inhalt)
{
    return Kopf + DokumentAnfang + inhalt + LeeresVerzeichnis + "</DOKUMENT>\r\n";
}

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    ~Umgebung() { analysator.Angehalten = true; }

    // A figure with white fill and a black solid 0.05 cm line.
    template <class T> T *neu(const char *klasse, const char *name)
    {
        auto o = klassen.ObjektErzeugen(QString::fromLatin1(klasse));
        o->Name = QString::fromLatin1(name);
        auto *f = static_cast<TZeichenObjekt *>(o.get());
        f->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
        f->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
        f->Linienstärke = 0.05;
        f->Linienart = Werte::LinienartDurchgezogen;
        return static_cast<T *>(dokument.TeilAnhaengen(std::move(o)));
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

// The exact bytes; the root's name is not checked; a missing class directory sets every
// counter to 0, a partial one the named ones; a file without a password clears the open one's.
TEST(Dokumentdatei, WurzelnameKlassenverzeichnisUndPasswort)
{
    Umgebung u;
    // A new drawing, as Figuro starts with it.
    EXPECT_EQ(u.bytes(), Kopf + DokumentAnfang + LeeresVerzeichnis + "</DOKUMENT>\r\n");
    // Every class, attributes in the fixed order, optional ones only where they differ from
    // the default: read and written again, the same bytes; the password is not readable.
    const QByteArray standard =
        L1("Füllfarbe = \"Farbe weiß\" Linienfarbe = \"Farbe schwarz\" Linienstärke = \"0.05\" ");
    const QByteArray erwartet =
        Kopf +
        "<DOKUMENT Name = \"dokument1\" BearbeitenMitMaus = \"nicht_erlaubt\" Hintergrundfarbe = "
        "\"Farbe hellgelb\" ObjektdiagrammZusammengefaltet = \"wahr\" Passwort = \"" +
        PasswortVerschluesseln(QStringLiteral("Größe#1\"")).toLatin1() + "\" >\r\n" +
        L1("<RECHTECK Name = \"Haus\" BearbeitenMitMaus = \"nicht_erlaubt\" BearbeitenMitTastatur "
           "= \"nicht_erlaubt\" Füllfarbe = \"Farbe blaugrün\" Linienfarbe = \"Farbe pflaume\" "
           "Linienstärke = \"0.125\" Linienart = \"gepunktelt\" MitteX = \"1.5\" MitteY = "
           "\"-2.25\" Breite = \"3.3\" Länge = \"4.4\" Winkel = \"12.5\" "
           ">\r\n</RECHTECK>\r\n<ELLIPSE Name = \"el0\" BearbeitenMitMaus = \"nicht_erlaubt\" ") +
        standard +
        "MitteX = \"0\" MitteY = \"0\" RadiusX = \"3.5\" RadiusY = \"0.25\" Winkel = \"-45\" "
        ">\r\n</ELLIPSE>\r\n" +
        "<LINIENZUG Name = \"lz0\" " + standard +
        "MitteX = \"3\" MitteY = \"3.5\" geschlossen = \"wahr\" ObjektdiagrammZusammengefaltet = "
        "\"falsch\" >\r\n<PUNKT Name = \"lp0\" X = \"1\" Y = \"1\" AbschnittArt = \"gerade\" "
        ">\r\n</PUNKT>\r\n<PUNKT Name = \"lp1\" BearbeitenMitTastatur = \"nicht_erlaubt\" X = "
        "\"5\" Y = \"2\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n<PUNKT Name = \"lp2\" X = "
        "\"3\" Y = \"6\" AbschnittArt = \"gerade\" >\r\n</PUNKT>\r\n</LINIENZUG>\r\n" +
        "<VIELECK Name = \"ve0\" " + standard +
        L1("Linienart = \"breitgestrichelt\" MitteX = \"0\" MitteY = \"0\" Länge = \"6\" Breite = "
           "\"5\" Winkel = \"33.3333333333333\" Eckenanzahl = \"7\" >\r\n</VIELECK>\r\n") +
        "<GRUPPE Name = \"gr0\" " + standard +
        L1("MitteX = \"11.5\" MitteY = \"11\" Breite = \"4\" Länge = \"7\" Winkel = \"0\" "
           "ObjektdiagrammZusammengefaltet = \"wahr\" >\r\n") +
        "<GRUPPE Name = \"gr1\" " + standard +
        L1("MitteX = \"10\" MitteY = \"11\" Breite = \"4\" Länge = \"4\" Winkel = \"0\" "
           "ObjektdiagrammZusammengefaltet = \"falsch\" >\r\n") +
        L1("<RECHTECK Name = \"re2\" Füllfarbe = \"Unsichtbar\" Linienfarbe = \"Farbe schwarz\" "
           "Linienstärke = \"0.05\" MitteX = \"10\" MitteY = \"10\" Breite = \"2\" Länge = \"4\" "
           "Winkel = \"0\" >\r\n</RECHTECK>\r\n") +
        "<LINIE Name = \"li1\" BearbeitenMitTastatur = \"nicht_erlaubt\" " + standard +
        "Linienart = \"gestrichelt\" MitteX = \"10\" MitteY = \"11\" Punkt1X = \"8\" Punkt1Y = "
        "\"9\" Punkt2X = \"12\" Punkt2Y = \"13\" >\r\n</LINIE>\r\n</GRUPPE>\r\n" +
        "<ELLIPSE Name = \"el1\" " + standard +
        "MitteX = \"14\" MitteY = \"10\" RadiusX = \"1\" RadiusY = \"1\" Winkel = \"0\" "
        ">\r\n</ELLIPSE>\r\n</GRUPPE>\r\n" +
        "<TEXTFELD Name = \"Schild\" " + standard +
        L1("MitteX = \"0\" MitteY = \"0\" Breite = \"1\" Länge = \"3\" Winkel = \"0\" Schriftart = "
           "\"Courier New\" Schriftgröße = \"18\" Fett = \"wahr\" Kursiv = \"wahr\" Ausrichtung = "
           "\"zentriert\" Text = \"Zeile#10 #13 zwei #34 #35 #34  <&>'ü") +
        "\x80\" Schriftfarbe = \"Farbe rot\" >\r\n</TEXTFELD>\r\n" + "<TEXTFELD Name = \"tf1\" " + standard +
        L1("MitteX = \"0\" MitteY = \"0\" Breite = \"0\" Länge = \"0\" Winkel = \"0\" "
           ">\r\n</TEXTFELD>\r\n") +
        "<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"10\" ELLIPSEz\xe4hler = \"11\" LINIEz\xe4hler = "
        "\"12\" LINIENZUGz\xe4hler = \"13\" VIELECKz\xe4hler = \"14\" PUNKTz\xe4hler = \"15\" "
        "GRUPPEz\xe4hler = \"16\" TEXTFELDz\xe4hler = \"17\" "
        ">\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n";
    EXPECT_FALSE(erwartet.contains(L1("Größe")));
    bool mitPasswort = false;
    ASSERT_TRUE(u.lade(erwartet, nullptr, &mitPasswort));
    EXPECT_TRUE(mitPasswort);
    EXPECT_EQ(u.dokument.Passwort, QStringLiteral("Größe#1\""));
    EXPECT_EQ(u.bytes(), erwartet);

    for (TObjekt *k : u.klassen.Klassen())
        k->Zaehler = 7;
    u.dokument.Passwort = QStringLiteral("alt");
    mitPasswort = true;
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
// Counters that could not give a new, typeable name are read as 0, and the
// name generator skips the names in use: before, 0 gave a second "re0",
// -3 gave "re-3" and 2147483647 overflowed.
TEST(Dokumentdatei, UnbrauchbareZaehlerGebenNeueTippbareNamen)
{
    for (const char *zaehler : {"0", "-3", "2147483647"}) {
        SCOPED_TRACE(zaehler);
        Umgebung u;
        ASSERT_TRUE(u.lade(Kopf + DokumentAnfang +
                           "<RECHTECK Name = \"RE0\" >\r\n</RECHTECK>\r\n<RECHTECK Name = \"re2\" "
                           ">\r\n</RECHTECK>\r\n"
                           "<RECHTECK >\r\n</RECHTECK>\r\n<KLASSENVERZEICHNIS RECHTECKz\xe4hler = \"" +
                           zaehler + "\" >\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n"));
        // The unnamed one got the first free name (whatever the case), the next ones follow.
        EXPECT_EQ(u.namen(), (QStringList{"RE0", "re2", "re1"}));
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
    ASSERT_TRUE(
        u.lade(Datei(L1("<KREIS Name = \"x\" >\r\n<RECHTECK Name = \"verirrt\" "
                        ">\r\n</RECHTECK>\r\n</KREIS>\r\n<PUNKT Name = \"lose\" >\r\n</PUNKT>\r\n<DOKUMENT Name "
                        "= \"innen\" >\r\n</DOKUMENT>\r\n<RECHTECK Name = \"re0\" Farbe = \"rot\" Linienart = "
                        "\"Gestrichelt\" BearbeitenMitMaus = \"nicht_einheitlich\" >\r\n<PUNKT Name = \"lp9\" "
                        ">\r\n</PUNKT>\r\n</RECHTECK>\r\n<GRUPPE Name = \"gr0\" >\r\n<PUNKT Name = \"lp8\" "
                        ">\r\n</PUNKT>\r\n<LINIE Name = \"li0\" >\r\n</LINIE>\r\n</GRUPPE>\r\n<GRUPPE Name = "
                        "\"leer\" >\r\n</GRUPPE>\r\n<LINIENZUG Name = \"einpunkt\" >\r\n<PUNKT "
                        ">\r\n</PUNKT>\r\n</LINIENZUG>\r\n<LINIENZUG Name = \"lz0\" >\r\n<PUNKT Name = \"a\" "
                        ">\r\n</PUNKT>\r\n<RECHTECK Name = \"re7\" >\r\n</RECHTECK>\r\n<PUNKT Name = \"b\" "
                        ">\r\n</PUNKT>\r\n</LINIENZUG>\r\n"))));
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
        {Kopf + "<DOKUMENT >\r\n<KLASSENVERZEICHNIS GRUPPEz\xe4hler = \"x\" "
                ">\r\n</KLASSENVERZEICHNIS>\r\n</DOKUMENT>\r\n",
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
        EXPECT_EQ(u.analysator.Protokoll().size(),
                  protokoll); // no release of half-read objects logged
        EXPECT_FALSE(u.analysator.Angehalten);
    }
    QString meldung;
    EXPECT_FALSE(DokumentOeffnen(QStringLiteral("/gibt/es/nicht.fgo"), u.dokument, u.klassen, meldung));
    EXPECT_EQ(meldung, QStringLiteral("Fehler beim Öffnen der Datei."));
    EXPECT_EQ(u.bytes(), vorher);
}
// Grouping and `schlucken` build nothing the reader would refuse: at the limit the drawing saves
// and opens again, one level more is refused with a message and changes nothing.
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
