#pragma once
#include "Albendialog.h"

class QLineEdit;

// "Album '<name>' umbenennen": renames the current album. The box starts
// with the current name; any name but another album's is taken.
class frmAlbumUmbenennen : public Albendialog {
    Q_OBJECT
public:
    frmAlbumUmbenennen(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern = nullptr);

    QLineEdit* txtNameAlbum() const { return m_txtNameAlbum; }

protected:
    void cmdOK_Click() override;

private:
    QLineEdit* m_txtNameAlbum;
};
