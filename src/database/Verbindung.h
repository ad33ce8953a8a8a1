#pragma once
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A connection to one collection file (an SQLite database with the extension
// ".mdb"). Opening never creates a file: existing files are opened by URI with
// mode ro or rw, and the first statement proves that the file is a database.
// Only Erstellen makes a new file. Opening for writing also proves that the
// file can be written and is not damaged; every commit is durable.
class Verbindung {
public:
    enum Modus { Lesen = 1, LesenSchreiben = 3 };

    Verbindung();
    ~Verbindung();
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    // Opens an existing database file; throws DatenbankFehler.
    void Oeffnen(const QString& pfad, Modus modus);
    // Creates a new, empty database file at the path (which must not exist).
    void Erstellen(const QString& pfad);
    void Schliessen();  // never throws
    bool IstOffen() const { return m_offen; }
    Modus modus() const { return m_modus; }
    QString pfad() const { return m_pfad; }

    // Runs a statement with bound values (the command object); throws.
    void Ausfuehren(const QString& sql, const QVariantList& werte = {});
    // A prepared statement kept for reuse while the connection is open.
    QSqlQuery& Vorbereitet(const QString& sql);
    // Runs a query and hands back the active query; throws.
    QSqlQuery Abfragen(const QString& sql, const QVariantList& werte = {});

    // Transactions nest by counting; only the outermost one reaches the engine.
    // A rollback inside makes the outermost commit fail; a failed commit rolls
    // back and throws. Either way nothing of the transaction is stored.
    void TransaktionBeginnen();
    void TransaktionBestaetigen();
    void TransaktionVerwerfen();
    bool InTransaktion() const { return m_transaktionsTiefe > 0; }

    QSqlDatabase datenbank() const;

private:
    void Verbinden(const QString& pfad, const QString& optionen, const QString& name);
    void DateiPruefen();
    void EinstellungenFuerSchreiben();
    void zuruecksetzen();

    QString m_name;
    QString m_pfad;
    Modus m_modus = Lesen;
    bool m_offen = false;
    int m_transaktionsTiefe = 0;
    bool m_verworfen = false;
    QHash<QString, QSqlQuery> m_vorbereitet;
};

// Commits at commit(), rolls back when it leaves its scope without it.
class Transaktion {
public:
    explicit Transaktion(Verbindung& verbindung)
        : m_verbindung(verbindung)
    {
        m_verbindung.TransaktionBeginnen();
    }
    ~Transaktion()
    {
        if (!m_erledigt)
            m_verbindung.TransaktionVerwerfen();
    }
    // Throws when the commit fails; the transaction is then rolled back.
    void bestaetigen()
    {
        m_erledigt = true;
        m_verbindung.TransaktionBestaetigen();
    }
    // Rolls back now (once); for a catch block that must see the old state.
    void verwerfen()
    {
        if (!m_erledigt) {
            m_erledigt = true;
            m_verbindung.TransaktionVerwerfen();
        }
    }
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

private:
    Verbindung& m_verbindung;
    bool m_erledigt = false;
};

// A table or column name quoted for a statement ("3", "CD-Name").
QString Bezeichner(const QString& name);
