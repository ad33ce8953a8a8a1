#pragma once
#include <QString>

// What core routines (opening a database, album maintenance) need of the
// main window: command states, status bar and the views. The main window
// implements it; without a window (tests, benchmarks) nothing happens.
class Oberflaeche {
public:
    virtual ~Oberflaeche() = default;
    // Presentation commands and button after a database was opened.
    virtual void PraesentationsBefehleSetzen(bool praesentationenVorhanden) { (void)praesentationenVorhanden; }
    // mitAlben: browser, list, search, album commands; otherwise the album command only.
    virtual void DatenbankBefehleFreigeben(bool mitAlben) { (void)mitAlben; }
    virtual void StatusleisteSetzen(const QString& feld1, const QString& feld2) { (void)feld1; (void)feld2; }
    // Show the album viewer and the picture list for the current album.
    virtual void AlbumAnsichtenZeigen() {}
    // The album chooser's entries or selection changed.
    virtual void AlbenauswahlGeaendert() {}

    // Thumbnail browser (frmVorschau), for the picture locations: show the
    // current album anew from its first picture, when the browser is open.
    virtual void VorschauNeuesAlbumAnzeigen() {}
    // Place the browser (below the storyboard when that is open, else at the
    // top of the frame) and show it, non-modally.
    virtual void VorschauZeigen() {}
    // Redraw the browser's grid, when it is open.
    virtual void VorschauBilderAnzeigen() {}
    // Show frmAlbumLaden modally for the current album; it makes the
    // missing thumbnails.
    virtual void AlbumLadenZeigen() {}
    // After albums were imported from folders: show the album chooser when
    // it is hidden, select its first album and open it.
    virtual void ErstesAlbumZeigen() {}
    // Refill the picture list when it is open, otherwise show and fill it.
    virtual void BilderlisteZeigen() {}
};
