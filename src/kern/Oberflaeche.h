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

    // Album viewer (frmAlbenAnzeige), when it is open: show rsAlbum's
    // current row; lock its navigation buttons at the ends; show the current
    // album anew; write a remark edited there before moving away from the
    // picture; list the keywords of the picture anew.
    virtual void AlbenAnzeigeBildAnzeigen() {}
    virtual void AlbenAnzeigeNaviPruefung() {}
    virtual void AlbenAnzeigeNeuesAlbum() {}
    virtual void AlbenAnzeigeBemerkungSichern() {}
    virtual void AlbenAnzeigeBegriffeAktualisieren() {}
    // Picture list (frmBilderListe), when it is open: rebuild its entries
    // from rsAlbum; make rsAlbum's current row the only marked entry.
    virtual void ListeAuffuellen() {}
    virtual void ListeMarkierungNachfuehren() {}
    // The marks of the pictures live in the picture list; positions are
    // rsAlbum's (1-based). Without an open list nothing is marked.
    virtual bool BildMarkiert(int position) { (void)position; return false; }
    virtual void BildMarkierungSetzen(int position, bool markiert) { (void)position; (void)markiert; }
    virtual void NormaleTextfelder(int position) { (void)position; }
    virtual int AnzahlMarkierteFelder() { return 0; }
    virtual QString ListenBildname(int position) { (void)position; return QString(); }
    // Where Shift ranges start: the picture of the last plain or Ctrl click.
    virtual int KlickAnker() { return 1; }
    virtual void KlickAnkerSetzen(int position) { (void)position; }

    // Thumbnail browser: re-colour its cells from the list's marks.
    virtual void VorschauMarkierungAnzeigen() {}
    // Zoom view (frmBilder): show it (or bring it forward) and draw rsAlbum's
    // current picture; the same only when it is open already.
    virtual void ZoomAnsichtZeigen() {}
    virtual void ZoomBildAnzeigen() {}
    // Keyword window (frmBegriffe): refill its removal lists for the current
    // picture; add a keyword typed into its entry field to the picture; open
    // it, or unload it when it is open.
    virtual void BegriffeListenAuffuellen() {}
    virtual void BegriffEingabeUebernehmen() {}
    virtual void BegriffeFensterUmschalten() {}

    // Album maintenance. Close the zoom view (frmBilder) when it is open,
    // before another album becomes current.
    virtual void ZoomAnsichtSchliessen() {}
    // Before the current album is deleted: close the zoom view, the picture
    // list and the browser (clearing their open flags) and let the album
    // viewer show no picture of the album any more.
    virtual void AlbumAnsichtenSchliessen() {}
    // Start timAlbenanzeige, which brings the open views up to the album just chosen.
    virtual void AlbenanzeigeStarten() {}
    // "Anzeige", "Präsentation", "Suche" and the browser, list and search
    // buttons: enabled when the first album exists; all disabled, the
    // presentation button too, when the last album was deleted.
    virtual void AlbenBefehleSetzen(bool albenVorhanden) { (void)albenVorhanden; }
    // The mouse is over a child window without picture buttons: the main
    // window, the album viewer and the browser take back their hover pictures.
    virtual void KnoepfeZuruecksetzen() {}

    // Properties of the marked pictures (frmBegriffeMulti), modally.
    virtual void MarkierteBilderEigenschaften() {}

    // Presentations. Close the open presentation (unload the storyboard and
    // move the views back up), before its table goes; reload the storyboard
    // when it is open, after pictures left the presentations.
    virtual void PraesentationSchliessen() {}
    virtual void StoryboardNeuAnzeigen() {}
};
