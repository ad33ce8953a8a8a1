#pragma once
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
struct Programmzustand;

// "Browser - Einstellungen": thumbnail size and row count of the browser.
// OK changes the values in memory; the caller rebuilds an open browser.
class frmKonfBrowser : public QDialog {
    Q_OBJECT
public:
    explicit frmKonfBrowser(Programmzustand& z, QWidget* parent = nullptr);

    QRadioButton* optGroesse[3] = {};
    QRadioButton* optZeilen[3] = {};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

private:
    Programmzustand& m_z;
    QButtonGroup* m_groesse = nullptr;
    QButtonGroup* m_zeilen = nullptr;
};

// "Präsentationen - Einstellungen": how the slide show sizes its pictures
// and which mouse button goes forward. OK changes the values in memory.
class frmKonfPraesentationen : public QDialog {
    Q_OBJECT
public:
    explicit frmKonfPraesentationen(Programmzustand& z, QWidget* parent = nullptr);

    QRadioButton* optBilderGroesse[2] = {};
    QCheckBox* chkTastenTausch = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

private:
    Programmzustand& m_z;
};
