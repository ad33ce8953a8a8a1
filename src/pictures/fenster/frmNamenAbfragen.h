#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class Tastenpuffer;
class QPushButton;
struct Programmzustand;
struct Datenbankobjekte;

// "Name für neues Album": asks for the name of the album a folder becomes,
// suggesting the folder's own name, selected, so that Enter takes it and
// typing replaces it.
// Characters that cannot stand in a folder name (| \ / : * ? " < >) beep
// and are dropped, typed or pasted; "TempAlbum" and names of existing
// albums are refused.
class frmNamenAbfragen : public QDialog {
    Q_OBJECT
public:
    frmNamenAbfragen(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                     QWidget* parent = nullptr);

    // The accepted name; "" after "Abbrechen".
    QString neuerAlbumname() const { return m_name; }

    // Shows the dialog modally and returns the name ("" = skip the folder);
    // keys the user typed ahead go into the name first.
    static QString Abfragen(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                            QWidget* parent, Tastenpuffer* vorgetippt = nullptr);

    QLabel* lblAlterOrdner = nullptr;
    QLineEdit* txtNameAlbum = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void cmdOK_Click();

    const Programmzustand& m_z;
    Datenbankobjekte& m_db;
    QString m_name;
};

// The characters a new album's name may not hold.
bool IstVerbotenesNamenszeichen(QChar zeichen);
