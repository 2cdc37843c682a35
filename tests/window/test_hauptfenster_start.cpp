// The main window as a window: layout, start-up, splash, shutdown, printing,
// the analyser window beside it and the program's cursors.
#include "persistence/ui/DateiBefehle.h"
#include "fenster_hilfen.h"
#include "analyser/ui/FAnalysator.h"
#include "dialogs/ui/FInformation.h"

#include <QComboBox>
#include <QFile>
#include <QPolygonF>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

using Aufbau = Fenster;

// Captions and hints of the panels and buttons, the hint bar whose light bulb
// shows with a hint; the drawing area fills the space between the panels.
TEST_F(Aufbau, PanelsKnoepfeUndHinweisleiste)
{
    EXPECT_GE(f->CBZoom->width(), 73); // wide enough for "Seitenbreite"
    EXPECT_EQ(QStringList({f->LabelZoom->text(), f->SBTextBearbeiten->text(), f->SBSchriftart->text()}),
              QStringList({"Zoom:", "Text bearbeiten ...", "Schriftart ..."}));
    const QRect z = f->Zeichenbereich->geometry();
    EXPECT_EQ(std::tuple(z.top(), z.bottom() + 1),
              std::tuple(f->PMain->geometry().bottom() + 1, f->PanelUnten->geometry().top()));
    const char *hinweise[] = {"Rechteck zeichnen", "Ellipse zeichnen", "Linie zeichnen", "Linienzug zeichnen",
                              "Kurvenzug zeichnen", "Regelmäßiges Vieleck zeichnen", "Textfeld zeichnen"};
    for (int i = 0; i < WerkzeugAnzahl; ++i) {
        QToolButton *k = f->Werkzeugknoepfe[std::size_t(i)];
        EXPECT_EQ(std::tuple(k->toolTip(), k->geometry()),
                  std::tuple(QString::fromUtf8(hinweise[i]), QRect(4 + 26 * i, 4, 24, 24)));
    }
    EXPECT_EQ(QStringList({f->SBMethodeAusfuehren->toolTip(), f->SBAnalysatorfenster->toolTip(),
                           f->SBAnalysatorfensterSchliessen->toolTip()}),
              QStringList({"Methodenaufruf ausführen", "Analysatorfenster öffnen", "Analysatorfenster schließen"}));
    EXPECT_EQ(f->PanelHilfstext->text(),
              QStringLiteral("Zeichne eine Figur, dann werden die Schaltflächen zum Bearbeiten der Attribute aktiv."));
    EXPECT_TRUE(f->ImageGluehbirne->isVisible());
    f->HinweisSetzen(QString());
    EXPECT_EQ(std::tuple(f->ImageGluehbirne->isVisible(), f->Hinweistext), std::tuple(false, QString()));

    // The figure the analyser marks gets a green frame, 8 pixels outside
    // its right edge; the document gets none.
    TRechteck *r = rechteck(6, 20, 4, 2);
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
    const QPoint aussen = px(8, 20) + QPoint(8, 0) - f->Zeichenbereich->PufferBereich().topLeft();
    for (TObjekt *markiert : {static_cast<TObjekt *>(nullptr), static_cast<TObjekt *>(r), static_cast<TObjekt *>(dok())}) {
        analysator.Markiert = markiert;
        f->Neuzeichnen();
        const QImage b = puffer();
        const bool gruen = b.pixelColor(aussen) == QColor(0, 221, 0) || b.pixelColor(aussen + QPoint(1, 0)) == QColor(0, 221, 0);
        EXPECT_EQ(gruen, markiert == r);
    }
}

// Half the screen wide, four fifths high, in the corner; the splash for three
// seconds (off through the environment), the about box from the menu.
TEST(Start, GroesseSplashUndInformationUeberDasMenue)
{
    TFMain f(true);
    const QSize s = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(std::tuple(f.pos(), f.width(), f.height()), std::tuple(QPoint(0, 0), s.width() / 2 + 20, s.height() * 4 / 5));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Figuro 1.4"));
    EXPECT_TRUE(TProgrammCursor::Registriert());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_NE(f.FInformation, nullptr);
    EXPECT_EQ(std::tuple(f.FInformation->isVisible(), f.FInformation->IstSplash()), std::tuple(true, true));
    EXPECT_EQ(std::tuple(f.TimerSplash->isActive(), f.TimerSplash->isSingleShot(), f.TimerSplash->interval()),
              std::tuple(true, true, 3000));
    f.TimerSplashTimer();
    EXPECT_EQ(std::tuple(f.FInformation->isVisible(), f.TimerSplash->isActive()), std::tuple(false, false));
    EXPECT_EQ(f.AUeberDasProgramm->text(), QStringLiteral("Über das Programm ..."));
    f.AUeberDasProgramm->trigger();
    EXPECT_EQ(std::tuple(f.FInformation->isVisible(), f.FInformation->IstSplash()), std::tuple(true, false));
    f.TimerSplashTimer(); // the about box opened from the menu stays
    EXPECT_TRUE(f.FInformation->isVisible());
    f.FInformation->hide();

    qputenv("FIGURO_OHNE_SPLASH", "1");
    TFMain ohne;
    ohne.show();
    EXPECT_EQ(std::tuple(ohne.FInformation->isVisible(), ohne.TimerSplash->isActive()), std::tuple(false, false));
    qunsetenv("FIGURO_OHNE_SPLASH");
}
namespace {

// The extents in centimetres on the paper of the paths in a PDF's content
// streams.
std::vector<QSizeF> pdfPfade(const QByteArray &pdf)
{
    std::vector<QSizeF> pfade;
    for (qsizetype pos = 0; (pos = pdf.indexOf("stream", pos)) >= 0;) {
        qsizetype anfang = pos + 6;
        while (anfang < pdf.size() && (pdf[anfang] == '\r' || pdf[anfang] == '\n'))
            ++anfang;
        const qsizetype ende = pdf.indexOf("endstream", anfang);
        if (ende < 0)
            break;
        pos = ende + 9;
        // Flate data: qUncompress wants the expected size (16 MiB) in front.
        const QByteArray inhalt = qUncompress(QByteArray::fromHex("01000000") + pdf.mid(anfang, ende - anfang));
        double a = 1, d = 1;
        QPolygonF punkte;
        QList<double> z;
        for (const QByteArray &wort : inhalt.simplified().split(' ')) {
            bool zahl = false;
            const double w = wort.toDouble(&zahl);
            if (zahl) {
                z << w;
                continue;
            }
            const qsizetype n = z.size();
            if (wort == "cm" && n >= 6) {
                std::tie(a, d) = std::tuple(z[n - 6], z[n - 3]);
            } else if ((wort == "m" || wort == "l") && n >= 2) {
                punkte << QPointF(z[n - 2], z[n - 1]);
            } else if (!punkte.isEmpty() && QByteArrayList{"f", "f*", "B", "B*", "S", "s", "n"}.contains(wort)) {
                const QRectF r = punkte.boundingRect();
                pfade.push_back(QSizeF(r.width() * std::fabs(a), r.height() * std::fabs(d)) * (2.54 / 72.0));
                punkte.clear();
            }
            z.clear();
        }
    }
    return pfade;
}

} // namespace

// One page per copy, the rectangle 5 x 3 cm on the paper, the handles of
// the selected figure kept off it; the sheet on screen is unchanged.
TEST_F(Aufbau, DruckenImPdfEinZentimeterProZentimeter)
{
    TRechteck *r = rechteck(6, 20, 5, 3);
    klicken(px(6, 20));
    ASSERT_FALSE(r->Griffe.empty());
    QTemporaryDir ordner;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("blatt.pdf")));
    drucker.setCopyCount(2);
    ASSERT_TRUE(f->Drucken(drucker));
    QFile pdf(drucker.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r"), 2);
    int rechtecke = 0, andere = 0;
    for (const QSizeF &p : pdfPfade(inhalt)) {
        if (std::fabs(p.width() - 5.0) < 0.02 && std::fabs(p.height() - 3.0) < 0.02)
            ++rechtecke; // fill and outline on each page
        else if (p.width() < 1.0 && p.height() < 1.0)
            ++andere; // handles would be small squares
    }
    EXPECT_GE(rechtecke, 2);
    EXPECT_EQ(andere, 0);
    EXPECT_FALSE(zf()->Drucken);
    EXPECT_FALSE(r->Griffe.empty());
}

// The analyser window opens with the main window, right of it, and closes
// with it; its buttons, focus, card clicks and renaming.
TEST(AnalysatorFenster, WirdMitDemHauptfensterGezeigtUndGeschlossen)
{
    TFMain f(false);
    TFAnalysator analysator(f.Analysator(), f.Dokument(), f.Klassen());
    f.AnalysatorFensterAnschliessen(&analysator);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const auto knoepfe = [&] {
        return std::tuple(analysator.isVisible(), f.SBAnalysatorfenster->isVisible(),
                          f.SBAnalysatorfensterSchliessen->isVisible());
    };
    EXPECT_EQ(knoepfe(), std::tuple(true, false, true));
    QTest::mouseClick(f.SBAnalysatorfensterSchliessen, Qt::LeftButton);
    EXPECT_EQ(knoepfe(), std::tuple(false, true, false));
    QTest::mouseClick(f.SBAnalysatorfenster, Qt::LeftButton);
    EXPECT_TRUE(analysator.isVisible());

    QTest::mouseClick(f.SBRechteck, Qt::LeftButton);
    mausZug(f.Zeichenbereich->Seite, QPoint(50, 50), QPoint(100, 80), Qt::LeftButton, 5);
    ASSERT_EQ(f.Dokument()->Teile.size(), 1u);
    TObjekt *r = f.Dokument()->Teile[0].get();
    EXPECT_EQ(analysator.ObjektImFokus(), r);
    EXPECT_TRUE(analysator.IstAusgewaehlt(r));
    f.Auswahl().clear();
    f.GriffeNeuErzeugen();
    Q_EMIT analysator.AuswahlErsetzen(r);
    EXPECT_EQ(f.Auswahl(), std::vector<TZeichenObjekt *>{static_cast<TZeichenObjekt *>(r)});
    f.Arbeitsbereich->Gespeichert();
    r->Name = QStringLiteral("haus");
    Q_EMIT analysator.Umbenannt(r);
    EXPECT_TRUE(f.Arbeitsbereich->Geaendert);

    analysator.close(); // by the pupil: the open button shows again
    EXPECT_EQ(knoepfe(), std::tuple(false, true, false));
    QTest::mouseClick(f.SBAnalysatorfenster, Qt::LeftButton);
    EXPECT_TRUE(analysator.isVisible());
    EXPECT_GE(analysator.geometry().left(), f.frameGeometry().right());
    f.DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f.close();
    EXPECT_FALSE(analysator.isVisible());
}

