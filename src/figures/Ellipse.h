#pragma once
#include "figures/RechteckArt.h"

#include <QPoint>
#include <QVector>
#include <optional>

class TEllipse : public TRechteckArt
{
public:
    TEllipse(TDokument *dokument, TAnalysator *analysator, TObjekt *klasse);

    QVector<TWeltPunkt> Umrisspunkte;
    QVector<QPoint> Bildpunkte;

    void Zeichnen(TZeichenflaeche *zf) override;
    std::unique_ptr<TObjekt> Duplizieren(bool neuerName) override;
    // Defined with the file code in persistence/.
    void InXMLSchreiben(TXMLKnoten &knoten) const override;
    void AusXMLLesen(const TXMLKnoten &knoten) override;
    std::unique_ptr<TData> AttributWert(int attributId) const override;
    void MethodeAusfuehren(int methodenId, const TDataListe &parameter, QString &meldung,
                           TZeichenflaeche *zf) override;
    void GeometrieBerechnen() override;
    void BildpunkteBerechnen() override;
    bool Getroffen(TZeichenflaeche *zf, double x, double y) override;
    void AufziehenBeenden(TZeichenflaeche *zf) override;

    // The setters of the class, each logged with its value.
    void radiusXSetzen(double r);
    void radiusYSetzen(double r);
    void mittelpunktSetzen(double x, double y);

    // Number of outline points for the larger radius at the zoom (or the
    // printer) of zf: about one point per 10 pixels of the circumscribed
    // circle, 4 to 500 on screen, 4 to 3000 when printing.
    static int Punktzahl(const TZeichenflaeche *zf, double radius);

private:
    // The outline for the point density of zf.
    void umrissBerechnen(const TZeichenflaeche *zf);
};

// Shared by ellipse and polygon: the world points turned to pixels, and the
// bounding box of a point list.
QVector<QPoint> BildpunkteAus(const TZeichenflaeche *zf, const QVector<TWeltPunkt> &punkte);

// Shared by the figures with a closed outline of world points (ellipse,
// polygon): maps the outline to pixels and draws it filled and outlined, or
// as the dashed inverted preview.
void GeschlossenenUmrissZeichnen(TZeichenflaeche *zf, const TZeichenObjekt &figur,
                                 const QVector<TWeltPunkt> &umriss, QVector<QPoint> &bildpunkte);
// The part of the hit test both share: flat figures along the outline, the
// bounding box widened by the line width, unfilled figures along the
// outline. Nothing when the filled area decides.
std::optional<bool> UmrissVortest(TZeichenflaeche *zf, const TRechteckArt &figur,
                                  const QVector<TWeltPunkt> &umriss, double x, double y);
TUmgebungsrechteck UmgebungAus(const QVector<TWeltPunkt> &punkte);
