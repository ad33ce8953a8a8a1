#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

struct Datenbankobjekte;
struct Programmzustand;
class Verbindung;

// A picture of a presentation with what its key resolves to: the file name
// from its album's table and the album's folder values. Resolving reads
// each album involved once, never one query per picture, so a presentation
// of a thousand pictures from a dozen albums costs a dozen reads.
struct PraesentationsBild {
    QString dbNummer;
    QString albumNummer;  // the number in the key's first four characters, as text
    QString dateiname;  // empty when the key names no picture (any more)
    QString albumPfad;
    QString cdName;
};

// The keys of a presentation table in the order of `Reihenfolge` (rows of
// equal position in the order they were written). Throws DatenbankFehler.
QStringList PraesentationsSchluessel(Verbindung& con, const QString& tabelle);

// Resolves the keys, in their order. Unknown albums or pictures give
// entries without a file name; database errors of one album leave its
// entries so. Throws only when the album list cannot be read.
QVector<PraesentationsBild> BilderAufloesen(Verbindung& con, const QStringList& schluessel);

// Whether the key names a picture of this collection.
bool BildVorhanden(Verbindung& con, const QString& dbNummer);

// Thumbnail of the picture (the local copy of a CD album first);
// "Nicht gefunden!" when there is none to be had.
QString VorschauPfad(Programmzustand& z, const PraesentationsBild& bild);
// Full path of the picture; "" when its CD is in no drive or it has no file name.
QString BildPfad(Programmzustand& z, const PraesentationsBild& bild);

// `Albenname` of the album with that number; "" when there is none.
QString Albumname(Verbindung& con, const QString& albumNummer);
