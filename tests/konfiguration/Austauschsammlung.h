#pragma once
#include "AlbumImport.h"
#include "Datenbankschema.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// A collection with albums made by the real import and presentations
// written as the catalogue writes them.
class Austauschsammlung : public Sammlungsgeruest {
public:
    // A folder of pictures named as given, imported as an album of that name.
    QString albumMit(const QString& name, const QStringList& bilder, const QString& quelle = QString())
    {
        const QString ordner = quelle.isEmpty() ? this->ordner(QStringLiteral("Quellen/") + name) : quelle;
        // Each picture its own size, so that copies can be told apart by content.
        for (const QString& b : bilder)
            bildSchreiben(ordner + b, QSize(40 + 3 * static_cast<int>(++m_bilder), 30));
        z.importModus = true;
        AlbenAusOrdnernAnlegen(z, db, { ordner }, Importrueckfragen(), name);
        z.importModus = false;
        return albumNummer(name);
    }
    // The picture's key in the album.
    QString schluessel(const QString& albumNummer, const QString& dateiname)
    {
        Recordset rs;
        rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Gleich(albumNummer, QStringLiteral("Dateiname"), dateiname));
        return rs.RecordCount() == 1 ? FeldLesen(rs, QStringLiteral("DBNummer")) : QString();
    }
    // A presentation of the keys in this order; returns its table.
    QString praesentation(const QString& name, const QStringList& schluessel)
    {
        const QString tabelle = PraesentationstabelleAnlegen(db, name);
        Recordset rs;
        rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::Tabelle(tabelle));
        // Positions with gaps, written out of order: readers sort by them.
        for (int i = static_cast<int>(schluessel.size()) - 1; i >= 0; --i) {
            rs.AddNew();
            rs.FeldSetzen(QStringLiteral("Reihenfolge"), (i + 1) * 10);
            rs.FeldSetzen(QStringLiteral("DBNummer"), schluessel.at(i));
            rs.Update();
        }
        return tabelle;
    }
    // The keys of a presentation in its order.
    QStringList inhalt(const QString& tabelle)
    {
        Recordset rs;
        rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        Abfrage a = Abfrage::Tabelle(tabelle);
        a.ordnung = QStringLiteral("Reihenfolge");
        rs.Oeffnen(a);
        QStringList keys;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            keys << FeldLesen(rs, QStringLiteral("DBNummer"));
        return keys;
    }

private:
    qsizetype m_bilder = 0;
};

inline QByteArray dateiInhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones too, by name.
inline QStringList eintraegeIn(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}
