#pragma once
#include <QString>
#include <QVariantList>

// The source statement of a recordset: always all columns of one table, a
// condition with bound values and an order. Building statements here keeps
// every value out of the SQL text, so names with ' % _ " ; are safe.
struct Abfrage {
    QString tabelle;
    QString bedingung;     // SQL with ? placeholders; column names quoted with Bezeichner
    QVariantList werte;
    QString ordnung;       // column to sort by; empty = table order

    // All rows of a table.
    static Abfrage Tabelle(const QString& tabelle);
    // "SELECT * FROM t WHERE spalte LIKE '%' ORDER BY spalte": the rows with a value in that column.
    static Abfrage MitWert(const QString& tabelle, const QString& spalte);
    // The rows whose column equals the value exactly.
    static Abfrage Gleich(const QString& tabelle, const QString& spalte, const QVariant& wert);

    QString sql() const;
};

// A LIKE pattern that matches the text literally, for use with ESCAPE '\'.
QString LikeMuster(const QString& text);

// "The column contains the text" without regard to case for every letter
// (the folding of Namensordnung, done by a function each connection
// registers), with ' % _ literal. Bind EnthaeltMuster(text) to its one "?".
QString EnthaeltBedingung(const QString& spalte);
QString EnthaeltMuster(const QString& text);
// The name of that SQL function: the column's text case-folded.
inline const char* FaltungsFunktion() { return "kolvar_gefaltet"; }
