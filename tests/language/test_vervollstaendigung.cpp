// Completion proposals: what is offered for each kind of word, the prefix
// filter, and how an entry of the list is drawn.
#include "Sprachhilfen.h"
#include "language/Scanner.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace sprachtest;

namespace {

struct Umgebung {
    TArbeitsbereich ws;
    TDokument &dokument = ws.Dokument();
    TVorschlagListe liste;

    TObjekt *neu(const QString &klasse, TObjekt *besitzer = nullptr) { return figurAnlegen(ws, klasse, besitzer); }
};

const auto texte = vorschlagTexte;

QStringList alle(const TVorschlagListe &l)
{
    QStringList t;
    for (const auto &x : l.Vorschlaege())
        t << x->Text;
    return t;
}

constexpr std::uint32_t Weiss = FarbWert(255, 255, 255);

} // namespace

TEST(VorschlaegeErzeugen, ObjektnamenDokumentZuerstDannTiefensuche)
{
    Umgebung u;
    u.neu(QStringLiteral("RECHTECK"));
    TObjekt *gruppe = u.neu(QStringLiteral("GRUPPE"));
    u.neu(QStringLiteral("ELLIPSE"), gruppe);
    TObjekt *zug = u.neu(QStringLiteral("LINIENZUG"));
    u.neu(QStringLiteral("PUNKT"), zug);
    u.neu(QStringLiteral("PUNKT"), zug);
    u.neu(QStringLiteral("LINIE"));

    VorschlaegeErzeugen(u.liste, 1, nullptr, 0, &u.dokument);
    EXPECT_EQ(alle(u.liste), (QStringList{"dokument1", "re0", "gr0", "el0", "lz0", "lp0", "lp1", "li0"}));
    for (const auto &v : u.liste.Vorschlaege()) {
        EXPECT_EQ(v->Art, VorschlagObjekt);
        EXPECT_EQ(v->Farbe, Weiss);
        EXPECT_EQ(v->Methode, nullptr);
    }

    // Rebuilding replaces the old proposals; state 0 offers nothing.
    VorschlaegeErzeugen(u.liste, 0, nullptr, 0, &u.dokument);
    EXPECT_TRUE(u.liste.Vorschlaege().empty());
}

TEST(VorschlaegeErzeugen, MethodenDerKlasseInListenreihenfolge)
{
    Umgebung u;
    TObjekt *re0 = u.neu(QStringLiteral("RECHTECK"));
    VorschlaegeErzeugen(u.liste, 2, re0, 0, &u.dokument);
    ASSERT_EQ(u.liste.Vorschlaege().size(), re0->Methoden().size());
    EXPECT_EQ(u.liste.Vorschlaege().front()->Text, QStringLiteral("zeichnen"));
    for (std::size_t i = 0; i < re0->Methoden().size(); ++i) {
        const TVorschlag &v = *u.liste.Vorschlaege()[i];
        EXPECT_EQ(v.Art, VorschlagMethode);
        EXPECT_EQ(v.Methode, re0->Methoden()[i].get());
        EXPECT_EQ(v.Text, re0->Methoden()[i]->Name());
        EXPECT_EQ(v.Farbe, 0u);
    }

    // Without an object (the name was not found) there is nothing to offer.
    VorschlaegeErzeugen(u.liste, 2, nullptr, 0, &u.dokument);
    EXPECT_TRUE(u.liste.Vorschlaege().empty());
}

TEST(VorschlaegeErzeugen, WerteJeParameterart)
{
    Umgebung u;
    VorschlaegeErzeugen(u.liste, 3, nullptr, ArtFarbwert, &u.dokument);
    ASSERT_EQ(u.liste.Vorschlaege().size(), 42u);
    EXPECT_EQ(u.liste.Vorschlaege()[0]->Text, QStringLiteral("grau1"));
    EXPECT_EQ(u.liste.Vorschlaege()[0]->Farbe, FarbWert(51, 51, 51));
    EXPECT_EQ(u.liste.Vorschlaege()[15]->Text, QStringLiteral("hellrot"));
    EXPECT_EQ(u.liste.Vorschlaege()[15]->Farbe, FarbWert(255, 102, 0));
    EXPECT_EQ(u.liste.Vorschlaege()[41]->Text, QStringLiteral("lavendel"));
    EXPECT_FALSE(alle(u.liste).contains(QStringLiteral("unsichtbar")));
    for (const auto &v : u.liste.Vorschlaege())
        EXPECT_EQ(v->Art, VorschlagFarbe);

    // The value words in their order, each with its code and a white swatch.
    const struct {
        std::uint8_t art, vorschlagArt;
        QStringList woerter;
        std::uint8_t TVorschlag::*code; // none for truth values
        int ersterCode;
    } faelle[] = {
        {ArtLinienart, VorschlagLinienart,
         {"durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt", "gestrichpunktelt"},
         &TVorschlag::Linienartcode, 1},
        {ArtWahrheitswert, VorschlagWahrheitswert, {"wahr", "falsch"}, nullptr, 0},
        {ArtAbschnittArt, VorschlagAbschnitt, {"gerade", QStringLiteral("gekrümmt")}, &TVorschlag::AbschnittCode, 0},
        {ArtAusrichtung, VorschlagAusrichtung,
         {QStringLiteral("linksbündig"), QStringLiteral("rechtsbündig"), "zentriert", "Blocksatz"},
         &TVorschlag::Ausrichtungscode, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(int(f.art));
        VorschlaegeErzeugen(u.liste, 3, nullptr, f.art, &u.dokument);
        EXPECT_EQ(alle(u.liste), f.woerter);
        for (std::size_t i = 0; i < u.liste.Vorschlaege().size(); ++i) {
            const TVorschlag &v = *u.liste.Vorschlaege()[i];
            EXPECT_EQ(v.Art, f.vorschlagArt);
            EXPECT_EQ(v.Farbe, Weiss);
            if (f.code) {
                EXPECT_EQ(v.*f.code, f.ersterCode + int(i));
            }
        }
    }

    for (std::uint8_t art : {ArtLaenge, ArtWinkel, ArtText, ArtGanzzahl, ArtFaktor}) {
        VorschlaegeErzeugen(u.liste, 3, nullptr, art, &u.dokument);
        EXPECT_TRUE(u.liste.Vorschlaege().empty()) << int(art);
    }
}

TEST(VorschlaegeErzeugen, AusDemWortDesScanners)
{
    Umgebung u;
    TObjekt *gruppe = u.neu(QStringLiteral("GRUPPE"));
    u.neu(QStringLiteral("RECHTECK"), gruppe);
    u.neu(QStringLiteral("PUNKT"), u.neu(QStringLiteral("LINIENZUG")));
    u.neu(QStringLiteral("ELLIPSE"));
    TScanner scanner;
    // After the dot: the methods of the group, whatever the caret says.
    scanner.Analysieren(QStringLiteral("gr0."), 0, &u.dokument);
    VorschlaegeErzeugen(u.liste, scanner, &u.dokument);
    EXPECT_EQ(u.liste.Vorschlaege().size(), gruppe->Methoden().size());
    EXPECT_TRUE(alle(u.liste).contains(QStringLiteral("schlucken")));
    // In the object parameter of schlucken: only the figures directly in the
    // drawing, no members, no vertices.
    scanner.Analysieren(QStringLiteral("gr0.schlucken(e"), 15, &u.dokument);
    VorschlaegeErzeugen(u.liste, scanner, &u.dokument);
    EXPECT_EQ(alle(u.liste), (QStringList{"gr0", "lz0", "el0"}));
    EXPECT_EQ(texte(u.liste.Filtern(scanner.Praefix, scanner.Wort)), (QStringList{"el0"}));
    // In a length: nothing.
    scanner.Analysieren(QStringLiteral("el0.drehen(3"), 12, &u.dokument);
    VorschlaegeErzeugen(u.liste, scanner, &u.dokument);
    EXPECT_TRUE(u.liste.Vorschlaege().empty());
    // In the object name: every object, the group member too.
    scanner.Analysieren(QStringLiteral("x"), 1, &u.dokument);
    VorschlaegeErzeugen(u.liste, scanner, &u.dokument);
    EXPECT_EQ(alle(u.liste), (QStringList{"dokument1", "gr0", "re0", "lz0", "lp0", "el0"}));
}

// The typed prefix is compared without regard to case; the word the caret
// stands in is never offered again, its longer relatives are.
TEST(VorschlaegeFiltern, PraefixOhneGrossKleinUndOhneFertigesWort)
{
    Umgebung u;
    TObjekt *re0 = u.neu(QStringLiteral("RECHTECK"));
    u.neu(QStringLiteral("RECHTECK"))->Name = QStringLiteral("re01");
    u.neu(QStringLiteral("ELLIPSE"));
    const struct {
        int zustand;
        const char16_t *praefix, *wort;
        QStringList erwartet;
    } faelle[] = {
        {3, u"g", u"g",
         {"grau1", "grau2", "grau3", "grau4", "grau5", "grau6", QStringLiteral("grün"), QStringLiteral("gelbgrün"),
          "gold", "gelb", QStringLiteral("grellgrün")}},
        // Upper-case typing and umlauts compare through the one upper-casing
        // rule; ß is not upper-cased: WEISS names no colour.
        {3, u"GRÜ", u"GRÜ", {QStringLiteral("grün")}},
        {3, u"WEI", u"WEI", {QStringLiteral("weiß"), QStringLiteral("weißblau")}},
        {3, u"WEISS", u"WEISS", {}},
        {3, u"gelb", u"gelb", {QStringLiteral("gelbgrün")}},
        {3, u"gelbgrün", u"gelbgrün", {}},
        {3, u"blau", u"blau", {QStringLiteral("blaugrün"), "blaugrau"}},
        // The caret in the middle of "gelb": everything beginning with "ge"
        // except the whole word itself.
        {3, u"ge", u"gelb", {QStringLiteral("gelbgrün")}},
        {1, u"re", u"re", {"re0", "re01"}},
        {1, u"re0", u"re0", {"re01"}},
        {1, u"re01", u"re01", {}},
        {1, u"x", u"x", {}},
        {2, u"verschieben", u"verschieben", {}},
        {2, u"VERSCH", u"VERSCH", {"verschieben"}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.praefix).toStdString() + "|" + QString::fromUtf16(f.wort).toStdString());
        VorschlaegeErzeugen(u.liste, f.zustand, f.zustand == 2 ? re0 : nullptr, f.zustand == 3 ? ArtFarbwert : 0,
                            &u.dokument);
        EXPECT_EQ(texte(u.liste.Filtern(QString::fromUtf16(f.praefix), QString::fromUtf16(f.wort))), f.erwartet);
    }
    // An empty prefix offers everything except the word.
    VorschlaegeErzeugen(u.liste, 3, nullptr, ArtFarbwert, &u.dokument);
    EXPECT_EQ(u.liste.Filtern(QString(), QString()).size(), 42u);
    EXPECT_EQ(u.liste.Filtern(QString(), QStringLiteral("rot")).size(), 41u);
}

TEST(VorschlagZeichnen, FarbfeldMethodeUndText)
{
    Umgebung u;
    TObjekt *re0 = u.neu(QStringLiteral("RECHTECK"));
    TVorschlagStil stil;
    stil.Schrift = QFont(QStringLiteral("DejaVu Sans"), 9);
    const QColor blau(0, 0, 255);

    auto zeichne = [&](const TVorschlag &v, int breite) {
        QImage bild(breite, VorschlagZeilenhoehe, QImage::Format_RGB32);
        bild.fill(Qt::magenta);
        QPainter p(&bild);
        VorschlagZeichnen(p, QRect(0, 0, breite, VorschlagZeilenhoehe), v, stil);
        return bild;
    };
    const auto zaehle = [](const QImage &bild, const QRect &bereich, const QColor &farbe) {
        return pixelZaehlen(bild, bereich, farbe, 79);
    };

    // Colour: an 18 x 14 swatch with a black frame at (2, 2), the name right of it.
    VorschlaegeErzeugen(u.liste, 3, nullptr, ArtFarbwert, &u.dokument);
    const TVorschlag &hellrot = *u.liste.Vorschlaege()[15];
    QImage bild = zeichne(hellrot, 200);
    // Background, frame corners, swatch middle and inner corner, right of it.
    QList<QColor> farben;
    for (const QPoint &p : {QPoint(0, 0), QPoint(2, 2), QPoint(19, 15), QPoint(10, 9), QPoint(18, 14), QPoint(20, 9)})
        farben << bild.pixelColor(p);
    const QColor w(Qt::white), s(Qt::black), r(255, 102, 0);
    EXPECT_EQ(farben, (QList<QColor>{w, s, s, r, r, w}));
    EXPECT_EQ(zaehle(bild, QRect(0, 0, 22, 18), QColor(255, 102, 0)), 16 * 12);
    EXPECT_GT(zaehle(bild, QRect(22, 0, 178, 18), QColor(Qt::black)), 10); // the name

    // Method with parameters: the parameter names are pure blue, right of
    // the bold name; a method without parameters shows no blue at all.
    VorschlaegeErzeugen(u.liste, 2, re0, 0, &u.dokument);
    const TVorschlag *verschieben = nullptr, *kopieren = nullptr;
    for (const auto &v : u.liste.Vorschlaege()) {
        if (v->Text == QStringLiteral("verschieben"))
            verschieben = v.get();
        if (v->Text == QStringLiteral("kopieren"))
            kopieren = v.get();
    }
    ASSERT_TRUE(verschieben && kopieren);
    EXPECT_EQ(MethodenAnzeige(*verschieben->Methode),
              QStringLiteral("verschieben( x-Verschiebung, y-Verschiebung )"));
    EXPECT_EQ(MethodenAnzeige(*kopieren->Methode), QStringLiteral("kopieren(  )"));

    QFont fett = stil.Schrift;
    fett.setBold(true);
    const int nameBreite = QFontMetrics(fett).horizontalAdvance(QStringLiteral("verschieben"));
    bild = zeichne(*verschieben, 400);
    EXPECT_EQ(zaehle(bild, QRect(0, 0, nameBreite, 18), blau), 0);
    EXPECT_GT(zaehle(bild, QRect(nameBreite, 0, 400 - nameBreite, 18), blau), 30);
    EXPECT_GT(zaehle(bild, QRect(0, 0, nameBreite, 18), QColor(Qt::black)), 20);
    bild = zeichne(*kopieren, 400);
    EXPECT_EQ(zaehle(bild, bild.rect(), blau), 0);
    EXPECT_GT(zaehle(bild, bild.rect(), QColor(Qt::black)), 20);

    // The measured width is where the drawing ends (the completion window
    // is made at least that wide).
    for (const TVorschlag *v : {verschieben, kopieren}) {
        SCOPED_TRACE(v->Text.toStdString());
        bild = zeichne(*v, 600);
        int rechts = -1;
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bild.height(); ++y)
                if (bild.pixelColor(x, y) != QColor(Qt::white))
                    rechts = x;
        const int breite = VorschlagBreite(*v, stil);
        EXPECT_LT(rechts, breite);
        EXPECT_GE(rechts, breite - 8);
    }

    // Selected entry: the given background and text colour.
    stil.Hintergrund = QColor(0, 0, 128);
    stil.Textfarbe = Qt::white;
    TVorschlag wahr;
    wahr.Art = VorschlagWahrheitswert;
    wahr.Text = QStringLiteral("wahr");
    bild = zeichne(wahr, 100);
    EXPECT_EQ(bild.pixelColor(99, 0), QColor(0, 0, 128));
    EXPECT_GT(zaehle(bild, bild.rect(), QColor(Qt::white)), 10);
    EXPECT_EQ(zaehle(bild, bild.rect(), QColor(Qt::magenta)), 0);
}
