// libFuzzer target: arbitrary call texts and caret positions into the
// scanner. Input layout: two bytes caret (little endian), one flag byte
// (bit 0: text is Windows-1252 instead of UTF-8; bit 1: also draw the text),
// then the text. Every analysis must end normally with a consistent result:
// a valid call has its object, method and one value of the right kind per
// parameter; the error range and the caret word lie inside the text.
#include "figures/UZeichenObjekte.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "language/Scanner.h"
#include "model/Codec1252.h"
#include "model/Dokument.h"
#include "model/Katalog.h"
#include "figures/KlassenObjekte.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

TObjekt *anlegen(TArbeitsbereich &ws, const char *klasse, TObjekt *besitzer = nullptr)
{
    std::unique_ptr<TObjekt> neu = ws.Klassen().ObjektErzeugen(QString::fromLatin1(klasse));
    neu->NamenVergeben();
    return (besitzer ? besitzer : &ws.Dokument())->TeilAnhaengen(std::move(neu));
}

struct TUmgebung {
    std::unique_ptr<QGuiApplication> app;
    std::unique_ptr<TArbeitsbereich> ws;
    TScanner scanner;
    QImage bild{200, 24, QImage::Format_RGB32};

    TUmgebung()
    {
        static int argc = 1;
        static char name[] = "fuzz_scanner";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        ws = std::make_unique<TArbeitsbereich>();
        // One object of every class, a group with members and a polyline
        // with vertices: re0 re1 el0 li0 lz0 lp0..lp2 ve0 tf0 gr0 (re2 el1).
        anlegen(*ws, "RECHTECK");
        anlegen(*ws, "RECHTECK");
        anlegen(*ws, "ELLIPSE");
        anlegen(*ws, "LINIE");
        TObjekt *lz = anlegen(*ws, "LINIENZUG");
        for (int i = 0; i < 3; ++i)
            anlegen(*ws, "PUNKT", lz);
        anlegen(*ws, "VIELECK");
        anlegen(*ws, "TEXTFELD");
        TObjekt *gr = anlegen(*ws, "GRUPPE");
        anlegen(*ws, "RECHTECK", gr);
        anlegen(*ws, "ELLIPSE", gr);
        // Font set-up allocates caches once (fontconfig keeps some of them
        // unreachable); do it before the first input.
        QPainter maler(&bild);
        maler.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
        TScanner::TextZeichnen(QStringLiteral("re0.verschieben(1 cm, 2) äöüß€"), &maler, 1, 0, 0, 200, 1, 2, 1,
                               3);
    }
};

TUmgebung &umgebung()
{
    static TUmgebung u;
    return u;
}

void ergebnisPruefen(const TScanner &s, const QString &text)
{
    const int n = int(text.size());
    Pruefen(s.Zustand <= 3);
    if (s.Fehlermeldung.isEmpty()) {
        Pruefen(s.Objekt && s.Methode);
        Pruefen(s.FehlerAnfang == -1 && s.FehlerEnde == -1);
        Pruefen(s.Parameter.size() == s.Methode->Parameter.size());
        for (std::size_t k = 0; k < s.Parameter.size(); ++k)
            Pruefen(s.Parameter[k] && s.Parameter[k]->Art() == s.Methode->Parameter[k].Art);
    } else if (s.FehlerAnfang != -1 || s.FehlerEnde != -1) {
        Pruefen(s.FehlerAnfang >= 1 && s.FehlerAnfang <= n + 1);
        Pruefen(s.FehlerEnde >= 0 && s.FehlerEnde <= n + 1);
        Pruefen(s.FehlerAnfang <= s.FehlerEnde + 1);
    } else {
        Pruefen(n == 0);
    }
    if (s.Zustand != 0) {
        Pruefen(s.WortAnfang >= 1 && s.WortAnfang <= n + 1);
        Pruefen(s.WortEnde == s.WortAnfang + int(s.Wort.size()));
        Pruefen(s.Wort == text.mid(s.WortAnfang - 1, s.Wort.size()));
        Pruefen(s.Wort.startsWith(s.Praefix));
    }
    if (s.Zustand == 3)
        Pruefen(s.ParameterArt <= 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < 3)
        return 0;
    TUmgebung &u = umgebung();
    const int marke = int(daten[0] | (daten[1] << 8));
    const std::uint8_t flags = daten[2];
    const QByteArray bytes(reinterpret_cast<const char *>(daten + 3), qsizetype(groesse - 3));
    const QString text = (flags & 1) ? Codec1252::Dekodieren(bytes) : QString::fromUtf8(bytes);

    // Carets from before the text to beyond its end.
    const int einfuegemarke = marke % (int(text.size()) + 4) - 2;
    u.scanner.Analysieren(text, einfuegemarke, &u.ws->Dokument());
    ergebnisPruefen(u.scanner, text);

    // Every converter on the whole text, and an unknown kind.
    for (int art = 0; art <= 11; ++art) {
        auto wert = u.scanner.KonvertiereParameter(std::uint8_t(art), text);
        if (wert)
            Pruefen(wert->Art() == art);
        else
            Pruefen(!u.scanner.Fehlermeldung.isEmpty());
    }

    const QString klassen = TScanner::Farbklassen(text);
    Pruefen(klassen.size() == text.size());
    for (QChar k : klassen)
        Pruefen(k >= QLatin1Char('0') && k <= QLatin1Char('3'));

    if (flags & 2) {
        QPainter maler(&u.bild);
        maler.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
        const int a = int(std::int8_t(flags)) >> 2;
        TScanner::TextZeichnen(text, &maler, a, 0, 0, 200, u.scanner.FehlerAnfang, u.scanner.FehlerEnde,
                               einfuegemarke, a + marke % 7);
    }
    return 0;
}
