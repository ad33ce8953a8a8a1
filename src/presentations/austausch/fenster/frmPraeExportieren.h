#pragma once
#include <QDialog>

class Ordnerauswahl;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Programmzustand;
struct Datenbankobjekte;

// "Präsentation exportieren": the folder the open presentation is copied
// into, by default a new subfolder named after it. The copying runs with a
// progress window that can stop it; the closing message says what was
// written.
class frmPraeExportieren : public QDialog {
    Q_OBJECT
public:
    frmPraeExportieren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent = nullptr);

    Ordnerauswahl* ordnerauswahl = nullptr;
    QLabel* lblVerzeichnis = nullptr;
    QCheckBox* chkVerzeichnisAnlegen = nullptr;
    QLineEdit* txtNeuesVerzeichnis = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

    // True once the copying has run (whatever came of it).
    bool exportiert() const { return m_exportiert; }

private:
    void cmdOK_Click();

    Programmzustand& m_z;
    Datenbankobjekte& m_db;
    bool m_exportiert = false;
};
