// The main window's side of the album chooser and album maintenance: the
// chooser in the frame, the album commands and the states they leave.
#include "Albenpflege.h"
#include "Bildknopf.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "frmAlbenAnzeige.h"
#include "frmAlbenAuswahl.h"
#include "frmBilderListe.h"
#include "frmAlbumLoeschenListe.h"
#include "frmAlbumUmbenennen.h"
#include "frmNameNeuesAlbum.h"
#include "mdiHauptform.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// As wide as the album viewer below it.
constexpr int AuswahlBreiteTwips = 7000;

}  // namespace

frmAlbenAuswahl* mdiHauptform::AlbenauswahlZeigen()
{
    if (!m_albenAuswahl) {
        auto* auswahl = new frmAlbenAuswahl(z, db);
        m_albenAuswahl = auswahl;
        connect(auswahl, &frmAlbenAuswahl::entladen, this, &mdiHauptform::albenAuswahlEntladen);
        m_albenAuswahlFenster = m_flaeche->addSubWindow(auswahl, Qt::SubWindow | Qt::WindowTitleHint
                                                                     | Qt::WindowMinimizeButtonHint
                                                                     | Qt::WindowCloseButtonHint);
        m_albenAuswahlFenster->setAttribute(Qt::WA_DeleteOnClose);
        m_albenAuswahlFenster->adjustSize();
        m_albenAuswahlFenster->setGeometry(0, 0, Twips::zuPixel(AuswahlBreiteTwips),
                                           m_albenAuswahlFenster->sizeHint().height());
        QAction* menue = aktion(QStringLiteral("mnuAlbenauswahl"));
        menue->setEnabled(true);
        menue->setChecked(true);
    }
    m_albenAuswahlFenster->show();
    return m_albenAuswahl;
}

void mdiHauptform::albenAuswahlEntladen()
{
    m_albenAuswahl = nullptr;
    m_albenAuswahlFenster = nullptr;
    QAction* menue = aktion(QStringLiteral("mnuAlbenauswahl"));
    menue->setChecked(false);
    menue->setEnabled(false);
}

void mdiHauptform::AlbenauswahlGeaendert()
{
    // Filling the chooser's list brings the chooser up, as opening a
    // database with albums or making the first album must.
    if (!m_albenAuswahl && z.albenauswahl.isEmpty())
        return;
    AlbenauswahlZeigen()->ListeAnzeigen();
}

void mdiHauptform::AlbenanzeigeStarten()
{
    m_timAlbenanzeige.start();
}

void mdiHauptform::AlbenBefehleSetzen(bool albenVorhanden)
{
    for (const char* name : {"mnuAnzeige", "mnuPraesentation", "mnuSuche"})
        aktion(QLatin1String(name))->setEnabled(albenVorhanden);
    for (const char* name : {"cmdBrowser", "cmdListe", "cmdSuche"})
        knopfSetzen(QLatin1String(name), albenVorhanden);
    if (!albenVorhanden)
        knopfSetzen(QStringLiteral("cmdPraesentation"), false);
}

void mdiHauptform::KnoepfeZuruecksetzen()
{
    m_knoepfe.mausUeberFlaeche();
    if (m_albenAnzeige)
        m_albenAnzeige->AktiverButtonLeeren();
}

void mdiHauptform::LeeresAlbumBefehl()
{
    frmNameNeuesAlbum dialog(z, db, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    AlbenauswahlZeigen()->NeuesAlbum(dialog.albumname());
    AlbenBefehleSetzen(true);
}

void mdiHauptform::AlbumLoeschenBefehl()
{
    if (db.rsAlben.RecordCount() == 0) {
        z.Meldung(QStringLiteral("Es wurden noch keine Alben erstellt!"));
        return;
    }
    frmAlbumLoeschenListe dialog(z, db, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Albumloeschung ergebnis = AlbumLoeschen(z, db, dialog.name(), dialog.nummer());
    if (!ergebnis.naechstesAlbum.isEmpty())
        AlbenauswahlZeigen()->NeuesAlbum(ergebnis.naechstesAlbum);
}

void mdiHauptform::AlbumUmbenennenBefehl()
{
    if (db.rsAlben.RecordCount() == 0) {
        z.Meldung(QStringLiteral("Es wurden noch keine Alben erstellt!"));
        return;
    }
    frmAlbumUmbenennen dialog(z, db, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The views carry the album's name in their captions.
    if (m_albenAnzeige)
        m_albenAnzeige->setWindowTitle(z.albumName);
    if (m_bilderListe) {
        if (auto* titel = m_bilderListe->findChild<QLabel*>(QStringLiteral("lblTabellenname")))
            titel->setText(z.albumName);
    }
}
