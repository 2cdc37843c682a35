#pragma once
#include "language/Vervollstaendigung.h"

#include <QFrame>
#include <functional>
#include <vector>

class QListWidget;

// The completion window: a borderless list that stays on top and opens
// above the input field at the caret. It never takes the keyboard focus;
// the input field drives it (building, filtering, moving the selection,
// showing, hiding and placing it).
class TFCodeComplete : public QFrame
{
    Q_OBJECT
public:
    explicit TFCodeComplete(QWidget *besitzer = nullptr);
    ~TFCodeComplete() override;

    static constexpr int StandardBreite = 284;
    static constexpr int StandardHoehe = 301;

    const TVorschlagListe &Vorschlaege() const { return vorschlaege_; }
    void VorschlaegeLoeschen();
    // Rebuilds the proposals for the word at the caret (see the core's
    // VorschlaegeErzeugen); the list stays empty until ListeFuellen.
    void VorschlaegeErzeugen(const TScanner &scanner, const TDokument *dokument);

    // Lists the proposals that pass the prefix filter (with `zuerst` at the
    // top when it is one of them) and selects the first; true when at least
    // one was listed.
    bool ListeFuellen(const QString &praefix, const QString &wort, const QString &zuerst = QString());
    // The proposals currently listed, in list order.
    const std::vector<const TVorschlag *> &Gelistet() const { return gelistet_; }

    // Move the selection by one entry; neither wraps around.
    void NaechsterVorschlag();
    void VorherigerVorschlag();
    // The proposal of the selected entry, or nothing.
    const TVorschlag *GewaehlterVorschlag() const;
    int GewaehlterIndex() const;

    // Called when an entry is clicked (after it has been selected).
    void KlickBehandlerSetzen(std::function<void()> behandler);

    QListWidget *ListBox() const { return listBox_; }

private:
    TVorschlagListe vorschlaege_;
    std::vector<const TVorschlag *> gelistet_;
    QListWidget *listBox_ = nullptr;
    std::function<void()> klick_;
};
