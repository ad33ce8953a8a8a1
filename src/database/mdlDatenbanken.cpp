#include "mdlDatenbanken.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Alben = QStringLiteral("Alben");

QString mitSchraegstrich(const QString& ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

// Connections and the recordsets both open routines set up alike.
void verbindenUndEinrichten(Datenbankobjekte& db, const QString& pfad, const QString& albenOrdnung)
{
    db.AllesSchliessen();
    db.conLesen.Oeffnen(pfad, Verbindung::Lesen);
    db.conDaten.Oeffnen(pfad, Verbindung::LesenSchreiben);
    Datenbankschema::Pruefen(db.conDaten);

    db.rsDaten.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
    db.rsDaten.Oeffnen(Abfrage::Tabelle(QStringLiteral("Daten")));

    Abfrage alben = Abfrage::MitWert(Alben, QStringLiteral("Nummer"));
    alben.ordnung = albenOrdnung;
    db.rsAlben.Einrichten(&db.conDaten, Recordset::Dynamisch, Recordset::Pessimistisch);
    db.rsAlben.Oeffnen(alben);

    Abfrage begriffe = Abfrage::MitWert(QStringLiteral("Schluesselbegriffe"), QStringLiteral("Nummer"));
    begriffe.ordnung = QStringLiteral("Schluesselbegriff");
    db.rsBegriffe.Einrichten(&db.conDaten, Recordset::Dynamisch, Recordset::Pessimistisch);
    db.rsBegriffe.Oeffnen(begriffe);
}

void restlicheEinrichten(Datenbankobjekte& db)
{
    db.rsImport.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
    db.rsPraesentationen.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
    db.rsPraesentationen.Oeffnen(Abfrage::MitWert(QStringLiteral("Praesentationen"), QStringLiteral("PraeName")));
    db.rsPraesentation.Einrichten(&db.conDaten, Recordset::Dynamisch, Recordset::Pessimistisch);
    db.rsNachschlagen.Einrichten(&db.conLesen, Recordset::Keyset, Recordset::NurLesen);
}

void geoeffnet(Programmzustand& z, const QString& pfad)
{
    z.ui().StatusleisteSetzen(QStringLiteral("Geladene Datenbank:"), pfad);
    z.aktuelleDatenbank = pfad;
    z.datenbankOffen = true;
    z.datenbankGeoeffnet = true;
}

void bildZeileAnhaengen(Recordset& rs, const QString& dateiname, int id, const QString& datum)
{
    rs.AddNew();
    rs.FeldSetzen(QStringLiteral("Dateiname"), dateiname);
    rs.FeldSetzen(QStringLiteral("ID"), id);
    rs.FeldSetzen(QStringLiteral("Datum"), datum);
    rs.Update();
}

void fehlgeschlagen(Programmzustand& z, Datenbankobjekte& db)
{
    db.AllesSchliessen();
    z.datenbankOffen = false;
}

}  // namespace

void Datenbankobjekte::AllesSchliessen()
{
    for (Recordset* rs : { &rsDaten, &rsAlben, &rsBegriffe, &rsAlbum, &rsImport, &rsPraesentationen, &rsPraesentation,
             &rsNachschlagen, &rsBegriffeBild })
        rs->Schliessen();
    conLesen.Schliessen();
    conDaten.Schliessen();
    conErstellen.Schliessen();
}

QString AlbenauswahlAufforderung()
{
    return QStringLiteral("Bitte Album auswählen:");
}

namespace {

// The first album folder relative to the directory that is not there; "" when all are.
QString fehlenderAlbenordner(Datenbankobjekte& db, const QString& verzeichnis)
{
    Recordset& rs = db.rsAlben;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString pfad = FeldLesen(rs, QStringLiteral("Pfad"));
        const QString cdName = FeldLesen(rs, QStringLiteral("CD-Name"));
        if (pfad.isEmpty() || !cdName.isEmpty() || QDir::isAbsolutePath(pfad))
            continue;
        if (!QDir(verzeichnis + pfad).exists())
            return verzeichnis + pfad;
    }
    return QString();
}

// Where a collection moved to another machine with its pictures finds them:
// the default directory, the one beside the program, or beside the collection
// file under the stored directory's own name or the old default name. Only a
// folder that holds every album folder counts; "" when none does.
QString ausweichverzeichnis(
    const Programmzustand& z, Datenbankobjekte& db, const QString& sammlung, const QString& gespeichert)
{
    const QString daneben = QFileInfo(sammlung).absolutePath() + QLatin1Char('/');
    const QString eigenerName = QFileInfo(QDir::cleanPath(gespeichert)).fileName();
    QStringList kandidaten { z.StandardBilderverzeichnis(),
        mitSchraegstrich(z.programmordner) + QStringLiteral("BilderVerzeichnis/") };
    if (!eigenerName.isEmpty())
        kandidaten << daneben + eigenerName + QLatin1Char('/');
    kandidaten << daneben + QStringLiteral("BilderVerzeichnis/");
    for (const QString& kandidat : std::as_const(kandidaten)) {
        if (QDir::cleanPath(kandidat) != QDir::cleanPath(gespeichert) && QDir(kandidat).exists()
            && fehlenderAlbenordner(db, kandidat).isEmpty())
            return kandidat;
    }
    return QString();
}

// An unplugged disk must not move the collection: the stored directory
// stays, and the user learns which folder is missing.
void unerreichbarMelden(const Programmzustand& z, const QString& verzeichnis, const QString& albenordner)
{
    const QChar cr(13);
    z.Meldung(QStringLiteral("Das Bilderverzeichnis %1 ist nicht erreichbar: der Ordner %2 fehlt.")
                  .arg(QDir::toNativeSeparators(verzeichnis), QDir::toNativeSeparators(albenordner))
            + cr + cr
            + QStringLiteral("Liegt es auf einem Datenträger, der nicht angeschlossen ist, schließen Sie ihn bitte an "
                             "und öffnen Sie die Datenbank noch einmal. Das Bilderverzeichnis bleibt unverändert.")
            + cr + QStringLiteral("Bis dahin werden die Bilder der Alben nicht gefunden."),
        Meldungen::Information, QStringLiteral("Bilderverzeichnis nicht erreichbar"));
}

// Throws DatenbankFehler; the caller closes what was opened.
void oeffnenMitAlben(Programmzustand& z, Datenbankobjekte& db, const QString& pfad)
{
    verbindenUndEinrichten(db, pfad, QStringLiteral("Albenname"));
    QString nummer = FeldLesen(db.rsDaten, QStringLiteral("Album"));

    Recordset& rsAlben = db.rsAlben;
    rsAlben.Filter(QStringLiteral("Nummer"), nummer);
    if (rsAlben.RecordCount() == 0) {
        rsAlben.FilterEntfernen();
        if (rsAlben.RecordCount() == 0)
            throw DatenbankFehler(QStringLiteral("Kein Album angelegt."), DatenbankFehler::KeineAlben);
        rsAlben.MoveFirst();
        nummer = FeldLesen(rsAlben, QStringLiteral("Nummer"));
    }
    rsAlben.FilterEntfernen();
    z.albumNummer = nummer;

    AlbenauswahlFuellen(z, db);
    rsAlben.MoveFirst();
    int position = 1;
    while (!rsAlben.Eof() && FeldLesen(rsAlben, QStringLiteral("Nummer")) != nummer) {
        rsAlben.MoveNext();
        ++position;
    }
    z.albenauswahlIndex = position;
    z.albumName = FeldLesen(rsAlben, QStringLiteral("Albenname"));
    z.albumPfad = FeldLesen(rsAlben, QStringLiteral("Pfad"));
    z.albumCDName = FeldLesen(rsAlben, QStringLiteral("CD-Name"));
    z.suchergebnisAngezeigt = false;
    z.ui().AlbenauswahlGeaendert();

    db.rsAlbum.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
    db.rsAlbum.Oeffnen(Abfrage::MitWert(nummer, QStringLiteral("Dateiname")));
    restlicheEinrichten(db);
    z.ui().PraesentationsBefehleSetzen(db.rsPraesentationen.RecordCount() > 0);

    QCoreApplication::processEvents();
    const QString gespeichert = mitSchraegstrich(FeldLesen(db.rsDaten, QStringLiteral("Bilderverzeichnis")));
    const QString fehlt = gespeichert.isEmpty() ? QString() : fehlenderAlbenordner(db, gespeichert);
    z.bilderverzeichnis = gespeichert;
    if (gespeichert.isEmpty()) {
        // An empty stored directory would put relative albums at the file system root.
        z.bilderverzeichnis = z.StandardBilderverzeichnis();
    } else if (!fehlt.isEmpty()) {
        const QString ersatz = ausweichverzeichnis(z, db, pfad, gespeichert);
        if (!ersatz.isEmpty())
            z.bilderverzeichnis = ersatz;
        else
            unerreichbarMelden(z, gespeichert, fehlt);
    }
    if (z.bilderverzeichnis != gespeichert)
        FeldSchreiben(db.rsDaten, QStringLiteral("Bilderverzeichnis"), z.bilderverzeichnis);

    geoeffnet(z, pfad);
    z.ui().AlbumAnsichtenZeigen();
    z.ui().DatenbankBefehleFreigeben(true);
}

}  // namespace

bool DatenbankOeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& pfad)
{
    try {
        oeffnenMitAlben(z, db, pfad);
        return true;
    } catch (const DatenbankFehler&) {
        fehlgeschlagen(z, db);
        return false;
    }
}

Oeffnungsergebnis SammlungOeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& pfad)
{
    Oeffnungsergebnis ergebnis;
    try {
        oeffnenMitAlben(z, db, pfad);
        ergebnis.geoeffnet = true;
        return ergebnis;
    } catch (const DatenbankFehler& f) {
        fehlgeschlagen(z, db);
        ergebnis.art = f.art();
        ergebnis.text = f.text();
    }
    // Only a collection without albums is opened without them; a locked,
    // damaged or write-protected one is never taken for an empty one.
    if (ergebnis.art == DatenbankFehler::KeineAlben && DatenbankOhneAlbenOeffnen(z, db, pfad))
        ergebnis.geoeffnet = true;
    return ergebnis;
}

bool DatenbankOhneAlbenOeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& pfad)
{
    try {
        verbindenUndEinrichten(db, pfad, QStringLiteral("Nummer"));
        db.rsAlbum.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::Pessimistisch);
        restlicheEinrichten(db);

        // A stored picture directory stays; only a collection without one gets one.
        const QString gespeichert = mitSchraegstrich(FeldLesen(db.rsDaten, QStringLiteral("Bilderverzeichnis")));
        if (!gespeichert.isEmpty()) {
            z.bilderverzeichnis = gespeichert;
        } else {
            if (z.bilderverzeichnis.isEmpty())
                z.bilderverzeichnis = z.StandardBilderverzeichnis();
            FeldSchreiben(db.rsDaten, QStringLiteral("Bilderverzeichnis"), z.bilderverzeichnis);
        }

        z.albumNummer.clear();
        z.albumName.clear();
        z.albumPfad.clear();
        z.albumCDName.clear();
        z.anzahlAlben = 0;
        z.albenauswahl.clear();
        z.albenauswahlIndex = -1;
        z.ui().AlbenauswahlGeaendert();

        z.ui().PraesentationsBefehleSetzen(db.rsPraesentationen.RecordCount() > 0);
        z.ui().DatenbankBefehleFreigeben(false);
        geoeffnet(z, pfad);
    } catch (const DatenbankFehler&) {
        fehlgeschlagen(z, db);
        return false;
    }
    const QChar cr(13);
    z.Meldung(QStringLiteral("In der Datenbank ") + pfad + QStringLiteral(" sind noch keine Alben vorhanden!") + cr + cr
            + QStringLiteral("Um mit Kolvar arbeiten zu können, müssen Sie zuerst ein Album anlegen.") + cr
            + QStringLiteral("(Menüpunkt: Album / Neu)"),
        Meldungen::Information, QStringLiteral("Kein Album angelegt!"));
    return true;
}

void DatenbankSchliessen(Programmzustand& z, Datenbankobjekte& db)
{
    db.AllesSchliessen();
    z.datenbankOffen = false;
}

bool AlbenOrdnerPruefen(const Programmzustand& z, Datenbankobjekte& db)
{
    return fehlenderAlbenordner(db, z.bilderverzeichnis).isEmpty();
}

void AlbumOeffnen(Programmzustand& z, Datenbankobjekte& db, const QString& nummer)
{
    try {
        db.rsAlbum.Schliessen();
        db.rsAlbum.Oeffnen(Abfrage::MitWert(nummer, QStringLiteral("Dateiname")));
    } catch (const DatenbankFehler&) {
        // The views then show an empty album.
    }
    z.albumNummer = nummer;
    FeldSchreiben(db.rsDaten, QStringLiteral("Album"), nummer);
}

void AlbenauswahlFuellen(Programmzustand& z, Datenbankobjekte& db)
{
    Recordset& rs = db.rsAlben;
    const int bisher = z.albenauswahlIndex;
    z.albenauswahl.clear();
    z.albenauswahlIndex = -1;
    z.anzahlAlben = 0;
    if (rs.RecordCount() > 0) {
        // The chooser lists the albums by name, whatever order rsAlben was opened in.
        rs.Sort(QStringLiteral("Albenname ASC"));
        z.albenauswahl << AlbenauswahlAufforderung();
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const QString name = FeldLesen(rs, QStringLiteral("Albenname"));
            z.albenauswahl << name;
            ++z.anzahlAlben;
            if (!z.albumName.isEmpty() && name == z.albumName)
                z.albenauswahlIndex = static_cast<int>(z.albenauswahl.size()) - 1;
        }
        rs.MoveFirst();
    }
    // Without the current album in the list the selection stays where it was.
    if (z.albenauswahlIndex < 0 && bisher >= 0 && bisher < z.albenauswahl.size())
        z.albenauswahlIndex = bisher;
    z.ui().AlbenauswahlGeaendert();
}

QString FeldLesen(const Recordset& rs, const QString& spalte)
{
    if (!rs.IstOffen() || rs.RecordCount() == 0)
        return QString();
    QVariant wert;
    try {
        wert = rs.Feld(spalte);
    } catch (const DatenbankFehler&) {
        if (rs.Bof() || rs.Eof())
            return QString();
        throw;
    }
    if (wert.isNull())
        return QString();
    if (wert.metaType().id() == QMetaType::QDate)
        return DatumText(wert.toDate());
    return wert.toString();
}

void FeldSchreiben(Recordset& rs, const QString& spalte, const QString& wert)
{
    try {
        rs.FeldSetzen(spalte, wert);
        rs.Update();
    } catch (const DatenbankFehler&) {
        rs.CancelUpdate();
    }
}

void BildFeldSchreiben(Datenbankobjekte& db, const QString& spalte, const QString& wert)
{
    db.rsAlbum.FeldSetzen(spalte, wert);
    db.rsAlbum.Update();
}

void BildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum)
{
    bildZeileAnhaengen(db.rsAlbum, dateiname, id, datum);
    DoppeltesBildEntfernen(db);
}

void DoppeltesBildEntfernen(Datenbankobjekte& db)
{
    Recordset& rs = db.rsAlbum;
    rs.Requery();
    rs.Sort(QStringLiteral("Nummer ASC"));
    rs.MoveLast();
    const QString name = FeldLesen(rs, QStringLiteral("Dateiname"));
    rs.Filter(QStringLiteral("Dateiname"), name);
    rs.Sort(QStringLiteral("Nummer ASC"));
    if (rs.RecordCount() > 1) {
        rs.MoveLast();
        rs.Delete();
    }
    rs.FilterEntfernen();
    rs.Requery();
    rs.Sort(QStringLiteral("Dateiname ASC"));
}

void NeuesBildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum)
{
    bildZeileAnhaengen(db.rsAlbum, dateiname, id, datum);
}

void ImportBildEintragen(Datenbankobjekte& db, const QString& dateiname, int id, const QString& datum)
{
    bildZeileAnhaengen(db.rsImport, dateiname, id, datum);
}
