#pragma once
#include "mdlUnterprogramme.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

// The update window: the version this update installs, the installation it
// replaces, and "Ausführen", which Enter presses too.
class frmUpdate : public QDialog {
    Q_OBJECT
public:
    // Shows a message and returns when the user closed it; tests record.
    using Melder = std::function<void(const Update::Meldung&)>;

    explicit frmUpdate(QWidget* parent = nullptr);

    void setMelder(Melder melder) { m_melder = std::move(melder); }
    // Where the update's files lie; the updater's own folder by default.
    void setQuellordner(const QString& ordner) { m_quellordner = ordner; }

    // The checks before the window shows. False after a refusal, whose
    // message was shown; the program then ends.
    bool laden(const Update::Installation& installation);

    QLabel* lblAnzeige1;
    QLabel* lblAnzeige2;
    QLabel* lblInstallation;  // folder and version that are replaced
    QPushButton* cmdStart;
    QTimer* Timer1;

signals:
    // The program is to end.
    void beenden();

private:
    void cmdStart_Click();
    void melden(const Update::Meldung& m);

    Melder m_melder;
    QString m_quellordner;
    Update::Installation m_installation;
};

// The real message box, with "\r" shown as line breaks.
void MeldungZeigen(QWidget* eltern, const Update::Meldung& m);
