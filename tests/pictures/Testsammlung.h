#pragma once
#include "AlbumImport.h"
#include "Datenbankschema.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "mdlDatenbanken.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QtTest>
#include <functional>

// Records what the core asks of the main window; a test may hang its own reaction on the request for frmAlbumLaden.
class Oberflaechenrecorder : public Oberflaeche {
public:
    QStringList aufrufe;
    std::function<void()> beiAlbumLaden;
    std::function<void()> beiErstemAlbum;

    void VorschauNeuesAlbumAnzeigen() override { aufrufe << "VorschauNeuesAlbumAnzeigen"; }
    void VorschauZeigen() override { aufrufe << "VorschauZeigen"; }
    void VorschauBilderAnzeigen() override { aufrufe << "VorschauBilderAnzeigen"; }
    void AlbumLadenZeigen() override { aufrufe << "AlbumLadenZeigen"; if (beiAlbumLaden) beiAlbumLaden(); }
    void ErstesAlbumZeigen() override { aufrufe << "ErstesAlbumZeigen"; if (beiErstemAlbum) beiErstemAlbum(); }
    void BilderlisteZeigen() override { aufrufe << "BilderlisteZeigen"; }
    void DatenbankBefehleFreigeben(bool alben) override { aufrufe << (alben ? "BefehleMitAlben" : "BefehleOhneAlben"); }
};

// A fresh collection with folders that play CDs; tests reach the state and database objects directly.
class Testsammlung : public Sammlungsgeruest {
public:
    Testsammlung() { z.oberflaeche = &ui; }

    // A folder that plays a disc with this label, added to the volume list.
    QString cdEinlegen(const QString& ordnername, const QString& label)
    {
        laufwerke.hinzufuegen(ordner(ordnername), Laufwerk::CDROM, label);
        return ordner(ordnername);
    }
    // Writes small pictures of these names into the folder, and returns it.
    static QString bilderIn(const QString& ordner, const QStringList& namen)
    {
        for (const QString& name : namen)
            bildSchreiben(ordner + name);
        return ordner;
    }
    QString ordnerMit(const QString& name, const QStringList& bilder) { return bilderIn(ordner(name), bilder); }
    void cdEntnehmen(const QString& label) { laufwerke.liste.removeIf([&](auto& l) { return l.name == label; }); }
    // Creates the album as the import would (settings decide its kind) and returns its number.
    QString albumAnlegen(const QString& name, const QString& quelle)
    {
        AlbumAnlegen(z, db, name, quelle);
        return albumNummer(name);
    }
    // The given fields, joined by blanks, of each row of the album, by `Nummer`.
    QStringList zeilen(const QString& albumname, const QStringList& felder = { QStringLiteral("Dateiname") })
    {
        Recordset rs;
        rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
        rs.Oeffnen(Abfrage::Tabelle(albumNummer(albumname)));
        QStringList ergebnis;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList werte;
            for (const QString& feld : felder)
                werte << FeldLesen(rs, feld);
            ergebnis << werte.join(QLatin1Char(' '));
        }
        return ergebnis;
    }
    // Name queries are answered from antworten; one more than those counts in unerwartet. The notices go to hinweise.
    Importrueckfragen rueckfragen(const QStringList& namen)
    {
        antworten = namen;
        Importrueckfragen r;
        r.nameAbfragen = [this](const QString&) {
            unerwartet += antworten.isEmpty();
            return antworten.isEmpty() ? QStringLiteral("unerwartet") : antworten.takeFirst();
        };
        r.hinweisZeigen = [this](Bildbehandlung b) { hinweise << HinweisText(b); };
        r.hinweisSchliessen = [this] { hinweise << QStringLiteral("zu"); };
        return r;
    }
    int importieren(const QStringList& quellen, const QStringList& namen)
    {
        return AlbenAusOrdnernAnlegen(z, db, quellen, rueckfragen(namen));
    }

    Oberflaechenrecorder ui;
    QStringList antworten, hinweise;
    int unerwartet = 0;
};

// Every entry of a folder, hidden and special files included, by name.
inline QStringList dateienIn(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

inline void schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size());
}
inline QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void zeitSetzen(const QString& pfad, const QDate& tag)
{
    QFile f(pfad);
    QVERIFY(
        f.open(QIODevice::ReadWrite) && f.setFileTime(QDateTime(tag, QTime(12, 0)), QFileDevice::FileModificationTime));
}
