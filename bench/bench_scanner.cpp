// The scanner runs on every keystroke: analysing a 60-character call against
// a drawing of 10,000 figures must stay well under a millisecond.
#include "language/Arbeitsbereich.h"
#include "language/Scanner.h"
#include "model/Dokument.h"
#include "figures/KlassenObjekte.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int FigurenAnzahl = 10000;

TArbeitsbereich &zeichnung()
{
    static TArbeitsbereich *ws = [] {
        auto *neu = new TArbeitsbereich;
        // A group in front for the object-argument case, then the figures.
        auto gruppe = neu->Klassen().ObjektErzeugen(QStringLiteral("GRUPPE"));
        gruppe->NamenVergeben();
        neu->Dokument().TeilAnhaengen(std::move(gruppe));
        const char *klassen[] = {"RECHTECK", "ELLIPSE", "LINIE", "VIELECK", "TEXTFELD"};
        for (int i = 0; i < FigurenAnzahl; ++i) {
            auto figur = neu->Klassen().ObjektErzeugen(QString::fromLatin1(klassen[i % 5]));
            figur->NamenVergeben();
            neu->Dokument().TeilAnhaengen(std::move(figur));
        }
        return neu;
    }();
    return *ws;
}

// Pads the call with blanks before its closing parenthesis to 60 characters.
QString sechzigZeichen(const QString &aufruf)
{
    QString text = aufruf;
    text.insert(text.size() - 1, QString(60 - aufruf.size(), QLatin1Char(' ')));
    if (text.size() != 60)
        throw std::logic_error("call too long");
    return text;
}

void analysieren(benchmark::State &state, const QString &aufruf)
{
    TArbeitsbereich &ws = zeichnung();
    const QString text = sechzigZeichen(aufruf);
    TScanner scanner;
    for (auto _ : state) {
        scanner.Analysieren(text, int(text.size()), &ws.Dokument());
        benchmark::DoNotOptimize(scanner.Objekt);
    }
    if (!scanner.Fehlermeldung.isEmpty())
        state.SkipWithError(scanner.Fehlermeldung.toStdString().c_str());
}

// The last figure: the name lookup walks the whole drawing.
void BM_Analysieren_LetzteFigur(benchmark::State &state)
{
    // 10,000 figures cycle through five classes: the last is the 2000th text field.
    analysieren(state, QStringLiteral("tf1999.DiagonalenschnittpunktSetzen(12.5 cm, 3.25 cm)"));
}
BENCHMARK(BM_Analysieren_LetzteFigur);

void BM_Analysieren_ErsteFigur(benchmark::State &state)
{
    analysieren(state, QStringLiteral("re0.DiagonalenschnittpunktSetzen(12.5 cm, 3.25 cm)"));
}
BENCHMARK(BM_Analysieren_ErsteFigur);

// An object argument: a second walk through the drawing.
void BM_Analysieren_Objektverweis(benchmark::State &state)
{
    analysieren(state, QStringLiteral("gr0.schlucken(tf1999)"));
}
BENCHMARK(BM_Analysieren_Objektverweis);

// An unknown name: the worst case, the whole drawing searched in vain.
void BM_Analysieren_Unbekannt(benchmark::State &state)
{
    TArbeitsbereich &ws = zeichnung();
    const QString text = sechzigZeichen(QStringLiteral("xy12345.DiagonalenschnittpunktSetzen(12.5 cm, 3.25 cm)"));
    TScanner scanner;
    for (auto _ : state) {
        scanner.Analysieren(text, int(text.size()), &ws.Dokument());
        benchmark::DoNotOptimize(scanner.Fehlermeldung);
    }
}
BENCHMARK(BM_Analysieren_Unbekannt);

void BM_Farbklassen(benchmark::State &state)
{
    const QString text = sechzigZeichen(QStringLiteral("re0.LinienfarbeSetzen(dunkelolivgrün) re0.strecken(1.5e2)"));
    for (auto _ : state)
        benchmark::DoNotOptimize(TScanner::Farbklassen(text));
}
BENCHMARK(BM_Farbklassen);

} // namespace

BENCHMARK_MAIN();
