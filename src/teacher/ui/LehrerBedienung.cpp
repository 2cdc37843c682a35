#include "teacher/ui/LehrerBedienung.h"
#include "figures/ZeichenObjekt.h"
#include "language/Arbeitsbereich.h"
#include "model/Dokument.h"
#include "teacher/Sperren.h"
#include "teacher/ui/BearbeitenSperren.h"
#include "teacher/ui/Passwortabfrage.h"
#include "teacher/ui/Passwortschutz.h"
#include "window/ui/FMain.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

// Small glyphs for the lock buttons: a mouse, a keyboard, or both.
void mausMalen(QPainter &p, QRectF r)
{
    QPainterPath koerper;
    koerper.addRoundedRect(r, r.width() / 2.2, r.width() / 2.2);
    p.setBrush(Qt::white);
    p.drawPath(koerper);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() * 0.4));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.4),
               QPointF(r.right(), r.top() + r.height() * 0.4));
}

void tastaturMalen(QPainter &p, QRectF r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(Qt::black);
    const double w = r.width() / 5, h = r.height() / 3;
    for (int zeile = 0; zeile < 2; ++zeile)
        for (int spalte = 0; spalte < 4; ++spalte)
            p.drawRect(QRectF(r.left() + w * 0.5 + spalte * w + 1, r.top() + h * 0.4 + zeile * h + 1,
                              w - 2.5, h - 2.5));
}

QIcon glyphe(bool maus, bool tastatur)
{
    const int breite = maus && tastatur ? 40 : 20;
    QPixmap bild(breite, 20);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    double x = 0;
    if (maus) {
        mausMalen(p, QRectF(x + 5.5, 2.5, 9, 15));
        x += 20;
    }
    if (tastatur)
        tastaturMalen(p, QRectF(x + 1.5, 5.5, 17, 10));
    return QIcon(bild);
}

QToolButton *sperrknopf(QWidget *panel, const char *name, int x, int breite, const QString &hinweis,
                        const QIcon &bild)
{
    auto *k = new QToolButton(panel);
    k->setObjectName(QString::fromLatin1(name));
    k->setGeometry(x, 4, breite, 24);
    k->setAutoRaise(true);
    k->setCheckable(true);
    k->setFocusPolicy(Qt::NoFocus);
    k->setToolTip(hinweis);
    k->setIcon(bild);
    k->setIconSize(QSize(breite - 4, 20));
    return k;
}

QAction *aktion(QObject *eltern, const char *name, const QString &text)
{
    auto *a = new QAction(text, eltern);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

TLehrerBedienung::TLehrerBedienung(TFMain *fenster) : QObject(fenster), f_(fenster)
{
    setObjectName(QStringLiteral("Lehrer"));
    DialogAusfuehren = [](QDialog *d) { d->exec(); };

    // The menu "Für Lehrer".
    ALehrerModusAn = aktion(f_, "ALehrerModusAn", QStringLiteral("Lehrermodus an"));
    ALehrerModusAus = aktion(f_, "ALehrerModusAus", QStringLiteral("Lehrermodus aus"));
    APasswortSetzen = aktion(f_, "APasswortSetzen", QStringLiteral("Dokument mit Passwort schützen ..."));
    for (QAction *a : {ALehrerModusAn, ALehrerModusAus, APasswortSetzen})
        f_->MenuFuerLehrer->addAction(a);
    connect(ALehrerModusAn, &QAction::triggered, this, &TLehrerBedienung::ALehrerModusAnExecute);
    connect(ALehrerModusAus, &QAction::triggered, this, &TLehrerBedienung::ALehrerModusAusExecute);
    connect(APasswortSetzen, &QAction::triggered, this, &TLehrerBedienung::APasswortSetzenExecute);

    // The lock buttons.
    QWidget *panel = f_->PBearbeitenSperren;
    SBBearbeitenMitMausSperren =
        sperrknopf(panel, "SBBearbeitenMitMausSperren", 4, 24,
                   QStringLiteral("Bearbeiten mit der Maus erlauben/sperren"), glyphe(true, false));
    SBBearbeitenMitTastaturSperren =
        sperrknopf(panel, "SBBearbeitenMitTastaturSperren", 30, 24,
                   QStringLiteral("Bearbeiten mit der Tastatur erlauben/sperren"), glyphe(false, true));
    SBBearbeitenMitMausTastatur =
        sperrknopf(panel, "SBBearbeitenMitMausTastatur", 4, 50,
                   QStringLiteral("Bearbeiten mit der Maus/Tastatur erlauben/sperren"), glyphe(true, true));
    SBBearbeitenMitMausTastatur->hide();
    connect(SBBearbeitenMitMausSperren, &QToolButton::clicked, this,
            &TLehrerBedienung::SBBearbeitenMitMausSperrenClick);
    connect(SBBearbeitenMitTastaturSperren, &QToolButton::clicked, this,
            &TLehrerBedienung::SBBearbeitenMitTastaturSperrenClick);
    connect(SBBearbeitenMitMausTastatur, &QToolButton::clicked, this,
            &TLehrerBedienung::SBBearbeitenMitMausTastaturClick);

    // The dialogs, in the order the program creates its windows.
    FPasswortabfrage = new TFPasswortabfrage(f_);
    FBearbeitenSperren = new TFBearbeitenSperren(f_);
    FPasswortschutz = new TFPasswortschutz(f_);

    connect(f_, &TFMain::attributanzeigeAktualisiert, this, &TLehrerBedienung::SperrenAnzeigen);
    connect(f_, &TFMain::oberflaecheAktualisiert, this, [this] {
        SichtbarkeitAnpassen();
        FreigabeAnpassen();
    });
    SichtbarkeitAnpassen();
    FreigabeAnpassen();
}

void TLehrerBedienung::SichtbarkeitAnpassen()
{
    const bool an = f_->Lehrermodus();
    ALehrerModusAn->setVisible(!an);
    ALehrerModusAus->setVisible(an);
    APasswortSetzen->setVisible(an);
    f_->PBearbeitenSperren->setVisible(an);
}

void TLehrerBedienung::LehrermodusSetzen(bool an)
{
    if (f_->Steuerung->GesteLaeuft())
        f_->GesteAbbrechen();
    if (f_->Arbeitsbereich->Lehrermodus != an) {
        f_->Arbeitsbereich->Lehrermodus = an;
        // What was done in the other mode is never undone in this one.
        f_->Arbeitsbereich->VerlaufLeeren();
    }
    SichtbarkeitAnpassen();
    SperrenAnzeigen();
    // Cursor and hover follow the locks that now apply or not.
    f_->MausNeuBewerten();
    f_->OberflaecheAktualisieren();
}

void TLehrerBedienung::ALehrerModusAnExecute()
{
    const bool frei = Lehrer::LehrermodusFreigeben(f_->Dokument()->Passwort, [this](const QString &p) {
        FPasswortabfrage->Passwort = p;
        FPasswortabfrage->Vorbereiten();
        FPasswortabfrage->setResult(QDialog::Rejected);
        if (DialogAusfuehren)
            DialogAusfuehren(FPasswortabfrage);
        const bool ok = FPasswortabfrage->Ok && FPasswortabfrage->result() == QDialog::Accepted;
        FPasswortabfrage->Passwort.clear();
        return ok;
    });
    if (frei)
        LehrermodusSetzen(true);
}

void TLehrerBedienung::ALehrerModusAusExecute()
{
    LehrermodusSetzen(false);
}

void TLehrerBedienung::APasswortSetzenExecute()
{
    TDokument *dok = f_->Dokument();
    FPasswortschutz->Passwort = dok->Passwort;
    FPasswortschutz->Vorbereiten();
    if (DialogAusfuehren)
        DialogAusfuehren(FPasswortschutz);
    if (FPasswortschutz->Uebernommen && Lehrer::PasswortSetzen(*dok, FPasswortschutz->Passwort))
        f_->Arbeitsbereich->AenderungOhneSchritt(); // the protection must not get lost on closing
    FPasswortschutz->Passwort.clear();
}

void TLehrerBedienung::nachSperren(bool geaendert)
{
    if (geaendert)
        f_->Arbeitsbereich->AenderungOhneSchritt(); // locks are never undone
    f_->AttributanzeigeAktualisieren();
    f_->MausNeuBewerten();
    f_->AnalysatorAktualisieren();
    f_->OberflaecheAktualisieren();
}

void TLehrerBedienung::SBBearbeitenMitMausSperrenClick()
{
    const std::uint8_t wahl =
        SBBearbeitenMitMausSperren->isChecked() ? Sperren::Gesperrt : Sperren::Erlaubt;
    nachSperren(Sperren::MausAnwenden(Sperren::AlsObjekte(f_->Auswahl()), wahl));
}

void TLehrerBedienung::SBBearbeitenMitTastaturSperrenClick()
{
    const std::uint8_t wahl =
        SBBearbeitenMitTastaturSperren->isChecked() ? Sperren::Gesperrt : Sperren::Erlaubt;
    nachSperren(Sperren::TastaturAnwenden(Sperren::AlsObjekte(f_->Auswahl()), wahl));
}

void TLehrerBedienung::SBBearbeitenMitMausTastaturClick()
{
    SBBearbeitenMitMausTastatur->setChecked(true);
    const Sperren::TZustand z = Sperren::Gemeinsam(f_->Auswahl());
    FBearbeitenSperren->Vorbereiten(z.Maus, z.Tastatur, Sperren::AlsObjekte(f_->Auswahl()));
    FBearbeitenSperren->setResult(QDialog::Rejected);
    if (DialogAusfuehren)
        DialogAusfuehren(FBearbeitenSperren);
    const bool geaendert =
        FBearbeitenSperren->result() == QDialog::Accepted && FBearbeitenSperren->Geaendert;
    FBearbeitenSperren->Objekte.clear();
    SBBearbeitenMitMausTastatur->setChecked(false);
    nachSperren(geaendert);
}

void TLehrerBedienung::SperrenAnzeigen()
{
    const auto &auswahl = f_->Auswahl();
    if (auswahl.empty())
        return; // the buttons keep their last state (and are disabled)
    const Sperren::TZustand z = Sperren::Gemeinsam(auswahl);
    const bool gemischt = z.Maus == Sperren::Uneinheitlich || z.Tastatur == Sperren::Uneinheitlich;
    SBBearbeitenMitMausTastatur->setVisible(gemischt);
    SBBearbeitenMitMausSperren->setVisible(!gemischt);
    SBBearbeitenMitTastaturSperren->setVisible(!gemischt);
    if (!gemischt) {
        SBBearbeitenMitMausSperren->setChecked(z.Maus == Sperren::Gesperrt);
        SBBearbeitenMitTastaturSperren->setChecked(z.Tastatur == Sperren::Gesperrt);
    }
}

void TLehrerBedienung::FreigabeAnpassen()
{
    const bool mitAuswahl = !f_->Auswahl().empty();
    for (QToolButton *k :
         {SBBearbeitenMitMausSperren, SBBearbeitenMitTastaturSperren, SBBearbeitenMitMausTastatur})
        k->setEnabled(mitAuswahl);
}
