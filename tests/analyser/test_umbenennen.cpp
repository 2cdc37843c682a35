#include "analyser_hilfen.h"
#include "analyser/Umbenennen.h"

#include <gtest/gtest.h>

// Every check of a new object name with its exact message: names are
// compared without regard to case, a class name wins over an object's name,
// only names one can type in a call are allowed.
TEST(Umbenennen, PruefungenUndMeldungen)
{
    TAnalyserUmgebung u;
    u.neu("RECHTECK");
    u.gruppe(2)->Teile.back()->Name = QStringLiteral("tür"); // gr0 with re1 and tür
    u.neu("RECHTECK")->Name = QStringLiteral("gruppe");
    enum Art { Frei, Vergeben, Klasse, Zeichen, Leer };
    const struct {
        const char *name;
        Art art;
    } faelle[] = {
        {"RE0", Vergeben},   {"re0", Vergeben},       {"Re1", Vergeben},   {"DOKUMENT1", Vergeben}, {"TÜR", Vergeben},
        {"haus", Frei},      {"_dach2", Frei},        {"Straße", Frei},    {"Ärger", Frei},         {"rechteck", Klasse},
        {"Punkt", Klasse},   {"GRUPPE", Klasse},      {"", Leer},          {"3haus", Zeichen},      {"mein haus", Zeichen},
        {"re0.x", Zeichen},  {"haus€", Zeichen},      {"łódź", Zeichen}, // not in Windows-1252
    };
    for (const auto &f : faelle) {
        const QString name = QString::fromUtf8(f.name);
        const QString meldungen[] = {
            QString(),
            QStringLiteral("Ein Objekt mit dem Bezeichner %1 gibt es schon.").arg(name),
            QStringLiteral("Es gibt schon eine Klasse %1, daher ist dieser Name als Objektbezeichner unzulässig.").arg(name),
            QStringLiteral("Der Objektbezeichner muss mit einem Buchstaben oder _ beginnen und darf nur Buchstaben, "
                           "Ziffern und _ enthalten."),
            QStringLiteral("Der Objektbezeichner muss mindestens 1 Zeichen lang sein."),
        };
        EXPECT_EQ(UmbenennenPruefen(u.Dokument, name), meldungen[f.art]) << f.name;
    }
}
