#pragma once
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QDateTime;

// The thumbnail browser without a window: how many columns fit, where each
// cell lies, which album rows a grid position shows, how a navigation step
// changes it and what the position caption says. Positions are 1-based like
// rsAlbum's; NaviSchritt is the 0-based album row in the grid's top row.

// Columns and the gap between cells (and at the edges) for an inner width
// and a cell edge: as many columns as leave at least 4 pixels between
// them, but never fewer than one.
struct Vorschauraster {
    int spalten = 1;
    int luecke = 4;
};
Vorschauraster RasterBerechnen(int breite, int zellengroesse);

// Cell i (1-based, row by row) of the grid: its picture square and, below
// it, the top of its name label of height labelhoehe.
struct Zellenlage {
    QRect bild;
    int labelOben = 0;
};
Zellenlage ZelleBerechnen(int zelle, const Vorschauraster& raster, int zellengroesse, int labelhoehe);

// The largest NaviSchritt: 0 while the album fits the grid.
int AnzahlNaviSchritteBestimmen(int anzahlBilder, int spalten, int zeilen);

// The album positions a grid at NaviSchritt shows; leer when the album has none.
struct Seitenbereich {
    int erstes = 1;
    int letztes = 0;
    bool leer() const { return letztes < erstes; }
};
Seitenbereich SeiteBerechnen(int naviSchritt, int spalten, int zeilen, int anzahlBilder);

// "Bilder 11 - 23  von  23"; empty for an album without pictures.
QString Positionstext(const Seitenbereich& seite, int anzahlBilder);

// The picture of one cell fitted into the square: landscape pictures fill
// the width, portrait ones the height; each side at least 1.
QSize ZellenbildGroesse(const QSize& bild, int zellengroesse);

// Where the grid stands in the album and what a navigation button does to
// it. Each step answers how the grid follows: not at all, by moving its
// rows one up or down (one new row to load), or by a full redraw.
class Vorschaunavigation {
public:
    enum class Folge { Keine, ZeileVor, ZeileZurueck, Neuzeichnen };

    void NeuesAlbum(int anzahlBilder, int spalten, int zeilen);
    int NaviSchritt() const { return m_schritt; }
    int AnzahlNaviSchritte() const { return m_max; }
    // Locks: cmdBack, cmdFirst, cmdBackGross at the start; cmdNext,
    // cmdLast, cmdNextGross at the end.
    bool amAnfang() const { return m_schritt == 0; }
    bool amEnde() const { return m_schritt >= m_max; }
    Seitenbereich Seite() const { return SeiteBerechnen(m_schritt, m_spalten, m_zeilen, m_anzahl); }
    int Spalten() const { return m_spalten; }
    int Zeilen() const { return m_zeilen; }
    int AnzahlBilder() const { return m_anzahl; }

    Folge NaechsteZeile();
    Folge VorherigeZeile();
    Folge Erste();
    Folge Letzte();
    Folge NaechsteSeite();
    Folge VorherigeSeite();

private:
    Folge gehe(int ziel);

    int m_anzahl = 0;
    int m_spalten = 1;
    int m_zeilen = 1;
    int m_schritt = 0;
    int m_max = 0;
};

// Decoded thumbnails of the last pages, so that paging back and forth does
// not decode again. Bounded by a number of pictures; the oldest go first.
// An entry counts only while its file has the time and size it had.
class Vorschauspeicher {
public:
    explicit Vorschauspeicher(int hoechstzahl = 256)
        : m_hoechstzahl(hoechstzahl)
    {
    }
    void hoechstzahlSetzen(int anzahl);
    int anzahl() const { return static_cast<int>(m_eintraege.size()); }
    void leeren();

    // The thumbnail of the file for the cell size: from here when known,
    // else read (header size, then one decode at the cell's picture size).
    // A null picture when the file is missing or unreadable.
    QImage Laden(const QString& pfad, int zellengroesse);

private:
    struct Eintrag {
        QImage bild;
        qint64 zeit = 0;
        qint64 groesse = 0;
    };
    int m_hoechstzahl;
    QHash<QString, Eintrag> m_eintraege;
    QList<QString> m_reihe;  // oldest first
};
