// Completion proposals: what is offered for each kind of word, the prefix
// filter, and how an entry of the list is drawn.
#include "sprach_hilfen.h"
#include "language/Scanner.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace sprachtest;

namespace {

constexpr std::uint32_t Weiss = FarbWert(255, 255, 255);

struct Vorschlaege : ::testing::Test {
    TArbeitsbereich ws;
    TDokument &dokument = ws.Dokument();
    TVorschlagListe liste;

    TObjekt *neu(const char *klasse, TObjekt *besitzer = nullptr)
    {
        return figurAnlegen(ws, QString::fromLatin1(klasse), besitzer);
    }
    // The texts of all proposals; each must be of kind `art` with the swatch `farbe`.
    QStringList alle(int art = -1, std::optional<std::uint32_t> farbe = {}) const
    {
        QStringList t;
        for (const auto &x : liste.Vorschlaege()) {
            t << x->Text;
            EXPECT_TRUE(art < 0 || x->Art == art) << x->Text.toStdString();
            EXPECT_TRUE(!farbe || x->Farbe == *farbe) << x->Text.toStdString();
        }
        return t;
    }
    QStringList fuer(const QString &text, int marke)
    {
        TScanner scanner;
        scanner.Analysieren(text, marke, &dokument);
        VorschlaegeErzeugen(liste, scanner, &dokument);
        return alle();
    }
};

} // namespace

// Object names: the document first, then every object depth first, on white.
// Methods in the class's list order, with their method. State 0 and a
// method list without an object offer nothing.
TEST_F(Vorschlaege, ObjektnamenUndMethoden)
{
    TObjekt *re0 = neu("RECHTECK");
    neu("ELLIPSE", neu("GRUPPE"));
    TObjekt *zug = neu("LINIENZUG");
    neu("PUNKT", zug);
    neu("PUNKT", zug);
    neu("LINIE");
    VorschlaegeErzeugen(liste, 1, nullptr, 0, &dokument);
    EXPECT_EQ(alle(VorschlagObjekt, Weiss), (QStringList{"dokument1", "re0", "gr0", "el0", "lz0", "lp0", "lp1", "li0"}));
    VorschlaegeErzeugen(liste, 0, nullptr, 0, &dokument);
    EXPECT_TRUE(liste.Vorschlaege().empty()); // rebuilding replaces the old proposals

    VorschlaegeErzeugen(liste, 2, re0, 0, &dokument);
    ASSERT_EQ(alle(VorschlagMethode, 0u).size(), int(re0->Methoden().size()));
    EXPECT_EQ(liste.Vorschlaege().front()->Text, QStringLiteral("zeichnen"));
    for (std::size_t i = 0; i < re0->Methoden().size(); ++i) {
        EXPECT_EQ(liste.Vorschlaege()[i]->Methode, re0->Methoden()[i].get());
        EXPECT_EQ(liste.Vorschlaege()[i]->Text, re0->Methoden()[i]->Name());
    }
    VorschlaegeErzeugen(liste, 2, nullptr, 0, &dokument);
    EXPECT_TRUE(liste.Vorschlaege().empty());
}

// Colours: the 42 of the table with their swatches, no "unsichtbar". The
// other value words in their order, each with its code and a white swatch;
// numbers and texts have no proposals.
TEST_F(Vorschlaege, WerteJeParameterart)
{
    VorschlaegeErzeugen(liste, 3, nullptr, ArtFarbwert, &dokument);
    const QStringList farben = alle(VorschlagFarbe);
    ASSERT_EQ(farben.size(), 42);
    EXPECT_FALSE(farben.contains(QStringLiteral("unsichtbar")));
    const std::tuple<int, const char *, std::uint32_t> stichproben[] = {
        {0, "grau1", FarbWert(51, 51, 51)}, {15, "hellrot", FarbWert(255, 102, 0)}, {41, "lavendel", FarbWert(204, 153, 255)}};
    for (const auto &[i, text, farbe] : stichproben)
        EXPECT_EQ(std::tuple(liste.Vorschlaege()[i]->Text, liste.Vorschlaege()[i]->Farbe), std::tuple(QString(text), farbe));

    const struct {
        std::uint8_t art, vorschlagArt;
        QStringList woerter;
        std::uint8_t TVorschlag::*code; // none for truth values
        int ersterCode;
    } faelle[] = {
        {ArtLinienart, VorschlagLinienart, {"durchgezogen", "gestrichelt", "breitgestrichelt", "gepunktelt", "gestrichpunktelt"},
         &TVorschlag::Linienartcode, 1},
        {ArtWahrheitswert, VorschlagWahrheitswert, {"wahr", "falsch"}, nullptr, 0},
        {ArtAbschnittArt, VorschlagAbschnitt, {"gerade", "gekrümmt"}, &TVorschlag::AbschnittCode, 0},
        {ArtAusrichtung, VorschlagAusrichtung, {"linksbündig", "rechtsbündig", "zentriert", "Blocksatz"},
         &TVorschlag::Ausrichtungscode, 0},
        {ArtLaenge, 0, {}, nullptr, 0}, {ArtWinkel, 0, {}, nullptr, 0}, {ArtText, 0, {}, nullptr, 0},
        {ArtGanzzahl, 0, {}, nullptr, 0}, {ArtFaktor, 0, {}, nullptr, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(int(f.art));
        VorschlaegeErzeugen(liste, 3, nullptr, f.art, &dokument);
        EXPECT_EQ(alle(f.vorschlagArt, Weiss), f.woerter);
        for (std::size_t i = 0; f.code && i < liste.Vorschlaege().size(); ++i)
            EXPECT_EQ(liste.Vorschlaege()[i].get()->*f.code, f.ersterCode + int(i));
    }
}

// From the scanner's word: after the dot the group's methods, whatever the
// caret says; in the object parameter of schlucken only the figures directly
// in the drawing; in a length nothing; in the object name every object.
TEST_F(Vorschlaege, AusDemWortDesScanners)
{
    TObjekt *gruppe = neu("GRUPPE");
    neu("RECHTECK", gruppe);
    neu("PUNKT", neu("LINIENZUG"));
    neu("ELLIPSE");
    EXPECT_EQ(fuer(QStringLiteral("gr0."), 0).size(), int(gruppe->Methoden().size()));
    EXPECT_TRUE(alle().contains(QStringLiteral("schlucken")));
    EXPECT_EQ(fuer(QStringLiteral("gr0.schlucken(e"), 15), (QStringList{"gr0", "lz0", "el0"}));
    EXPECT_EQ(vorschlagTexte(liste.Filtern(QStringLiteral("e"), QStringLiteral("e"))), (QStringList{"el0"}));
    EXPECT_EQ(fuer(QStringLiteral("el0.drehen(3"), 12), QStringList());
    EXPECT_EQ(fuer(QStringLiteral("x"), 1), (QStringList{"dokument1", "gr0", "re0", "lz0", "lp0", "el0"}));
}

// The typed prefix is compared without regard to case through the one
// upper-casing rule (ß is not upper-cased: WEISS names no colour); the word
// the caret stands in is never offered again, its longer relatives are.
TEST_F(Vorschlaege, PraefixOhneGrossKleinUndOhneFertigesWort)
{
    TObjekt *re0 = neu("RECHTECK");
    neu("RECHTECK")->Name = QStringLiteral("re01");
    neu("ELLIPSE");
    const struct {
        int zustand;
        const char16_t *praefix, *wort;
        QStringList erwartet;
    } faelle[] = {
        {3, u"g", u"g", {"grau1", "grau2", "grau3", "grau4", "grau5", "grau6", "grün", "gelbgrün", "gold", "gelb", "grellgrün"}},
        {3, u"GRÜ", u"GRÜ", {"grün"}}, {3, u"WEI", u"WEI", {"weiß", "weißblau"}}, {3, u"WEISS", u"WEISS", {}},
        {3, u"gelb", u"gelb", {"gelbgrün"}}, {3, u"gelbgrün", u"gelbgrün", {}},
        {3, u"blau", u"blau", {"blaugrün", "blaugrau"}},
        {3, u"ge", u"gelb", {"gelbgrün"}}, // the caret in the middle of "gelb"
        {1, u"re", u"re", {"re0", "re01"}}, {1, u"re0", u"re0", {"re01"}}, {1, u"re01", u"re01", {}}, {1, u"x", u"x", {}},
        {2, u"verschieben", u"verschieben", {}}, {2, u"VERSCH", u"VERSCH", {"verschieben"}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(QString::fromUtf16(f.praefix).toStdString() + "|" + QString::fromUtf16(f.wort).toStdString());
        VorschlaegeErzeugen(liste, f.zustand, f.zustand == 2 ? re0 : nullptr, f.zustand == 3 ? ArtFarbwert : 0, &dokument);
        EXPECT_EQ(vorschlagTexte(liste.Filtern(QString::fromUtf16(f.praefix), QString::fromUtf16(f.wort))), f.erwartet);
    }
    // An empty prefix offers everything except the word.
    VorschlaegeErzeugen(liste, 3, nullptr, ArtFarbwert, &dokument);
    EXPECT_EQ(liste.Filtern(QString(), QString()).size(), 42u);
    EXPECT_EQ(liste.Filtern(QString(), QStringLiteral("rot")).size(), 41u);
}

// A colour: an 18 x 14 swatch with a black frame at (2, 2), the name right
// of it. A method: the bold name, then the parameter names in pure blue (none
// without parameters). The measured width is where the drawing ends (the
// completion window is made at least that wide). A selected entry: the
// given background and text colour.
TEST_F(Vorschlaege, VorschlagZeichnen)
{
    TObjekt *re0 = neu("RECHTECK");
    TVorschlagStil stil;
    stil.Schrift = QFont(QStringLiteral("DejaVu Sans"), 9);
    const QColor blau(0, 0, 255), schwarz(Qt::black), weiss(Qt::white);
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

    VorschlaegeErzeugen(liste, 3, nullptr, ArtFarbwert, &dokument);
    QImage bild = zeichne(*liste.Vorschlaege()[15], 200); // hellrot
    QList<QColor> farben; // background, frame corners, swatch middle and inner corner, right of it
    for (const QPoint &p : {QPoint(0, 0), QPoint(2, 2), QPoint(19, 15), QPoint(10, 9), QPoint(18, 14), QPoint(20, 9)})
        farben << bild.pixelColor(p);
    const QColor r(255, 102, 0);
    EXPECT_EQ(farben, (QList<QColor>{weiss, schwarz, schwarz, r, r, weiss}));
    EXPECT_EQ(zaehle(bild, QRect(0, 0, 22, 18), r), 16 * 12);
    EXPECT_GT(zaehle(bild, QRect(22, 0, 178, 18), schwarz), 10); // the name

    const auto methode = [re0](const char *name) {
        const QString text = QString::fromLatin1(name);
        return TVorschlag{.Art = VorschlagMethode, .Text = text, .Methode = re0->FindeMethode(text)};
    };
    const TVorschlag verschieben = methode("verschieben"), kopieren = methode("kopieren");
    EXPECT_EQ(MethodenAnzeige(*verschieben.Methode), QStringLiteral("verschieben( x-Verschiebung, y-Verschiebung )"));
    EXPECT_EQ(MethodenAnzeige(*kopieren.Methode), QStringLiteral("kopieren(  )"));
    QFont fett = stil.Schrift;
    fett.setBold(true);
    const int nameBreite = QFontMetrics(fett).horizontalAdvance(QStringLiteral("verschieben"));
    bild = zeichne(verschieben, 400);
    EXPECT_EQ(zaehle(bild, QRect(0, 0, nameBreite, 18), blau), 0);
    EXPECT_GT(zaehle(bild, QRect(nameBreite, 0, 400 - nameBreite, 18), blau), 30);
    EXPECT_GT(zaehle(bild, QRect(0, 0, nameBreite, 18), schwarz), 20);
    bild = zeichne(kopieren, 400);
    EXPECT_EQ(zaehle(bild, bild.rect(), blau), 0);
    EXPECT_GT(zaehle(bild, bild.rect(), schwarz), 20);
    for (const TVorschlag *v : {&verschieben, &kopieren}) {
        SCOPED_TRACE(v->Text.toStdString());
        bild = zeichne(*v, 600);
        int rechts = -1;
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bild.height(); ++y)
                if (bild.pixelColor(x, y) != weiss)
                    rechts = x;
        EXPECT_LT(rechts, VorschlagBreite(*v, stil));
        EXPECT_GE(rechts, VorschlagBreite(*v, stil) - 8);
    }

    stil.Hintergrund = QColor(0, 0, 128);
    stil.Textfarbe = Qt::white;
    bild = zeichne(TVorschlag{.Art = VorschlagWahrheitswert, .Text = QStringLiteral("wahr")}, 100);
    EXPECT_EQ(bild.pixelColor(99, 0), QColor(0, 0, 128));
    EXPECT_GT(zaehle(bild, bild.rect(), weiss), 10);
    EXPECT_EQ(zaehle(bild, bild.rect(), QColor(Qt::magenta)), 0);
}
