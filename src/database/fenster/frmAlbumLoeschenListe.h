#pragma once
#include "Albendialog.h"

class QComboBox;

// "Album löschen": the user picks the album to delete (the current one is
// preselected) and confirms a question that names it and its number of
// pictures; the dialog only names it (name() empty after "Abbrechen").
class frmAlbumLoeschenListe : public Albendialog {
    Q_OBJECT
public:
    frmAlbumLoeschenListe(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern = nullptr);

    QComboBox* cboAlben() const { return m_cboAlben; }
    const QString& name() const { return m_name; }
    const QString& nummer() const { return m_nummer; }

protected:
    void cmdOK_Click() override;

private:
    QComboBox* m_cboAlben;
    QString m_name;
    QString m_nummer;
};
