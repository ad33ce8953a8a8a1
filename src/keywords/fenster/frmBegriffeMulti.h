#pragma once
#include <QDate>
#include <QDialog>
#include <QVector>

class Begriffsliste;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
struct Datenbankobjekte;
struct Programmzustand;

// The properties of the marked pictures ("Eigenschaften der markierten
// Bildern ändern"): a keyword to or off every marked picture, and a date for
// all of them. The marks are the picture list's; each batch is one
// transaction of the keywords core, and the viewer shows the current picture
// again afterwards.
class frmBegriffeMulti : public QDialog {
    Q_OBJECT
public:
    frmBegriffeMulti(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);

    void ListeAuffuellen();
    void NeuenBegriffEinfuegen();
    qint64 NeuenDatensatzEinfuegen(const QString& text);
    void cmdBestaetigungVorhanden_Click();
    void cmdUmschalten_Click();
    void cmdDatum_Click();
    void movBildDatum_Gewaehlt(const QDate& datum);
    bool loeschModus() const { return m_loeschen; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QVector<int> markiertePositionen() const;
    // The common frame of a batch: the remark typed in the viewer is written
    // first; afterwards the viewer shows the current picture and a beep sounds.
    void stapel(const std::function<void(const QVector<int>&)>& schritt);

    Programmzustand& z;
    Datenbankobjekte& db;
    bool m_loeschen = false;
    QLineEdit* m_txtNeuerBegriff = nullptr;
    Begriffsliste* m_cboBegriffe = nullptr;
    QLabel* m_lblComboBox = nullptr;
    QPushButton* m_cmdBestaetigungVorhanden = nullptr;
    QPushButton* m_cmdUmschalten = nullptr;
    QLineEdit* m_txtBilddatum = nullptr;
    QPushButton* m_cmdDatum = nullptr;
    QCalendarWidget* m_movBildDatum = nullptr;
};
