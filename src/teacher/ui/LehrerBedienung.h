#pragma once
#include <QObject>
#include <functional>

class QAction;
class QDialog;
class QToolButton;
class TFBearbeitenSperren;
class TFMain;
class TFPasswortabfrage;
class TFPasswortschutz;

// Teacher mode in the main window: the actions of the menu "Für Lehrer",
// the lock buttons in the panel PBearbeitenSperren (visible in teacher mode
// only) and the three teacher dialogs. The window owns it (QObject parent).
class TLehrerBedienung : public QObject
{
    Q_OBJECT
public:
    explicit TLehrerBedienung(TFMain *fenster);

    QAction *ALehrerModusAn = nullptr;  // "Lehrermodus an"
    QAction *ALehrerModusAus = nullptr; // "Lehrermodus aus"
    QAction *APasswortSetzen = nullptr; // "Dokument mit Passwort schützen ..."

    QToolButton *SBBearbeitenMitMausSperren = nullptr;
    QToolButton *SBBearbeitenMitTastaturSperren = nullptr;
    QToolButton *SBBearbeitenMitMausTastatur = nullptr;

    TFPasswortabfrage *FPasswortabfrage = nullptr;
    TFBearbeitenSperren *FBearbeitenSperren = nullptr;
    TFPasswortschutz *FPasswortschutz = nullptr;

    // Runs a prepared dialog modally; by default exec(). Tests replace it
    // to fill in and click the dialog without a modal loop.
    std::function<void(QDialog *)> DialogAusfuehren;

    // Switches teacher mode and shows exactly the controls that belong to it.
    void LehrermodusSetzen(bool an);
    // Shows the actions and the panel that match the workspace's teacher
    // mode (which the file commands also switch off).
    void SichtbarkeitAnpassen();

    void ALehrerModusAnExecute();
    void ALehrerModusAusExecute();
    void APasswortSetzenExecute();
    void SBBearbeitenMitMausSperrenClick();
    void SBBearbeitenMitTastaturSperrenClick();
    void SBBearbeitenMitMausTastaturClick();

    // The lock buttons show the common locks of the selection.
    void SperrenAnzeigen();
    // The lock buttons are enabled when at least one figure is selected.
    void FreigabeAnpassen();

private:
    void nachSperren(bool geaendert);

    TFMain *f_;
};
