#pragma once
#include "model/MethodenAufruf.h"

#include <functional>

class TObjekt;
#include <memory>
#include <vector>

// The call recorder: the one log of method calls.
class TAnalysator
{
public:
    static constexpr int MaximaleEintraege = 2000;
    // Bound on all kept records, sub-calls included: a group's entry holds
    // one sub-call per member, so 2000 entries alone would not bound memory.
    // Past it the oldest top-level entries are dropped (the newest is always
    // kept whole). 100,000 records are about 20 MB; ordinary drawings (fewer
    // than 50 records per entry on average) never reach it.
    static constexpr long long MaximaleAufrufe = 100000;

    TAnalysator() = default;
    TAnalysator(const TAnalysator &) = delete;
    TAnalysator &operator=(const TAnalysator &) = delete;

    // Takes ownership and logs: dropped when suppressed or stopped; nested
    // below the innermost open record, or appended as a top-level entry.
    void Protokollieren(std::unique_ptr<TMethodenAufruf> aufruf);
    // Opens a compound record: records logged until Schliessen become its
    // sub-calls.
    void Oeffnen(std::unique_ptr<TMethodenAufruf> aufruf);
    // Closes the innermost open record and logs it.
    void Schliessen();

    const std::vector<std::unique_ptr<TMethodenAufruf>> &Protokoll() const { return protokoll_; }
    int OffeneAnzahl() const { return int(offen_.size()); }
    // Number of records kept in the log, sub-calls included.
    long long AufrufAnzahl() const { return aufrufe_; }

    // When true nothing is logged (set while the program shuts down).
    bool Angehalten = false;
    // The typed-call marker: true while a typed call runs.
    bool AusEingabefeld = false;

    // Number of top-level entries ever logged (including those the limit has
    // dropped since); lets views map entries to running numbers.
    long long GesamtAnzahl() const { return gesamt_; }

    // The undo history's two changes of the log (undo and redo themselves
    // log nothing): Leeren starts a fresh log (new or opened document);
    // EintraegeEntfernen drops the top-level entries with running numbers
    // von..bis-1 (the entries of undone steps when a new step is made), so
    // the entries after them move up by the number removed. Observers are
    // not told: views rebuild from Protokoll() afterwards.
    void Leeren();
    void EintraegeEntfernen(long long von, long long bis);

    // Observers of new top-level entries (the analyser window listens).
    using Beobachter = std::function<void(const TMethodenAufruf &)>;
    int BeobachterAnmelden(Beobachter b);
    void BeobachterAbmelden(int kennung);

    // Observers of freed objects: every object built with this recorder
    // reports its destruction (also one freed after it left the document,
    // such as a vertex taken out of its polyline), so that views holding a
    // plain pointer to it let go at once. The pointer must not be read.
    using FreigabeBeobachter = std::function<void(const TObjekt *)>;
    int FreigabeBeobachterAnmelden(FreigabeBeobachter b);
    void FreigabeBeobachterAbmelden(int kennung);
    void ObjektFreigegeben(const TObjekt *objekt);

private:
    // Drops the oldest top-level entry and its sub-calls.
    void aeltestenEntfernen();

    std::vector<std::pair<int, FreigabeBeobachter>> freigabeBeobachter_;
    std::vector<std::unique_ptr<TMethodenAufruf>> protokoll_;
    // Records per top-level entry (parallel to protokoll_) and their sum.
    std::vector<int> anzahlen_;
    long long aufrufe_ = 0;
    std::vector<std::unique_ptr<TMethodenAufruf>> offen_;
    std::vector<std::pair<int, Beobachter>> beobachter_;
    int naechsteKennung_ = 1;
    long long gesamt_ = 0;
};
