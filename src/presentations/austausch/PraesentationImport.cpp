#include "PraesentationAustausch.h"

#include "AlbumImport.h"
#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QDir>

namespace PraesentationAustausch {

namespace {

const QString Neu = QStringLiteral("_neu");

// The album import in its presentation-import mode; the user's handling
// settings and the mode are given back however the import ends.
class Importmodus {
public:
    explicit Importmodus(Programmzustand& z)
        : m_z(z)
        , m_vorher(z.einstellungen)
    {
        z.importModus = true;
    }
    ~Importmodus()
    {
        m_z.importModus = false;
        m_z.einstellungen.lngBehandlungNeueAlben = m_vorher.lngBehandlungNeueAlben;
        m_z.einstellungen.lngBehandlungNeueCDAlben = m_vorher.lngBehandlungNeueCDAlben;
        m_z.einstellungen.lngBehandlungBilder = m_vorher.lngBehandlungBilder;
    }

private:
    Programmzustand& m_z;
    Einstellungen m_vorher;
};

// Names compare as the lists do: without regard to case.
bool vorhanden(Recordset& rs, const QString& spalte, const QString& name)
{
    if (!rs.IstOffen())
        return false;
    const int vorher = rs.AbsolutePosition();
    bool gefunden = false;
    for (rs.MoveFirst(); !rs.Eof() && !gefunden; rs.MoveNext())
        gefunden = FeldLesen(rs, spalte).compare(name, Qt::CaseInsensitive) == 0;
    if (vorher != Recordset::PositionUnbekannt)
        rs.AbsolutePositionSetzen(vorher);
    return gefunden;
}

// A column of the album row whose column `wo` holds the value.
QString albumFeld(Datenbankobjekte& db, const QString& wo, const QString& wert, const QString& spalte)
{
    Recordset& rs = db.rsAlben;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (FeldLesen(rs, wo) == wert)
            return FeldLesen(rs, spalte);
    }
    return QString();
}

QString albumNummerVon(Datenbankobjekte& db, const QString& name)
{
    return albumFeld(db, QStringLiteral("Albenname"), name, QStringLiteral("Nummer"));
}

QString albumPfadVon(Datenbankobjekte& db, const QString& nummer)
{
    return albumFeld(db, QStringLiteral("Nummer"), nummer, QStringLiteral("Pfad"));
}

}  // namespace

QString ImportName(const QString& ordner, const std::function<bool(const QString&)>& vergeben)
{
    const QString basis = QDir(Pfade::ohneSchraegstrich(ordner)).dirName().trimmed();
    if (basis.isEmpty() || Pfade::ohneSchraegstrich(ordner) == QLatin1String("/"))
        return QString();
    // Each further "_neu" cuts the base as far as the name must stay short,
    // so "TempAlbum", "TempAlbum_neu", ... stay recognisable.
    int neu = basis.compare(QLatin1String("TempAlbum"), Qt::CaseInsensitive) == 0 ? 1 : 0;
    for (; Neu.size() * neu < MaxNamenslaenge; ++neu) {
        const QString name = basis.left(MaxNamenslaenge - Neu.size() * neu) + Neu.repeated(neu);
        if (!vergeben || !vergeben(name))
            return name;
    }
    return QString();
}

Importergebnis Importieren(Programmzustand& z, Datenbankobjekte& db, const QString& ordner)
{
    Importergebnis ergebnis;
    const QString quelle = Pfade::ordner(ordner);
    const QString name
        = ImportName(quelle, [&](const QString& n) { return vorhanden(db.rsAlben, QStringLiteral("Albenname"), n); });
    if (name.isEmpty()) {
        ergebnis.fehler = QStringLiteral("Aus dem Verzeichnis %1 kann keine Präsentation importiert werden: es hat "
                                         "keinen Namen, den ein Album tragen könnte.")
                              .arg(quelle);
        return ergebnis;
    }
    // One run for album and presentation: the full disk is reported once.
    Importlauf lauf(z);
    QStringList gefuellt;
    {
        Importmodus modus(z);
        AlbenAusOrdnernAnlegen(z, db, { quelle }, Importrueckfragen(), name, &gefuellt);
    }
    // A folder whose import was cut off went on into its old album.
    const QString albumName = gefuellt.isEmpty() ? name : gefuellt.first();
    ergebnis.albumNummer = albumNummerVon(db, albumName);
    if (ergebnis.albumNummer.isEmpty()) {
        ergebnis.fehler = QStringLiteral(
            "Aus dem Verzeichnis %1 wurde kein Album angelegt; die Präsentation wurde nicht importiert.")
                              .arg(quelle);
        return ergebnis;
    }
    ergebnis.albumName = albumName;

    const QString praeName = ImportName(
        albumName, [&](const QString& n) { return vorhanden(db.rsPraesentationen, QStringLiteral("PraeName"), n); });
    try {
        // Table and rows together: a presentation is made whole or not at all.
        Transaktion transaktion(db.conDaten);
        const QString tabelle = PraesentationstabelleAnlegen(db, praeName);
        Recordset bilder;
        bilder.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        // The picture list's order: by file name.
        bilder.Oeffnen(Abfrage::MitWert(ergebnis.albumNummer, QStringLiteral("Dateiname")));
        Recordset zeilen;
        zeilen.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
        zeilen.Oeffnen(Abfrage::Tabelle(tabelle));
        int reihenfolge = 0;
        for (bilder.MoveFirst(); !bilder.Eof(); bilder.MoveNext()) {
            zeilen.AddNew();
            zeilen.FeldSetzen(QStringLiteral("Reihenfolge"), ++reihenfolge);
            zeilen.FeldSetzen(QStringLiteral("DBNummer"), FeldLesen(bilder, QStringLiteral("DBNummer")));
            zeilen.Update();
        }
        transaktion.bestaetigen();
        // Only now is the import complete; cut off before, it is run again into this album.
        ImportAbschliessen(z, albumPfadVon(db, ergebnis.albumNummer));
        ergebnis.tabelle = tabelle;
        ergebnis.praesentationName = praeName;
        ergebnis.praesentationNummer = QString::number(tabelle.mid(1).toLongLong());
    } catch (const DatenbankFehler& fehler) {
        db.rsPraesentationen.Requery();
        ergebnis.fehler = QStringLiteral("Die Präsentation %1 kann nicht angelegt werden.").arg(praeName) + QChar(13)
            + QChar(13) + fehler.text();
        return ergebnis;
    }
    z.praesentationTabelle = ergebnis.tabelle;
    z.praesentationName = ergebnis.praesentationName;
    z.praesentationNummer = ergebnis.praesentationNummer;
    return ergebnis;
}

}  // namespace PraesentationAustausch
