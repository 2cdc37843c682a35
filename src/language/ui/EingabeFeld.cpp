#include "language/ui/EingabeFeld.h"

#include "language/Namensvorschlag.h"
#include "language/Scanner.h"
#include "language/Vervollstaendigung.h"
#include "language/ui/FCodeComplete.h"
#include "model/Codec1252.h"
#include "model/Katalog.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint8_t KeinZustand = 0xFF; // forces a rebuild of the proposals
constexpr int BlinkIntervall = 400;

bool IstSteuerzeichen(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127;
}

// Keys the field handles itself, so that shortcuts of the window do not
// steal them while a call is being typed.
bool EigeneTaste(int taste)
{
    switch (taste) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Ctrl or Alt alone make a key a command, not a character (Ctrl+Alt is
// AltGr on some keyboards and types characters).
bool Befehlstaste(Qt::KeyboardModifiers m)
{
    const bool strg = m & Qt::ControlModifier;
    const bool alt = m & Qt::AltModifier;
    return strg != alt;
}

// The text editing shortcuts the field answers itself while it has the
// focus, instead of the window's copy/cut/paste of figures.
bool Textbefehl(const QKeyEvent *k)
{
    return k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Cut) ||
           k->matches(QKeySequence::Paste) || k->matches(QKeySequence::SelectAll);
}

} // namespace

QString TEingabeFeld::Platzhalter()
{
    return QStringLiteral("Hier kannst Du eigene Methodenaufrufe eingeben!");
}

QString TEingabeFeld::NichtSpeicherbarMeldung()
{
    return QStringLiteral("Dieses Zeichen kann Figuro nicht speichern.");
}

TEingabeFeld::TEingabeFeld(QWidget *besitzer, TDokument *dokument)
    : QWidget(besitzer), dokument_(dokument), scanner_(std::make_unique<TScanner>())
{
    setObjectName(QStringLiteral("EingabeFeld"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
    setAutoFillBackground(false);

    schrift_ = QFont(QStringLiteral("Courier New"));
    schrift_.setStyleHint(QFont::TypeWriter);
    schrift_.setFixedPitch(true);
    schrift_.setPointSize(schriftgroesse_);
    setFont(schrift_);
    text_ = Platzhalter();

    codeComplete_ = new TFCodeComplete(this);
    codeComplete_->hide();
    codeComplete_->KlickBehandlerSetzen([this] { VorschlagUebernehmenOderAusfuehren(); });

    blinker_ = new QTimer(this);
    blinker_->setInterval(BlinkIntervall);
    connect(blinker_, &QTimer::timeout, this, &TEingabeFeld::Blinken);
    blinker_->start();

    metrikBerechnen();
}

TEingabeFeld::~TEingabeFeld() = default;

QSize TEingabeFeld::sizeHint() const
{
    return QSize(40 * zeichenbreite_, std::max(20, zeichenhoehe_ + 6));
}

QSize TEingabeFeld::minimumSizeHint() const
{
    return QSize(4 * zeichenbreite_, zeichenhoehe_ + 4);
}

int TEingabeFeld::MarkeX() const
{
    return zeichenbreite_ * (einfuegemarke_ - erstesZeichen_ + 1) + textLinks_;
}

// --- operations -------------------------------------------------------------

void TEingabeFeld::TextSetzen(const QString &s)
{
    text_ = s;
    einfuegemarke_ = 0;
    erstesZeichen_ = 1;
    fehlerAnfang_ = -1;
    fehlerEnde_ = -1;
    update();
}

void TEingabeFeld::MarkeSetzen(int p)
{
    const int laenge = int(text_.size());
    p = std::clamp(p, 0, laenge);
    einfuegemarke_ = p;
    if (p - erstesZeichen_ < -1)
        erstesZeichen_ = std::max(p - 1, 1);
    if (p - erstesZeichen_ > sichtbareZeichen_ - 1)
        erstesZeichen_ = std::max(1, std::min(p - sichtbareZeichen_ + 3, laenge - sichtbareZeichen_ + 1));
    markeNeuStarten();
    update();
}

bool TEingabeFeld::hatAuswahl() const
{
    return auswahlAnfang_ >= 0 && auswahlEnde_ >= 0 && auswahlAnfang_ != auswahlEnde_;
}

void TEingabeFeld::auswahlZuruecksetzen()
{
    auswahlAnfang_ = einfuegemarke_;
    auswahlEnde_ = einfuegemarke_;
}

std::pair<int, int> TEingabeFeld::auswahlGrenzen() const
{
    const int laenge = int(text_.size());
    return {std::clamp(std::min(auswahlAnfang_, auswahlEnde_), 0, laenge),
            std::clamp(std::max(auswahlAnfang_, auswahlEnde_), 0, laenge)};
}

void TEingabeFeld::AuswahlLoeschen()
{
    const auto [von, bis] = auswahlGrenzen();
    TextSetzen(text_.left(von) + text_.mid(bis));
    MarkeSetzen(von);
    auswahlAnfang_ = -1;
    auswahlEnde_ = -1;
}

void TEingabeFeld::auswahlBewegen(int neueMarke, bool erweitern)
{
    const int alteMarke = einfuegemarke_;
    if (erweitern && !hatAuswahl())
        auswahlAnfang_ = alteMarke;
    MarkeSetzen(neueMarke);
    auswahlEnde_ = einfuegemarke_;
    if (!erweitern)
        auswahlAnfang_ = einfuegemarke_;
    update();
}

void TEingabeFeld::Analysieren()
{
    scanner_->Analysieren(text_, einfuegemarke_, dokument_);
    fehlerAnfang_ = scanner_->FehlerAnfang;
    fehlerEnde_ = scanner_->FehlerEnde;
    update();

    if (scanner_->Zustand != letzterZustand_) {
        codeComplete_->VorschlaegeErzeugen(*scanner_, dokument_);
        fensterPlatzieren();
        letzterZustand_ = scanner_->Zustand;
    }

    const bool gelistet =
        codeComplete_->ListeFuellen(scanner_->Praefix, scanner_->Wort, ZuerstAnbieten(*scanner_));
    if (!gelistet || scanner_->Zustand == TScanner::ZustandKeiner || !isVisible()) {
        codeComplete_->hide();
    } else if (!codeComplete_->isVisible()) {
        codeComplete_->show();
        if (QApplication::activeWindow() != window())
            window()->activateWindow();
        if (!hasFocus())
            setFocus(Qt::OtherFocusReason);
    }

    melden(Hinweistext(*scanner_));
}

void TEingabeFeld::melden(const QString &meldung)
{
    Q_EMIT Aenderung(meldung, scanner_->Fehlermeldung.isEmpty());
}

void TEingabeFeld::Pruefen()
{
    scanner_->Analysieren(text_, einfuegemarke_, dokument_);
    fehlerAnfang_ = scanner_->FehlerAnfang;
    fehlerEnde_ = scanner_->FehlerEnde;
    update();
    codeComplete_->hide();
    letzterZustand_ = KeinZustand;
    melden(Hinweistext(*scanner_));
}

void TEingabeFeld::verlaufZeigen(const std::optional<QString> &text)
{
    if (!text)
        return;
    TextSetzen(*text);
    MarkeSetzen(int(text_.size()));
    auswahlZuruecksetzen();
    Pruefen();
}

void TEingabeFeld::AufrufUebernehmen(const QString &aufruf)
{
    setFocus(Qt::OtherFocusReason); // in an active window this empties the placeholder first
    verlaufZeigen(aufruf);
    // The click came from another window, which the system activates while
    // the click is handled: bring the keys back here once it is done.
    QTimer::singleShot(0, this, [this] {
        if (QApplication::activeWindow() != window())
            window()->activateWindow();
        setFocus(Qt::OtherFocusReason);
    });
}

void TEingabeFeld::VorschlagUebernehmenOderAusfuehren()
{
    const TVorschlag *v = codeComplete_->isVisible() ? codeComplete_->GewaehlterVorschlag() : nullptr;
    if (!v) {
        // The call may create, rename or delete objects: rebuild the
        // proposals at the next analysis.
        letzterZustand_ = KeinZustand;
        Q_EMIT Ausfuehren();
        return;
    }
    const int laenge = int(text_.size());
    const int anfang = std::clamp(scanner_->WortAnfang - 1, 0, laenge);
    const int ende = std::clamp(scanner_->WortEnde - 1, anfang, laenge);
    const QString vorher = text_.left(anfang);
    QString nachher = text_.mid(ende);
    QString einfuegen = v->Text;
    if (v->Art == VorschlagMethode) {
        qsizetype blanks = 0;
        while (blanks < nachher.size() && nachher[blanks] == QLatin1Char(' '))
            ++blanks;
        nachher.remove(0, blanks);
        if (!nachher.startsWith(QLatin1Char('('))) {
            einfuegen += QLatin1Char('(');
            if (v->Methode && v->Methode->Parameter.empty() && !nachher.startsWith(QLatin1Char(')')))
                einfuegen += QLatin1Char(')');
        }
    }
    text_ = vorher + einfuegen + nachher;
    MarkeSetzen(int(vorher.size() + einfuegen.size()));
    auswahlZuruecksetzen();
    update();
    Analysieren();
}

void TEingabeFeld::Blinken()
{
    if (hatFokus_)
        markeSichtbar_ = !markeSichtbar_;
    else if (markeSichtbar_)
        markeSichtbar_ = false;
    else
        return;
    update(markeRechteck());
}

void TEingabeFeld::markeNeuStarten()
{
    if (!hatFokus_)
        return;
    markeSichtbar_ = true;
    blinker_->start(); // a moved caret shows at once and keeps its full phase
}

QRect TEingabeFeld::markeRechteck() const
{
    const QFontMetrics fm(schrift_);
    return QRect(MarkeX(), textOben_, 2, fm.height() + 2);
}

// --- geometry ---------------------------------------------------------------

void TEingabeFeld::metrikBerechnen()
{
    const QFontMetrics fm(schrift_);
    zeichenbreite_ = std::max(1, fm.horizontalAdvance(QLatin1Char('M')));
    zeichenhoehe_ = fm.height();
    textLinks_ = 0;
    textOben_ = std::max(0, height() - zeichenhoehe_ - 4);
    sichtbareZeichen_ = std::max(1, (width() - textLinks_) / zeichenbreite_);
}

int TEingabeFeld::positionBeiX(int x) const
{
    const double p = double(x - textLinks_) / zeichenbreite_ + erstesZeichen_ - 1;
    return std::clamp(int(std::lround(p)), 0, int(text_.size()));
}

void TEingabeFeld::fensterPlatzieren()
{
    const QSize groesse = codeComplete_->size();
    const QPoint unten = mapToGlobal(QPoint(MarkeX(), 3));
    QRect r(QPoint(unten.x(), unten.y() - groesse.height()), groesse);
    if (const QScreen *bildschirm = screen()) {
        const QRect frei = bildschirm->availableGeometry();
        if (r.top() < frei.top()) // no room above: open below the field
            r.moveTop(mapToGlobal(QPoint(0, height())).y());
        if (r.right() > frei.right())
            r.moveRight(frei.right());
        if (r.left() < frei.left())
            r.moveLeft(frei.left());
    }
    codeComplete_->move(r.topLeft());
}

// --- events -----------------------------------------------------------------

void TEingabeFeld::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(schrift_);
    TScanner::TextZeichnen(text_, &p, erstesZeichen_, textLinks_, textOben_, width(), fehlerAnfang_,
                           fehlerEnde_, auswahlAnfang_, auswahlEnde_);
    if (markeSichtbar_) {
        // Inverting, so that the caret stays visible on every background.
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.fillRect(markeRechteck(), Qt::black);
    }
}

void TEingabeFeld::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    metrikBerechnen();
    update();
}

bool TEingabeFeld::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        const bool zeichen = !k->text().isEmpty() && !IstSteuerzeichen(k->text().front()) &&
                             !Befehlstaste(k->modifiers());
        if ((EigeneTaste(k->key()) && !Befehlstaste(k->modifiers())) || zeichen || Textbefehl(k)) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void TEingabeFeld::keyPressEvent(QKeyEvent *e)
{
    const bool warAbgelehnt = zeichenAbgelehnt_;
    zeichenAbgelehnt_ = false;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const int laenge = int(text_.size());
    bool analysieren = true;

    if (Textbefehl(e)) {
        textbefehl(e);
        analysieren = false; // a paste or cut has analysed already
    } else switch (e->key()) {
    case Qt::Key_Left:
        auswahlBewegen(einfuegemarke_ > 0 ? einfuegemarke_ - 1 : einfuegemarke_, shift);
        break;
    case Qt::Key_Right:
        auswahlBewegen(einfuegemarke_ < laenge ? einfuegemarke_ + 1 : einfuegemarke_, shift);
        break;
    case Qt::Key_Home:
        auswahlBewegen(0, shift);
        break;
    case Qt::Key_End:
        auswahlBewegen(laenge, shift);
        break;
    case Qt::Key_Delete:
        if (hatAuswahl()) {
            AuswahlLoeschen();
        } else if (einfuegemarke_ < laenge) {
            text_.remove(einfuegemarke_, 1);
            auswahlZuruecksetzen();
        }
        update();
        break;
    case Qt::Key_Backspace:
        if (hatAuswahl()) {
            AuswahlLoeschen();
        } else if (einfuegemarke_ > 0) {
            text_.remove(einfuegemarke_ - 1, 1);
            MarkeSetzen(einfuegemarke_ - 1);
            auswahlZuruecksetzen();
        }
        update();
        break;
    // Up and Down choose proposals while the completion window is open and
    // walk through the calls run before while it is closed.
    case Qt::Key_Up:
        if (codeComplete_->isVisible())
            codeComplete_->VorherigerVorschlag();
        else
            verlaufZeigen(verlauf_.Zurueck(text_));
        analysieren = false;
        break;
    case Qt::Key_Down:
        if (codeComplete_->isVisible())
            codeComplete_->NaechsterVorschlag();
        else
            verlaufZeigen(verlauf_.Vor(text_));
        analysieren = false;
        break;
    case Qt::Key_Escape:
        codeComplete_->hide();
        verlaufZeigen(verlauf_.Abbrechen(text_));
        analysieren = false;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        VorschlagUebernehmenOderAusfuehren();
        analysieren = false;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        break;
    default:
        if (e->text().isEmpty()) {
            // Function keys and lone modifiers: nothing for the field.
            analysieren = false;
            e->ignore();
        } else if (Befehlstaste(e->modifiers())) {
            // A command key combination: no character, like a control character.
        } else {
            zeichenEinfuegen(e->text());
            analysieren = false; // done there
        }
        break;
    }

    if (analysieren)
        Analysieren();
    else if (warAbgelehnt && !zeichenAbgelehnt_) // the refusal message lasts until the next key
        melden(Hinweistext(*scanner_));
}

QString TEingabeFeld::AusgewaehlterText() const
{
    if (!hatAuswahl())
        return {};
    const auto [von, bis] = auswahlGrenzen();
    return text_.mid(von, bis - von);
}

void TEingabeFeld::textbefehl(const QKeyEvent *e)
{
    QClipboard *ablage = QGuiApplication::clipboard();
    if (e->matches(QKeySequence::SelectAll)) {
        auswahlAnfang_ = 0;
        MarkeSetzen(int(text_.size()));
        auswahlEnde_ = einfuegemarke_;
        update();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        // Line breaks and tabs of a pasted call become blanks; characters
        // Figuro cannot store are refused as when typed.
        QString eingefuegt = ablage->text();
        eingefuegt.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (QChar &c : eingefuegt)
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
                c = QLatin1Char(' ');
        if (!eingefuegt.isEmpty())
            zeichenEinfuegen(eingefuegt);
        return;
    }
    // Copy and cut: only a selection goes to the clipboard.
    if (!hatAuswahl())
        return;
    ablage->setText(AusgewaehlterText());
    if (e->matches(QKeySequence::Cut)) {
        AuswahlLoeschen();
        update();
        Analysieren();
    }
}

void TEingabeFeld::zeichenEinfuegen(const QString &zeichen)
{
    // Filtered first and inserted at once, so that a long paste costs one
    // insertion, not one per character.
    QString neu;
    neu.reserve(zeichen.size());
    for (qsizetype i = 0; i < zeichen.size(); ++i) {
        const QChar c = zeichen[i];
        if (IstSteuerzeichen(c))
            continue; // control characters change nothing
        if (!Codec1252::Darstellbar(c)) {
            zeichenAbgelehnt_ = true;
            if (c.isHighSurrogate() && i + 1 < zeichen.size() && zeichen[i + 1].isLowSurrogate())
                ++i; // one refusal for the whole character
            continue;
        }
        neu += c;
    }
    if (!neu.isEmpty()) {
        if (hatAuswahl())
            AuswahlLoeschen();
        text_.insert(einfuegemarke_, neu);
        MarkeSetzen(einfuegemarke_ + int(neu.size()));
        auswahlZuruecksetzen();
    }
    update();
    Analysieren();
    if (zeichenAbgelehnt_)
        melden(NichtSpeicherbarMeldung());
}

void TEingabeFeld::inputMethodEvent(QInputMethodEvent *e)
{
    if (!e->commitString().isEmpty()) {
        zeichenAbgelehnt_ = false;
        zeichenEinfuegen(e->commitString());
    }
    e->accept();
}

QVariant TEingabeFeld::inputMethodQuery(Qt::InputMethodQuery abfrage) const
{
    switch (abfrage) {
    case Qt::ImCursorRectangle:
        return markeRechteck();
    case Qt::ImFont:
        return schrift_;
    case Qt::ImCursorPosition:
        return einfuegemarke_;
    case Qt::ImSurroundingText:
        return text_;
    default:
        return QWidget::inputMethodQuery(abfrage);
    }
}

void TEingabeFeld::mousePressEvent(QMouseEvent *e)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason); // empties the placeholder first
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const int p = positionBeiX(int(e->position().x()));
    auswahlBewegen(p, shift);
    mausAuswahl_ = true;
    e->accept();
}

void TEingabeFeld::mouseMoveEvent(QMouseEvent *e)
{
    if (!mausAuswahl_)
        return;
    MarkeSetzen(positionBeiX(int(e->position().x())));
    auswahlEnde_ = einfuegemarke_;
    update();
}

void TEingabeFeld::mouseReleaseEvent(QMouseEvent *e)
{
    if (!mausAuswahl_)
        return;
    mausAuswahl_ = false;
    e->accept();
    // The caret may now stand in another word: bring the completion window
    // and the hint bar up to date, as moving it with the keys does.
    Analysieren();
}

void TEingabeFeld::focusInEvent(QFocusEvent *e)
{
    QWidget::focusInEvent(e);
    if (text_ == Platzhalter()) {
        TextSetzen(QString());
        auswahlAnfang_ = -1;
        auswahlEnde_ = -1;
    }
    hatFokus_ = true;
    markeNeuStarten();
    update();
}

void TEingabeFeld::focusOutEvent(QFocusEvent *e)
{
    QWidget::focusOutEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason && QApplication::activeWindow() == codeComplete_) {
        // A window manager activated the completion window: the keys belong here.
        window()->activateWindow();
        return;
    }
    hatFokus_ = false;
    mausAuswahl_ = false;
    if (markeSichtbar_) {
        markeSichtbar_ = false;
        update(markeRechteck());
    }
    // The window belongs to the word being typed; the objects may have
    // changed by the time the pupil comes back, so rebuild then.
    codeComplete_->hide();
    letzterZustand_ = KeinZustand;
}

void TEingabeFeld::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    codeComplete_->hide();
}
