#pragma once
#include <QDate>
#include <QLabel>
#include <QWidget>
#include <functional>

class QPushButton;

// A label that opens an address (or runs a command) when clicked; the text
// turns blue while the mouse is over it.
class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    TLinkLabel(const QString &adresse, QWidget *eltern);

    QString Adresse;
    // Opens the address; by default with the desktop's handler. Tests
    // replace it so that no browser starts.
    std::function<void(const QString &)> Oeffnen;

    QColor Textfarbe() const;

protected:
    void enterEvent(QEnterEvent *ereignis) override;
    void leaveEvent(QEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;

private:
    void farbeSetzen(const QColor &farbe);
};

// The about box ("Information"). At program start it stands borderless in
// front of the main window as a splash screen; from the menu it opens as a
// small window with a border.
class TFInformation : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Breite = 526;
    static constexpr int Hoehe = 293;

    explicit TFInformation(QWidget *eltern = nullptr);

    static QString Version() { return QStringLiteral("1.4"); }
    static QDate Veroeffentlichung() { return QDate(2025, 7, 1); }
    // "1. Juli 2025": the day, the German month name and the year.
    static QString DatumDeutsch(const QDate &datum);

    // Borderless, on top, centred on the given window (or the screen).
    void SplashZeigen(QWidget *hauptfenster);
    // With a single-line border and caption, not modal.
    void FensterZeigen(QWidget *hauptfenster);
    bool IstSplash() const { return splash_; }

    QLabel *LabelVersion = nullptr;
    // The guide and the examples that come with the program; what a click
    // does is set by the main window (the guide window, "Beispiele öffnen").
    TLinkLabel *LabelAnleitung = nullptr;
    TLinkLabel *LabelBeispiele = nullptr;
    QPushButton *SBSchliessen = nullptr;

protected:
    void paintEvent(QPaintEvent *ereignis) override;

private:
    void zentrieren(QWidget *hauptfenster);
    bool splash_ = false;
};
