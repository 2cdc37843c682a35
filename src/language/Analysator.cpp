#include "language/Analysator.h"

#include <algorithm>

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
    const int kennung = naechsteKennung_++;
    beobachter_.emplace_back(kennung, std::move(b));
    return kennung;
}

void TAnalysator::BeobachterAbmelden(int kennung)
{
    std::erase_if(beobachter_, [kennung](const auto &p) { return p.first == kennung; });
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
