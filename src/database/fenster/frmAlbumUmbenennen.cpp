#include "frmAlbumUmbenennen.h"

#include "Albenpflege.h"
#include "Programmzustand.h"

#include <QLineEdit>

frmAlbumUmbenennen::frmAlbumUmbenennen(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : Albendialog(zustand, datenbank, eltern)
{
    setObjectName(QStringLiteral("frmAlbumUmbenennen"));
    setWindowTitle(QStringLiteral("Album '") + z.albumName + QStringLiteral("' umbenennen"));
    m_txtNameAlbum = new QLineEdit(z.albumName, this);
    m_txtNameAlbum->setObjectName(QStringLiteral("txtNameAlbum"));
    // Longer names do not fit the column; the box says so before the database does.
    m_txtNameAlbum->setMaxLength(MaximaleAlbumnamenLaenge);
    m_txtNameAlbum->selectAll();
    aufbauen(QStringLiteral("Bitte den neuen Namen für das aktuelle Album eingeben:"), m_txtNameAlbum);
}

void frmAlbumUmbenennen::cmdOK_Click()
{
    switch (AlbumUmbenennen(z, db, m_txtNameAlbum->text())) {
    case Umbenennung::Umbenannt:
        accept();
        return;
    case Umbenennung::Vorhanden:
        m_txtNameAlbum->clear();
        break;
    case Umbenennung::Leer:
    case Umbenennung::Fehlgeschlagen:
        break;
    }
    m_txtNameAlbum->setFocus();
}
