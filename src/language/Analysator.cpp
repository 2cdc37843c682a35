#include "language/Analysator.h"

void TAnalysator::Protokollieren(std::unique_ptr<TMethodenAufruf> aufruf)
{
    if (!aufruf || aufruf->Unterdrueckt || Angehalten)
        return; // freed here
    if (!offen_.empty()) {
        offen_.back()->UnteraufrufHinzufuegen(std::move(aufruf));
        return;
    }
    protokoll_.push_back(std::move(aufruf));
    ++gesamt_;
    if (protokoll_.size() > std::size_t(MaximaleEintraege))
        protokoll_.erase(protokoll_.begin());
    const TMethodenAufruf &neu = *protokoll_.back();
    // Copy: an observer may unregister itself while being notified.
    const auto beobachter = beobachter_;
    for (const auto &b : beobachter)
        b.second(neu);
}

void TAnalysator::Oeffnen(std::unique_ptr<TMethodenAufruf> aufruf)
{
    offen_.push_back(std::move(aufruf));
}

void TAnalysator::Schliessen()
{
    if (offen_.empty())
        return;
    auto aufruf = std::move(offen_.back());
    offen_.pop_back();
    Protokollieren(std::move(aufruf));
}

int TAnalysator::BeobachterAnmelden(Beobachter b)
{
    const int kennung = naechsteKennung_++;
    beobachter_.emplace_back(kennung, std::move(b));
    return kennung;
}

void TAnalysator::BeobachterAbmelden(int kennung)
{
    std::erase_if(beobachter_, [kennung](const auto &p) { return p.first == kennung; });
}

int TAnalysator::FreigabeBeobachterAnmelden(FreigabeBeobachter b)
{
    const int kennung = naechsteKennung_++;
    freigabeBeobachter_.emplace_back(kennung, std::move(b));
    return kennung;
}

void TAnalysator::FreigabeBeobachterAbmelden(int kennung)
{
    std::erase_if(freigabeBeobachter_, [kennung](const auto &p) { return p.first == kennung; });
}

void TAnalysator::ObjektFreigegeben(const TObjekt *objekt)
{
    if (freigabeBeobachter_.empty())
        return;
    // A copy: an observer may unregister while it is told.
    const auto beobachter = freigabeBeobachter_;
    for (const auto &[kennung, b] : beobachter)
        if (b)
            b(objekt);
}
