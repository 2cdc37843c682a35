#include "model/Analysator.h"

#include <algorithm>

namespace {

// Both observer lists: (id, function) pairs, ids drawn from one counter.
template <class F> int anmelden(std::vector<std::pair<int, F>> &liste, int &naechste, F f)
{
    const int kennung = naechste++;
    liste.emplace_back(kennung, std::move(f));
    return kennung;
}

template <class F> void abmelden(std::vector<std::pair<int, F>> &liste, int kennung)
{
    std::erase_if(liste, [kennung](const auto &p) { return p.first == kennung; });
}

} // namespace

void TAnalysator::Protokollieren(std::unique_ptr<TMethodenAufruf> aufruf)
{
    if (!aufruf || aufruf->Unterdrueckt || Angehalten)
        return; // freed here
    if (!offen_.empty()) {
        offen_.back()->UnteraufrufHinzufuegen(std::move(aufruf));
        return;
    }
    const int anzahl = aufruf->AnzahlMitUnteraufrufen();
    protokoll_.push_back(std::move(aufruf));
    anzahlen_.push_back(anzahl);
    aufrufe_ += anzahl;
    ++gesamt_;
    while (protokoll_.size() > 1 &&
           (protokoll_.size() > std::size_t(MaximaleEintraege) || aufrufe_ > MaximaleAufrufe))
        aeltestenEntfernen();
    const TMethodenAufruf &neu = *protokoll_.back();
    // Copy: an observer may unregister itself while being notified.
    const auto beobachter = beobachter_;
    for (const auto &b : beobachter)
        b.second(neu);
}

void TAnalysator::aeltestenEntfernen()
{
    aufrufe_ -= anzahlen_.front();
    anzahlen_.erase(anzahlen_.begin());
    protokoll_.erase(protokoll_.begin());
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
    return anmelden(beobachter_, naechsteKennung_, std::move(b));
}

void TAnalysator::BeobachterAbmelden(int kennung)
{
    abmelden(beobachter_, kennung);
}

void TAnalysator::Leeren()
{
    protokoll_.clear();
    anzahlen_.clear();
    aufrufe_ = 0;
}

void TAnalysator::EintraegeEntfernen(long long von, long long bis)
{
    // Running number of protokoll_[i] is erste + i.
    const long long erste = gesamt_ - static_cast<long long>(protokoll_.size());
    const long long a = std::max(von, erste) - erste;
    const long long b = std::min(bis, gesamt_) - erste;
    if (a >= b)
        return;
    for (long long i = a; i < b; ++i)
        aufrufe_ -= anzahlen_[std::size_t(i)];
    anzahlen_.erase(anzahlen_.begin() + a, anzahlen_.begin() + b);
    protokoll_.erase(protokoll_.begin() + a, protokoll_.begin() + b);
    gesamt_ -= b - a;
}

int TAnalysator::FreigabeBeobachterAnmelden(FreigabeBeobachter b)
{
    return anmelden(freigabeBeobachter_, naechsteKennung_, std::move(b));
}

void TAnalysator::FreigabeBeobachterAbmelden(int kennung)
{
    abmelden(freigabeBeobachter_, kennung);
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
