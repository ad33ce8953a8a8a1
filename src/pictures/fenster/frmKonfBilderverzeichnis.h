#pragma once
#include "Einstellungspruefung.h"

#include <QDialog>
#include <QVector>

class Ordnerauswahl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Programmzustand;
struct Datenbankobjekte;

// "Bilderverzeichnis - Einstellungen": the picture directory of the open
// collection. Every change of the text runs the check; OK is possible only
// for a usable folder. OK stores the folder in the collection first and
// uses it only when that worked; otherwise the dialog stays open. No files
// are moved.
class frmKonfBilderverzeichnis : public QDialog {
    Q_OBJECT
public:
    frmKonfBilderverzeichnis(Programmzustand& z, Datenbankobjekte& db, QWidget* parent = nullptr);

    QLineEdit* txtBV = nullptr;
    QLabel* lblOK = nullptr;
    QPushButton* cmdNeu = nullptr;
    QGroupBox* fraNeu = nullptr;
    Ordnerauswahl* ordnerauswahl = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Pruefung();
    void cmdNeu_Click();
    void cmdOK_Click();

    Programmzustand& m_z;
    Datenbankobjekte& m_db;
    QVector<Einstellungspruefung::AlbumOrt> m_alben;
    bool m_aktiviert = false;
};
