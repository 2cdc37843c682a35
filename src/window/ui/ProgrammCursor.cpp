#include "window/ui/ProgrammCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <map>

namespace {

constexpr int Groesse = 32;
constexpr int Mitte = 15;

// Draws a path as a black line with a white halo, so the pointer stays
// visible on dark and light figures alike.
void umrandetZeichnen(QPainter &p, const QPainterPath &pfad, bool fuellen = false)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (fuellen)
        p.setBrush(Qt::black);
    p.drawPath(pfad);
}

QPainterPath pfeilspitze(QPointF spitze, QPointF richtung, double laenge = 4.0)
{
    const double l = std::hypot(richtung.x(), richtung.y());
    const QPointF d = l > 0 ? richtung / l : QPointF(1, 0);
    const QPointF n(-d.y(), d.x());
    QPainterPath pfad;
    pfad.moveTo(spitze);
    pfad.lineTo(spitze - d * laenge + n * laenge);
    pfad.lineTo(spitze - d * laenge - n * laenge);
    pfad.closeSubpath();
    return pfad;
}

// Lines through pixel centres, so that they stay crisp with antialiasing.
QPainterPath fadenkreuz(double x, double y, double r)
{
    x += 0.5;
    y += 0.5;
    QPainterPath pfad;
    pfad.moveTo(x - r, y);
    pfad.lineTo(x + r, y);
    pfad.moveTo(x, y - r);
    pfad.lineTo(x, y + r);
    return pfad;
}

QPixmap leer()
{
    QPixmap bild(Groesse, Groesse);
    bild.fill(Qt::transparent);
    return bild;
}

QCursor drehCursor()
{
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bogen;
    const QRectF kreis(Mitte - 9, Mitte - 9, 18, 18);
    bogen.arcMoveTo(kreis, 100);
    bogen.arcTo(kreis, 100, 280);
    umrandetZeichnen(p, bogen);
    // The arrow head at the end of the arc (at 20 degrees), pointing on.
    const QPointF ende(Mitte + 9 * std::cos(20 * M_PI / 180), Mitte - 9 * std::sin(20 * M_PI / 180));
    umrandetZeichnen(p, pfeilspitze(ende + QPointF(-1.5, -3.5), QPointF(-0.4, -1.0), 4.5), true);
    umrandetZeichnen(p, fadenkreuz(Mitte, Mitte, 2));
    p.end();
    return QCursor(bild, Mitte, Mitte);
}

QPainterPath vierPfeile(double r, double spitze)
{
    QPainterPath pfad = fadenkreuz(Mitte, Mitte, r);
    pfad.addPath(pfeilspitze(QPointF(Mitte + r + 1, Mitte), QPointF(1, 0), spitze));
    pfad.addPath(pfeilspitze(QPointF(Mitte - r - 1, Mitte), QPointF(-1, 0), spitze));
    pfad.addPath(pfeilspitze(QPointF(Mitte, Mitte + r + 1), QPointF(0, 1), spitze));
    pfad.addPath(pfeilspitze(QPointF(Mitte, Mitte - r - 1), QPointF(0, -1), spitze));
    return pfad;
}

QCursor verschiebeCursor()
{
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    umrandetZeichnen(p, vierPfeile(10, 4), true);
    p.end();
    return QCursor(bild, Mitte, Mitte);
}

QCursor punktVerschiebeCursor()
{
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    umrandetZeichnen(p, vierPfeile(8, 3), true);
    QPainterPath punkt;
    punkt.addRect(Mitte - 3, Mitte - 3, 6, 6);
    umrandetZeichnen(p, punkt, true);
    p.end();
    return QCursor(bild, Mitte, Mitte);
}

QCursor linienAbschnittCursor()
{
    QPixmap bild = leer();
    QPainter p(&bild);
    umrandetZeichnen(p, fadenkreuz(Mitte, Mitte, 7));
    // A small plus: a new point is inserted here.
    QPainterPath plus = fadenkreuz(Mitte + 10, Mitte + 10, 3);
    QPainterPath kasten;
    kasten.addRect(Mitte + 5.5, Mitte + 5.5, 10, 10);
    umrandetZeichnen(p, kasten);
    umrandetZeichnen(p, plus);
    p.end();
    return QCursor(bild, Mitte, Mitte);
}

QCursor schliessenCursor()
{
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    umrandetZeichnen(p, fadenkreuz(Mitte, Mitte, 7));
    // A closed ring: clicking here closes the polyline.
    QPainterPath ring;
    ring.addEllipse(QPointF(Mitte + 9, Mitte + 9), 4, 4);
    umrandetZeichnen(p, ring);
    p.end();
    return QCursor(bild, Mitte, Mitte);
}

std::map<TMauszeiger, QCursor> &tabelle()
{
    static std::map<TMauszeiger, QCursor> cursor;
    return cursor;
}

} // namespace

void TProgrammCursor::Registrieren()
{
    auto &t = tabelle();
    if (!t.empty())
        return;
    t[TMauszeiger::Drehen] = drehCursor();
    t[TMauszeiger::Verschieben] = verschiebeCursor();
    t[TMauszeiger::PunktVerschieben] = punktVerschiebeCursor();
    t[TMauszeiger::LinienAbschnitt] = linienAbschnittCursor();
    t[TMauszeiger::Schliessen] = schliessenCursor();
}

bool TProgrammCursor::Registriert()
{
    return !tabelle().empty();
}

QCursor TProgrammCursor::Cursor(TMauszeiger zeiger)
{
    switch (zeiger) {
    case TMauszeiger::Standard:
        return QCursor(Qt::ArrowCursor);
    case TMauszeiger::Kreuz:
        return QCursor(Qt::CrossCursor);
    case TMauszeiger::Hand:
        return QCursor(Qt::PointingHandCursor);
    case TMauszeiger::GroesseHorizontal:
        return QCursor(Qt::SizeHorCursor);
    case TMauszeiger::GroesseVertikal:
        return QCursor(Qt::SizeVerCursor);
    case TMauszeiger::GroesseDiagonalSteigend:
        return QCursor(Qt::SizeBDiagCursor);
    case TMauszeiger::GroesseDiagonalFallend:
        return QCursor(Qt::SizeFDiagCursor);
    default:
        break;
    }
    Registrieren();
    return tabelle().at(zeiger);
}

QString TProgrammCursor::Name(TMauszeiger zeiger)
{
    switch (zeiger) {
    case TMauszeiger::Drehen:
        return QStringLiteral("DREHCURSOR");
    case TMauszeiger::Verschieben:
        return QStringLiteral("VERSCHIEBECURSOR");
    case TMauszeiger::PunktVerschieben:
        return QStringLiteral("PUNKTVERSCHIEBECURSOR");
    case TMauszeiger::LinienAbschnitt:
        return QStringLiteral("LINIENABSCHNITTCURSOR");
    case TMauszeiger::Schliessen:
        return QStringLiteral("SCHLIESSENCURSOR");
    default:
        return {};
    }
}
