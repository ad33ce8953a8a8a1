#pragma once
#include "Knopfgruppe.h"
#include "Vorschaulogik.h"

#include <QElapsedTimer>
#include <QString>
#include <QVector>
#include <QWidget>

class Bildknopf;
class Bildliste;
class QFrame;
class QLabel;
struct Datenbankobjekte;
struct Programmzustand;

// The thumbnail browser: a grid of the current album's thumbnails with
// their names, paged by row and by page. It keeps no list of its own: the
// paths and keys come from the state's path list, the names and marks from
// the picture list (through the main window), the current picture is
// rsAlbum's. Marking here writes the list's marks; the cells only mirror them.
class frmVorschau : public QWidget {
    Q_OBJECT
public:
    frmVorschau(Programmzustand& zustand, Datenbankobjekte& db, const Bildliste& bilder, QWidget* eltern = nullptr);
    ~frmVorschau() override;

    QString AktiverButton() const { return m_knoepfe.knopfUnterMaus(); }

    void PlatzhalterEinrichten();
    void NeuesAlbumAnzeigen();
    void BilderAnzeigen();
    void BilderVerschiebenNachOben();
    void BilderVerschiebenNachUnten();
    void NaviPruefung();
    void NormaleButtons();
    void AktiverButtonLeeren();
    void MarkierungAnzeigen();
    void BegrenzungenAnzeigen();
    void BildLoeschen();
    // First activation: the album is drawn once the window is on screen.
    void Aktivieren();
    // Thumbnails were made anew: forget the decoded ones.
    void SpeicherLeeren() { m_speicher.leeren(); }

    enum class Schritt { Erste, ZeileZurueck, ZeileVor, Letzte, SeiteZurueck, SeiteVor };
    void Navigieren(Schritt schritt);

    // Mouse presses on cell i (1-based) as the cells report them.
    void BildGedrueckt(int zelle, Qt::MouseButton knopf);
    void BildDoppelklick(int zelle);
    void NameGedrueckt(int zelle, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, const QPoint& global);

    // The height the grid of the current settings and the panel need.
    int benoetigteHoehe() const;
    // The frame has no more than this height for the browser: it shows fewer
    // rows than set rather than push the paging bar out of sight.
    void HoeheBegrenzen(int hoehe);
    int AnzahlZeilen() const { return zeilen(); }

    // Read by the frame and the tests.
    int AnzahlSpalten() const { return m_raster.spalten; }
    int AnzahlPlatzhalter() const { return static_cast<int>(m_zellen.size()); }
    int ZellenPosition(int zelle) const { return m_zellen.at(zelle - 1).position; }
    QLabel* imgBild(int zelle) const { return m_zellen.at(zelle - 1).bild; }
    QLabel* lblBildName(int zelle) const { return m_zellen.at(zelle - 1).name; }
    bool zeigtBild(int zelle) const { return m_zellen.at(zelle - 1).mitBild; }
    bool zeigtMarkierung(int zelle) const { return m_zellen.at(zelle - 1).markiert; }
    QLabel* lblAnzeige() const { return m_lblAnzeige; }
    const Vorschaunavigation& navigation() const { return m_navi; }
    Bildknopf* knopf(const QString& name) const;
    bool seiteFertig() const { return m_seiteFertig; }
    bool AlbumAngezeigt() const { return m_albumAngezeigt; }
    // How long a draw works before it lets the window answer; 0: after every picture.
    qint64 ereignisAbstandMs = 25;

signals:
    // Closed by the user or the frame; it is deleted a little later.
    void geschlossen();
    // Right click on the name of a marked picture: the menu for marked pictures.
    void kontextmenueGewuenscht(const QPoint& global);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Zelle {
        QLabel* bild = nullptr;
        QLabel* name = nullptr;
        int position = 0;
        QString tag;  // the picture's DBNummer
        bool mitBild = false;
        bool markiert = false;
        bool gefaerbt = false;
    };

    void aufbauen();
    void knopfSperren(Bildknopf* knopf, bool gesperrt);
    int anzahlBilder() const;
    int zellengroesse() const;
    int zeilen() const;
    int hoeheFuer(int zeilen) const;
    int labelhoehe() const;
    void zelleLeeren(Zelle& c);
    void zelleFaerben(Zelle& c, bool markiert);
    // Loads album position k into cell i; false when the draw was overtaken.
    void zelleLaden(int zelle, int position);
    void zelleUebernehmen(Zelle& ziel, const Zelle& quelle);
    // Loads the grid row (0-based) from the album, picture by picture with
    // events in between; false when another draw, a layout or closing overtook it.
    bool reiheLaden(int gridzeile, quint64 lauf);
    void captionSetzen();
    int zelleVon(QObject* objekt, bool* istBild) const;
    // rsAlbum to the cell's picture and the other views after it; false
    // when the rows changed behind the browser's back (it then reloads).
    bool bildWaehlen(int position);
    void ziehen(int zelle);

    Programmzustand& z;
    Datenbankobjekte& db;
    const Bildliste& m_bilder;
    Knopfgruppe m_knoepfe;
    Vorschauraster m_raster;
    Vorschaunavigation m_navi;
    Vorschauspeicher m_speicher;
    QVector<Zelle> m_zellen;
    QWidget* m_gitter = nullptr;
    QFrame* m_sspNavigation = nullptr;
    QLabel* m_lblAnzeige = nullptr;
    Bildknopf* m_cmdFirst = nullptr;
    Bildknopf* m_cmdBack = nullptr;
    Bildknopf* m_cmdNext = nullptr;
    Bildknopf* m_cmdLast = nullptr;
    Bildknopf* m_cmdBackGross = nullptr;
    Bildknopf* m_cmdNextGross = nullptr;
    bool m_albumAngezeigt = false;
    bool m_seiteFertig = true;
    bool m_geschlossen = false;
    // Counts draws and layouts: a draw that finds it changed after handing
    // out events stops, so cells never mix two draws.
    quint64 m_lauf = 0;
    QElapsedTimer m_ereignisUhr;  // since the last events handed out during a draw
    int m_letzteBreite = -1;
    int m_hoechsteHoehe = 1 << 30;
};
