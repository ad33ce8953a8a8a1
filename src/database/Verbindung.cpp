#include "Verbindung.h"

#include "DatenbankFehler.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>

namespace {

QString neuerName()
{
    static std::atomic<int> zaehler{0};
    return QStringLiteral("kolvar-%1").arg(++zaehler);
}

QString fehlertext(const QSqlError& fehler)
{
    const QString text = fehler.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Unbekannter Datenbankfehler") : text;
}

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
            throw DatenbankFehler(QStringLiteral("Die Datenbank %1 lässt sich nicht öffnen: %2").arg(pfad, text));
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
    QString optionen = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000");
    if (modus == Lesen)
        optionen += QStringLiteral(";QSQLITE_OPEN_READONLY");
    Verbinden(pfad, optionen, uri);
    m_modus = modus;
    try {
        // SQLite "opens" any file; the first statement shows whether it is a database.
        Abfragen(QStringLiteral("PRAGMA schema_version"));
        if (modus == LesenSchreiben) {
            // Every stored change must survive a crash or power loss.
            Ausfuehren(QStringLiteral("PRAGMA synchronous=FULL"));
        }
    } catch (...) {
        Schliessen();
        throw;
    }
}

void Verbindung::Erstellen(const QString& pfad)
{
    if (QFileInfo::exists(pfad))
        throw DatenbankFehler(QStringLiteral("Die Datei %1 besteht schon.").arg(pfad));
    Verbinden(pfad, QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"), pfad);
    m_modus = LesenSchreiben;
    try {
        Ausfuehren(QStringLiteral("PRAGMA synchronous=FULL"));
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
}

QSqlQuery Verbindung::Abfragen(const QString& sql, const QVariantList& werte)
{
    if (!m_offen)
        throw DatenbankFehler(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    QSqlQuery abfrage(datenbank());
    abfrage.setForwardOnly(true);
    if (!abfrage.prepare(sql))
        throw DatenbankFehler(fehlertext(abfrage.lastError()));
    for (const QVariant& wert : werte)
        abfrage.addBindValue(wert);
    if (!abfrage.exec())
        throw DatenbankFehler(fehlertext(abfrage.lastError()));
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
            throw DatenbankFehler(fehlertext(abfrage.lastError()));
        it = m_vorbereitet.insert(sql, abfrage);
    }
    return it.value();
}

void Verbindung::TransaktionBeginnen()
{
    if (m_transaktionsTiefe == 0)
        Ausfuehren(QStringLiteral("BEGIN IMMEDIATE"));
    ++m_transaktionsTiefe;
}

void Verbindung::TransaktionBestaetigen()
{
    if (m_transaktionsTiefe <= 0)
        return;
    if (--m_transaktionsTiefe == 0)
        Ausfuehren(QStringLiteral("COMMIT"));
}

void Verbindung::TransaktionVerwerfen()
{
    if (m_transaktionsTiefe <= 0)
        return;
    m_transaktionsTiefe = 0;
    try {
        Ausfuehren(QStringLiteral("ROLLBACK"));
    } catch (const DatenbankFehler&) {
        // Nothing left to undo.
    }
}
