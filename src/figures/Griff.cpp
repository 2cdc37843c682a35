#include "figures/Griff.h"
#include "figures/ZeichenObjekt.h"
#include "surface/Zeichenflaeche.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {
constexpr double GriffRadiusPixel = 4.0;
}

double VektorWinkel(double dx, double dy)
{
    if (std::hypot(dx, dy) < 0.000001)
        return 0.0;
    double a = std::atan2(dy, dx);
    if (a < 0)
        a += 2.0 * M_PI;
    return a;
}

TGriff::TGriff(std::uint8_t griffArt, TZeichenObjekt *figur, double winkel, double posX,
               double posY, double bezugX, double bezugY)
    : GriffArt(griffArt), PosX(posX), PosY(posY), BezugX(bezugX), BezugY(bezugY),
      Winkel(winkel), Figur(figur)
{
}

TGriff::~TGriff() = default;

TMarkenMaler::TMarkenMaler(TZeichenflaeche *zf, bool kantenglaettungAus)
    : p_(zf ? zf->Leinwand : nullptr)
{
    if (!p_)
        return;
    p_->save();
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (kantenglaettungAus)
        p_->setRenderHint(QPainter::Antialiasing, false);
}

TMarkenMaler::~TMarkenMaler()
{
    if (p_)
        p_->restore();
}

void TGriff::Zeichnen(TZeichenflaeche *zf)
{
    const TMarkenMaler maler(zf);
    if (!maler)
        return;
    QPainter &p = *maler;
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(Qt::SolidPattern);
    const int hx = zf->XPixel(PosX), hy = zf->YPixel(PosY);
    switch (GriffArt) {
    case GriffSeite:
    case GriffEcke: {
        const double r = GriffRadiusPixel / zf->SkalaX;
        const double ecken[4][2] = {{r, r}, {-r, r}, {-r, -r}, {r, -r}};
        QPolygon quadrat;
        for (const auto &e : ecken) {
            const TWeltPunkt q = PunktDrehen(PosX + e[0], PosY + e[1], PosX, PosY, Winkel);
            quadrat << QPoint(zf->XPixel(q.X), zf->YPixel(q.Y));
        }
        p.setBrush(Qt::white);
        p.drawPolygon(quadrat);
        break;
    }
    case GriffDrehung: {
        const int cx = Figur ? zf->XPixel(Figur->MitteX) : hx;
        const int cy = Figur ? zf->YPixel(Figur->MitteY) : hy;
        p.setBrush(Qt::black);
        p.drawLine(hx, hy, cx, cy);
        p.drawEllipse(QRect(QPoint(cx - 2, cy - 4), QPoint(cx + 4, cy + 2)));
        p.setBrush(QColor(0, 128, 0));
        p.drawEllipse(QRect(QPoint(hx - 4, hy - 4), QPoint(hx + 4, hy + 4)));
        break;
    }
    case GriffPunkt:
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawRect(QRect(QPoint(hx - 3, hy - 3), QPoint(hx + 2, hy + 2)));
        break;
    default:
        break;
    }
}

bool TGriff::Getroffen(TZeichenflaeche *zf, double x, double y)
{
    const double skala = zf ? zf->SkalaX : 96.0 / 2.54;
    const double r = GriffRadiusPixel / skala;
    const double dx = x - PosX, dy = y - PosY;
    switch (GriffArt) {
    case GriffSeite:
    case GriffEcke:
    case GriffPunkt: {
        const TWeltPunkt uv = PunktDrehen(dx, dy, 0.0, 0.0, -Winkel);
        // A tiny tolerance so that points on the edge count despite rounding.
        return std::fabs(uv.X) <= r + 1e-9 && std::fabs(uv.Y) <= r + 1e-9;
    }
    case GriffDrehung:
        return dx * dx + dy * dy <= r * r + 1e-12;
    default:
        return false;
    }
}

void TGriff::KopieAnlegen()
{
    VorschauKopie.reset();
    if (!Figur)
        return;
    std::unique_ptr<TObjekt> kopie = Figur->Duplizieren(false);
    if (auto *figur = dynamic_cast<TZeichenObjekt *>(kopie.get())) {
        kopie.release();
        VorschauKopie.reset(figur);
        VorschauKopie->VorschauSetzen(true);
    }
}

void TGriff::KopieZeichnen(TZeichenflaeche *zf)
{
    if (VorschauKopie && zf)
        VorschauKopie->Zeichnen(zf);
}

void TGriff::ZiehenBeginnen(TZeichenflaeche *zf, double x, double y)
{
    KopieAnlegen();
    MausStartX = x;
    MausStartY = y;
    KopieZeichnen(zf);
}

void TGriff::Ziehen(bool shift, bool ctrl, double x, double y, TZeichenflaeche *zf)
{
    if (!VorschauKopie)
        return;
    KopieZeichnen(zf);
    ZielBerechnen(shift, ctrl, x, y);
    KopieZeichnen(zf);
}

void TGriff::ZiehenBeenden()
{
    if (VorschauKopie && Figur) {
        Figur->Uebernehmen(*VorschauKopie);
        Figur->GeometrieBerechnen();
    }
    VorschauKopie.reset();
}

void TGriff::ZiehenAbbrechen()
{
    VorschauKopie.reset();
}

TCursorArt TGriff::CursorArt() const
{
    switch (GriffArt) {
    case GriffDrehung:
        return TCursorArt::Drehen;
    case GriffPunkt:
        return TCursorArt::PunktVerschieben;
    case GriffSegment:
        return TCursorArt::LinienAbschnitt;
    default:
        break;
    }
    double a = Figur ? VektorWinkel(PosX - Figur->MitteX, PosY - Figur->MitteY) : 0.0;
    if (a > M_PI)
        a -= M_PI;
    if (a <= M_PI / 8 || a >= 7 * M_PI / 8)
        return TCursorArt::GroesseHorizontal;
    if (a < 3 * M_PI / 8)
        return TCursorArt::GroesseDiagonalSteigend;
    if (a < 5 * M_PI / 8)
        return TCursorArt::GroesseVertikal;
    return TCursorArt::GroesseDiagonalFallend;
}
