#include "Bilderverzeichnis.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

QVector<Einstellungspruefung::AlbumOrt> AlbenOrte(Datenbankobjekte& db)
{
    QVector<Einstellungspruefung::AlbumOrt> orte;
    Recordset& rs = db.rsAlben;
    if (!rs.IstOffen())
        return orte;
    const int vorher = rs.AbsolutePosition();
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        orte.append({ FeldLesen(rs, QStringLiteral("Pfad")), FeldLesen(rs, QStringLiteral("CD-Name")) });
    if (vorher != Recordset::PositionUnbekannt)
        rs.AbsolutePositionSetzen(vorher);
    return orte;
}

bool BilderverzeichnisSpeichern(Programmzustand& z, Datenbankobjekte& db, const QString& ordner, QString* fehler)
{
    const QString neu = Pfade::ordner(ordner.trimmed());
    Recordset& rs = db.rsDaten;
    try {
        if (!rs.IstOffen() || rs.RecordCount() < 1)
            throw DatenbankFehler(QStringLiteral("Die Datenbank ist nicht geöffnet."));
        rs.MoveFirst();
        rs.FeldSetzen(QStringLiteral("Bilderverzeichnis"), neu);
        rs.Update();
    } catch (const DatenbankFehler& f) {
        rs.CancelUpdate();
        if (fehler)
            *fehler = QStringLiteral("Das Bilderverzeichnis %1 kann nicht in der Datenbank %2 gespeichert werden.")
                          .arg(neu, z.aktuelleDatenbank)
                + QChar(13) + QChar(13) + f.text();
        return false;
    }
    z.bilderverzeichnis = neu;
    return true;
}
