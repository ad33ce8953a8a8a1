#pragma once
#include "Abfrage.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <vector>

class Verbindung;

// A recordset with a client-side cursor: opening reads every row of its
// statement into memory; filter and sort work on those rows; AddNew, Update
// and Delete write through to the table at once. Positions are 1-based as
// the rest of the program counts them. Errors throw DatenbankFehler. A
// deleted row stays current (without its fields) until the next move.
//
// Date columns hand out QDate values and take QDate or text (dd.MM.yyyy or
// yyyy-MM-dd); the file keeps them as ISO text.
class Recordset {
public:
    enum Cursor { Keyset = 1, Dynamisch = 2 };
    enum Sperre { NurLesen = 1, Pessimistisch = 2 };
    static constexpr int PositionUnbekannt = -1;

    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Set up: the connection and cursor settings used by the next Oeffnen.
    void Einrichten(Verbindung* verbindung, Cursor cursor, Sperre sperre);
    Verbindung* verbindung() const { return m_verbindung; }

    void Oeffnen(const Abfrage& quelle);
    void Schliessen();  // never throws
    bool IstOffen() const { return m_offen; }
    const Abfrage& quelle() const { return m_quelle; }

    int RecordCount() const;
    bool Eof() const;
    bool Bof() const;
    int AbsolutePosition() const;  // 1-based; PositionUnbekannt at BOF or EOF
    void AbsolutePositionSetzen(int position);
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();

    bool HatSpalte(const QString& spalte) const;
    QStringList Spalten() const { return m_spalten; }
    QVariant Feld(const QString& spalte) const;  // Null for a Null value
    void FeldSetzen(const QString& spalte, const QVariant& wert);

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    void Requery();

    // Shows only the rows whose column equals the value; numeric columns
    // compare by value, texts without regard to case.
    void Filter(const QString& spalte, const QVariant& wert);
    // The text form "column = 'value'" (a doubled apostrophe stands for one).
    void FilterText(const QString& filter);
    void FilterEntfernen();
    bool IstGefiltert() const { return m_filterSpalte >= 0; }
    // "column ASC" or "column DESC"; the empty text restores the statement's order.
    void Sort(const QString& sortierung);

private:
    enum class Art { Ganzzahl, Text, Datum };
    struct Zeile {
        qint64 rowid = 0;
        QVector<QVariant> werte;  // as stored: integers, texts, dates as ISO text
        bool geloescht = false;
    };
    enum class Bearbeitung { Keine, Neu, Aendern };

    int spaltenIndex(const QString& spalte) const;
    void pruefeOffen() const;
    void pruefeZeile() const;
    void pruefeSchreibbar() const;
    // Drops a deleted current row from the view; true when there was one.
    bool geloeschtenVerlassen();
    void laden();
    void sichtAufbauen();
    bool passtZumFilter(const Zeile& zeile) const;
    QVariant speicherwert(int spalte, const QVariant& wert) const;
    QVariant lesewert(int spalte, const QVariant& gespeichert) const;
    // Order of two stored values: texts alphabetically without regard to case.
    int vergleiche(int spalte, const QVariant& a, const QVariant& b) const;
    // Equality as the column defines it: exact, or without regard to case.
    bool gleich(int spalte, const QVariant& a, const QVariant& b) const;
    void bearbeitungSichern();

    Verbindung* m_verbindung = nullptr;
    Cursor m_cursor = Keyset;
    Sperre m_sperre = Pessimistisch;
    Abfrage m_quelle;
    bool m_offen = false;

    QStringList m_spalten;
    QVector<Art> m_arten;
    QVector<bool> m_grossKleinEgal;
    int m_autoSpalte = -1;

    std::vector<Zeile> m_zeilen;  // every row read, in statement order (deleted ones removed)
    QVector<int> m_sicht;  // indexes into m_zeilen after filter and sort
    int m_position = 0;  // index into m_sicht; -1 = BOF, size = EOF
    bool m_aufGeloeschter = false;  // the current row was deleted and is still in m_sicht

    int m_filterSpalte = -1;
    QVariant m_filterWert;
    int m_sortSpalte = -1;
    bool m_sortAbsteigend = false;

    Bearbeitung m_bearbeitung = Bearbeitung::Keine;
    QVector<QVariant> m_puffer;
    QVector<bool> m_geaendert;
};

// A date in the text form the program shows: dd.MM.yyyy.
QString DatumText(const QDate& datum);
// Reads dd.MM.yyyy (also d.M.yy) or yyyy-MM-dd; invalid QDate otherwise.
QDate DatumAusText(const QString& text);
