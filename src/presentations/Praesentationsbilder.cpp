#include "Praesentationsbilder.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Programmzustand.h"
#include "Verbindung.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

namespace {

QString albumDesSchluessels(const QString& dbNummer)
{
    bool zahl = false;
    const qlonglong nummer = dbNummer.left(4).toLongLong(&zahl);
    return zahl ? QString::number(nummer) : QString();
}

struct Albumwerte {
    QString pfad;
    QString cdName;
};

}  // namespace

QStringList PraesentationsSchluessel(Verbindung& con, const QString& tabelle)
{
    QStringList schluessel;
    QSqlQuery zeilen = con.Abfragen(QStringLiteral("SELECT \"DBNummer\" FROM ") + Bezeichner(tabelle)
        + QStringLiteral(" WHERE \"DBNummer\" LIKE '%' ORDER BY \"Reihenfolge\", rowid"));
    while (zeilen.next())
        schluessel << zeilen.value(0).toString();
    return schluessel;
}

QVector<PraesentationsBild> BilderAufloesen(Verbindung& con, const QStringList& schluessel)
{
    QHash<QString, Albumwerte> alben;
    {
        QSqlQuery zeilen = con.Abfragen(QStringLiteral("SELECT \"Nummer\", \"Pfad\", \"CD-Name\" FROM \"Alben\""));
        while (zeilen.next())
            alben.insert(zeilen.value(0).toString(), { zeilen.value(1).toString(), zeilen.value(2).toString() });
    }
    QVector<PraesentationsBild> bilder;
    bilder.reserve(schluessel.size());
    QHash<QString, QVector<int>> jeAlbum;  // album number -> indexes into bilder
    for (const QString& s : schluessel) {
        PraesentationsBild b;
        b.dbNummer = s;
        b.albumNummer = albumDesSchluessels(s);
        const auto album = alben.constFind(b.albumNummer);
        if (album != alben.constEnd()) {
            b.albumPfad = album->pfad;
            b.cdName = album->cdName;
            jeAlbum[b.albumNummer] << bilder.size();
        }
        bilder << b;
    }
    for (auto it = jeAlbum.cbegin(); it != jeAlbum.cend(); ++it) {
        QJsonArray gesucht;
        for (int i : it.value())
            gesucht.append(bilder[i].dbNummer);
        QHash<QString, QString> namen;
        try {
            // All keys of the album as one bound JSON array: one read per album.
            QSqlQuery zeilen = con.Abfragen(QStringLiteral("SELECT \"DBNummer\", \"Dateiname\" FROM ")
                    + Bezeichner(it.key()) + QStringLiteral(" WHERE \"DBNummer\" IN (SELECT value FROM json_each(?))"),
                { QString::fromUtf8(QJsonDocument(gesucht).toJson(QJsonDocument::Compact)) });
            while (zeilen.next())
                namen.insert(zeilen.value(0).toString(), zeilen.value(1).toString());
        } catch (const DatenbankFehler&) {
            continue;  // an album without its table: its pictures stay unresolved
        }
        for (int i : it.value())
            bilder[i].dateiname = namen.value(bilder[i].dbNummer);
    }
    return bilder;
}

bool BildVorhanden(Verbindung& con, const QString& dbNummer)
{
    const QString album = albumDesSchluessels(dbNummer);
    if (album.isEmpty() || dbNummer.size() > 9)
        return false;
    try {
        QSqlQuery albumzeile
            = con.Abfragen(QStringLiteral("SELECT 1 FROM \"Alben\" WHERE \"Nummer\" = ?"), { album.toLongLong() });
        if (!albumzeile.next())
            return false;
        QSqlQuery bild = con.Abfragen(
            QStringLiteral("SELECT 1 FROM ") + Bezeichner(album) + QStringLiteral(" WHERE \"DBNummer\" = ?"),
            { dbNummer });
        return bild.next();
    } catch (const DatenbankFehler&) {
        return false;
    }
}

QString VorschauPfad(Programmzustand& z, const PraesentationsBild& bild)
{
    if (bild.dateiname.isEmpty())
        return NichtGefunden();
    const QString vorschau = QStringLiteral("TempBilder/") + bild.dateiname;
    if (!bild.cdName.isEmpty()) {
        const QString lokal = Pfade::verbinden(LokalerVorschauOrdner(z, bild.albumPfad, bild.cdName), vorschau);
        if (QFileInfo::exists(lokal))
            return lokal;
    }
    const QString ordner = BildPfadFuerAlbum(z, bild.albumPfad, bild.cdName, QString());
    if (ordner.isEmpty())
        return NichtGefunden();
    return Pfade::verbinden(ordner, vorschau);
}

QString BildPfad(Programmzustand& z, const PraesentationsBild& bild)
{
    if (bild.dateiname.isEmpty())
        return QString();
    return BildPfadFuerAlbum(z, bild.albumPfad, bild.cdName, bild.dateiname);
}

QString Albumname(Verbindung& con, const QString& albumNummer)
{
    try {
        QSqlQuery zeile = con.Abfragen(
            QStringLiteral("SELECT \"Albenname\" FROM \"Alben\" WHERE \"Nummer\" = ?"), { albumNummer.toLongLong() });
        return zeile.next() ? zeile.value(0).toString() : QString();
    } catch (const DatenbankFehler&) {
        return QString();
    }
}
