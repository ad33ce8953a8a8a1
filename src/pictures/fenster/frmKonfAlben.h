#pragma once
#include "Einstellungspruefung.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
struct Programmzustand;

// "Alben - Einstellungen": how the pictures of new albums, of CD albums
// and of pictures added later are handled, and whether the keywords and
// remarks the files carry are taken over. The settings in memory change
// only on OK.
class frmKonfAlben : public QDialog {
    Q_OBJECT
public:
    explicit frmKonfAlben(Programmzustand& z, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraCD = nullptr;
    QGroupBox* frmSpeicherOrt = nullptr;
    QRadioButton* optOrt[4] = {};
    QRadioButton* optCD[2] = {};
    QCheckBox* chkAngaben = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;

private:
    void wahlZeigen();
    void optOrt_Click(int index);
    void cmdOK_Click();

    Programmzustand& m_z;
    Einstellungspruefung::AlbenWahl m_wahl;
    QButtonGroup* m_ort = nullptr;
    QButtonGroup* m_cd = nullptr;
    QButtonGroup* m_bilder = nullptr;
};
