#pragma once
#include <QFrame>

class QComboBox;
struct Programmzustand;
struct Datenbankobjekte;

// "Albenauswahl": the child window whose list chooses the current album.
// It shows the state's chooser list (prompt, albums by name, maybe the
// search entry) and opens what the user picks. While it is loaded the
// state's flag says so; closing it reports entladen() to the main window.
class frmAlbenAuswahl : public QFrame {
    Q_OBJECT
public:
    frmAlbenAuswahl(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmAlbenAuswahl() override;

    QComboBox* cboAlben() const { return m_cboAlben; }

    // The list and its selection as the state holds them.
    void ListeAnzeigen();
    // Makes the album of that name current: opens the database when none is
    // open, makes missing thumbnails with frmAlbumLaden, opens rsAlbum on
    // the album and starts the main window's album timer. False when there
    // is no such album.
    bool NeuesAlbum(const QString& name);
    void BegrenzungenAnzeigen();

signals:
    void entladen();

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void cboAlben_Click(int eintrag);
    void entladenMelden();

    Programmzustand& z;
    Datenbankobjekte& db;
    QComboBox* m_cboAlben;
    bool m_entladen = false;
};
