#pragma once
#include <QDialog>

class Begriffsliste;
class QLabel;
class QLineEdit;
class QPushButton;
struct Datenbankobjekte;
struct Programmzustand;

// The rename dialog: a keyword is chosen ("Wählen") and gets a new text
// ("Ändern" or Enter). Pictures keep numbers, so the new text applies to
// every picture at once. The chosen keyword is kept by its number; the
// keyword recordset carries no filter, whichever way the dialog closes.
class frmBegriffeAendern : public QDialog {
    Q_OBJECT
public:
    frmBegriffeAendern(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmBegriffeAendern() override;

    void ListeAuffuellen();
    void cmdWaehlen_Click();
    void cmdAendern_Click();
    qint64 gewaehlterBegriff() const { return m_nummer; }

signals:
    // A keyword has its new text: the keyword window refills its lists.
    void umbenannt();

private:
    void filterLoesen();

    Programmzustand& z;
    Datenbankobjekte& db;
    qint64 m_nummer = 0;
    Begriffsliste* m_cboBegriffe = nullptr;
    QLabel* m_lblAendern = nullptr;
    QLineEdit* m_txtBegriffAendern = nullptr;
};
