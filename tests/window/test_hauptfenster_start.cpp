// The main window as a window: layout, start-up, splash, shutdown and
// printing.
#include "persistence/ui/DateiBefehle.h"
#include "FensterTest.h"
#include "analyser/ui/FAnalysator.h"
#include "dialogs/ui/FInformation.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPolygonF>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

using Aufbau = Fenster;

TEST_F(Aufbau, PanelsKnoepfeUndHinweisleiste)
{
    EXPECT_EQ(f->PMain->height(), 73);
    EXPECT_EQ(f->PLinienAttribute->geometry(), QRect(0, 0, 129, 33));
    const int mehr = f->CBZoom->width() - 73; // the panels right of it move along
    EXPECT_EQ(f->PAnzeige->geometry(), QRect(132, 0, 121 + mehr, 33));
    EXPECT_EQ(f->CBZoom->pos(), QPoint(40, 6));
    EXPECT_GE(f->CBZoom->width(), 73); // wide enough for "Seitenbreite"
    EXPECT_EQ(f->CBZoom->height(), 21);
    EXPECT_EQ(f->LabelZoom->text(), QStringLiteral("Zoom:"));
    EXPECT_EQ(f->Panel1->geometry(), QRect(256 + mehr, 0, 193, 33));
    EXPECT_EQ(f->Panel4->geometry(), QRect(452 + mehr, 0, 41, 33));
    EXPECT_EQ(f->PFuellungsAttribute->geometry(), QRect(0, 36, 89, 33));
    EXPECT_EQ(f->PTextFeldAttribute->geometry(), QRect(92, 36, 329, 33));
    EXPECT_EQ(f->SBTextBearbeiten->geometry(), QRect(220, 4, 101, 24));
    EXPECT_EQ(f->SBTextBearbeiten->text(), QStringLiteral("Text bearbeiten ..."));
    EXPECT_EQ(f->SBSchriftart->text(), QStringLiteral("Schriftart ..."));
    EXPECT_TRUE(f->SBLinksbuendig->isChecked());
    EXPECT_FALSE(f->PBearbeitenSperren->isVisible());
    EXPECT_EQ(f->PanelUnten->height(), 52);
    EXPECT_EQ(f->Panel2->height(), 24);
    EXPECT_EQ(f->PanelButtonGo->width(), 23);
    EXPECT_EQ(f->Panel5->width(), 25);
    // The drawing area fills the space between the panels.
    const QRect z = f->Zeichenbereich->geometry();
    EXPECT_EQ(z.top(), f->PMain->geometry().bottom() + 1);
    EXPECT_EQ(z.bottom() + 1, f->PanelUnten->geometry().top());

    const char *hinweise[] = {"Rechteck zeichnen", "Ellipse zeichnen", "Linie zeichnen",
                              "Linienzug zeichnen", "Kurvenzug zeichnen",
                              "Regelmäßiges Vieleck zeichnen", "Textfeld zeichnen"};
    for (int i = 0; i < WerkzeugAnzahl; ++i) {
        QToolButton *k = f->Werkzeugknoepfe[std::size_t(i)];
        EXPECT_EQ(k->toolTip(), QString::fromUtf8(hinweise[i]));
        EXPECT_EQ(k->geometry(), QRect(4 + 26 * i, 4, 24, 24));
        EXPECT_TRUE(k->isCheckable());
        EXPECT_FALSE(k->isChecked());
    }
    EXPECT_EQ(f->SBMethodeAusfuehren->toolTip(), QStringLiteral("Methodenaufruf ausführen"));
    EXPECT_FALSE(f->SBMethodeAusfuehren->isEnabled());
    EXPECT_EQ(f->SBAnalysatorfenster->toolTip(), QStringLiteral("Analysatorfenster öffnen"));
    EXPECT_EQ(f->SBAnalysatorfensterSchliessen->toolTip(), QStringLiteral("Analysatorfenster schließen"));

    // The hint bar: its light bulb shows with a hint.
    EXPECT_EQ(f->PanelHilfstext->text(), TFMain::StartHinweis());
    EXPECT_EQ(TFMain::StartHinweis(),
              QStringLiteral("Zeichne eine Figur, dann werden die Schaltflächen zum Bearbeiten der "
                             "Attribute aktiv."));
    EXPECT_TRUE(f->ImageGluehbirne->isVisible());
    f->HinweisSetzen(QString());
    EXPECT_FALSE(f->ImageGluehbirne->isVisible());
    EXPECT_EQ(f->Hinweistext, QString());
    f->HinweisSetzen(QStringLiteral("x"));
    EXPECT_TRUE(f->ImageGluehbirne->isVisible());
    EXPECT_EQ(f->PanelHilfstext->text(), QStringLiteral("x"));
}

TEST_F(Aufbau, FokusrahmenDerMarkiertenFigur)
{
    TRechteck *r = rechteck(6, 20, 4, 2);
    r->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 255));
    f->Neuzeichnen();
    const QRect b = f->Zeichenbereich->PufferBereich();
    // 8 pixels outside the figure's right edge: the green frame.
    const QPoint aussen = px(8, 20) + QPoint(8, 0) - b.topLeft();
    auto gruen = [&] {
        const QColor c = f->Zeichenbereich->Puffer().pixelColor(aussen);
        const QColor d = f->Zeichenbereich->Puffer().pixelColor(aussen + QPoint(1, 0));
        return c == QColor(0, 221, 0) || d == QColor(0, 221, 0);
    };
    EXPECT_FALSE(gruen());
    analysator.Markiert = r;
    f->Neuzeichnen();
    EXPECT_TRUE(gruen());
    analysator.Markiert = dok(); // the document gets no frame
    f->Neuzeichnen();
    EXPECT_FALSE(gruen());
}

TEST(Start, GroesseSplashUndInformationUeberDasMenue)
{
    TFMain f(true);
    const QSize s = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(f.pos(), QPoint(0, 0));
    EXPECT_EQ(f.width(), s.width() / 2 + 20);
    EXPECT_EQ(f.height(), s.height() * 4 / 5);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Figuro 1.4"));
    EXPECT_TRUE(TProgrammCursor::Registriert());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_NE(f.FInformation, nullptr);
    EXPECT_TRUE(f.FInformation->isVisible());
    EXPECT_TRUE(f.FInformation->IstSplash());
    EXPECT_TRUE(f.TimerSplash->isActive());
    EXPECT_TRUE(f.TimerSplash->isSingleShot());
    EXPECT_EQ(f.TimerSplash->interval(), 3000);
    f.TimerSplashTimer();
    EXPECT_FALSE(f.FInformation->isVisible());
    EXPECT_FALSE(f.TimerSplash->isActive());
    // "Über das Programm ..." shows it again as a window.
    EXPECT_EQ(f.AUeberDasProgramm->text(), QStringLiteral("Über das Programm ..."));
    f.AUeberDasProgramm->trigger();
    EXPECT_TRUE(f.FInformation->isVisible());
    EXPECT_FALSE(f.FInformation->IstSplash());
    f.FInformation->hide();

    // Only the splash closes itself: the box opened from the menu while
    // the splash still stands survives the splash timer.
    TFMain zweites(true);
    zweites.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zweites));
    ASSERT_TRUE(zweites.FInformation->IstSplash());
    QMenu *info = zweites.MenuInformation;
    info->popup(zweites.mapToGlobal(QPoint(40, 40)));
    QTest::mouseClick(info, Qt::LeftButton, {}, info->actionGeometry(zweites.AUeberDasProgramm).center());
    EXPECT_FALSE(zweites.FInformation->IstSplash());
    zweites.TimerSplashTimer();
    EXPECT_TRUE(zweites.FInformation->isVisible());
    zweites.FInformation->hide();

    // The environment switches the splash off (for tests).
    qputenv("FIGURO_OHNE_SPLASH", "1");
    TFMain ohne;
    ohne.show();
    EXPECT_FALSE(ohne.FInformation->isVisible());
    EXPECT_FALSE(ohne.TimerSplash->isActive());
    qunsetenv("FIGURO_OHNE_SPLASH");
}

TEST_F(Aufbau, BeendenProtokolliertNichts)
{
    for (int i = 0; i < 3; ++i) {
        werkzeug(f->SBRechteck);
        zug(QPoint(40 + 60 * i, 60), QPoint(90 + 60 * i, 100), Qt::LeftButton, 5);
    }
    ASSERT_EQ(dok()->Teile.size(), 3u);
    int freigaben = 0, eintraege = 0;
    f->Analysator()->BeobachterAnmelden([&](const TMethodenAufruf &a) {
        ++eintraege;
        if (a.MethodenId == MFreigeben)
            ++freigaben;
    });
    // The drawing is modified: the question about saving is answered No.
    f->DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f->close();
    f.reset();
    EXPECT_EQ(freigaben, 0);
    EXPECT_EQ(eintraege, 0);
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
                a = z[n - 6];
                d = z[n - 3];
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

TEST_F(Aufbau, DruckenImPdfEinZentimeterProZentimeter)
{
    TRechteck *r = rechteck(6, 20, 5, 3);
    klicken(px(6, 20)); // selected: its handles must stay off the paper
    ASSERT_FALSE(r->Griffe.empty());
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("blatt.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setCopyCount(2);
    ASSERT_TRUE(f->Drucken(drucker));
    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r"), 2); // one page per copy
    int rechtecke = 0, andere = 0;
    for (const QSizeF &p : pdfPfade(inhalt)) {
        if (std::fabs(p.width() - 5.0) < 0.02 && std::fabs(p.height() - 3.0) < 0.02)
            ++rechtecke;
        else if (p.width() < 1.0 && p.height() < 1.0)
            ++andere; // handles would be small squares
    }
    // Fill and outline of the rectangle on each page; nothing else small.
    EXPECT_GE(rechtecke, 2);
    EXPECT_EQ(andere, 0);
    // The sheet on screen is unchanged by printing.
    EXPECT_FALSE(zf()->Drucken);
    EXPECT_EQ(r->Griffe.empty(), false);
}

TEST(AnalysatorFenster, WirdMitDemHauptfensterGezeigtUndGeschlossen)
{
    TFMain f(false);
    TFAnalysator analysator(f.Analysator(), f.Dokument(), f.Klassen());
    f.AnalysatorFensterAnschliessen(&analysator);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    // Connected before the first showing: open, only its close button shows.
    EXPECT_TRUE(analysator.isVisible());
    EXPECT_FALSE(f.SBAnalysatorfenster->isVisible());
    EXPECT_TRUE(f.SBAnalysatorfensterSchliessen->isVisible());
    QTest::mouseClick(f.SBAnalysatorfensterSchliessen, Qt::LeftButton);
    EXPECT_FALSE(analysator.isVisible());
    EXPECT_TRUE(f.SBAnalysatorfenster->isVisible());
    EXPECT_FALSE(f.SBAnalysatorfensterSchliessen->isVisible());
    QTest::mouseClick(f.SBAnalysatorfenster, Qt::LeftButton);
    EXPECT_TRUE(analysator.isVisible());

    // Drawing a rectangle focuses it in the analyser.
    QTest::mouseClick(f.SBRechteck, Qt::LeftButton);
    mausZug(f.Zeichenbereich->Seite, QPoint(50, 50), QPoint(100, 80), Qt::LeftButton, 5);
    ASSERT_EQ(f.Dokument()->Teile.size(), 1u);
    TObjekt *r = f.Dokument()->Teile[0].get();
    EXPECT_EQ(analysator.ObjektImFokus(), r);
    EXPECT_TRUE(analysator.IstAusgewaehlt(r));

    // A card click in the analyser replaces the selection.
    f.Auswahl().clear();
    f.GriffeNeuErzeugen();
    Q_EMIT analysator.AuswahlErsetzen(r);
    EXPECT_EQ(f.Auswahl(), std::vector<TZeichenObjekt *>{static_cast<TZeichenObjekt *>(r)});
    // Renaming there marks the document as modified.
    f.Arbeitsbereich->Gespeichert();
    r->Name = QStringLiteral("haus");
    Q_EMIT analysator.Umbenannt(r);
    EXPECT_TRUE(f.Arbeitsbereich->Geaendert);

    // Closed by the pupil: the open button shows again.
    analysator.close();
    EXPECT_TRUE(f.SBAnalysatorfenster->isVisible());
    EXPECT_FALSE(f.SBAnalysatorfensterSchliessen->isVisible());
    QTest::mouseClick(f.SBAnalysatorfenster, Qt::LeftButton);
    EXPECT_TRUE(analysator.isVisible());
    // It stands right of the main window.
    EXPECT_GE(analysator.geometry().left(), f.frameGeometry().right());

    // Closing the main window closes it too, so the program ends (the
    // question about saving the renamed drawing is answered No).
    f.DateiBefehle->Rueckfrage = [](const QString &) { return QMessageBox::No; };
    f.close();
    EXPECT_FALSE(analysator.isVisible());
}

TEST(Cursor, FuenfProgrammcursorSindGezeichnet)
{
    const TMauszeiger zeiger[] = {TMauszeiger::Drehen, TMauszeiger::Verschieben,
                                  TMauszeiger::PunktVerschieben, TMauszeiger::LinienAbschnitt,
                                  TMauszeiger::Schliessen};
    std::vector<QImage> bilder;
    for (int i = 0; i < 5; ++i) {
        const QCursor c = TProgrammCursor::Cursor(zeiger[i]);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor);
        EXPECT_EQ(c.hotSpot(), QPoint(15, 15));
        const QImage bild = c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(bild.isNull());
        int schwarz = 0, durchsichtig = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb p = bild.pixel(x, y);
                if (qAlpha(p) == 0)
                    ++durchsichtig;
                else if (qGray(p) < 60)
                    ++schwarz;
            }
        EXPECT_GT(schwarz, 10) << i;
        EXPECT_GT(durchsichtig, bild.width() * bild.height() / 2) << i;
        for (const QImage &anderes : bilder)
            EXPECT_NE(bild, anderes) << i;
        bilder.push_back(bild);
    }
    EXPECT_EQ(TProgrammCursor::Cursor(TMauszeiger::Kreuz).shape(), Qt::CrossCursor);
    EXPECT_EQ(TProgrammCursor::Cursor(TMauszeiger::Hand).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ZeigerFuerCursorArt(TCursorArt::GroesseDiagonalSteigend),
              TMauszeiger::GroesseDiagonalSteigend);
    EXPECT_EQ(TProgrammCursor::Cursor(TMauszeiger::GroesseDiagonalSteigend).shape(),
              Qt::SizeBDiagCursor);
    EXPECT_EQ(ZeigerFuerCursorArt(TCursorArt::Pfeil), TMauszeiger::Standard);
}
