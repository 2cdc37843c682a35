#include "dialogs/ui/TextBearbeiten.h"
#include "dialogs/Platzierung.h"

#include <QGuiApplication>
#include <QScreen>

#include "figures/TextFeld.h"
#include "model/Codec1252.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

TFTextBearbeiten::TFTextBearbeiten(QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("TFTextBearbeiten"));
    setWindowTitle(QStringLiteral("Text bearbeiten"));
    setModal(true);
    resize(420, 260);

    auto *spalte = new QVBoxLayout(this);
    MText = new QPlainTextEdit(this);
    MText->setObjectName(QStringLiteral("MText"));
    MText->setTabChangesFocus(false);
    spalte->addWidget(MText, 1);

    LMeldung = new QLabel(this);
    LMeldung->setObjectName(QStringLiteral("LMeldung"));
    {
        QPalette pal = LMeldung->palette();
        pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
        LMeldung->setPalette(pal);
    }
    LMeldung->hide();
    spalte->addWidget(LMeldung);

    auto *zeile = new QHBoxLayout;
    CBLiveAnzeigen = new QCheckBox(QStringLiteral("Ergebnis gleich anzeigen"), this);
    CBLiveAnzeigen->setObjectName(QStringLiteral("CBLiveAnzeigen"));
    CBLiveAnzeigen->setChecked(true);
    zeile->addWidget(CBLiveAnzeigen);
    zeile->addStretch(1);
    SBUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    SBUebernehmen->setObjectName(QStringLiteral("SBUebernehmen"));
    SBAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    SBAbbrechen->setObjectName(QStringLiteral("SBAbbrechen"));
    // Enter belongs to the edit (a new line), not to a default button.
    SBUebernehmen->setAutoDefault(false);
    SBAbbrechen->setAutoDefault(false);
    zeile->addWidget(SBUebernehmen);
    zeile->addWidget(SBAbbrechen);
    spalte->addLayout(zeile);

    connect(MText, &QPlainTextEdit::textChanged, this, &TFTextBearbeiten::textGeaendert);
    connect(CBLiveAnzeigen, &QCheckBox::toggled, this, &TFTextBearbeiten::liveUmgeschaltet);
    connect(SBUebernehmen, &QPushButton::clicked, this, &TFTextBearbeiten::uebernehmen);
    connect(SBAbbrechen, &QPushButton::clicked, this, &TFTextBearbeiten::abbrechen);
}

QString TFTextBearbeiten::MeldungNichtSpeicherbar()
{
    return QStringLiteral("Dieses Zeichen kann Figuro nicht speichern.");
}

bool TFTextBearbeiten::Bearbeiten(TTextFeld *feld)
{
    TextFeld = feld;
    Ok = false;
    if (!feld)
        return false;
    // Beside the text field, so that the live preview stays in view.
    if (Meiden.isValid()) {
        QRect bildschirm(QPoint(0, 0), QSize(1 << 15, 1 << 15));
        if (const QScreen *s = QGuiApplication::screenAt(Meiden.center()))
            bildschirm = s->availableGeometry();
        else if (const QScreen *s = QGuiApplication::primaryScreen())
            bildschirm = s->availableGeometry();
        // The frame around the dialog counts (a guess before the first showing).
        const QSize rahmen = isVisible() || testAttribute(Qt::WA_WState_Created)
                                 ? frameGeometry().size() - size()
                                 : QSize(16, 40);
        const QPoint ecke = NebenPlatzieren(Meiden, size() + rahmen, bildschirm);
        move(ecke);
    }
    exec();
    return Ok;
}

QString TFTextBearbeiten::ZurAnzeige(const QString &text)
{
    // A line break is a carriage return, a line feed, or a pair of both in
    // either order (typed `zeilehinzufügen` writes line feed first).
    QString aus;
    aus.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            aus += QLatin1Char('\n');
            const QChar partner = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
            if (i + 1 < text.size() && text.at(i + 1) == partner)
                ++i;
        } else {
            aus += c;
        }
    }
    return aus;
}

QString TFTextBearbeiten::ZumTextfeld(const QString &anzeige)
{
    QString aus = anzeige;
    aus.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return aus;
}

void TFTextBearbeiten::showEvent(QShowEvent *ereignis)
{
    Ok = false;
    AlterText = TextFeld ? TextFeld->Text : QString();
    LMeldung->hide();
    LMeldung->clear();
    {
        // Showing the old text is no change of the field.
        const QSignalBlocker sperre(MText);
        MText->setPlainText(ZurAnzeige(AlterText));
    }
    MText->moveCursor(QTextCursor::End);
    MText->setFocus();
    QDialog::showEvent(ereignis);
}

void TFTextBearbeiten::textGeaendert()
{
    if (korrigiert_)
        return;
    const QString text = MText->toPlainText();
    if (Codec1252::ErstesNichtDarstellbares(text) >= 0) {
        // Refuse what cannot be stored: take the characters out again, where
        // they were typed or pasted, and say why.
        korrigiert_ = true;
        QTextCursor c(MText->document());
        c.beginEditBlock();
        for (qsizetype i = text.size() - 1; i >= 0; --i) {
            if (Codec1252::Darstellbar(text.at(i)))
                continue;
            c.setPosition(int(i));
            c.setPosition(int(i + 1), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        }
        c.endEditBlock();
        korrigiert_ = false;
        LMeldung->setText(MeldungNichtSpeicherbar());
        LMeldung->show();
    } else {
        LMeldung->hide();
    }
    if (CBLiveAnzeigen->isChecked())
        inFeldKopieren();
}

void TFTextBearbeiten::liveUmgeschaltet(bool an)
{
    if (an)
        inFeldKopieren();
}

QString TFTextBearbeiten::neuerText() const
{
    const QString anzeige = MText->toPlainText();
    if (anzeige == ZurAnzeige(AlterText))
        return AlterText;
    return ZumTextfeld(anzeige);
}

void TFTextBearbeiten::inFeldKopieren()
{
    if (!TextFeld || !isVisible())
        return;
    TextFeld->Text = neuerText();
    if (Neuzeichnen)
        Neuzeichnen();
}

void TFTextBearbeiten::uebernehmen()
{
    Ok = true;
    if (TextFeld)
        TextFeld->Text = neuerText();
    accept();
}

void TFTextBearbeiten::abbrechen()
{
    Ok = false;
    reject();
}
