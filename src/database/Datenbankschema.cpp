#include "Datenbankschema.h"

#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Papierkorb.h"
#include "Programmzustand.h"
#include "Recordset.h"
#include "Verbindung.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>
#include <filesystem>
#include <system_error>

namespace {

Spalte nummer()
{
    Spalte s { QStringLiteral("Nummer"), SpaltenTyp::Long };
    s.autoIncrement = true;
    return s;
}

Spalte text(const char* name, int groesse, bool leerErlaubt)
{
    Spalte s { QLatin1String(name), SpaltenTyp::Text, groesse };
    s.leerErlaubt = leerErlaubt;
    return s;
}

// A name the user gives (album, presentation, keyword): "Urlaub" and
// "urlaub" are the same name. File names and paths stay exact, as the file
// system keeps them.
Spalte name(const char* spalte, int groesse)
{
    Spalte s = text(spalte, groesse, false);
    s.grossKleinEgal = true;
    return s;
}

Spalte spalte(const char* name, SpaltenTyp typ)
{
    return Spalte { QLatin1String(name), typ };
}

Tabelle bildtabelle(const QString& name, bool dbNummerLeerErlaubt)
{
    Tabelle t { name, {} };
    t.SpalteAnhaengen(nummer())
        .SpalteAnhaengen(text("DBNummer", 9, dbNummerLeerErlaubt))
        .SpalteAnhaengen(text("Dateiname", 255, false))
        .SpalteAnhaengen(spalte("ID", SpaltenTyp::Long))
        .SpalteAnhaengen(spalte("Datum", SpaltenTyp::Datum))
        .SpalteAnhaengen(text("Schluesselbegriffe", 255, true))
        .SpalteAnhaengen(spalte("Bemerkung", SpaltenTyp::Memo));
    return t;
}

QString fuehrendeNullen(const QString& zahl, int breite)
{
    return zahl.trimmed().rightJustified(breite, QLatin1Char('0'));
}

}  // namespace

namespace Datenbankschema {

Tabelle Daten()
{
    Tabelle t { QStringLiteral("Daten"), {} };
    t.SpalteAnhaengen(text("Bilderverzeichnis", 255, true)).SpalteAnhaengen(text("Album", 50, false));
    return t;
}

Tabelle Praesentationen()
{
    Tabelle t { QStringLiteral("Praesentationen"), {} };
    t.SpalteAnhaengen(nummer()).SpalteAnhaengen(name("PraeName", 50));
    return t;
}

Tabelle Schluesselbegriffe()
{
    Tabelle t { QStringLiteral("Schluesselbegriffe"), {} };
    t.SpalteAnhaengen(nummer()).SpalteAnhaengen(name("Schluesselbegriff", 50));
    return t;
}

Tabelle Alben()
{
    Tabelle t { QStringLiteral("Alben"), {} };
    t.SpalteAnhaengen(nummer())
        .SpalteAnhaengen(name("Albenname", 50))
        .SpalteAnhaengen(text("Pfad", 255, true))
        .SpalteAnhaengen(text("CD-Name", 255, true));
    return t;
}

Tabelle TempAlbum()
{
    return bildtabelle(QStringLiteral("TempAlbum"), false);
}

Tabelle Bildtabelle(const QString& albumNummer)
{
    return bildtabelle(albumNummer, true);
}

Tabelle Praesentationstabelle(const QString& name)
{
    Tabelle t { name, {} };
    Spalte reihenfolge = spalte("Reihenfolge", SpaltenTyp::Long);
    reihenfolge.aufsteigend = true;
    t.SpalteAnhaengen(reihenfolge).SpalteAnhaengen(text("DBNummer", 9, false));
    return t;
}

QString PraesentationstabellenName(qint64 nummer)
{
    return QLatin1Char('P') + fuehrendeNullen(QString::number(nummer), 4);
}

QString TemporaerSpalte()
{
    return QStringLiteral("Temporaer");
}

bool HatTemporaerSpalte(Verbindung& verbindung)
{
    QSqlQuery info = verbindung.Abfragen(QStringLiteral("PRAGMA table_info(\"Praesentationen\")"));
    while (info.next()) {
        if (info.value(QStringLiteral("name")).toString().compare(TemporaerSpalte(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TemporaerSpalteAnlegen(Verbindung& verbindung)
{
    if (!HatTemporaerSpalte(verbindung))
        verbindung.Ausfuehren(
            QStringLiteral("ALTER TABLE \"Praesentationen\" ADD COLUMN %1 INTEGER").arg(Bezeichner(TemporaerSpalte())));
}

void Pruefen(Verbindung& verbindung)
{
    const QString datei = QDir::toNativeSeparators(verbindung.pfad());
    const QString keineSammlung = QStringLiteral("Die Datei %1 ist keine Kolvar-Datenbank.").arg(datei);
    {
        QSqlQuery version = verbindung.Abfragen(QStringLiteral("PRAGMA user_version"));
        if (version.next() && version.value(0).toInt() > Version)
            throw DatenbankFehler(
                QStringLiteral("Die Datenbank %1 wurde von einer neueren Version von Kolvar angelegt. "
                               "Sie wird nicht geöffnet, damit sie unverändert bleibt.")
                    .arg(datei),
                DatenbankFehler::NeuereVersion);
    }
    for (const Tabelle& soll : { Daten(), Praesentationen(), Schluesselbegriffe(), Alben(), TempAlbum() }) {
        QSqlQuery info = verbindung.Abfragen(QStringLiteral("PRAGMA table_info(%1)").arg(Bezeichner(soll.name)));
        QSet<QString> vorhanden;
        while (info.next())
            vorhanden.insert(info.value(QStringLiteral("name")).toString().toLower());
        for (const Spalte& s : soll.spalten) {
            if (!vorhanden.contains(s.name.toLower()))
                throw DatenbankFehler(keineSammlung);
        }
    }
    QSqlQuery zeilen = verbindung.Abfragen(QStringLiteral("SELECT COUNT(*) FROM \"Daten\""));
    if (!zeilen.next() || zeilen.value(0).toLongLong() < 1)
        throw DatenbankFehler(keineSammlung);
}

}  // namespace Datenbankschema

void DatenbankErstellen(const QString& pfad)
{
    const QFileInfo ziel(pfad);
    const QString anzeige = QDir::toNativeSeparators(ziel.absoluteFilePath());
    if (!QFileInfo(ziel.absolutePath()).isDir())
        throw DatenbankFehler(
            QStringLiteral("Den Ordner %1 gibt es nicht.").arg(QDir::toNativeSeparators(ziel.absolutePath())));
    // Build the new file beside the old one and put it in place when complete,
    // so a failure never leaves the user with neither.
    const QString neu = ziel.absoluteFilePath() + QStringLiteral(".neu");
    QFile::remove(neu);
    try {
        Verbindung conErstellen;
        conErstellen.Erstellen(neu);
        Katalog katalog(conErstellen);
        {
            Transaktion t(conErstellen);
            for (const Tabelle& tabelle : { Datenbankschema::Daten(), Datenbankschema::Praesentationen(),
                     Datenbankschema::Schluesselbegriffe(), Datenbankschema::Alben(), Datenbankschema::TempAlbum() })
                katalog.TabelleAnhaengen(tabelle);
            Recordset rsDaten;
            rsDaten.Einrichten(&conErstellen, Recordset::Keyset, Recordset::Pessimistisch);
            rsDaten.Oeffnen(Abfrage::MitWert(QStringLiteral("Daten"), QStringLiteral("Album")));
            rsDaten.AddNew();
            rsDaten.FeldSetzen(QStringLiteral("Album"), QStringLiteral("1"));
            rsDaten.Update();
            rsDaten.Schliessen();
            conErstellen.Ausfuehren(QStringLiteral("PRAGMA user_version=%1").arg(Datenbankschema::Version));
            t.bestaetigen();
        }
        conErstellen.Schliessen();
    } catch (const DatenbankFehler& f) {
        QFile::remove(neu);
        // The message names the user's file, not the temporary one.
        throw DatenbankFehler(QStringLiteral("Die Datenbank %1 kann nicht angelegt werden.").arg(anzeige), f.art());
    }
    // The collection it replaces goes to the trash, never simply away; where
    // there is no trash it is kept beside the new one under another name.
    if (ziel.exists() && !Papierkorb::Verschieben(ziel.absoluteFilePath())) {
        QString alt = ziel.absoluteFilePath() + QStringLiteral(".alt");
        for (int n = 2; QFileInfo::exists(alt); ++n)
            alt = ziel.absoluteFilePath() + QStringLiteral(".alt-%1").arg(n);
        if (!QFile::rename(ziel.absoluteFilePath(), alt)) {
            QFile::remove(neu);
            throw DatenbankFehler(QStringLiteral("Die vorhandene Datei %1 lässt sich weder in den Papierkorb "
                                                 "verschieben noch umbenennen. Die neue Datenbank wurde nicht angelegt.")
                                      .arg(anzeige));
        }
    }
    std::error_code fehler;
    std::filesystem::rename(
        std::filesystem::path(neu.toStdString()), std::filesystem::path(ziel.absoluteFilePath().toStdString()), fehler);
    if (fehler) {
        QFile::remove(neu);
        throw DatenbankFehler(QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(anzeige));
    }
}

QString DBNummerBilden(const QString& bildNummer, const QString& albumNummer)
{
    return fuehrendeNullen(albumNummer, 4) + fuehrendeNullen(bildNummer, 5);
}

QString NaechsterOrdnername(const QString& name)
{
    const int n = static_cast<int>(name.size());
    if (n < 7 || name.mid(n - 6, 3) != QLatin1String("_BV"))
        return name + QStringLiteral("_BV001");
    bool ok = false;
    int zahl = name.right(3).toInt(&ok);
    if (!ok)
        zahl = 0;
    return name.left(n - 3) + QString::number(zahl + 1).rightJustified(3, QLatin1Char('0'));
}

QString OrdnerAnlegen(const Programmzustand& zustand, const QString& name)
{
    QDir verzeichnis(zustand.bilderverzeichnis);
    if (!verzeichnis.exists() && !QDir().mkpath(zustand.bilderverzeichnis))
        return QString();
    // Enough for any real clash; a folder that cannot be made for another
    // reason must not keep the program looping.
    constexpr int MaximaleVersuche = 1000;
    QString kandidat = name;
    for (int versuch = 0; versuch < MaximaleVersuche; ++versuch) {
        if (verzeichnis.mkdir(kandidat))
            return kandidat;
        kandidat = NaechsterOrdnername(kandidat);
    }
    return QString();
}

QString AlbumAnlegen(Programmzustand& z, Datenbankobjekte& db, const QString& name, const QString& quellordner)
{
    Recordset& rsAlben = db.rsAlben;
    Transaktion transaktion(db.conDaten);
    rsAlben.AddNew();
    rsAlben.FeldSetzen(QStringLiteral("Albenname"), name);

    const QVector<Laufwerk> laufwerke = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    const Laufwerk quelle = LaufwerkDesPfads(laufwerke, quellordner);
    const bool vonCD = !quelle.wurzel.isEmpty() && quelle.typ == Laufwerk::CDROM;
    auto cdWerteSetzen = [&] {
        QString relativ = QDir::cleanPath(quellordner).mid(quelle.wurzel.size());
        if (!relativ.isEmpty() && !relativ.endsWith(QLatin1Char('/')))
            relativ += QLatin1Char('/');
        rsAlben.FeldSetzen(QStringLiteral("CD-Name"), quelle.name);
        rsAlben.FeldSetzen(QStringLiteral("Pfad"), relativ);
    };

    QString ordner;
    if (z.einstellungen.lngBehandlungNeueAlben != 2) {
        if (vonCD && z.einstellungen.lngBehandlungNeueCDAlben == 1) {
            cdWerteSetzen();
        } else {
            ordner = OrdnerAnlegen(z, name);
            if (ordner.isEmpty()) {
                rsAlben.CancelUpdate();
                throw DatenbankFehler(QStringLiteral(
                    "Der Ordner für das Album \"%1\" kann im Bilderverzeichnis %2 nicht angelegt werden.")
                                          .arg(name, z.bilderverzeichnis));
            }
            rsAlben.FeldSetzen(QStringLiteral("Pfad"), ordner + QLatin1Char('/'));
        }
    } else if (vonCD) {
        cdWerteSetzen();
    }
    try {
        rsAlben.Update();
        rsAlben.Requery();
        rsAlben.Sort(QStringLiteral("Nummer ASC"));
        rsAlben.MoveLast();
        const QString nummer = FeldLesen(rsAlben, QStringLiteral("Nummer"));
        Katalog(db.conDaten).TabelleAnhaengen(Datenbankschema::Bildtabelle(nummer));
        transaktion.bestaetigen();
    } catch (...) {
        // Neither row nor table stays; an empty folder made for it goes too.
        transaktion.verwerfen();
        try {
            rsAlben.Requery();
            rsAlben.Sort(QString());
        } catch (const DatenbankFehler&) {
        }
        if (!ordner.isEmpty())
            QDir(z.bilderverzeichnis).rmdir(ordner);
        throw;
    }
    rsAlben.Sort(QString());
    AlbenauswahlFuellen(z, db);
    return ordner;
}

QString PraesentationstabelleAnlegen(Datenbankobjekte& db, const QString& name)
{
    Recordset& rs = db.rsPraesentationen;
    Transaktion transaktion(db.conDaten);
    rs.AddNew();
    rs.FeldSetzen(QStringLiteral("PraeName"), name);
    rs.Update();
    rs.Requery();
    rs.Sort(QStringLiteral("Nummer ASC"));
    rs.MoveLast();
    const QString tabelle = Datenbankschema::PraesentationstabellenName(rs.Feld(QStringLiteral("Nummer")).toLongLong());
    Katalog(db.conDaten).TabelleAnhaengen(Datenbankschema::Praesentationstabelle(tabelle));
    transaktion.bestaetigen();
    rs.Sort(QString());
    return tabelle;
}
