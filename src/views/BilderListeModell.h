#pragma once
#include <QObject>
#include <QString>
#include <QVector>

class Recordset;

// The rows and marks of the picture list: one light record per picture of
// rsAlbum, in its order, and beside them the marks. This is the one place
// where marks live; the browser and the batch dialog read and write them
// here. Positions are 1-based like rsAlbum's AbsolutePosition.
//
// Holds no widget and no copy of anything but the file name and key, so a
// list of 10,000 pictures costs 10,000 small records.
class BilderListeModell : public QObject {
    Q_OBJECT
public:
    struct Eintrag {
        QString dateiname;
        QString dbNummer;
    };

    // Reads `Dateiname` and `DBNummer` of every row; the recordset keeps
    // its position. Every mark goes; the anchor goes back to 1.
    void Auffuellen(Recordset& rs);
    void Leeren();

    int anzahl() const { return static_cast<int>(m_eintraege.size()); }
    bool gueltig(int position) const { return position >= 1 && position <= anzahl(); }
    const Eintrag& eintrag(int position) const { return m_eintraege[position - 1]; }

    bool markiert(int position) const { return gueltig(position) && m_markiert[position - 1]; }
    void markieren(int position, bool markiert);
    // Unmarks every entry except the given one (0: every entry).
    void NormaleTextfelder(int position);
    // Marks every entry between the two positions, whichever comes first.
    void bereichMarkieren(int von, int bis);
    int AnzahlMarkierteFelder() const { return m_anzahlMarkiert; }
    QVector<int> markiertePositionen() const;
    QVector<Eintrag> markierteEintraege() const;

    // The entry of the last plain or Ctrl click, where Shift ranges start.
    int anker() const { return m_anker; }
    void ankerSetzen(int position) { m_anker = position; }

    // A left click on an entry: plain (an unmarked entry becomes the only
    // marked one), Shift (marks from the anchor to it, the others stay),
    // Ctrl (toggles it). Plain and Ctrl move the anchor there.
    void Klick(int position, bool umschalt, bool strg);

    // The current picture becomes the only marked one and the anchor.
    void AufPositionSetzen(int position);

    // Where a key moves the current entry from `aktuell`: the arrows by one,
    // Page Up/Down by a view of `seite` entries, Home/End to the first and
    // last, never beyond them. 0 for any other key or an empty list.
    static int Tastenziel(int aktuell, int taste, int seite, int anzahl);
    // The current entry moved by the keyboard to `position`: without Shift it
    // becomes the only marked one and the anchor; with Shift exactly the
    // entries from the anchor to it are marked, so going back unmarks again.
    void TasteBewegt(int position, bool umschalt);

signals:
    // Marks or rows changed: whoever shows them draws again.
    void geaendert();

private:
    void setzen(int index, bool markiert);

    QVector<Eintrag> m_eintraege;
    QVector<bool> m_markiert;
    int m_anzahlMarkiert = 0;
    int m_anker = 1;
};

// The MIME type of a dragged picture: its `DBNummer` as UTF-8 text.
QString DBNummerMimeTyp();
