#pragma once
#include <QWidget>

class Begriffsliste;
class QLineEdit;
class QPushButton;
class QWidget;
struct Datenbankobjekte;
struct Programmzustand;

// The keyword window ("Begriffe hinzufügen") beside the album viewer: a new
// or an existing keyword to the current picture, a keyword off the picture
// or out of the collection, and the rename dialog. Reduced it shows only the
// adding; extended also the two removal lists. The work is done by the
// keywords core; this window keeps no copy of a picture.
class frmBegriffe : public QWidget {
    Q_OBJECT
public:
    frmBegriffe(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmBegriffe() override;

    static constexpr int HoeheKleinTwips = 1860;
    static constexpr int HoeheGrossTwips = 3405;

    void ListeAuffuellen();
    void ListeLoeschenAuffuellen();
    void NeuenBegriffEinfuegen();
    // Adds a keyword with that text; its number, 0 after a failure (shown).
    qint64 NeuenDatensatzEinfuegen(const QString& text);
    bool erweitert() const;

    void cmdHinzuVorhanden_Click();
    void cmdLoeschenInBild_Click();
    void cmdLoeschenAlle_Click();
    void cmdErweitert_Click();
    void cmdAendern_Click();

signals:
    void geschlossen();
    // Reduced or extended: the frame lays the viewer's column out anew.
    void hoeheGeaendert();

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void aufbauen();
    void hoeheSetzen(int twips);
    void formSetzen(bool gross, const QString& beschriftung);
    // After a change of the picture: the viewer's list, a beep, the removal lists.
    void nachAenderung();
    bool fehlerZeigen(const QString& text);

    Programmzustand& z;
    Datenbankobjekte& db;
    bool m_geschlossen = false;
    QLineEdit* m_txtNeuerBegriff = nullptr;
    QPushButton* m_cmdHinzuNeu = nullptr;
    Begriffsliste* m_cboBegriffe = nullptr;
    QPushButton* m_cmdHinzuVorhanden = nullptr;
    QPushButton* m_cmdAendern = nullptr;
    QPushButton* m_cmdErweitert = nullptr;
    QWidget* m_loeschen = nullptr;
    Begriffsliste* m_cboBegriffeBildLoeschen = nullptr;
    QPushButton* m_cmdLoeschenInBild = nullptr;
    Begriffsliste* m_cboBegriffeAlleLoeschen = nullptr;
    QPushButton* m_cmdLoeschenAlle = nullptr;
};
