#pragma once
#include <QString>
#include <QStringList>
#include <functional>

struct Programmzustand;
struct Datenbankobjekte;

// The thumbnail run behind frmAlbumLaden, without a window: one JPEG
// thumbnail per picture of the current album, named like the picture
// (extension included), in the album's thumbnail folder. The window shows
// the progress it reports; the picture list uses VBEinzeln for pictures
// added later.
class Vorschaubilderzeugung {
public:
    // After each picture: pictures done, their count, and the remaining-time
    // text for the label ("" = leave the label as it is).
    using Fortschritt = std::function<void(int erledigt, int anzahl, const QString& restzeit)>;

    // Determines the current album's picture folder and thumbnail folder.
    Vorschaubilderzeugung(Programmzustand& z, Datenbankobjekte& db);

    // The album's picture folder without trailing "/"; "" when its CD is in no drive.
    const QString& quellordner() const { return m_quellordner; }
    // Thumbnail folder, without trailing "/": beside the pictures in
    // "TempBilder", for CD albums the local copy below the picture directory.
    const QString& vorschauordner() const { return m_vorschauordner; }

    // True when a thumbnail is missing: the folder, or the thumbnail of a
    // picture of the album (pictures whose run was cut off, by a crash or a
    // full disk, get theirs the next time). A disc's own folder cannot be
    // written to, so there only the folder counts.
    bool VorschaubilderFehlen() const;
    // Makes the folder and the thumbnails that are missing. True when it made any.
    bool AlbumLaden(const Fortschritt& fortschritt = Fortschritt());
    // The missing thumbnails of the album's pictures, and with ganzerOrdner
    // (a new thumbnail folder) of every picture file of its folder too, as
    // the first run always made them. Pictures that cannot be
    // read are named in one list at the end; a full disk stops the run with
    // one message naming the folder. False when the disk was full.
    bool VorschauBilderErzeugen(const Fortschritt& fortschritt = Fortschritt(), bool ganzerOrdner = false);
    // The thumbnail of one picture; a picture that cannot be read gives
    // "Fehler beim Laden des Bildes." and no thumbnail.
    bool VBEinzeln(const QString& bildpfad);
    // The thumbnails of several pictures, made on all cores, each with what
    // VBEinzeln would say; a full disk stops them with one message. For each
    // picture, in order, vorher(i) comes before its message and nachher(i)
    // after it. Returns the number of thumbnails made.
    using Bildschritt = std::function<void(int i)>;
    int VBMehrere(const QStringList& bildpfade, const Bildschritt& vorher = {}, const Bildschritt& nachher = {});
    // Deletes the thumbnails and their folder.
    void OrdnerLoeschen();

private:
    bool ordnerAnlegen();
    // File names of the album's pictures: its rows (after the folder's picture
    // files with mitOrdner), or the folder's picture files where the album
    // has no table to read (the search result). Later runs go by the rows
    // only, so a damaged file that never got a row is not tried again and again.
    QStringList bildnamen(bool mitOrdner) const;
    QString vorschauVon(const QString& name) const { return m_vorschauordner + QLatin1Char('/') + name; }
    bool vorschauDa(const QString& name) const;

    Programmzustand& m_z;
    Datenbankobjekte& m_db;
    QString m_albumNummer;
    bool m_ordnerAufCD = false;
    QString m_quellordner;
    QString m_vorschauordner;
};

// Remaining time in whole seconds as the label shows it: "Noch verbleibende
// Zeit: ca. 12 min", "... ca. 1 h 05 min"; under a minute counts as 1 min;
// "" for no time left (the label then keeps its text).
QString RestzeitText(qint64 sekunden);

// The estimate of the remaining time: measured per block of two pictures,
// the average block time times the blocks still to do.
class Restzeitschaetzung {
public:
    static constexpr int Blockgroesse = 2;
    explicit Restzeitschaetzung(int anzahl)
        : m_anzahl(anzahl)
    {
    }
    // k = pictures done before the current one, jetztMs = a steady clock in
    // milliseconds. Returns the label text, or "" to leave the label.
    QString messen(int k, qint64 jetztMs);

private:
    int m_anzahl;
    qint64 m_letzte = 0;
    double m_summe = 0;
    int m_bloecke = 0;
};
