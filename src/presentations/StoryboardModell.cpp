#include "StoryboardModell.h"

#include "Abfrage.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"

#include <QSqlError>
#include <QSqlQuery>

StoryboardModell::StoryboardModell(Programmzustand& zustand, Datenbankobjekte& datenbank, QObject* eltern)
    : QAbstractListModel(eltern)
    , z(zustand)
    , db(datenbank)
{
}

bool StoryboardModell::Laden(const QString& tabelle)
{
    beginResetModel();
    m_tabelle = tabelle;
    m_bilder.clear();
    m_vorschau.clear();
    bool gelesen = false;
    try {
        zeilenNeuZaehlen();
        m_bilder = BilderAufloesen(db.conDaten, PraesentationsSchluessel(db.conDaten, tabelle));
        const Laufwerksaufnahme einmal(z);  // one drive scan for all CD albums
        m_vorschau.reserve(m_bilder.size());
        for (const PraesentationsBild& b : std::as_const(m_bilder))
            m_vorschau << VorschauPfad(z, b);
        gelesen = true;
    } catch (const DatenbankFehler&) {
        m_bilder.clear();
        m_vorschau.clear();
    }
    endResetModel();
    recordsetNachziehen();
    return gelesen;
}

void StoryboardModell::Leeren()
{
    beginResetModel();
    m_tabelle.clear();
    m_bilder.clear();
    m_vorschau.clear();
    endResetModel();
    db.rsPraesentation.Schliessen();
}

// The clean-up leaves gaps in `Reihenfolge`; the edits count on 1..n.
void StoryboardModell::zeilenNeuZaehlen()
{
    QVector<qint64> zeilen;
    bool luecken = false;
    {
        QSqlQuery q = db.conDaten.Abfragen(QStringLiteral("SELECT rowid, \"Reihenfolge\" FROM ") + Bezeichner(m_tabelle)
            + QStringLiteral(" WHERE \"DBNummer\" LIKE '%' ORDER BY \"Reihenfolge\", rowid"));
        while (q.next()) {
            zeilen << q.value(0).toLongLong();
            if (q.value(1).toLongLong() != zeilen.size())
                luecken = true;
        }
    }
    if (!luecken)
        return;
    Transaktion transaktion(db.conDaten);
    const QString sql = QStringLiteral("UPDATE ") + Bezeichner(m_tabelle)
        + QStringLiteral(" SET \"Reihenfolge\" = ? WHERE rowid = ?");
    for (int i = 0; i < zeilen.size(); ++i)
        db.conDaten.Ausfuehren(sql, { i + 1, zeilen[i] });
    transaktion.bestaetigen();
}

void StoryboardModell::sqlEinfuegen(int position, const QString& dbNummer)
{
    db.conDaten.Ausfuehren(QStringLiteral("UPDATE ") + Bezeichner(m_tabelle)
            + QStringLiteral(" SET \"Reihenfolge\" = \"Reihenfolge\" + 1 WHERE \"Reihenfolge\" >= ?"),
        { position });
    db.conDaten.Ausfuehren(QStringLiteral("INSERT INTO ") + Bezeichner(m_tabelle)
            + QStringLiteral(" (\"Reihenfolge\", \"DBNummer\") VALUES (?, ?)"),
        { position, dbNummer });
}

void StoryboardModell::sqlLoeschen(int position)
{
    db.conDaten.Ausfuehren(
        QStringLiteral("DELETE FROM ") + Bezeichner(m_tabelle) + QStringLiteral(" WHERE \"Reihenfolge\" = ?"),
        { position });
    db.conDaten.Ausfuehren(QStringLiteral("UPDATE ") + Bezeichner(m_tabelle)
            + QStringLiteral(" SET \"Reihenfolge\" = \"Reihenfolge\" - 1 WHERE \"Reihenfolge\" > ?"),
        { position });
}

// Whoever reads rsPraesentation (export, slide show callers) sees the table as stored.
void StoryboardModell::recordsetNachziehen()
{
    Recordset& rs = db.rsPraesentation;
    try {
        if (m_tabelle.isEmpty()) {
            rs.Schliessen();
            return;
        }
        if (rs.IstOffen() && rs.quelle().tabelle == m_tabelle) {
            rs.Requery();
            return;
        }
        rs.Schliessen();
        Abfrage quelle = Abfrage::MitWert(m_tabelle, QStringLiteral("DBNummer"));
        quelle.ordnung = QStringLiteral("Reihenfolge");
        rs.Oeffnen(quelle);
    } catch (const DatenbankFehler&) {
        rs.Schliessen();
    }
}

bool StoryboardModell::BildEinfuegen(int position, const QString& dbNummer)
{
    if (m_tabelle.isEmpty() || position < 1 || position > anzahl() + 1 || !BildVorhanden(db.conDaten, dbNummer))
        return false;
    try {
        Transaktion transaktion(db.conDaten);
        sqlEinfuegen(position, dbNummer);
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        return false;
    }
    PraesentationsBild neu = BilderAufloesen(db.conDaten, { dbNummer }).value(0);
    beginInsertRows(QModelIndex(), position - 1, position - 1);
    m_bilder.insert(position - 1, neu);
    m_vorschau.insert(position - 1, VorschauPfad(z, neu));
    endInsertRows();
    recordsetNachziehen();
    return true;
}

bool StoryboardModell::BildLoeschen(int position)
{
    if (m_tabelle.isEmpty() || position < 1 || position > anzahl())
        return false;
    try {
        Transaktion transaktion(db.conDaten);
        sqlLoeschen(position);
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        return false;
    }
    beginRemoveRows(QModelIndex(), position - 1, position - 1);
    m_bilder.removeAt(position - 1);
    m_vorschau.removeAt(position - 1);
    endRemoveRows();
    recordsetNachziehen();
    return true;
}

bool StoryboardModell::Bildverschieben(int neu, int alt)
{
    if (m_tabelle.isEmpty() || alt < 1 || alt > anzahl() || neu < 1 || neu > anzahl() + 1)
        return false;
    const int ziel = neu > alt ? neu - 1 : neu;  // the picture's own place is gone once it is out
    if (ziel == alt)
        return false;
    const QString schluessel = m_bilder[alt - 1].dbNummer;
    try {
        // Out and in again in one transaction: the picture is never lost.
        Transaktion transaktion(db.conDaten);
        sqlLoeschen(alt);
        sqlEinfuegen(ziel, schluessel);
        transaktion.bestaetigen();
    } catch (const DatenbankFehler&) {
        return false;
    }
    // Qt counts the destination before the move: one past the target when moving right.
    beginMoveRows(QModelIndex(), alt - 1, alt - 1, QModelIndex(), ziel > alt ? ziel : ziel - 1);
    m_bilder.move(alt - 1, ziel - 1);
    m_vorschau.move(alt - 1, ziel - 1);
    endMoveRows();
    recordsetNachziehen();
    return true;
}

int StoryboardModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_bilder.size();
}

QVariant StoryboardModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_bilder.size())
        return {};
    const PraesentationsBild& b = m_bilder[index.row()];
    switch (rolle) {
    case Qt::DisplayRole:
        return b.dateiname;
    case DBNummerRolle:
        return b.dbNummer;
    case VorschauRolle:
        return m_vorschau[index.row()];
    default:
        return {};
    }
}

QString StoryboardModell::bildPfad(int position) const
{
    return BildPfad(z, m_bilder[position - 1]);
}
