#pragma once
#include "figures/RechteckArt.h"

#include <vector>

// A group (class GRUPPE) bundles figures into one figure. The members are
// its Teile; every operation is forwarded to them and logged as one compound
// entry (Oeffnen ... Schliessen on the recorder) with the members' entries
// inside. Its box is always the axis-parallel union of the members' boxes;
// turning accumulates in Zusatzwinkel and leaves Winkel alone. Zusatzwinkel
// is the angle the group shows (attribute Winkel) and keeps in its file;
// winkelSetzen sets it, turning the members by the difference.
class TGruppe : public TRechteckArt
{
public:
    TGruppe(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    TZeichenObjekt *Mitglied(int index) const;
    int MitgliedAnzahl() const { return int(Teile.size()); }

    // Moves the figures of `liste` that lie directly in the document into the
    // new, empty group `gruppe`, in drawing order, and puts the group where
    // the rearmost of them was. Returns the group, now owned by the document.
    static TGruppe *Gruppieren(std::unique_ptr<TGruppe> gruppe,
                               const std::vector<TZeichenObjekt *> &liste);
    // The refusal of grouping these figures of the document: the message
    // when the new group would nest deeper than a file may
    // (MaxDateiTiefe), an empty text when grouping may go on.
    static QString GruppierenPruefen(const std::vector<TZeichenObjekt *> &liste);
    // "Die Gruppe wäre zu tief verschachtelt, ..."
    static QString ZuTiefText();
    // Puts the members into the document at the group's place in their
    // order and appends them to `auswahl`; removes the group from the
    // document and from `auswahl` and hands it to the caller to free.
    std::unique_ptr<TObjekt> GruppierungAufloesen(std::vector<TZeichenObjekt *> &auswahl);
    // Takes a figure of the document into the group: in front of the other
    // members when it lay in front of the group, behind them otherwise.
    // Returns an error text, or an empty text on success (nothing logged).
    QString Schlucken(TObjekt *objekt);

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    void Uebernehmen(const TObjekt &quelle) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void GeometrieBerechnen() override;
    void BildpunkteBerechnen() override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;

    void VorschauSetzen(bool vorschau) override;
    void FüllfarbeSetzen(const TFarbe &farbe) override;
    void LinienfarbeSetzen(const TFarbe &farbe) override;
    void LinienstärkeSetzen(double staerke) override;
    void LinienartSetzen(std::uint8_t art) override;
    void verschieben(double dx, double dy) override;
    void streckenMitZentrum(double zx, double zy, double faktor) override;
    void strecken(double faktor) override;
    void drehenUm(double px, double py, double winkel) override;
    void drehen(double winkel) override;
    void spiegelnAnVertikalerAchse(double x0) override;
    void spiegelnAnHorizontalerAchse(double y0) override;
    void vertikalSpiegeln() override;
    void horizontalSpiegeln() override;

private:
    std::vector<TZeichenObjekt *> mitglieder() const;
    // Opens a compound entry for the group; Schliessen closes it.
    void oeffnen(std::unique_ptr<TMethodenAufruf> aufruf);
    void schliessen();
    void gemeinsameWerteUebernehmen(bool mitSperren);
    template <typename F> void spiegeln(std::uint8_t kompositum, std::uint8_t einzeln, double achse,
                                        F mitgliedSpiegeln);
};
