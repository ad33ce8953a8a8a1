#pragma once
#include "Vorschaubilder.h"

#include <QDialog>

class QLabel;
class QProgressBar;
struct Programmzustand;
struct Datenbankobjekte;

// "Kolvar - Vorschaubilder werden erzeugt!": shows the thumbnail run of the
// current album with a progress bar and the remaining time. When it is
// shown it makes the missing thumbnails and closes itself; it cannot be
// closed while the run goes on.
class frmAlbumLaden : public QDialog {
    Q_OBJECT
public:
    frmAlbumLaden(Programmzustand& z, Datenbankobjekte& db, QWidget* parent = nullptr);

    // The run itself, also for pictures added later (VBEinzeln).
    Vorschaubilderzeugung& erzeugung() { return m_erzeugung; }
    bool vorschaubilderErzeugt() const { return m_erzeugt; }

    QProgressBar* pgbLadezustand = nullptr;
    QLabel* lblAnzeige = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void reject() override;

private:
    void AlbumLaden();

    Vorschaubilderzeugung m_erzeugung;
    bool m_gestartet = false;
    bool m_laeuft = false;
    bool m_erzeugt = false;
};
