#pragma once
#include "PraesentationAustausch.h"

#include <QDialog>

class Ordnerauswahl;
class QLabel;
class QListWidget;
class QPushButton;
struct Programmzustand;
struct Datenbankobjekte;

// "Präsentation importieren": a folder becomes a new album and a
// presentation of its pictures in file-name order. The dialog shows the
// folder's pictures; the caller opens what was made.
class frmPraeImportieren : public QDialog {
    Q_OBJECT
public:
    frmPraeImportieren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent = nullptr);

    Ordnerauswahl* ordnerauswahl = nullptr;
    QListWidget* fllDateien = nullptr;
    QLabel* lblVerzeichnis = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

    const PraesentationAustausch::Importergebnis& ergebnis() const { return m_ergebnis; }

private:
    void ordnerZeigen(const QString& ordner);
    void cmdOK_Click();

    Programmzustand& m_z;
    Datenbankobjekte& m_db;
    PraesentationAustausch::Importergebnis m_ergebnis;
};
