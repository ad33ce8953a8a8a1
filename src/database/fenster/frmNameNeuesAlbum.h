#pragma once
#include "Albendialog.h"

class QLineEdit;
class Namensfilter;

// "Neues Album": asks for the name of a new empty album and creates it with
// a folder of its own in the picture directory. After OK, albumname() names
// the album made; showing it is left to the caller.
class frmNameNeuesAlbum : public Albendialog {
    Q_OBJECT
public:
    frmNameNeuesAlbum(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern = nullptr);

    QLineEdit* txtNameAlbum() const { return m_txtNameAlbum; }
    Namensfilter* namensfilter() const { return m_filter; }
    const QString& albumname() const { return m_albumname; }

protected:
    void cmdOK_Click() override;

private:
    QLineEdit* m_txtNameAlbum;
    Namensfilter* m_filter;
    QString m_albumname;
};
