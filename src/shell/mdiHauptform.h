#pragma once
#include "Bildliste.h"
#include "Einstellungen.h"
#include "Knopfgruppe.h"
#include "Oberflaeche.h"

#include <QHash>
#include <QMainWindow>
#include <QSize>
#include <QTimer>
#include <functional>

class Bildknopf;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class Registry;
struct Datenbankobjekte;
struct Programmzustand;

// The main window: the frame of every view, with the menu bar, the toolbar
// of picture buttons, the status bar and the timers that bring the views up
// to date. It carries the commands and their enabled states; the work is
// done by the subsystems it calls.
class mdiHauptform : public QMainWindow, public Oberflaeche {
    Q_OBJECT
public:
    mdiHauptform(Programmzustand& zustand, Datenbankobjekte& db, Registry& registry);
    ~mdiHauptform() override;

    // What happens while the window loads: settings, component test, the
    // last database. False when the component test failed: the program
    // then ends without writing settings.
    bool Laden();

    // Public routines other windows call.
    void NormaleButtons();
    void mnuBilderListe_Click();
    void mnuPraeSchliessen_Click();
    void SucheAnzeigen();

    // Commands, as the menu entries and buttons run them.
    void DatenbankOeffnenBefehl();
    void NeueDatenbankBefehl();
    void DatenbankSchliessenBefehl();
    void AlbumLoeschenBefehl();
    void AlbumUmbenennenBefehl();
    void PraesentationLoeschenBefehl();
    void SucheBefehl();
    void BrowserBefehl();
    void HilfeBefehl();
    void UeberBefehl();

    // Menus and buttons by their names, for the windows that change them.
    QAction* aktion(const QString& name) const;
    QMenu* menue(const QString& name) const;
    Bildknopf* knopf(const QString& name) const;
    QString statusfeld(int nummer) const;
    QMdiArea* flaeche() const { return m_flaeche; }
    const Bildliste& bilder() const { return m_bilder; }
    Knopfgruppe& knopfgruppe() { return m_knoepfe; }

    // The file dialogs; tests put in their own answer. speichern: the save
    // dialog of "Neue Datenbank"; the result is empty on Cancel.
    std::function<QString(bool speichern)> dateiWaehlen;
    // Where the file dialogs open: the folder of the last collection opened
    // or made, while it exists, else the home folder (never the folder the
    // program was started from).
    static QString DateidialogOrdner(const QString& letzteDatenbank);

    // The main window's geometry in twips as the settings keep it.
    Fenstergeometrie geometrie() const;
    void geometrieAnwenden(const Fenstergeometrie& g);

    // Oberflaeche
    void PraesentationsBefehleSetzen(bool praesentationenVorhanden) override;
    void DatenbankBefehleFreigeben(bool mitAlben) override;
    void StatusleisteSetzen(const QString& feld1, const QString& feld2) override;
    void AlbumAnsichtenZeigen() override;
    void AlbenauswahlGeaendert() override;

    // --- album chooser and album maintenance (mdiHauptform_Alben.cpp) ---
    void LeeresAlbumBefehl();
    // Shows the album chooser at the top left of the frame, made on first use.
    class frmAlbenAuswahl* AlbenauswahlZeigen();
    // The chooser and its frame window while it is loaded, else nullptr.
    class frmAlbenAuswahl* albenAuswahl() const { return m_albenAuswahl; }
    class QMdiSubWindow* albenAuswahlFenster() const { return m_albenAuswahlFenster; }
    void AlbenanzeigeStarten() override;
    void AlbenBefehleSetzen(bool albenVorhanden) override;
    void KnoepfeZuruecksetzen() override;

    // --- album viewer and picture list (mdiHauptform_Ansichten.cpp) ---
    void BilderlisteZeigen() override;
    void AlbenAnzeigeBildAnzeigen() override;
    void AlbenAnzeigeNaviPruefung() override;
    void AlbenAnzeigeNeuesAlbum() override;
    void AlbenAnzeigeBemerkungSichern() override;
    void AlbenAnzeigeBegriffeAktualisieren() override;
    void ListeAuffuellen() override;
    void ListeMarkierungNachfuehren() override;
    bool BildMarkiert(int position) override;
    void BildMarkierungSetzen(int position, bool markiert) override;
    void NormaleTextfelder(int position) override;
    int AnzahlMarkierteFelder() override;
    QString ListenBildname(int position) override;
    int KlickAnker() override;
    void KlickAnkerSetzen(int position) override;
    void ZoomAnsichtSchliessen() override;
    void AlbumAnsichtenSchliessen() override;
    // The two views while they are loaded, else nullptr.
    class frmAlbenAnzeige* albenAnzeige() const { return m_albenAnzeige; }
    class frmBilderListe* bilderListe() const { return m_bilderListe; }

    // --- folder import and thumbnails (mdiHauptform_Import.cpp) ---
    void OrdnerUebernehmenBefehl();
    void VorschaubilderBefehl();
    void AlbumLadenZeigen() override;
    void ErstesAlbumZeigen() override;

    static constexpr int MindestBreiteTwips = 11000;
    static constexpr int MindestHoeheTwips = 8000;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void menuesAufbauen();
    void werkzeugleisteAufbauen();
    QAction* neueAktion(
        QMenu* menue, const QString& name, const QString& text, void (mdiHauptform::*befehl)() = nullptr);
    QMenu* neuesMenue(QMenu* eltern, const QString& name, const QString& text);
    void knopfSetzen(const QString& name, bool aktiv);
    void befehleOhneDatenbank();
    // Opens the collection, with the messages and the retry of a locked file.
    bool datenbankOeffnenMit(const QString& pfad);
    void timResizeAbgelaufen();
    void timAlbenanzeigeAbgelaufen();
    void KindfensterSchliessen();

    Programmzustand& z;
    Datenbankobjekte& db;
    Registry& m_registry;
    Bildliste m_bilder;
    Knopfgruppe m_knoepfe;
    QMdiArea* m_flaeche = nullptr;
    QToolBar* m_sspSymbole = nullptr;
    QLabel* m_status1 = nullptr;
    QLabel* m_status2 = nullptr;
    QHash<QString, QAction*> m_aktionen;
    QHash<QString, QMenu*> m_menues;
    QTimer m_timAlbenanzeige;
    QTimer m_timSuche;
    QTimer m_timResize;
    QSize m_letzteGroesse;
    bool m_einstellungenSpeichern = false;
    // The collection the start could not open stays in the settings until the
    // user closes or opens one, so that it opens again once it can.
    QString m_datenbankBeimStart;
    QString m_letzteDatenbank;  // opened or made last, also when that failed
    bool m_listeWirdAngeordnet = false;  // the list's width is the frame's doing, not the user's

    // --- album chooser and album maintenance: members ---
    void albenAuswahlEntladen();
    class frmAlbenAuswahl* m_albenAuswahl = nullptr;
    class QMdiSubWindow* m_albenAuswahlFenster = nullptr;

    // --- album viewer and picture list: members ---
    void albenAnzeigeLaden();
    void bilderListeLaden();
    void ansichtenAnordnen();
    void hoehenAnpassen();
    class frmAlbenAnzeige* m_albenAnzeige = nullptr;
    class frmBilderListe* m_bilderListe = nullptr;
    class QObject* m_ansichtenFilter = nullptr;

    // --- keyboard: menu letters, F10, F1 (mdiHauptform_Tastatur.cpp) ---
public:
    // Gives every menu its underlined letters once all entries are there,
    // F10 the way into the menu bar and the frame its help topic.
    void TastaturEinrichten();
    // F10: opens the first menu of the bar that can be opened.
    void MenueleisteAnsteuern();

    // --- keywords, properties of marked pictures, search (mdiHauptform_Suche.cpp) ---
public:
    void BegriffeListenAuffuellen() override;
    void BegriffEingabeUebernehmen() override;
    void BegriffeFensterUmschalten() override;
    void MarkierteBilderEigenschaften() override;
    // The keyword and search windows while they are loaded, else nullptr.
    class frmBegriffe* begriffeFenster() const { return m_begriffe; }
    class frmSuche* sucheFenster() const { return m_suche; }

private:
    void sucheFensterLaden();
    void begriffeKnopfBeschriften();
    class frmBegriffe* m_begriffe = nullptr;
    class frmSuche* m_suche = nullptr;

    // --- thumbnail browser and zoom view (mdiHauptform_Vorschau.cpp) ---
public:
    void VorschauNeuesAlbumAnzeigen() override;
    void VorschauZeigen() override;
    void VorschauBilderAnzeigen() override;
    void VorschauMarkierungAnzeigen() override;
    void ZoomAnsichtZeigen() override;
    void ZoomBildAnzeigen() override;
    // "Browser": closes an open browser, else loads the paths and shows it.
    void BrowserUmschalten();
    void VorschauSchliessen();
    // Rows of the album were deleted or added elsewhere: an open browser reloads.
    void VorschauZeilenGeaendert();
    // Height of the storyboard above the browser; 0 while there is none.
    int StoryboardHoehe() const;
    class frmVorschau* vorschau() const { return m_vorschau; }
    class frmBilder* zoomAnsicht() const { return m_zoom; }
    // Set when the browser closed.
    bool vorschauGeschlossen() const { return m_vorschauGeschlossen; }

private:
    void vorschauAnordnen();
    void vorschauEntladen();
    class frmVorschau* m_vorschau = nullptr;
    class frmBilder* m_zoom = nullptr;
    class QObject* m_vorschauBeobachter = nullptr;
    bool m_vorschauGeschlossen = false;

    // --- presentations (mdiHauptform_Praesentation.cpp) ---
public:
    void NeuePraesentationBefehl();
    void PraesentationOeffnenBefehl();
    void PraesentationUmbenennenBefehl();
    void AlbumAlsPraesentationBefehl();
    // The slide show from that position; nothing for an empty presentation.
    void PraesentationStarten(int startposition);
    void PraesentationLoeschenDialog();
    void PraesentationSchliessen() override;
    void StoryboardNeuAnzeigen() override;
    class frmPraesentationStoryboard* storyboard() const { return m_storyboard; }
    class frmPraesentationAnzeige* diaschau() const { return m_diaschau; }
    // Shows a catalogue dialog modally; tests put in their own answer.
    std::function<int(class QDialog*)> dialogAusfuehren;

private:
    void praesentationenVerbinden();
    void storyboardZeigen();
    void storyboardEntladen();
    // Moves the windows below the storyboard's strip down (dy > 0) or back up.
    void fensterUnterStoryboardVerschieben(int dy);
    int m_storyboardHoehe = 0;
    class frmPraesentationStoryboard* m_storyboard = nullptr;
    class QMdiSubWindow* m_storyboardFenster = nullptr;
    class QObject* m_breitenwaechter = nullptr;
    class frmPraesentationAnzeige* m_diaschau = nullptr;
    // --- settings dialogs, presentation export and import (mdiHauptform_Einstellungen.cpp) ---
public:
    void EinstellungenAlbenBefehl();
    void EinstellungenBilderverzeichnisBefehl();
    void EinstellungenBrowserBefehl();
    void EinstellungenPraesentationenBefehl();
    void PraesentationExportieren();
    void PraesentationImportieren();

private:
    void einstellungenVerbinden();
};
