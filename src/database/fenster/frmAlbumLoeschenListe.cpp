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
    m_name = name;
    m_nummer = nummer;
    accept();
}
