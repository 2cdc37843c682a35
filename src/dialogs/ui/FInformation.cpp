#include "dialogs/ui/FInformation.h"

#include "dialogs/Anleitung.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <cmath>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

TLinkLabel::TLinkLabel(const QString &adresse, QWidget *eltern)
    : QLabel(adresse, eltern), Adresse(adresse)
{
    Oeffnen = [](const QString &a) { QDesktopServices::openUrl(QUrl(a)); };
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    farbeSetzen(Qt::black);
}

QColor TLinkLabel::Textfarbe() const
{
    return palette().color(QPalette::WindowText);
}

void TLinkLabel::farbeSetzen(const QColor &farbe)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, farbe);
    setPalette(pal);
}

void TLinkLabel::enterEvent(QEnterEvent *ereignis)
{
    farbeSetzen(QColor(0, 0, 255));
    QLabel::enterEvent(ereignis);
}

void TLinkLabel::leaveEvent(QEvent *ereignis)
{
    farbeSetzen(Qt::black);
    QLabel::leaveEvent(ereignis);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *ereignis)
{
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()) &&
        Oeffnen)
        Oeffnen(Adresse);
    QLabel::mouseReleaseEvent(ereignis);
}

QString TFInformation::DatumDeutsch(const QDate &datum)
{
    static const char16_t *const monate[] = {u"Januar", u"Februar", u"März",     u"April",
                                             u"Mai",    u"Juni",    u"Juli",     u"August",
                                             u"September", u"Oktober", u"November", u"Dezember"};
    if (!datum.isValid())
        return {};
    return QString::number(datum.day()) + QStringLiteral(". ") +
           QString::fromUtf16(monate[datum.month() - 1]) + QLatin1Char(' ') +
           QString::number(datum.year());
}

namespace {
QLabel *zeile(QWidget *eltern, const QString &text, int x, int y, int punkte = 9, bool fett = false)
{
    auto *l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    l->setFont(f);
    l->move(x, y);
    l->adjustSize();
    return l;
}
} // namespace

TFInformation::TFInformation(QWidget *eltern) : QWidget(eltern, Qt::Window)
{
    setWindowTitle(QStringLiteral("Information"));
    setObjectName(QStringLiteral("FInformation"));
    setFixedSize(Breite, Hoehe);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // silver
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    const int x = 200;
    zeile(this, QStringLiteral("Figuro"), x, 14, 20, true);
    zeile(this, QStringLiteral("Ein Zeichenprogramm für den Informatikunterricht"), x, 52);
    zeile(this, QStringLiteral("zur Einführung in die Objektorientierung"), x, 70);
    LabelVersion = zeile(this,
                         QStringLiteral("Version ") + Version() + QStringLiteral(" vom ") +
                             DatumDeutsch(Veroeffentlichung()),
                         x, 96, 9, true);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    zeile(this, QStringLiteral("Das Figuro-Team, für Schulen aller Schularten"), x, 116);
    zeile(this, QStringLiteral("Freie Software: Weitergabe im Unterricht erwünscht."), x,
          134, 8);
    // What comes with the program, found without a web address: the guide
    // window and the examples folder (the main window answers the links).
    zeile(this, QStringLiteral("Beispielzeichnungen und eine Anleitung sind"), x, 164);
    zeile(this, QStringLiteral("mit dem Programm installiert:"), x, 182);
    const QString anleitung = AnleitungPfad(QCoreApplication::applicationDirPath());
    LabelAnleitung = new TLinkLabel(anleitung.isEmpty() ? QString() : QUrl::fromLocalFile(anleitung).toString(),
                                    this);
    LabelAnleitung->setObjectName(QStringLiteral("LabelAnleitung"));
    LabelAnleitung->setText(QStringLiteral("Anleitung (F1)"));
    LabelAnleitung->move(x, 204);
    LabelAnleitung->adjustSize();
    const QString beispiele = BeispielOrdner(QCoreApplication::applicationDirPath());
    LabelBeispiele = new TLinkLabel(beispiele.isEmpty() ? QString() : QUrl::fromLocalFile(beispiele).toString(),
                                    this);
    LabelBeispiele->setObjectName(QStringLiteral("LabelBeispiele"));
    LabelBeispiele->setText(QStringLiteral("Beispiele öffnen ..."));
    LabelBeispiele->move(x + 120, 204);
    LabelBeispiele->adjustSize();
    zeile(this, QStringLiteral("Das Programm wird laufend weiterentwickelt."), x, 244);

    SBSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    SBSchliessen->setObjectName(QStringLiteral("SBSchliessen"));
    SBSchliessen->setGeometry(Breite - 96, Hoehe - 34, 84, 25);
    connect(SBSchliessen, &QPushButton::clicked, this, &QWidget::hide);
}

void TFInformation::zentrieren(QWidget *hauptfenster)
{
    QRect bezug;
    if (hauptfenster && hauptfenster->isVisible())
        bezug = hauptfenster->frameGeometry();
    else if (QScreen *s = QGuiApplication::primaryScreen())
        bezug = s->availableGeometry();
    if (bezug.isValid())
        move(bezug.center() - QPoint(Breite / 2, Hoehe / 2));
}

void TFInformation::SplashZeigen(QWidget *hauptfenster)
{
    splash_ = true;
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(Breite, Hoehe);
    zentrieren(hauptfenster);
    show();
    raise();
}

void TFInformation::FensterZeigen(QWidget *hauptfenster)
{
    splash_ = false;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(Breite, Hoehe);
    zentrieren(hauptfenster);
    show();
    raise();
    activateWindow();
}

void TFInformation::paintEvent(QPaintEvent *)
{
    // The picture: a small drawing whose figures are labelled as objects.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF blatt(16, 16, 168, 224);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawRect(blatt.translated(4, 4));
    p.setBrush(Qt::white);
    p.drawRect(blatt);

    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(QRectF(34, 40, 80, 56));
    p.setBrush(QColor(0, 128, 255));
    p.drawEllipse(QRectF(84, 80, 80, 60));
    p.setBrush(QColor(255, 0, 0));
    QPainterPath sechseck;
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI / 3 * i;
        const QPointF punkt(70 + 30 * std::cos(a), 180 + 30 * std::sin(a));
        if (i == 0)
            sechseck.moveTo(punkt);
        else
            sechseck.lineTo(punkt);
    }
    sechseck.closeSubpath();
    p.drawPath(sechseck);
    p.setPen(QPen(QColor(0, 128, 0), 3));
    p.drawLine(QPointF(120, 222), QPointF(170, 160));

    QFont f = font();
    f.setPointSize(8);
    f.setFamily(QStringLiteral("Courier New"));
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPointF(38, 36), QStringLiteral("re0:RECHTECK"));
    p.drawText(QPointF(100, 154), QStringLiteral("el0:ELLIPSE"));
    p.drawText(QPointF(24, 228), QStringLiteral("ve0:VIELECK"));
}
