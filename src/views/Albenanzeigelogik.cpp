#include "Albenanzeigelogik.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <cmath>

QSize BildEinpassen(QSize bild, int rahmen)
{
    if (bild.width() <= 0 || bild.height() <= 0 || rahmen <= 0)
        return QSize();
    const double a = double(bild.width()) / bild.height();
    int w = int(std::lround(a * rahmen));
    int h = rahmen;
    if (w > rahmen) {
        w = rahmen;
        h = int(std::lround(rahmen / a));
    }
    return QSize(std::max(1, w), std::max(1, h));
}

QString Speicherortsatz(const QString& cdName, const QString& ordner)
{
    if (!cdName.isEmpty())
        return QStringLiteral("Die Datei befindet sich auf der CD '") + cdName
               + QStringLiteral("' in dem Verzeichnis: ") + ordner;
    if (!ordner.isEmpty() && QDir::isAbsolutePath(ordner))
        return QStringLiteral("Die Datei befindet sich im Verzeichnis: ") + ordner;
    return QStringLiteral("Die Datei befindet sich im BilderVerzeichnis") + QStringLiteral(" im Unter-Ordner: ") + ordner;
}

QString BegriffeAuflisten(Recordset& rs, const QString& f)
{
    if (!rs.IstOffen() || rs.RecordCount() == 0)
        return QString();
    QString ergebnis;
    rs.Sort(QStringLiteral("Schluesselbegriff ASC"));
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString eintrag = QLatin1Char(' ') + FeldLesen(rs, QStringLiteral("Nummer")) + QLatin1Char(';');
        if (!f.contains(eintrag))
            continue;
        if (!ergebnis.isEmpty())
            ergebnis += QStringLiteral(", ");
        ergebnis += FeldLesen(rs, QStringLiteral("Schluesselbegriff"));
    }
    rs.Sort(QStringLiteral("Nummer ASC"));
    return ergebnis;
}

Navigationssperre NaviSperre(const Recordset& rs)
{
    Navigationssperre sperre;
    const int anzahl = rs.RecordCount();
    const int position = rs.AbsolutePosition();
    if (anzahl == 0 || position == Recordset::PositionUnbekannt)
        return sperre;
    sperre.zurueck = position <= 1;
    sperre.vor = position >= anzahl;
    return sperre;
}

QString VorhandenerBildpfad(Programmzustand& z, Datenbankobjekte& db)
{
    QString pfad = BildPfadStill(z, db);
    if (BilddateiVorhanden(pfad))
        return pfad;
    pfad = BildPfad(z, db);
    return BilddateiVorhanden(pfad) ? pfad : QString();
}

QString DatumNachtragen(Datenbankobjekte& db, const QString& bildpfad)
{
    const QString datum = FeldLesen(db.rsAlbum, QStringLiteral("Datum"));
    if (!datum.isEmpty())
        return datum;
    const QString dateidatum = Bilddatum(bildpfad);
    if (dateidatum.isEmpty())
        return datum;
    try {
        BildFeldSchreiben(db, QStringLiteral("Datum"), dateidatum);
    } catch (const DatenbankFehler&) {
        // Shown all the same; the next showing tries again.
    }
    return dateidatum;
}

void DatensatzBlaettern(Recordset& rs, Blaettern schritt)
{
    switch (schritt) {
    case Blaettern::Erstes:
        rs.MoveFirst();
        break;
    case Blaettern::Zurueck:
        rs.MovePrevious();
        if (rs.Bof())
            rs.MoveFirst();
        break;
    case Blaettern::Vor:
        rs.MoveNext();
        if (rs.Eof())
            rs.MoveLast();
        break;
    case Blaettern::Letztes:
        rs.MoveLast();
        break;
    }
}
