#pragma once
#include "window/Befehle.h"

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class TFMain;
class TGriff;

// The editing commands of the main window: one action per command with its
// caption, shortcut and category (kept as the action's data under the
// property "kategorie"), the menus "Bearbeiten" and "Ausrichten" of the menu
// bar and the context menu PopupMenuObjekt with its submenus. Enabling and
// visibility follow the selection whenever the window updates its surface
// (OberflaecheAktualisieren) and when the context menu opens.
class TAktionen : public QObject
{
    Q_OBJECT
public:
    explicit TAktionen(TFMain *fenster);

    // "Rückgängig" (Strg+Z) and "Wiederherstellen" (Strg+Y, Strg+Umschalt+Z),
    // at the top of "Bearbeiten"; captions name the step.
    QAction *ARueckgaengig = nullptr, *AWiederherstellen = nullptr;
    QAction *AKopieren = nullptr, *AAusschneiden = nullptr, *AEinfuegen = nullptr;
    // "Löschen" (Entf) and "Alles auswählen" (Strg+A).
    QAction *ALoeschen = nullptr, *AAllesAuswaehlen = nullptr;
    QAction *AGruppieren = nullptr, *AGruppierungAufheben = nullptr;
    QAction *AInDenVordergrund = nullptr, *AInDenHintergrund = nullptr, *AEineEbeneNachVorne = nullptr,
            *AEineEbeneNachHinten = nullptr;
    QAction *ALinksbuendig = nullptr, *ARechtsbuendig = nullptr, *AObenbuendig = nullptr,
            *AUntenbuendig = nullptr, *AHorizontalZentrieren = nullptr, *AVertikalZentrieren = nullptr,
            *AHorizontalVerteilen = nullptr, *AVertikalVerteilen = nullptr;
    QAction *AHorizontalSpiegeln = nullptr, *AVertikalSpiegeln = nullptr, *AKippenNachLinks = nullptr,
            *AKippenNachRechts = nullptr;
    QAction *AIn_Kurve_verwandeln = nullptr, *AIn_Gerade_verwandeln = nullptr, *APunktLoeschen = nullptr,
            *ALinienZugOeffnen = nullptr, *ALinienZugSchliessen = nullptr;
    QAction *AAttributeBearbeiten = nullptr;

    QMenu *MenuEckenzahl = nullptr;     // "Eckenzahl setzen ..."
    QMenu *MenuReihenfolge = nullptr;   // "Reihenfolge ..."
    QMenu *MenuAusrichtenPopup = nullptr; // "Ausrichten ..."
    QMenu *MenuSpiegelnKippen = nullptr;  // "Spiegeln, Kippen ..."
    QAction *TrennerPunkte = nullptr;   // the separator shown with the point commands
    std::vector<QAction *> Eckenzahlen; // 3-Eck ... 12-Eck

    // Vertex or segment handle the point commands act on; valid until the
    // handles are rebuilt.
    TGriff *KontextGriff() const;

    // Enables and shows the commands by the selection and the context handle.
    void Aktualisieren();

    // The command handlers (named after their actions).
    void AKopierenExecute();
    void AAusschneidenExecute();
    void AEinfuegenExecute();
    void AGruppierenExecute();
    void AGruppierungAufhebenExecute();
    void Reihenfolge(TReihenfolge art);
    void Ausrichten(TAusrichtenArt art);
    void Verteilen(bool horizontal);
    void AusrichtenNachbereiten();
    void Spiegeln(bool horizontal);
    void AKippenNachLinksExecute(int richtung);
    void PunktBefehl(TPunktBefehl befehl);
    void EckenzahlGewaehlt(int eckenzahl);
    // Captions and enabling of undo and redo.
    void VerlaufAktualisieren();

private:
    QAction *aktion(QAction *&ziel, const char *name, const QString &text, const QString &kategorie);
    void menuesBauen();
    // Ends the command's step (named after the command when it logged
    // nothing) and refreshes the window.
    void nachAenderung(const QString &schrittName = {});

    TFMain *f_;
};
