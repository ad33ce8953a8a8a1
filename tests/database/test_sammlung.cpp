#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "FalscheLaufwerke.h"
#include "Komponententest.h"
#include "Meldungsrecorder.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// A collection as the program sees it: creating files and albums, opening
// and the picture-row operations.
class TestSammlung : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Programmzustand z;
    Datenbankobjekte db;
    Meldungsrecorder meldungen;
    FalscheLaufwerke laufwerke;
    QString m_pfad, m_heim;

    // The values of the statement's first column.
    QStringList werte(const QString& sql, const QVariantList& gebunden = {})
    {
        Verbindung v;
        v.Oeffnen(m_pfad, Verbindung::Lesen);
        QSqlQuery q = v.Abfragen(sql, gebunden);
        QStringList liste;
        while (q.next())
            liste << q.value(0).toString();
        return liste;
    }
    QStringList tabellen()
    {
        return werte(u"SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' ORDER BY name"_s);
    }
    static QByteArray inhalt(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Overwrites the header of the table's root page: the file still opens, reading that table fails.
    void seiteZerstoeren(const QString& tabelle)
    {
        const QStringList stelle = werte(
            u"SELECT (rootpage - 1) * (SELECT page_size FROM pragma_page_size()) FROM sqlite_master WHERE name = ?"_s,
            { tabelle });
        QFile f(m_pfad);
        QVERIFY(stelle.size() == 1 && f.open(QIODevice::ReadWrite) && f.seek(stelle.first().toLongLong()));
        f.write(QByteArray(16, char(0x7f)));
    }
    // A new collection, opened without albums and with the given albums made.
    void sammlungMit(const QStringList& alben)
    {
        DatenbankErstellen(m_pfad);
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        for (const QString& a : alben)
            AlbumAnlegen(z, db, a, z.programmordner);
    }

private slots:
    void init()
    {
        const QString basis = m_ordner.filePath(QString::fromLatin1(QTest::currentTestFunction())
            + (QTest::currentDataTag() ? u"/"_s + QString::fromUtf8(QTest::currentDataTag()) : QString()));
        z = Programmzustand();
        z.programmordner = basis + u"/programm"_s;
        QDir().mkpath(z.programmordner);
        // A home of its own: new collections put their pictures into its pictures folder.
        m_heim = basis + u"/heim"_s;
        qputenv("HOME", m_heim.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (basis + u"/konfig"_s).toLocal8Bit());
        z.meldungen = &meldungen;
        laufwerke.liste.clear();
        laufwerke.hinzufuegen(u"/"_s, Laufwerk::Festplatte, QString());
        z.laufwerksliste = &laufwerke;
        meldungen.leeren();
        m_pfad = basis + u"/Sammlung.mdb"_s;
    }
    void cleanup() { DatenbankSchliessen(z, db); }

    // The old collection is whole after a new one replaced it: in the user's
    // trash, or where no trash can be made (a file stands where its folder
    // would be) beside the new one.
    void erstellenBehaeltDieAlteDatei()
    {
        const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QFile sperre(daten + u"/Trash"_s);
        for (const bool papierkorbGesperrt : { false, true }) {
            m_pfad = QFileInfo(m_pfad).absolutePath() + u"/Sammlung%1.mdb"_s.arg(papierkorbGesperrt);
            if (papierkorbGesperrt) {
                QDir(sperre.fileName()).removeRecursively();
                QVERIFY(QDir().mkpath(daten) && sperre.open(QIODevice::WriteOnly));
                sperre.close();
            }
            sammlungMit({ u"Urlaub"_s });
            DatenbankSchliessen(z, db);
            const QByteArray alt = inhalt(m_pfad);
            DatenbankErstellen(m_pfad);
            if (papierkorbGesperrt)
                QFile::remove(sperre.fileName());
            QCOMPARE(
                tabellen(), QStringList({ "Alben", "Daten", "Praesentationen", "Schluesselbegriffe", "TempAlbum" }));
            QVERIFY(!QFile::exists(m_pfad + u".neu"_s));
            QStringList orte { m_pfad + u".alt"_s };
            const QString name = QFileInfo(m_pfad).completeBaseName() + u'*';
            for (const QFileInfo& f : QDir(daten + u"/Trash/files/"_s).entryInfoList({ name }, QDir::Files))
                orte << f.filePath();
            if (papierkorbGesperrt)
                orte = orte.mid(0, 1);
            QVERIFY2(std::any_of(orte.cbegin(), orte.cend(), [&](const QString& ort) { return inhalt(ort) == alt; }),
                qPrintable(orte.join(u' ')));
        }
        // In a folder that is missing: the message names it, and nothing is made.
        const QString ordner = m_ordner.filePath(u"gibtsnicht"_s);
        try {
            DatenbankErstellen(ordner + u"/Neu.mdb"_s);
            QFAIL("no error");
        } catch (const DatenbankFehler& f) {
            QVERIFY2(f.text().contains(ordner) && !f.text().contains(u".neu"_s), qPrintable(f.text()));
        }
        QVERIFY(!QFileInfo::exists(ordner));
    }

    void albenBekommenOrdnerNummernUndTabellen()
    {
        z.bilderverzeichnis = z.programmordner + u"/fehlt/noch/"_s;  // made with the first album
        sammlungMit({ u"Urlaub"_s, u"Apfel"_s });
        QCOMPARE(z.albenauswahl, QStringList({ "Bitte Album auswählen:", "Apfel", "Urlaub" }));
        QCOMPARE(werte(u"SELECT Pfad || Nummer FROM Alben WHERE Albenname = 'Urlaub'"_s), QStringList({ "Urlaub/1" }));
        // A folder of that name left behind: the next album gets "_BV001", then "_BV002".
        QCOMPARE(AlbumAnlegen(z, db, u"Urlaub"_s, z.programmordner), u"Urlaub_BV001"_s);
        QCOMPARE(OrdnerAnlegen(z, u"Urlaub"_s), u"Urlaub_BV002"_s);
        QCOMPARE(NaechsterOrdnername(u"A_BV009"_s), u"A_BV010"_s);
        // A folder that can never be made ends the retries with "", and the album is not stored.
        QVERIFY(QFile(z.programmordner + u"/datei"_s).open(QIODevice::WriteOnly));
        z.bilderverzeichnis = z.programmordner + u"/datei/"_s;
        QCOMPARE(OrdnerAnlegen(z, u"X"_s), QString());
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, AlbumAnlegen(z, db, u"X"_s, z.programmordner));
        db.rsAlben.Requery();
        QCOMPARE(db.rsAlben.RecordCount(), 3);
        QCOMPARE(tabellen(),
            QStringList({ "1", "2", "3", "Alben", "Daten", "Praesentationen", "Schluesselbegriffe", "TempAlbum" }));
    }

    void standardverzeichnisLiegtImBilderordnerDesBenutzers()
    {
        // A fresh file gets the user's pictures folder, of user-dirs.dirs if there is one; the
        // program folder is writable, and still no picture goes there.
        const QString konfig = qEnvironmentVariable("XDG_CONFIG_HOME");
        for (const QString& erwartet : { u"/Pictures/Kolvar/"_s, u"/Meine Fotos/Kolvar/"_s }) {
            m_pfad = QFileInfo(m_pfad).absolutePath() + erwartet.section(u'/', 0, 1) + u".mdb"_s;
            sammlungMit({ u"Urlaub"_s });
            DatenbankSchliessen(z, db);
            QCOMPARE(z.bilderverzeichnis, m_heim + erwartet);
            QVERIFY(QDir(m_heim + erwartet + u"Urlaub"_s).exists());
            QCOMPARE(QDir(z.programmordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
            z.bilderverzeichnis.clear();
            QFile f(konfig + u"/user-dirs.dirs"_s);
            QVERIFY(QDir().mkpath(konfig) && f.open(QIODevice::WriteOnly));
            f.write("XDG_PICTURES_DIR=\"$HOME/Meine Fotos/\"\n");
        }
    }

    void fruehereSammlungBehaeltIhrVerzeichnis()
    {
        // Made by an earlier version, with its pictures beside the program; the stored directory
        // wins over the one of the collection open before, through all three ways of opening.
        const QString alt = z.programmordner + u"/BilderVerzeichnis/"_s;
        DatenbankErstellen(m_pfad);
        z.bilderverzeichnis = alt;
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        AlbumAnlegen(z, db, u"Urlaub"_s, z.programmordner);
        DatenbankSchliessen(z, db);
        for (const QString& vorher : { u"/anderswo/"_s, QString() }) {
            z.bilderverzeichnis = vorher;
            QVERIFY(vorher.isEmpty() ? DatenbankOeffnen(z, db, m_pfad) : DatenbankOhneAlbenOeffnen(z, db, m_pfad));
            QCOMPARE(z.bilderverzeichnis, alt);
            QCOMPARE(FeldLesen(db.rsDaten, u"Bilderverzeichnis"_s), alt);
            DatenbankSchliessen(z, db);
        }
        QVERIFY(!QFileInfo::exists(m_heim));
    }

    void oeffnenOhneUndMitAlben()
    {
        DatenbankErstellen(m_pfad);
        // No albums: the first routine fails, the second opens with its message.
        QVERIFY(!DatenbankOeffnen(z, db, m_pfad) && !z.datenbankOffen);
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        QCOMPARE(meldungen.titel(), QStringList({ "Kein Album angelegt!" }));
        AlbumAnlegen(z, db, u"Zebra"_s, z.programmordner);
        AlbumAnlegen(z, db, u"Affe"_s, z.programmordner);
        DatenbankSchliessen(z, db);
        meldungen.leeren();
        // "Album" of Daten is still "1": Zebra (number 1) is current at position 2 by name.
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        QVERIFY(meldungen.meldungen.isEmpty() && db.rsAlbum.IstOffen());
        QCOMPARE(z.albumNummer + z.albumName, u"1Zebra"_s);
        QCOMPARE(z.albenauswahlIndex, 2);
        // An album number that is gone takes the first album by name.
        FeldSchreiben(db.rsDaten, u"Album"_s, u"77"_s);
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        QCOMPARE(z.albumName, u"Affe"_s);
        QCOMPARE(z.albenauswahlIndex, 1);
    }

    // Where the album folders are decides the picture directory: the stored
    // one while it holds them, else a fallback that holds them all, else the
    // stored one stays and the user is told.
    void bilderverzeichnisBeimOeffnen_data()
    {
        QTest::addColumn<QString>("ordnerIn");  // where "Urlaub/" lies, below the test's folder
        QTest::addColumn<QString>("erwartet");  // "" = the stored directory stays
        QTest::newRow("gespeichertes hat alle") << u"stick/Fotos/"_s << QString();
        QTest::newRow("Standardverzeichnis") << u"heim/Pictures/Kolvar/"_s << u"heim/Pictures/Kolvar/"_s;
        QTest::newRow("neben der Sammlung, eigener Name") << u"Fotos/"_s << u"Fotos/"_s;
        QTest::newRow("neben dem Programm") << u"programm/BilderVerzeichnis/"_s << u"programm/BilderVerzeichnis/"_s;
        QTest::newRow("nirgends, Stick abgezogen") << QString() << QString();
    }
    void bilderverzeichnisBeimOeffnen()
    {
        QFETCH(QString, ordnerIn);
        QFETCH(QString, erwartet);
        const QString basis = QFileInfo(m_pfad).absolutePath() + u"/"_s;
        const QString gespeichert = basis + u"stick/Fotos/"_s;
        z.bilderverzeichnis = gespeichert;
        sammlungMit({ u"Urlaub"_s });
        QDir(gespeichert).removeRecursively();
        QVERIFY(QDir().mkpath(m_heim + u"/Pictures/Kolvar"_s));  // the default exists, if without the album
        if (!ordnerIn.isEmpty())
            QVERIFY(QDir().mkpath(basis + ordnerIn + u"Urlaub"_s));
        meldungen.leeren();
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        const QString soll = erwartet.isEmpty() ? gespeichert : basis + erwartet;
        QCOMPARE(z.bilderverzeichnis, soll);
        QCOMPARE(FeldLesen(db.rsDaten, u"Bilderverzeichnis"_s), soll);
        QCOMPARE(meldungen.texte().join(u""_s).contains(gespeichert + u"Urlaub"_s), ordnerIn.isEmpty());
    }

    // A database of another program is never opened as a collection nor written (missing and broken files
    // are tried on the connection and through the main window).
    void fremdeDateiWirdNichtGeoeffnetUndNichtVeraendert()
    {
        const QString fremd = m_ordner.filePath(u"fremd.mdb"_s);
        Verbindung v;
        v.Erstellen(fremd);
        v.Ausfuehren(u"CREATE TABLE Kunden (Name TEXT)"_s);
        v.Schliessen();
        const QByteArray vorher = inhalt(fremd);
        QVERIFY(!DatenbankOeffnen(z, db, fremd) && !DatenbankOhneAlbenOeffnen(z, db, fremd));
        QVERIFY(!z.datenbankOffen && !db.conDaten.IstOffen() && meldungen.meldungen.isEmpty());
        QCOMPARE(inhalt(fremd), vorher);
    }

    // Files the program must refuse without writing to them, each with a
    // German message naming the file, and never opened as a collection
    // without albums.
    void verweigerteSammlungen()
    {
        const std::pair<DatenbankFehler::Art, const char*> faelle[]
            = { { DatenbankFehler::NeuereVersion, "neueren Version" }, { DatenbankFehler::Beschaedigt, "beschädigt" },
                  { DatenbankFehler::Gesperrt, "wird gerade von einem anderen Programm benutzt" } };
        for (const auto& [art, wort] : faelle) {
            m_pfad = QFileInfo(m_pfad).absolutePath() + u"/Sammlung%1.mdb"_s.arg(int(art));
            sammlungMit({ u"Urlaub"_s });
            db.rsAlbum.Oeffnen(Abfrage::MitWert(u"1"_s, u"Dateiname"_s));
            for (int i = 0; i < 200; ++i)
                BildEintragen(db, u"bild%1.jpg"_s.arg(i), 0, QString());
            DatenbankSchliessen(z, db);
            Verbindung v;
            if (art == DatenbankFehler::Beschaedigt)
                seiteZerstoeren(u"1"_s);
            else
                v.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            if (art == DatenbankFehler::NeuereVersion) {
                v.Ausfuehren(u"PRAGMA user_version=%1"_s.arg(Datenbankschema::Version + 1));
                v.Schliessen();
            } else if (art == DatenbankFehler::Gesperrt) {
                v.Ausfuehren(u"BEGIN EXCLUSIVE"_s);
            }
            const QByteArray vorher = inhalt(m_pfad);
            meldungen.leeren();
            const Oeffnungsergebnis e = SammlungOeffnen(z, db, m_pfad);
            QVERIFY(!e.geoeffnet && !z.datenbankOffen && !db.conDaten.IstOffen());
            QCOMPARE(e.art, art);
            QVERIFY2(e.text.contains(QString::fromUtf8(wort)) && e.text.contains(m_pfad), qPrintable(e.text));
            QVERIFY(meldungen.meldungen.isEmpty());  // no "no albums" message
            if (v.IstOffen())
                v.Ausfuehren(u"ROLLBACK"_s);
            QCOMPARE(inhalt(m_pfad), vorher);
        }
    }

    // Write protection is checked as an ordinary user, since root writes anyway.
    void schreibgeschuetzteDateiOderOrdner()
    {
        DatenbankErstellen(m_pfad);
        const QString ordner = QFileInfo(m_pfad).absolutePath();
        // Every folder on the way must be open to the ordinary user.
        for (QString weg = ordner; weg.startsWith(m_ordner.path()); weg = QFileInfo(weg).absolutePath())
            QFile::setPermissions(weg, QFile::Permissions(0x7755));
        for (const bool ordnerGeschuetzt : { false, true }) {
            QFile::setPermissions(m_pfad, QFile::Permissions(ordnerGeschuetzt ? 0x6666 : 0x4444));
            QFile::setPermissions(ordner, QFile::Permissions(ordnerGeschuetzt ? 0x5555 : 0x7777));
            const pid_t kind = fork();
            if (kind == 0) {
                if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                    _exit(2);
                try {
                    Verbindung().Oeffnen(m_pfad, Verbindung::LesenSchreiben);
                } catch (const DatenbankFehler& f) {
                    const bool ordnerGenannt = f.text().startsWith(u"Der Ordner "_s + ordner);
                    const bool dateiGenannt = f.text().contains(m_pfad) && f.text().contains(u"schreibgeschützt"_s);
                    _exit(f.art() != DatenbankFehler::Schreibgeschuetzt ? 3
                            : ordnerGenannt                             ? 10
                            : dateiGenannt                              ? 11
                                                                        : 4);
                }
                _exit(0);
            }
            int status = 0;
            waitpid(kind, &status, 0);
            QFile::setPermissions(ordner, QFile::Permissions(0x7755));
            QVERIFY(WIFEXITED(status));
            if (WEXITSTATUS(status) == 2)
                QSKIP("no ordinary user to switch to");
            QCOMPARE(WEXITSTATUS(status), ordnerGeschuetzt ? 10 : 11);
        }
    }

    void gleicherDateinameBehaeltDieAeltereZeile()
    {
        sammlungMit({ u"Urlaub"_s });
        AlbumOeffnen(z, db, u"1"_s);
        BildEintragen(db, u"a.jpg"_s, 0, u"05.06.2007"_s);
        BildFeldSchreiben(db, u"Bemerkung"_s, u"das erste"_s);
        BildEintragen(db, u"a.jpg"_s, 0, u"09.09.2009"_s);
        QCOMPARE(db.rsAlbum.RecordCount(), 1);
        BildEintragen(db, u"A.jpg"_s, 0, u"09.09.2009"_s);  // another file than a.jpg
        QCOMPARE(db.rsAlbum.RecordCount(), 2);
        QCOMPARE(werte(u"SELECT Bemerkung || Datum FROM \"1\" WHERE Dateiname = 'a.jpg'"_s),
            QStringList({ "das erste2007-06-05" }));
    }

    void komponententest()
    {
        // Without a usable temporary folder the check fails with its message; with one it passes silently.
        meldungen.antworten << Meldungen::Antwort::Abbrechen;
        QVERIFY(!MdacTest(z, m_ordner.filePath(u"gibtsnicht"_s)) && !z.einstellungen.MdacOK);
        QVERIFY(MdacTest(z) && z.einstellungen.MdacOK);
        QCOMPARE(meldungen.titel(), QStringList({ "Falsche MDAC-Version!" }));
    }
};

int testeSammlung(int argc, char** argv)
{
    TestSammlung t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_sammlung.moc"
