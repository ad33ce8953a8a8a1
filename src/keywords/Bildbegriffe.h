#pragma once
#include <QDate>
#include <QString>
#include <QVector>

struct Programmzustand;
struct Datenbankobjekte;

// Keywords and dates of pictures: the current picture of rsAlbum, or the
// marked ones (positions in rsAlbum, 1-based, as the picture list counts).
//
// While the search result is shown its rows are copies in TempAlbum; each
// change is written into the picture's own row too, found by its `DBNummer`
// (album number and picture number), never by its file name, which repeats
// across albums. A change of one picture and a batch over many each run in
// one transaction: every row changes or none. Errors throw DatenbankFehler
// with a German text naming the picture; rsAlbum then shows what is stored
// and stands where it stood.
namespace Bildbegriffe {

// Keyword n to the current picture; false when it had it already.
bool Hinzufuegen(Programmzustand& z, Datenbankobjekte& db, qint64 nummer);
// Keyword n off the current picture; false when it did not have it.
bool Entfernen(Programmzustand& z, Datenbankobjekte& db, qint64 nummer);

// The same for every picture at the positions; returns how many changed.
// A field that would grow past its limit stops the batch before any write.
int MarkiertenHinzufuegen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, qint64 nummer);
int MarkiertenEntfernen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, qint64 nummer);
// The date of every picture at the positions.
int MarkiertenDatumSetzen(Programmzustand& z, Datenbankobjekte& db, const QVector<int>& positionen, const QDate& datum);

// The album table a search-result row came from: the number in the key's
// first four characters ("0003..." names table "3"); "" when it has none.
QString QuelltabelleDesSchluessels(const QString& dbNummer);

}  // namespace Bildbegriffe
