#include "Verbindung.h"

#include "Abfrage.h"
#include "DatenbankFehler.h"
#include "Namensordnung.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlDriver>
#include <QUrl>
#include <atomic>
#include <sqlite3.h>

namespace {

QString neuerName()
{
    static std::atomic<int> zaehler { 0 };
    return QStringLiteral("kolvar-%1").arg(++zaehler);
}

QString fehlertext(const QSqlError& fehler)
{
    const QString text = fehler.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Unbekannter Datenbankfehler") : text;
}

// The driver hands out SQLite's primary result code as the native code.
DatenbankFehler::Art fehlerart(const QSqlError& fehler)
{
    switch (fehler.nativeErrorCode().toInt()) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return DatenbankFehler::Gesperrt;
    case 8:  // SQLITE_READONLY
        return DatenbankFehler::Schreibgeschuetzt;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return DatenbankFehler::Beschaedigt;
    default:
        return DatenbankFehler::Allgemein;
    }
}

DatenbankFehler fehlerAus(const QSqlError& fehler)
{
    return DatenbankFehler(fehlertext(fehler), fehlerart(fehler));
}

QString anzeigepfad(const QString& pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

// The SQL side of Namensordnung::Gefaltet, so that statements compare texts
// by the program's rule and not by SQLite's ASCII-only one.
void gefaltet(sqlite3_context* kontext, int, sqlite3_value** argumente)
{
    if (sqlite3_value_type(argumente[0]) == SQLITE_NULL) {
        sqlite3_result_null(kontext);
        return;
    }
    const void* text = sqlite3_value_text16(argumente[0]);
    const int bytes = sqlite3_value_bytes16(argumente[0]);
    const QString ergebnis = Namensordnung::Gefaltet(
        QString::fromUtf16(static_cast<const char16_t*>(text), bytes / static_cast<int>(sizeof(char16_t))));
    sqlite3_result_text16(kontext, ergebnis.utf16(), static_cast<int>(ergebnis.size() * sizeof(char16_t)),
        SQLITE_TRANSIENT);
}

bool funktionenAnmelden(const QSqlDatabase& db)
{
    const QVariant griff = db.driver()->handle();
    if (!griff.isValid() || qstrcmp(griff.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* handle = *static_cast<sqlite3* const*>(griff.constData());
    return handle
        && sqlite3_create_function_v2(handle, FaltungsFunktion(), 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
               gefaltet, nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

// Waiting for another program's lock: long enough to ride out its commit,
// short enough that a held lock does not freeze the window per statement.
const QString Wartezeit = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");

}  // namespace

QString Bezeichner(const QString& name)
{
    QString ergebnis = name;
    ergebnis.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + ergebnis + QLatin1Char('"');
}

Verbindung::Verbindung() = default;

Verbindung::~Verbindung()
{
    Schliessen();
}

QSqlDatabase Verbindung::datenbank() const
{
    return QSqlDatabase::database(m_name, false);
}

void Verbindung::Verbinden(const QString& pfad, const QString& optionen, const QString& name)
{
    Schliessen();
    m_name = neuerName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setConnectOptions(optionen);
        db.setDatabaseName(name);
        if (!db.open()) {
            const QString text = fehlertext(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_name.clear();
            throw DatenbankFehler(
                QStringLiteral("Die Datenbank %1 lässt sich nicht öffnen (%2).").arg(anzeigepfad(pfad), text));
        }
        if (!funktionenAnmelden(db)) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_name.clear();
            throw DatenbankFehler(QStringLiteral("Die Datenbank %1 lässt sich nicht öffnen: der SQLite-Treiber "
                                                 "nimmt die Vergleichsfunktion von Kolvar nicht an.")
                                      .arg(anzeigepfad(pfad)));
        }
    }
    m_pfad = pfad;
    m_offen = true;
}

void Verbindung::Oeffnen(const QString& pfad, Modus modus)
{
    // A URI with an explicit mode fails on a missing file instead of creating it.
    const QString uri = QStringLiteral("file:")
        + QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(pfad).absoluteFilePath(), "/"))
        + (modus == Lesen ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
    QString optionen = QStringLiteral("QSQLITE_OPEN_URI;") + Wartezeit;
    if (modus == Lesen)
        optionen += QStringLiteral(";QSQLITE_OPEN_READONLY");
    Verbinden(pfad, optionen, uri);
    m_modus = modus;
    try {
        DateiPruefen();
    } catch (...) {
        Schliessen();
        throw;
    }
}

void Verbindung::DateiPruefen()
{
    const QString datei = anzeigepfad(m_pfad);
    const QString gesperrt
        = QStringLiteral("Die Datenbank %1 wird gerade von einem anderen Programm benutzt.").arg(datei);
    // SQLite "opens" any file; the first statement shows whether it is a database.
    int version = 0;
    try {
        QSqlQuery abfrage = Abfragen(QStringLiteral("PRAGMA user_version"));
        if (abfrage.next())
            version = abfrage.value(0).toInt();
    } catch (const DatenbankFehler& f) {
        if (f.art() == DatenbankFehler::Gesperrt)
            throw DatenbankFehler(gesperrt, DatenbankFehler::Gesperrt);
        throw DatenbankFehler(QStringLiteral("Die Datei %1 ist keine Kolvar-Datenbank oder ist beschädigt.").arg(datei));
    }
    // A reading connection writes nothing; the writing one beside it checks the rest.
    if (m_modus != LesenSchreiben)
        return;
    // Damage inside a table shows only when that table is read; find it now,
    // before the program writes into a damaged file.
    bool heil = false;
    try {
        QSqlQuery pruefung = Abfragen(QStringLiteral("PRAGMA quick_check(1)"));
        heil = pruefung.next() && pruefung.value(0).toString() == QLatin1String("ok");
    } catch (const DatenbankFehler& f) {
        if (f.art() == DatenbankFehler::Gesperrt)
            throw DatenbankFehler(gesperrt, DatenbankFehler::Gesperrt);
    }
    if (!heil)
        throw DatenbankFehler(QStringLiteral("Die Datenbank %1 ist beschädigt. Kolvar verändert sie nicht.").arg(datei),
            DatenbankFehler::Beschaedigt);

    EinstellungenFuerSchreiben();
    // SQLite falls back to reading without a word when the file or its folder
    // is write-protected; a write that is rolled back at once tells.
    try {
        Ausfuehren(QStringLiteral("BEGIN IMMEDIATE"));
        Ausfuehren(QStringLiteral("PRAGMA user_version=%1").arg(version));
        Ausfuehren(QStringLiteral("ROLLBACK"));
    } catch (const DatenbankFehler& f) {
        try {
            Ausfuehren(QStringLiteral("ROLLBACK"));
        } catch (const DatenbankFehler&) {
            // No transaction was started.
        }
        if (f.art() == DatenbankFehler::Gesperrt)
            throw DatenbankFehler(gesperrt, DatenbankFehler::Gesperrt);
        const QFileInfo info(m_pfad);
        if (!info.isWritable())
            throw DatenbankFehler(QStringLiteral("Die Datenbank %1 ist schreibgeschützt.").arg(datei),
                DatenbankFehler::Schreibgeschuetzt);
        const QString ordner = QDir::toNativeSeparators(info.absolutePath());
        if (!QFileInfo(info.absolutePath()).isWritable())
            throw DatenbankFehler(
                QStringLiteral("Der Ordner %1 ist schreibgeschützt. Kolvar braucht dort Platz für das "
                               "Änderungsprotokoll der Datenbank %2.")
                    .arg(ordner, datei),
                DatenbankFehler::Schreibgeschuetzt);
        throw DatenbankFehler(QStringLiteral("In die Datenbank %1 kann nicht geschrieben werden.").arg(datei),
            DatenbankFehler::Schreibgeschuetzt);
    }
}

void Verbindung::EinstellungenFuerSchreiben()
{
    // A rollback journal keeps a collection one file. With FULL the journal's
    // deletion, which is the commit, is not synced: a power cut seconds after
    // a reported commit would roll it back. EXTRA syncs the folder too.
    Ausfuehren(QStringLiteral("PRAGMA journal_mode=DELETE"));
    Ausfuehren(QStringLiteral("PRAGMA synchronous=EXTRA"));
}

void Verbindung::Erstellen(const QString& pfad)
{
    if (QFileInfo::exists(pfad))
        throw DatenbankFehler(QStringLiteral("Die Datei %1 besteht schon.").arg(anzeigepfad(pfad)));
    Verbinden(pfad, Wartezeit, pfad);
    m_modus = LesenSchreiben;
    try {
        EinstellungenFuerSchreiben();
    } catch (...) {
        Schliessen();
        throw;
    }
}

void Verbindung::Schliessen()
{
    m_vorbereitet.clear();
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen()) {
            if (m_transaktionsTiefe > 0)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_offen = false;
    m_transaktionsTiefe = 0;
    m_verworfen = false;
}

QSqlQuery Verbindung::Abfragen(const QString& sql, const QVariantList& werte)
{
    if (!m_offen)
        throw DatenbankFehler(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    QSqlQuery abfrage(datenbank());
    abfrage.setForwardOnly(true);
    if (!abfrage.prepare(sql))
        throw fehlerAus(abfrage.lastError());
    for (const QVariant& wert : werte)
        abfrage.addBindValue(wert);
    if (!abfrage.exec())
        throw fehlerAus(abfrage.lastError());
    return abfrage;
}

void Verbindung::Ausfuehren(const QString& sql, const QVariantList& werte)
{
    QSqlQuery abfrage = Abfragen(sql, werte);
    abfrage.finish();
}

QSqlQuery& Verbindung::Vorbereitet(const QString& sql)
{
    if (!m_offen)
        throw DatenbankFehler(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    auto it = m_vorbereitet.find(sql);
    if (it == m_vorbereitet.end()) {
        QSqlQuery abfrage(datenbank());
        abfrage.setForwardOnly(true);
        if (!abfrage.prepare(sql))
            throw fehlerAus(abfrage.lastError());
        it = m_vorbereitet.insert(sql, abfrage);
    }
    return it.value();
}

void Verbindung::TransaktionBeginnen()
{
    if (m_transaktionsTiefe == 0) {
        Ausfuehren(QStringLiteral("BEGIN IMMEDIATE"));
        m_verworfen = false;
    }
    ++m_transaktionsTiefe;
}

void Verbindung::TransaktionBestaetigen()
{
    if (m_transaktionsTiefe <= 0)
        throw DatenbankFehler(QStringLiteral("Es ist keine Transaktion offen, die bestätigt werden könnte."));
    if (--m_transaktionsTiefe > 0)
        return;
    if (m_verworfen) {
        // An inner part gave up: what the outer part did must not be stored alone.
        zuruecksetzen();
        throw DatenbankFehler(QStringLiteral("Die Änderungen wurden verworfen, weil ein Teil davon fehlschlug."));
    }
    try {
        Ausfuehren(QStringLiteral("COMMIT"));
    } catch (const DatenbankFehler&) {
        // A failed COMMIT leaves the transaction open; nothing of it is stored.
        zuruecksetzen();
        throw;
    }
}

void Verbindung::TransaktionVerwerfen()
{
    if (m_transaktionsTiefe <= 0)
        return;
    if (--m_transaktionsTiefe > 0) {
        m_verworfen = true;
        return;
    }
    zuruecksetzen();
}

void Verbindung::zuruecksetzen()
{
    m_transaktionsTiefe = 0;
    m_verworfen = false;
    try {
        Ausfuehren(QStringLiteral("ROLLBACK"));
    } catch (const DatenbankFehler&) {
        // SQLite may have rolled back by itself already.
    }
}
