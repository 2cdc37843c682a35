#pragma once
#include <QWidget>

class QTextBrowser;

// The guide inside Figuro ("Anleitung", F1): the installed anleitung.html
// in a QTextBrowser, so that it opens where no web browser is registered.
// Links inside the guide stay in the window; links to other sites go to the
// desktop's browser.
class TFAnleitung : public QWidget
{
    Q_OBJECT
public:
    explicit TFAnleitung(QWidget *eltern = nullptr);

    static QString Titel(); // "Figuro – Anleitung"
    // Shown when no guide was found.
    static QString TextNichtGefunden();

    QTextBrowser *Browser = nullptr;

    // Loads the guide (once) and shows the window in front.
    void Zeigen();
    // The file shown, empty when none was found.
    QString Pfad() const { return pfad_; }

private:
    QString pfad_;
    bool geladen_ = false;
};
