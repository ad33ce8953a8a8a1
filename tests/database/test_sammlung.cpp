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
    QString m_pfad;
    QString m_heim;

    QStringList tabellen(const QString& pfad)
    {
        Verbindung v;
        v.Oeffnen(pfad, Verbindung::Lesen);
        QSqlQuery q = v.Abfragen(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
        QStringList namen;
        while (q.next())
            namen << q.value(0).toString();
        return namen;
    }

    static QByteArray inhalt(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Overwrites the header of the table's root page: the file still opens,
    // reading that table fails.
    void seiteZerstoeren(const QString& tabelle)
    {
        int seite = 0;
        int groesse = 0;
        {
            Verbindung v;
            v.Oeffnen(m_pfad, Verbindung::Lesen);
            QSqlQuery q = v.Abfragen(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"), {tabelle});
            QVERIFY(q.next());
            seite = q.value(0).toInt();
            q.finish();
            QSqlQuery g = v.Abfragen(QStringLiteral("PRAGMA page_size"));
            QVERIFY(g.next());
            groesse = g.value(0).toInt();
        }
        QFile f(m_pfad);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(qint64(seite - 1) * groesse));
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
        QDir().mkpath(basis + QStringLiteral("/programm"));
        z = Programmzustand();
        z.programmordner = basis + QStringLiteral("/programm");
        // A home of its own: new collections put their pictures into its pictures folder.
        m_heim = basis + QStringLiteral("/heim");
        qputenv("HOME", m_heim.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (basis + QStringLiteral("/konfig")).toLocal8Bit());
        z.meldungen = &meldungen;
        laufwerke.liste.clear();
        laufwerke.hinzufuegen(QStringLiteral("/"), Laufwerk::Festplatte, QString());
        z.laufwerksliste = &laufwerke;
        meldungen.leeren();
        m_pfad = basis + QStringLiteral("/Sammlung.mdb");
    }
    void cleanup() { DatenbankSchliessen(z, db); }

    // The old collection is whole after a new one replaced it: in the user's
    // trash, or where no trash can be made (a file stands where its folder
    // would be) beside the new one.
    void erstellenBehaeltDieAlteDatei_data()
    {
        QTest::addColumn<bool>("papierkorbGesperrt");
        QTest::newRow("Papierkorb oder daneben") << false;
        QTest::newRow("ohne Papierkorb daneben") << true;
    }
    void erstellenBehaeltDieAlteDatei()
    {
        QFETCH(bool, papierkorbGesperrt);
        const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QFile sperre(daten + QStringLiteral("/Trash"));
        if (papierkorbGesperrt) {
            QDir(sperre.fileName()).removeRecursively();
            QDir().mkpath(daten);
            QVERIFY(sperre.open(QIODevice::WriteOnly));
            sperre.close();
        }
        sammlungMit({QStringLiteral("Urlaub")});
        DatenbankSchliessen(z, db);
        const QByteArray alt = inhalt(m_pfad);
        DatenbankErstellen(m_pfad);
        if (papierkorbGesperrt)
            QFile::remove(sperre.fileName());
        QCOMPARE(tabellen(m_pfad),
                 QStringList({"Alben", "Daten", "Praesentationen", "Schluesselbegriffe", "TempAlbum"}));
        QVERIFY(!QFile::exists(m_pfad + QStringLiteral(".neu")));
        QStringList orte{m_pfad + QStringLiteral(".alt")};
        for (const QFileInfo& f : QDir(daten + QStringLiteral("/Trash/files/"))
                                      .entryInfoList({QStringLiteral("Sammlung*.mdb*")}, QDir::Files))
            orte << f.filePath();
        if (papierkorbGesperrt)
            orte = orte.mid(0, 1);
        QVERIFY2(std::any_of(orte.cbegin(), orte.cend(), [&](const QString& ort) { return inhalt(ort) == alt; }),
                 qPrintable(orte.join(QLatin1Char(' '))));
    }

    void erstellenInEinemFehlendenOrdnerNenntDenOrdner()
    {
        const QString ordner = m_ordner.filePath(QStringLiteral("gibtsnicht"));
        try {
            DatenbankErstellen(ordner + QStringLiteral("/Neu.mdb"));
            QFAIL("no error");
        } catch (const DatenbankFehler& f) {
            QVERIFY2(f.text().contains(ordner) && !f.text().contains(QStringLiteral(".neu")), qPrintable(f.text()));
        }
        QVERIFY(!QFileInfo::exists(ordner));
    }

    void albenBekommenOrdnerNummernUndTabellen()
    {
        z.bilderverzeichnis = z.programmordner + QStringLiteral("/fehlt/noch/");  // made with the first album
        sammlungMit({QStringLiteral("Urlaub"), QStringLiteral("Apfel")});
        QCOMPARE(z.albenauswahl, QStringList({"Bitte Album auswählen:", "Apfel", "Urlaub"}));
        QCOMPARE(z.anzahlAlben, 2);
        QVERIFY(tabellen(m_pfad).contains(QStringLiteral("2")));
        db.rsAlben.Filter(QStringLiteral("Albenname"), QStringLiteral("Urlaub"));
        QCOMPARE(FeldLesen(db.rsAlben, QStringLiteral("Pfad")), QStringLiteral("Urlaub/"));
        QCOMPARE(FeldLesen(db.rsAlben, QStringLiteral("Nummer")), QStringLiteral("1"));
        db.rsAlben.FilterEntfernen();

        // A folder of that name left behind: the next album gets "_BV001", then "_BV002".
        QCOMPARE(AlbumAnlegen(z, db, QStringLiteral("Urlaub"), z.programmordner), QStringLiteral("Urlaub_BV001"));
        QCOMPARE(OrdnerAnlegen(z, QStringLiteral("Urlaub")), QStringLiteral("Urlaub_BV002"));
        QCOMPARE(NaechsterOrdnername(QStringLiteral("A_BV009")), QStringLiteral("A_BV010"));

        // A folder that can never be made ends the retries with "", and the album is not stored.
        QFile sperre(z.programmordner + QStringLiteral("/datei"));
        QVERIFY(sperre.open(QIODevice::WriteOnly));
        sperre.close();
        z.bilderverzeichnis = z.programmordner + QStringLiteral("/datei/");
        QCOMPARE(OrdnerAnlegen(z, QStringLiteral("X")), QString());
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, AlbumAnlegen(z, db, QStringLiteral("X"), z.programmordner));
        db.rsAlben.Requery();
        QCOMPARE(db.rsAlben.RecordCount(), 3);
        QCOMPARE(tabellen(m_pfad).size(), 8);
    }

    void standardverzeichnisLiegtImBilderordnerDesBenutzers_data()
    {
        QTest::addColumn<QByteArray>("benutzerordner");  // line of user-dirs.dirs; empty: no file
        QTest::addColumn<QString>("erwartet");           // below the home folder
        QTest::newRow("ohne Einstellung") << QByteArray() << QStringLiteral("/Pictures/Kolvar/");
        QTest::newRow("deutscher Ordner") << QByteArray("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n")
                                          << QStringLiteral("/Bilder/Kolvar/");
        QTest::newRow("mit Leerzeichen") << QByteArray("XDG_PICTURES_DIR=\"$HOME/Meine Fotos/\"\n")
                                         << QStringLiteral("/Meine Fotos/Kolvar/");
    }

    void standardverzeichnisLiegtImBilderordnerDesBenutzers()
    {
        QFETCH(QByteArray, benutzerordner);
        QFETCH(QString, erwartet);
        if (!benutzerordner.isEmpty()) {
            const QString konfig = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
            QDir().mkpath(konfig);
            QFile f(konfig + QStringLiteral("/user-dirs.dirs"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(benutzerordner);
        }
        // A fresh file gets the user's pictures folder; the program folder is writable, and still no picture goes there.
        sammlungMit({QStringLiteral("Urlaub")});
        QCOMPARE(z.bilderverzeichnis, m_heim + erwartet);
        QVERIFY(QDir(m_heim + erwartet + QStringLiteral("Urlaub")).exists());
        QCOMPARE(QDir(z.programmordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void fruehereSammlungBehaeltIhrVerzeichnis()
    {
        // Made by an earlier version, with its pictures beside the program; the stored directory
        // wins over the one of the collection open before.
        const QString alt = z.programmordner + QStringLiteral("/BilderVerzeichnis/");
        DatenbankErstellen(m_pfad);
        z.bilderverzeichnis = alt;
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        QCOMPARE(z.bilderverzeichnis, alt);
        DatenbankSchliessen(z, db);

        z.bilderverzeichnis = QStringLiteral("/anderswo/");
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        QCOMPARE(z.bilderverzeichnis, alt);
        AlbumAnlegen(z, db, QStringLiteral("Urlaub"), z.programmordner);
        DatenbankSchliessen(z, db);

        z.bilderverzeichnis.clear();
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        QCOMPARE(z.bilderverzeichnis, alt);
        QCOMPARE(FeldLesen(db.rsDaten, QStringLiteral("Bilderverzeichnis")), alt);
        QVERIFY(!QFileInfo::exists(m_heim));
    }

    void oeffnenOhneUndMitAlben()
    {
        DatenbankErstellen(m_pfad);
        // No albums: the first routine fails, the second opens with its message.
        QVERIFY(!DatenbankOeffnen(z, db, m_pfad));
        QVERIFY(!z.datenbankOffen);
        QVERIFY(DatenbankOhneAlbenOeffnen(z, db, m_pfad));
        QCOMPARE(meldungen.titel(), QStringList({"Kein Album angelegt!"}));
        QVERIFY(meldungen.texte().first().startsWith(QStringLiteral("In der Datenbank ") + m_pfad));
        QCOMPARE(meldungen.meldungen.first().stil, Meldungen::Information);
        AlbumAnlegen(z, db, QStringLiteral("Zebra"), z.programmordner);
        AlbumAnlegen(z, db, QStringLiteral("Affe"), z.programmordner);
        DatenbankSchliessen(z, db);
        meldungen.leeren();

        // "Album" of Daten is still "1": Zebra (number 1) is current at position 2 by name.
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        QVERIFY(meldungen.meldungen.isEmpty());
        QCOMPARE(z.albumNummer, QStringLiteral("1"));
        QCOMPARE(z.albumName, QStringLiteral("Zebra"));
        QCOMPARE(z.albenauswahlIndex, 2);
        QCOMPARE(z.aktuelleDatenbank, m_pfad);
        QVERIFY(db.rsAlbum.IstOffen());

        // An album number that is gone takes the first album by name.
        FeldSchreiben(db.rsDaten, QStringLiteral("Album"), QStringLiteral("77"));
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        QCOMPARE(z.albumName, QStringLiteral("Affe"));
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
        sammlungMit({u"Urlaub"_s});
        QDir(gespeichert).removeRecursively();
        QVERIFY(QDir().mkpath(m_heim + u"/Pictures/Kolvar"_s));  // the default exists, if without the album
        if (!ordnerIn.isEmpty())
            QVERIFY(QDir().mkpath(basis + ordnerIn + u"Urlaub"_s));
        meldungen.leeren();
        QVERIFY(DatenbankOeffnen(z, db, m_pfad));
        const QString soll = erwartet.isEmpty() ? gespeichert : basis + erwartet;
        QCOMPARE(z.bilderverzeichnis, soll);
        QCOMPARE(FeldLesen(db.rsDaten, u"Bilderverzeichnis"_s), soll);
        const bool fehlt = ordnerIn.isEmpty();
        QCOMPARE(meldungen.texte().join(u""_s).contains(gespeichert + u"Urlaub"_s), fehlt);
    }


    void fremdeDateienWerdenNichtGeoeffnetUndNichtVeraendert()
    {
        const QString muell = m_ordner.filePath(QStringLiteral("muell.mdb"));
        const QString fremd = m_ordner.filePath(QStringLiteral("fremd.mdb"));
        const QString fehlt = m_ordner.filePath(QStringLiteral("fehlt.mdb"));
        QFile f(muell);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Das ist keine Datenbank, nur Text.\n") > 0);
        f.close();
        {
            Verbindung v;
            v.Erstellen(fremd);
            v.Ausfuehren(QStringLiteral("CREATE TABLE Kunden (Name TEXT)"));
        }
        const QByteArray muellInhalt = inhalt(muell), fremdInhalt = inhalt(fremd);
        for (const QString& pfad : {muell, fremd, fehlt}) {
            QVERIFY(!DatenbankOeffnen(z, db, pfad));
            QVERIFY(!DatenbankOhneAlbenOeffnen(z, db, pfad));
            QVERIFY(!z.datenbankOffen && !db.conDaten.IstOffen());
        }
        QVERIFY(meldungen.meldungen.isEmpty());
        QVERIFY(!QFile::exists(fehlt));
        QCOMPARE(inhalt(muell), muellInhalt);
        QCOMPARE(inhalt(fremd), fremdInhalt);
    }

    // Files the program must refuse without writing to them, each with a
    // German message naming the file, and never opened as a collection
    // without albums.
    void verweigerteSammlungen_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("wort");
        QTest::newRow("neuere Version") << "version" << int(DatenbankFehler::NeuereVersion) << "neueren Version";
        QTest::newRow("beschädigte Tabelle") << "tabelle" << int(DatenbankFehler::Beschaedigt) << "beschädigt";
        QTest::newRow("von anderem Programm gesperrt")
            << "sperre" << int(DatenbankFehler::Gesperrt) << "wird gerade von einem anderen Programm benutzt";
    }
    void verweigerteSammlungen()
    {
        QFETCH(QString, fall);
        QFETCH(int, art);
        QFETCH(QString, wort);
        sammlungMit({QStringLiteral("Urlaub")});
        db.rsAlbum.Oeffnen(Abfrage::MitWert(QStringLiteral("1"), QStringLiteral("Dateiname")));
        for (int i = 0; i < 200; ++i)
            BildEintragen(db, QStringLiteral("bild%1.jpg").arg(i), 0, QString());
        DatenbankSchliessen(z, db);

        Verbindung sperre;
        if (fall == QLatin1String("version")) {
            Verbindung v;
            v.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            v.Ausfuehren(QStringLiteral("PRAGMA user_version=%1").arg(Datenbankschema::Version + 1));
        } else if (fall == QLatin1String("tabelle")) {
            seiteZerstoeren(QStringLiteral("1"));
        } else {
            sperre.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            sperre.Ausfuehren(QStringLiteral("BEGIN EXCLUSIVE"));
        }
        const QByteArray vorher = inhalt(m_pfad);
        meldungen.leeren();
        const Oeffnungsergebnis e = SammlungOeffnen(z, db, m_pfad);
        QVERIFY(!e.geoeffnet);
        QCOMPARE(int(e.art), art);
        QVERIFY2(e.text.contains(wort) && e.text.contains(m_pfad), qPrintable(e.text));
        QVERIFY(!z.datenbankOffen);
        QVERIFY(!db.conDaten.IstOffen());
        QVERIFY(meldungen.meldungen.isEmpty());  // no "no albums" message
        if (sperre.IstOffen())
            sperre.Ausfuehren(QStringLiteral("ROLLBACK"));
        QCOMPARE(inhalt(m_pfad), vorher);
    }

    // Write protection is checked as an ordinary user, since root writes anyway.
    void schreibgeschuetzteDateiOderOrdner_data()
    {
        QTest::addColumn<bool>("ordnerGeschuetzt");
        QTest::newRow("Datei") << false;
        QTest::newRow("Ordner") << true;
    }
    void schreibgeschuetzteDateiOderOrdner()
    {
        QFETCH(bool, ordnerGeschuetzt);
        DatenbankErstellen(m_pfad);
        const QString ordner = QFileInfo(m_pfad).absolutePath();
        // Every folder on the way must be open to the ordinary user.
        for (QString weg = ordner; weg.startsWith(m_ordner.path()); weg = QFileInfo(weg).absolutePath())
            QFile::setPermissions(weg, QFile::Permissions(0x7755));
        const auto lesen = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto alle = lesen | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        const auto gehen = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(m_pfad, ordnerGeschuetzt ? alle : lesen);
        QFile::setPermissions(ordner, (ordnerGeschuetzt ? lesen : alle) | gehen);

        const pid_t kind = fork();
        if (kind == 0) {
            if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            Verbindung v;
            try {
                v.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            } catch (const DatenbankFehler& f) {
                const bool nenntOrdner = f.text().startsWith(QStringLiteral("Der Ordner ") + ordner);
                const bool nenntDatei = f.text().contains(m_pfad) && f.text().contains(QStringLiteral("schreibgeschützt"));
                _exit(f.art() != DatenbankFehler::Schreibgeschuetzt ? 3 : nenntOrdner ? 10 : nenntDatei ? 11 : 4);
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

    void gleicherDateinameBehaeltDieAeltereZeile()
    {
        sammlungMit({QStringLiteral("Urlaub")});
        AlbumOeffnen(z, db, QStringLiteral("1"));
        BildEintragen(db, QStringLiteral("b.jpg"), 0, QStringLiteral("01.02.2003"));
        BildEintragen(db, QStringLiteral("a.jpg"), 0, QStringLiteral("05.06.2007"));
        db.rsAlbum.Filter(QStringLiteral("Dateiname"), QStringLiteral("a.jpg"));
        BildFeldSchreiben(db, QStringLiteral("Bemerkung"), QStringLiteral("das erste"));
        db.rsAlbum.FilterEntfernen();
        BildEintragen(db, QStringLiteral("a.jpg"), 0, QStringLiteral("09.09.2009"));
        QCOMPARE(db.rsAlbum.RecordCount(), 2);
        BildEintragen(db, QStringLiteral("A.jpg"), 0, QStringLiteral("09.09.2009"));  // another file than a.jpg
        QCOMPARE(db.rsAlbum.RecordCount(), 3);
        db.rsAlbum.Filter(QStringLiteral("Dateiname"), QStringLiteral("a.jpg"));
        QCOMPARE(FeldLesen(db.rsAlbum, QStringLiteral("Bemerkung")), QStringLiteral("das erste"));
        QCOMPARE(FeldLesen(db.rsAlbum, QStringLiteral("Datum")), QStringLiteral("05.06.2007"));
        db.rsAlbum.FilterEntfernen();
    }

    void komponententest()
    {
        QVERIFY(MdacTest(z) && z.einstellungen.MdacOK);
        QVERIFY(meldungen.meldungen.isEmpty());
        // Without a usable temporary folder the test fails with its message.
        z.einstellungen.MdacOK = false;
        meldungen.antworten << Meldungen::Antwort::Abbrechen;
        QVERIFY(!MdacTest(z, m_ordner.filePath(QStringLiteral("gibtsnicht"))) && !z.einstellungen.MdacOK);
        QCOMPARE(meldungen.titel(), QStringList({"Falsche MDAC-Version!"}));
        QCOMPARE(meldungen.meldungen.first().stil, Meldungen::Warnung);
    }
};

int testeSammlung(int argc, char** argv)
{
    TestSammlung t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_sammlung.moc"
