#pragma once
// Shared set-up of the model tests: a recorder, a document and the class
// registry as the program builds them, and the log texts.
#include "figures/KlassenObjekte.h"
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "model/Dokument.h"

#include <QStringList>
#include <gtest/gtest.h>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// Display texts of log entries and their sub-calls, oldest first, each
// sub-call indented by two spaces below its caller.
inline void baum(const TMethodenAufruf &a, QStringList &texte, const QString &einzug = QString())
{
    texte << einzug + a.AnzeigeText();
    for (const auto &u : a.Unteraufrufe)
        baum(*u, texte, einzug + QStringLiteral("  "));
}
inline QStringList baum(const TAnalysator &analysator)
{
    QStringList texte;
    for (const auto &a : analysator.Protokoll())
        baum(*a, texte);
    return texte;
}

struct Umgebung {
    TAnalysator analysator;
    TDokument dokument{&analysator};
    TKlassenObjekte klassen{&analysator, &dokument};

    // Figures still alive at the end release themselves without logging.
    ~Umgebung() { analysator.Angehalten = true; }

    // A named, logged figure appended to the document.
    TObjekt *neu(const char *klasse)
    {
        auto o = klassen.ObjektErzeugen(QString::fromUtf8(klasse));
        o->NamenVergeben();
        o->ErzeugungProtokollieren();
        return dokument.TeilAnhaengen(std::move(o));
    }

    QStringList log() const { return baum(analysator); }
};

// A list of names written as one text separated by single spaces.
inline QStringList namen(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

// Runs a method with parameters and answers its message.
inline QString ausfuehren(TObjekt *o, int methode, std::initializer_list<TData> werte = {})
{
    TDataListe parameter;
    for (const TData &w : werte)
        parameter.push_back(std::make_unique<TData>(w));
    QString meldung = QStringLiteral("(unverändert)");
    o->MethodeAusfuehren(methode, parameter, meldung, nullptr);
    return meldung;
}
