// Completion proposals: what is offered for each kind of word, the prefix
// filter, and how an entry of the list is drawn.
#include "language/Scanner.h"
#include "sprach_hilfen.h"

#include <QPainter>

using namespace sprachtest;

namespace
{

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
};

} // namespace

// The 42 colours with their swatches, no "unsichtbar"; the other value words
// with their codes; numbers and texts have no proposals.
TEST_F(Vorschlaege, WerteJeParameterart)
{
    VorschlaegeErzeugen(liste, 3, nullptr, ArtFarbwert, &dokument);
    const QStringList farben = alle(VorschlagFarbe);
    ASSERT_EQ(farben.size(), 42);
    EXPECT_FALSE(farben.contains(QStringLiteral("unsichtbar")));
    const std::tuple<int, const char *, std::uint32_t> stichproben[] = {{0, "grau1", FarbWert(51, 51, 51)},
                                                                        {15, "hellrot", FarbWert(255, 102, 0)},
                                                                        {41, "lavendel", FarbWert(204, 153, 255)}};
    for (const auto &[i, text, farbe] : stichproben)
        EXPECT_EQ(std::tuple(liste.Vorschlaege()[i]->Text, liste.Vorschlaege()[i]->Farbe),
                  std::tuple(QString(text), farbe));

    const struct {
        std::uint8_t art, vorschlagArt;
        std::uint8_t TVorschlag::*code; // none for truth values
        int ersterCode;
        const char *woerter;
    } faelle[] = {
        {ArtLinienart, VorschlagLinienart, &TVorschlag::Linienartcode, 1,
         "durchgezogen gestrichelt breitgestrichelt gepunktelt gestrichpunktelt"},
        {ArtWahrheitswert, VorschlagWahrheitswert, nullptr, 0, "wahr falsch"},
        {ArtAbschnittArt, VorschlagAbschnitt, &TVorschlag::AbschnittCode, 0, "gerade gekrümmt"},
        {ArtAusrichtung, VorschlagAusrichtung, &TVorschlag::Ausrichtungscode, 0,
         "linksbündig rechtsbündig zentriert Blocksatz"},
        {ArtLaenge, 0, nullptr, 0, ""},
        {ArtWinkel, 0, nullptr, 0, ""},
        {ArtText, 0, nullptr, 0, ""},
        {ArtGanzzahl, 0, nullptr, 0, ""},
        {ArtFaktor, 0, nullptr, 0, ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(int(f.art));
        VorschlaegeErzeugen(liste, 3, nullptr, f.art, &dokument);
        EXPECT_EQ(alle(f.vorschlagArt, Weiss).join(u' '), QString::fromUtf8(f.woerter));
        for (std::size_t i = 0; f.code && i < liste.Vorschlaege().size(); ++i)
            EXPECT_EQ(liste.Vorschlaege()[i].get()->*f.code, f.ersterCode + int(i));
    }
}

// A colour: a framed 18 x 14 swatch, then the name. A method: the bold name,
// the parameter names in blue; the measured width is where the drawing ends.
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
    const std::pair<const TObjekt *, const char *> andere[] = {
        {ws.Klassen().LINIE, "punkt2Setzen( X-Koordinate, Y-Koordinate )"},
        {ws.Klassen().TEXTFELD, "fettSetzen( IstFett )"},
        {ws.Klassen().GRUPPE, "schlucken( Objekt )"}};
    for (const auto &[klasse, anzeige] : andere) {
        const QString text = QString::fromUtf8(anzeige);
        EXPECT_EQ(MethodenAnzeige(*klasse->FindeMethode(text.section(u'(', 0, 0))), text);
    }
    QFont fett = stil.Schrift;
    fett.setBold(true);
    const int nameBreite = QFontMetrics(fett).horizontalAdvance(QStringLiteral("verschieben"));
    bild = zeichne(verschieben, 400);
    EXPECT_EQ(zaehle(bild, QRect(0, 0, nameBreite, 18), blau), 0);
    EXPECT_GT(zaehle(bild, QRect(nameBreite, 0, 400 - nameBreite, 18), blau), 30);
    EXPECT_GT(zaehle(bild, QRect(0, 0, nameBreite, 18), schwarz), 20);
    EXPECT_EQ(zaehle(zeichne(kopieren, 400), QRect(0, 0, 400, 18), blau), 0);
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
}
