#include "window/Attributanzeige.h"

#include "figures/Gemeinsamkeitsfinder.h"
#include "figures/TextFeld.h"
#include "figures/ZeichenObjekt.h"
#include "language/Arbeitsbereich.h"
#include "model/Katalog.h"
#include "surface/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>

// --- the selection ------------------------------------------------------------

bool MitMausBearbeitbar(const TZeichenObjekt *figur, bool lehrermodus)
{
    return figur && (lehrermodus || figur->MausGesperrt == 0);
}

TTextFeld *EinzigesTextfeld(const std::vector<TZeichenObjekt *> &auswahl)
{
    if (auswahl.size() != 1 || !auswahl.front() || auswahl.front()->KlassenId != KlasseTextFeld)
        return nullptr;
    return static_cast<TTextFeld *>(auswahl.front());
}

TFreigaben FreigabenBerechnen(const std::vector<TZeichenObjekt *> &auswahl, bool lehrermodus)
{
    TFreigaben f;
    const bool eine = !auswahl.empty();
    f.Linie = eine;
    f.Sperren = eine;
    f.Fuellung = eine && std::none_of(auswahl.begin(), auswahl.end(), [](const TZeichenObjekt *o) {
                     return o->EnthaeltKlasse(KlasseLinie);
                 });
    const TTextFeld *feld = EinzigesTextfeld(auswahl);
    f.Text = feld && MitMausBearbeitbar(feld, lehrermodus);
    return f;
}

TAttributanzeige AttributanzeigeBerechnen(const std::vector<TZeichenObjekt *> &auswahl)
{
    TAttributanzeige a;
    if (auswahl.empty())
        return a;
    TGemeinsamkeitsfinder finder;
    finder.GemeinsameWerte(auswahl);
    a.MitAuswahl = true;
    a.Fuellfarbe = *finder.Füllfarbe;
    a.Linienfarbe = *finder.Linienfarbe;
    a.Linienart = finder.Linienart;
    a.Linienstaerke = finder.Linienstärke;
    a.MausGesperrt = finder.MausGesperrt;
    a.TastaturGesperrt = finder.TastaturGesperrt;
    a.TextFeld = EinzigesTextfeld(auswahl);
    return a;
}

// --- picker cells ----------------------------------------------------------------

std::optional<int> FarbzelleFuer(const TFarbe &farbe)
{
    if (farbe.FarbArt == FarbArtUnsichtbar)
        return FarbzelleUnsichtbar;
    if (farbe.FarbArt != FarbArtFarbe)
        return std::nullopt;
    return farbe.TabellenIndex();
}

TFarbe FarbeDerZelle(int tag)
{
    if (tag < 0 || tag >= int(BenannteFarben.size()))
        return TFarbe::Unsichtbar();
    const TBenannteFarbe &f = BenannteFarben[std::size_t(tag)];
    return TFarbe::Echt(FarbWert(f.Rot, f.Gruen, f.Blau));
}

const std::array<TStaerkeZelle, 8> StaerkeZellen = {{
    {"0.1", 0.01, 1},
    {"0.25", 0.025, 1},
    {"0.5", 0.05, 2},
    {"0.75", 0.075, 2},
    {"1.0", 0.1, 3},
    {"2.5", 0.25, 4},
    {"3.0", 0.3, 5},
    {"5.0", 0.5, 6},
}};

std::optional<int> StaerkezelleFuer(double breite)
{
    std::optional<int> gefunden;
    for (int i = 0; i < int(StaerkeZellen.size()); ++i)
        if (std::fabs(StaerkeZellen[std::size_t(i)].Breite - breite) <= 0.0001)
            gefunden = i;
    return gefunden;
}

QString StaerkeText(int zelle)
{
    if (zelle < 0 || zelle >= int(StaerkeZellen.size()))
        return QString();
    return QString::fromLatin1(StaerkeZellen[std::size_t(zelle)].Beschriftung) +
           QStringLiteral(" mm");
}

std::vector<std::pair<int, int>> LinienartProbe(std::uint8_t linienart, int anfang, int ende)
{
    std::vector<std::pair<int, int>> stuecke;
    if (ende <= anfang)
        return stuecke;
    const auto muster = TZeichenflaeche::Strichmuster(linienart);
    if (!muster) {
        stuecke.emplace_back(anfang, ende);
        return stuecke;
    }
    double x = anfang;
    bool zeichnen = true;
    for (std::size_t i = 0; x < ende; ++i) {
        const double bis = std::min<double>(x + (*muster)[i % 4] * 10.0, ende);
        const int a = RundenGerade(x), b = RundenGerade(bis);
        if (zeichnen && b > a)
            stuecke.emplace_back(a, b);
        x = bis;
        zeichnen = !zeichnen;
    }
    return stuecke;
}

// --- applying a choice --------------------------------------------------------------

namespace {

// Runs the setter on every selected figure that may be edited with the mouse.
template <typename F> int aufAuswahl(TArbeitsbereich &ws, F setzen)
{
    int n = 0;
    // A copy: a setter never changes the selection, but the list must not
    // move under the loop whatever a figure does.
    const std::vector<TZeichenObjekt *> auswahl = ws.Auswahl;
    for (TZeichenObjekt *f : auswahl) {
        if (!MitMausBearbeitbar(f, ws.Lehrermodus))
            continue;
        setzen(f);
        ++n;
    }
    if (n > 0)
        ws.SchrittAbschliessen();
    return n;
}

} // namespace

int FuellfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe)
{
    // A line has no fill: the button is disabled then, and a choice that
    // arrives anyway changes nothing.
    if (!FreigabenBerechnen(ws.Auswahl, ws.Lehrermodus).Fuellung)
        return 0;
    return aufAuswahl(ws, [&](TZeichenObjekt *f) { f->FüllfarbeSetzen(farbe); });
}

int LinienfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe)
{
    return aufAuswahl(ws, [&](TZeichenObjekt *f) { f->LinienfarbeSetzen(farbe); });
}

int LinienartAnwenden(TArbeitsbereich &ws, std::uint8_t linienart)
{
    if (linienart < 1 || linienart > 5)
        return 0;
    return aufAuswahl(ws, [&](TZeichenObjekt *f) { f->LinienartSetzen(linienart); });
}

int LinienstaerkeAnwenden(TArbeitsbereich &ws, double staerke)
{
    if (!(staerke > 0.0))
        return 0;
    return aufAuswahl(ws, [&](TZeichenObjekt *f) { f->LinienstärkeSetzen(staerke); });
}

TTextFeld *TextfeldFuerBefehle(const TArbeitsbereich &ws)
{
    TTextFeld *feld = EinzigesTextfeld(ws.Auswahl);
    return MitMausBearbeitbar(feld, ws.Lehrermodus) ? feld : nullptr;
}

bool SchriftfarbeAnwenden(TArbeitsbereich &ws, const TFarbe &farbe)
{
    TTextFeld *feld = TextfeldFuerBefehle(ws);
    if (!feld || farbe.FarbArt == FarbArtNichtEinheitlich)
        return false;
    feld->SchriftfarbeSetzen(farbe);
    ws.SchrittAbschliessen();
    return true;
}

bool AusrichtungAnwenden(TArbeitsbereich &ws, std::uint8_t ausrichtung)
{
    TTextFeld *feld = TextfeldFuerBefehle(ws);
    if (!feld || ausrichtung > 3 || feld->Ausrichtung == ausrichtung)
        return false;
    feld->AusrichtungSetzen(ausrichtung);
    ws.SchrittAbschliessen();
    return true;
}

TSchriftwahl SchriftDesTextfelds(const TTextFeld &feld)
{
    TSchriftwahl s;
    s.Name = feld.Schriftart;
    s.Groesse = feld.Schriftgröße;
    s.Fett = feld.Fett != 0;
    s.Kursiv = feld.Kursiv != 0;
    return s;
}

bool SchriftAnwenden(TArbeitsbereich &ws, const TSchriftwahl &wahl, QString *meldung)
{
    TTextFeld *feld = TextfeldFuerBefehle(ws);
    if (!feld)
        return false;
    bool geaendert = false;
    if (!wahl.Name.isEmpty() && wahl.Name != feld->Schriftart) {
        feld->SchriftartSetzen(wahl.Name);
        geaendert = true;
    }
    if (wahl.Groesse != feld->Schriftgröße) {
        const QString m = feld->SchriftgroesseSetzen(wahl.Groesse);
        if (m.isEmpty())
            geaendert = true;
        else if (meldung)
            *meldung = m;
    }
    if (wahl.Fett != (feld->Fett != 0)) {
        feld->FettSetzen(wahl.Fett);
        geaendert = true;
    }
    if (wahl.Kursiv != (feld->Kursiv != 0)) {
        feld->KursivSetzen(wahl.Kursiv);
        geaendert = true;
    }
    if (geaendert)
        ws.SchrittAbschliessen();
    return geaendert;
}

void TextBearbeitungAbschliessen(TArbeitsbereich &ws, TTextFeld &feld, bool ok,
                                 const QString &alterText)
{
    if (ok) {
        feld.TextSetzen(feld.Text);
        ws.SchrittAbschliessen();
    } else {
        feld.Text = alterText;
    }
}
