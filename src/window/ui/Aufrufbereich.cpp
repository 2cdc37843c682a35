#include "window/ui/Aufrufbereich.h"
#include "figures/ZeichenObjekt.h"
#include "model/Analysator.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "model/Grossschreibung.h"
#include "window/ui/AnalysatorAnschluss.h"
#include "window/ui/FMain.h"
#include "window/ui/MyScrollBox.h"

namespace {

bool gleich(const TUmgebungsrechteck &a, const TUmgebungsrechteck &b)
{
    return a.Links == b.Links && a.Rechts == b.Rechts && a.Unten == b.Unten && a.Oben == b.Oben;
}

bool nurBenannte(const TMethodenAufruf &a, const QSet<QString> &namen)
{
    if (!namen.contains(Grossschreibung(a.ObjektName)))
        return false;
    for (const auto &u : a.Unteraufrufe)
        if (!nurBenannte(*u, namen))
            return false;
    return true;
}

bool liegtIn(const TObjekt *o, const TObjekt *figur)
{
    for (; o; o = o->Besitzer)
        if (o == figur)
            return true;
    return false;
}

TObjekt *markiertes(TFMain &f)
{
    return f.Analysatorfenster() ? f.Analysatorfenster()->MarkiertesObjekt() : nullptr;
}

} // namespace

TAufrufbereich::TAufrufbereich(TFMain &fenster, const QString &aufruf) : f_(fenster)
{
    TDokument *dok = f_.Dokument();
    const qsizetype punkt = aufruf.indexOf(QLatin1Char('.'));
    if (!dok || punkt <= 0)
        return;
    TObjekt *o = dok->FindeObjekt(aufruf.left(punkt).trimmed());
    while (o && o->Besitzer && o->Besitzer != dok)
        o = o->Besitzer;
    figur_ = o && o->Besitzer == dok ? dynamic_cast<TZeichenObjekt *>(o) : nullptr;
    if (!figur_)
        return;
    teile_.reserve(dok->Teile.size());
    rechtecke_.reserve(dok->Teile.size());
    for (const auto &teil : dok->Teile) {
        teile_.push_back(teil.get());
        rechtecke_.push_back(teil->Umgebungsrechteck);
    }
    auswahl_ = f_.Auswahl();
    hintergrund_ = dok->Hintergrundfarbe;
    lehrermodus_ = f_.Lehrermodus();
    markiert_ = markiertes(f_);
    eintraege_ = f_.Arbeitsbereich->Analysator().GesamtAnzahl();
    vorher_ = gemalt();
}

// What OnDokumentPaint paints for the figure: itself, its handles (or lock
// mark) and the analyser's focus frame when the marked object is part of it.
QRect TAufrufbereich::gemalt() const
{
    TObjekt *markiert = markiertes(f_);
    const bool lehrer = f_.Lehrermodus();
    return f_.Zeichenbereich->Ausdehnung([&](TZeichenflaeche *zf) {
        zf->SperrenWirksam = !lehrer;
        figur_->Zeichnen(zf);
        figur_->GriffeZeichnen(zf);
        if (markiert && liegtIn(markiert, figur_))
            markiert->FokusrahmenZeichnen(zf);
    });
}

bool TAufrufbereich::nurDieFigur() const
{
    TDokument *dok = f_.Dokument();
    if (!figur_ || !dok || dok->Teile.size() != teile_.size() || !(dok->Hintergrundfarbe == hintergrund_) ||
        f_.Lehrermodus() != lehrermodus_ || markiertes(f_) != markiert_ || f_.Auswahl() != auswahl_)
        return false;
    for (std::size_t i = 0; i < teile_.size(); ++i) {
        const TObjekt *teil = dok->Teile[i].get();
        if (teil != teile_[i] || (teil != figur_ && !gleich(teil->Umgebungsrechteck, rechtecke_[i])))
            return false;
    }
    // The records the call logged (the log may have dropped old entries,
    // never the newest one).
    const TAnalysator &analysator = f_.Arbeitsbereich->Analysator();
    const long long neu = analysator.GesamtAnzahl() - eintraege_;
    const auto &protokoll = analysator.Protokoll();
    if (neu < 1 || neu > (long long)protokoll.size())
        return false;
    QSet<QString> namen;
    figur_->NamenSammeln(namen);
    for (std::size_t i = protokoll.size() - std::size_t(neu); i < protokoll.size(); ++i)
        if (!nurBenannte(*protokoll[i], namen))
            return false;
    return true;
}

std::optional<QRect> TAufrufbereich::Nachher()
{
    if (!nurDieFigur())
        return std::nullopt;
    const QRect nachher = gemalt();
    if (vorher_.isEmpty() || nachher.isEmpty())
        return vorher_.isEmpty() ? nachher : vorher_;
    return vorher_ | nachher;
}
