#pragma once
#include <QString>
#include <QVector>

class Verbindung;

// Column types of a collection file and how they are declared in SQLite.
enum class SpaltenTyp {
    Long,   // INTEGER
    Text,   // TEXT with a length check
    Memo,   // TEXT
    Datum   // TEXT in ISO form yyyy-MM-dd, so that ranges compare correctly
};

struct Spalte {
    QString name;
    SpaltenTyp typ = SpaltenTyp::Text;
    int groesse = 0;                // Text(n)
    bool autoIncrement = false;     // numbers rows 1, 2, 3 ... and never reuses one
    bool leerErlaubt = true;        // "allow zero length": false refuses ''
    bool grossKleinEgal = false;    // names compare without regard to case; file names and paths do not
    bool aufsteigend = false;       // sort-order attribute; the file keeps no indexes, readers sort
};

struct Tabelle {
    QString name;
    QVector<Spalte> spalten;
    Tabelle& SpalteAnhaengen(const Spalte& spalte)
    {
        spalten.append(spalte);
        return *this;
    }
};

// Creates tables on a read/write connection.
class Katalog {
public:
    explicit Katalog(Verbindung& verbindung) : m_verbindung(verbindung) {}
    void TabelleAnhaengen(const Tabelle& tabelle);  // throws DatenbankFehler
    static QString Anweisung(const Tabelle& tabelle);

private:
    Verbindung& m_verbindung;
};

// The declared type that marks a date column (TEXT affinity, ISO text).
inline const char* DatumsTypName() { return "DATETEXT"; }
