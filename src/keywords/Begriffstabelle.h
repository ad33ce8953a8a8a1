#pragma once
#include <QString>
#include <QVector>

struct Datenbankobjekte;
class Recordset;

// The keyword table through rsBegriffe: lists for the windows, lookups,
// adding, renaming and deleting. A keyword is always named by its number
// once it is chosen: two keywords may differ only in case, or become equal
// by a rename, and pictures refer to numbers only. Every routine leaves
// rsBegriffe unfiltered and ordered by number, whatever happens.
struct Begriff {
    qint64 nummer = 0;
    QString text;
};

namespace Begriffstabelle {

// Every keyword in alphabetical order, for the drop-down lists.
QVector<Begriff> Alphabetisch(Recordset& rsBegriffe);
// The keywords whose entry the field holds, in order of their numbers;
// numbers without a keyword are left out.
QVector<Begriff> DesFeldes(Recordset& rsBegriffe, const QString& feld);
// The number of the keyword with exactly this text (case counts); 0 when none.
qint64 NummerVon(Recordset& rsBegriffe, const QString& text);
// The text of keyword n; "" when there is none.
QString TextVon(Recordset& rsBegriffe, qint64 nummer);

// Why a typed keyword cannot be stored; "" when it can.
QString TextPruefen(const QString& text);
// Adds a row with the text (the database numbers it) and reads the table
// anew; returns the new number. Throws DatenbankFehler with a German text.
qint64 NeuenDatensatzEinfuegen(Datenbankobjekte& db, const QString& text);
// The keyword with exactly this text, made when there is none yet.
qint64 FindenOderAnlegen(Datenbankobjekte& db, const QString& text);
// Gives keyword n a new text; every picture that has it shows the new one,
// since pictures keep numbers. Throws DatenbankFehler; the old text stays.
void Umbenennen(Datenbankobjekte& db, qint64 nummer, const QString& text);
// Deletes keyword n from the table. The pictures' entries stay and no longer
// name a keyword (numbers are never given again). False when it was gone.
bool Loeschen(Datenbankobjekte& db, qint64 nummer);

}  // namespace Begriffstabelle
