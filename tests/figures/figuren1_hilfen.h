#pragma once
// Shared set-up of the figure tests: a recorder, a document and the class
// registry, plus typed creation of figures and access to the log texts.
#include "figures/Griff.h"
#include "figures/UZeichenObjekte.h"
#include "language/Analysator.h"
#include "model/Dokument.h"
#include "model/KlassenObjekte.h"
#include "window/Zeichenflaeche.h"

#include <QStringList>
#include <gtest/gtest.h>

struct TFigurUmgebung {
    TAnalysator a;
    TDokument d{&a};
    TKlassenObjekte k{&a, &d};

    // A new named figure of the class, owned by the document.
    template <class T>
    T *Neu(const char *klasse)
    {
        auto objekt = k.ObjektErzeugen(QString::fromLatin1(klasse));
        T *figur = dynamic_cast<T *>(objekt.get());
        EXPECT_NE(figur, nullptr);
        figur->NamenVergeben();
        d.TeilAnhaengen(std::move(objekt));
        return figur;
    }

    // The texts of all top-level log entries, oldest first.
    QStringList Texte() const
    {
        QStringList texte;
        for (const auto &eintrag : a.Protokoll())
            texte << eintrag->AnzeigeText();
        return texte;
    }
    QString Letzter() const
    {
        return a.Protokoll().empty() ? QString() : a.Protokoll().back()->AnzeigeText();
    }
    int Anzahl() const { return int(a.Protokoll().size()); }
};

// Parameter lists for MethodeAusfuehren.
inline TDataListe Werte(std::initializer_list<TData> werte)
{
    TDataListe liste;
    for (const TData &w : werte)
        liste.push_back(std::make_unique<TData>(w));
    return liste;
}
inline TData Laenge(double cm) { return TData(cm, ArtLaenge); }
inline TData Winkel(double grad) { return TData(grad, ArtWinkel); }
inline TData Faktor(double f) { return TData(f, ArtFaktor); }
