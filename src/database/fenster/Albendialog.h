#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
struct Programmzustand;
struct Datenbankobjekte;

// What the album dialogs share: a prompt above one input, an optional
// note below it, and the buttons cmdOK "OK" and cmdAbbrechen "Abbrechen".
// OK runs the dialog's own check, which closes the dialog or keeps it open;
// "Abbrechen" closes it without change.
class Albendialog : public QDialog {
    Q_OBJECT
public:
    Albendialog(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern);

    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdAbbrechen() const { return m_cmdAbbrechen; }

protected:
    void aufbauen(const QString& aufforderung, QWidget* eingabe, const QString& hinweis = QString());
    virtual void cmdOK_Click() = 0;

    Programmzustand& z;
    Datenbankobjekte& db;

private:
    QPushButton* m_cmdOK;
    QPushButton* m_cmdAbbrechen;
};
