#include "AnalyserHilfen.h"
#include "analyser/Umbenennen.h"

#include <gtest/gtest.h>

namespace {
const QString Leer = QStringLiteral("Der Objektbezeichner muss mindestens 1 Zeichen lang sein.");
}

TEST(Umbenennen, EigenerNameInAndererSchreibungIstVergeben)
{
    TAnalyserUmgebung u;
    u.neu("RECHTECK");
    TObjekt *g = u.gruppe(1); // gr0 with re1
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("RE0")),
              QStringLiteral("Ein Objekt mit dem Bezeichner RE0 gibt es schon."));
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("re0")),
              QStringLiteral("Ein Objekt mit dem Bezeichner re0 gibt es schon."));
    // Members and the document itself count too.
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("Re1")),
              QStringLiteral("Ein Objekt mit dem Bezeichner Re1 gibt es schon."));
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("DOKUMENT1")),
              QStringLiteral("Ein Objekt mit dem Bezeichner DOKUMENT1 gibt es schon."));
    g->Teile.front()->Name = QStringLiteral("tür");
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("TÜR")),
              QStringLiteral("Ein Objekt mit dem Bezeichner TÜR gibt es schon."));
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("haus")), QString());
}

TEST(Umbenennen, KlassennameAuchKleingeschriebenIstUnzulaessig)
{
    TAnalyserUmgebung u;
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("rechteck")),
              QStringLiteral("Es gibt schon eine Klasse rechteck, daher ist dieser Name als "
                             "Objektbezeichner unzulässig."));
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("Punkt")),
              QStringLiteral("Es gibt schon eine Klasse Punkt, daher ist dieser Name als "
                             "Objektbezeichner unzulässig."));
    // The class message wins over an existing object of that name.
    u.neu("RECHTECK")->Name = QStringLiteral("gruppe");
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("GRUPPE")),
              QStringLiteral("Es gibt schon eine Klasse GRUPPE, daher ist dieser Name als "
                             "Objektbezeichner unzulässig."));
}

TEST(Umbenennen, LeererNameZeigtNurDieLaengenmeldung)
{
    TAnalyserUmgebung u;
    u.neu("RECHTECK");
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QString()), Leer);
}

TEST(Umbenennen, NurBezeichnerDieManTippenKann)
{
    TAnalyserUmgebung u;
    const QString keinBezeichner = QStringLiteral(
        "Der Objektbezeichner muss mit einem Buchstaben oder _ beginnen und darf nur Buchstaben, "
        "Ziffern und _ enthalten.");
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("3haus")), keinBezeichner);
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("mein haus")), keinBezeichner);
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("re0.x")), keinBezeichner);
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("haus€")), keinBezeichner);
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("łódź")), keinBezeichner); // not in 1252
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("_dach2")), QString());
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("Straße")), QString());
    EXPECT_EQ(UmbenennenPruefen(u.Dokument, QStringLiteral("Ärger")), QString());
}
