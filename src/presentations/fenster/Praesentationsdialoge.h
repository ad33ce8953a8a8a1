#pragma once
#include "Praesentationskatalog.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
struct Datenbankobjekte;
struct Programmzustand;

// The four small modal dialogs of the presentation catalogue. They only
// collect a name; the catalogue decides and tells the user.

// A name in txtNamePraesentation; OK hands it to the check, which answers
// whether the dialog may close (an empty name keeps the focus in the box, a
// taken one empties it).
class Namensdialog : public QDialog {
    Q_OBJECT
public:
    using Pruefung = std::function<Praesentationskatalog::Ergebnis(const QString&)>;
    Namensdialog(const QString& name, const QString& titel, const QString& frage, const QString& vorgabe,
        Pruefung pruefung, QWidget* eltern = nullptr);
    QLineEdit* eingabe() const { return m_txtName; }
    void cmdOK_Click();

private:
    QLineEdit* m_txtName;
    Pruefung m_pruefung;
};

// frmNeuePraesentation: creates the presentation and makes it current.
Namensdialog* frmNeuePraesentation(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern);
// frmPraeUmbenennen: renames the current presentation.
Namensdialog* frmPraeUmbenennen(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern);

// A choice among the presentations in cboPraesentationen, the first one
// selected. With oeffnenBeiWahl (frmPraesentationListe) a change of the
// selection while the list has the focus counts as OK, picked up by Timer1.
class Praesentationswahl : public QDialog {
    Q_OBJECT
public:
    Praesentationswahl(const QString& name, const QString& titel, const QStringList& namen, bool oeffnenBeiWahl,
        QWidget* eltern = nullptr);
    QString gewaehlt() const;
    QComboBox* liste() const { return m_cbo; }

private:
    QComboBox* m_cbo;
    QTimer m_timer1;
    bool m_gewechselt = false;
};
