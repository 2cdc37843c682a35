// Writes a picture of the analyser window for the documentation when the
// environment names a file: FIGURO_SCREENSHOT=docs/screenshots/analysator.png.
#include "AnalyserHilfen.h"
#include "analyser/ui/FAnalysator.h"

#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(Bildschirmfoto, AnalysatorMitGruppeUndLinienzug)
{
    const QByteArray ziel = qgetenv("FIGURO_SCREENSHOT");
    if (ziel.isEmpty())
        GTEST_SKIP() << "FIGURO_SCREENSHOT not set";
    TAnalyserUmgebung u;
    TObjekt *gruppe = u.neu("GRUPPE");
    u.neu("RECHTECK", gruppe);
    TObjekt *ellipse = u.neu("ELLIPSE", gruppe);
    TObjekt *innen = u.neu("GRUPPE", gruppe);
    u.neu("LINIE", innen);
    u.neu("RECHTECK", innen);
    TObjekt *lz = u.linienzug(4);
    lz->ObjektdiagrammZusammengefaltet = false;
    u.neu("TEXTFELD");
    auto *e = static_cast<TZeichenObjekt *>(ellipse);
    e->Füllfarbe = TFarbe::Echt(FarbWert(255, 255, 0));
    e->Linienfarbe = TFarbe::Echt(FarbWert(0, 0, 0));
    e->Linienstärke = 0.05;

    TFAnalysator fenster(&u.Analysator, &u.Dokument, &u.Klassen);
    fenster.IstAusgewaehlt = [gruppe](const TObjekt *o) { return o == gruppe; };
    for (const char *text : {"re0", "el0", "gr1"}) {
        auto a = std::make_unique<TMethodenAufruf>(MVerschieben, QString::fromLatin1(text));
        a->LaengeHinzufuegen(1.0).LaengeHinzufuegen(0.5);
        u.Analysator.Protokollieren(std::move(a));
    }
    fenster.resize(980, 760);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    fenster.findChild<QTabWidget *>(QStringLiteral("PCAnalysator"))->setCurrentIndex(1);
    fenster.Aktualisieren();
    fenster.FokusSetzen(ellipse);
    QTest::qWait(50);
    const QPixmap bild = fenster.grab();
    ASSERT_TRUE(bild.save(QString::fromLocal8Bit(ziel)));
    // The call list, for a second look.
    const QByteArray liste = qgetenv("FIGURO_SCREENSHOT_LISTE");
    if (!liste.isEmpty()) {
        fenster.findChild<QTabWidget *>(QStringLiteral("PCAnalysator"))->setCurrentIndex(0);
        QTest::qWait(20);
        ASSERT_TRUE(fenster.grab().save(QString::fromLocal8Bit(liste)));
    }
}
