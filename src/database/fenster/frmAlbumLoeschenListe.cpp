#include "frmAlbumLoeschenListe.h"

#include "Albenpflege.h"
#include "Programmzustand.h"

#include <QComboBox>

frmAlbumLoeschenListe::frmAlbumLoeschenListe(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : Albendialog(zustand, datenbank, eltern)
{
    setObjectName(QStringLiteral("frmAlbumLoeschenListe"));
    setWindowTitle(QStringLiteral("Album löschen"));
    m_cboAlben = new QComboBox(this);
    m_cboAlben->setObjectName(QStringLiteral("cboAlben"));
    m_cboAlben->addItems(Albennamen(db));
    // The album the user is looking at is the one meant most often.
    const int aktuelles = z.albumName.isEmpty() ? -1 : m_cboAlben->findText(z.albumName, Qt::MatchExactly);
    if (aktuelles >= 0)
        m_cboAlben->setCurrentIndex(aktuelles);
    aufbauen(QStringLiteral("Bitte Album auswählen:"), m_cboAlben);
}

void frmAlbumLoeschenListe::cmdOK_Click()
{
    const QString name = m_cboAlben->currentText();
    const QString nummer = AlbumnummerZumNamen(db, name);
    if (name.isEmpty() || nummer.isEmpty()) {
        reject();
        return;
    }
    // Deleting takes the remarks and keywords with it and cannot be undone:
    // one more question, naming what goes. "Nein" leaves the choice open.
    if (z.Meldung(AlbumLoeschenFrage(name, AnzahlBilderImAlbum(db, nummer)), Meldungen::Frage,
            QStringLiteral("Album löschen"))
        != Meldungen::Antwort::Ja)
        return;
    m_name = name;
    m_nummer = nummer;
    accept();
}
