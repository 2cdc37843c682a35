#include "language/EingabeVerlauf.h"

void TEingabeVerlauf::Merken(const QString &aufruf)
{
    index_ = -1;
    if (!eintraege_.empty() && eintraege_.back() == aufruf)
        return;
    eintraege_.push_back(aufruf);
    while (int(eintraege_.size()) > Hoechstzahl)
        eintraege_.pop_front();
}

bool TEingabeVerlauf::Unterwegs(const QString &aktuell) const
{
    return index_ >= 0 && index_ < int(eintraege_.size()) && eintraege_[std::size_t(index_)] == aktuell;
}

std::optional<QString> TEingabeVerlauf::Zurueck(const QString &aktuell)
{
    if (!Unterwegs(aktuell)) {
        if (eintraege_.empty())
            return std::nullopt;
        entwurf_ = aktuell;
        index_ = int(eintraege_.size()) - 1;
        return eintraege_[std::size_t(index_)];
    }
    if (index_ == 0)
        return std::nullopt;
    --index_;
    return eintraege_[std::size_t(index_)];
}

std::optional<QString> TEingabeVerlauf::Vor(const QString &aktuell)
{
    if (!Unterwegs(aktuell))
        return std::nullopt;
    if (index_ + 1 < int(eintraege_.size())) {
        ++index_;
        return eintraege_[std::size_t(index_)];
    }
    index_ = -1;
    return entwurf_;
}

std::optional<QString> TEingabeVerlauf::Abbrechen(const QString &aktuell)
{
    if (!Unterwegs(aktuell))
        return std::nullopt;
    index_ = -1;
    return entwurf_;
}
