#include "DatenbankFehler.h"
#include "Datenbankschema.h"
#include "Katalog.h"
#include "Recordset.h"
#include "Verbindung.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

// The engine layer: recordset cursor, filter, sort, editing and what the
// file guarantees about empty texts, numbering and durability.
class TestEngine : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_pfad;
    Verbindung m_con;

    void albumtabelle(const QString& name)
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(name));
    }

    // Album table "1", opened by file name as the program opens an album.
    void albumOeffnen(Recordset& rs)
    {
        albumtabelle(QStringLiteral("1"));
        rs.Einrichten(&m_con, Recordset::Keyset, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::MitWert(QStringLiteral("1"), QStringLiteral("Dateiname")));
    }

    void bild(Recordset& rs, const QString& datei, const QVariant& datum = QVariant())
    {
        rs.AddNew();
        rs.FeldSetzen(QStringLiteral("Dateiname"), datei);
        rs.FeldSetzen(QStringLiteral("ID"), 0);
        rs.FeldSetzen(QStringLiteral("Datum"), datum);
        rs.Update();
    }

private slots:
    void init()
    {
        m_pfad = m_ordner.filePath(QStringLiteral("t%1.mdb").arg(QTest::currentTestFunction()));
        DatenbankErstellen(m_pfad);
        m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
    }
    void cleanup() { m_con.Schliessen(); }

    void leererDatensatzHatBofUndEof()
    {
        Recordset rs;
        albumOeffnen(rs);
        QCOMPARE(rs.RecordCount(), 0);
        QVERIFY(rs.Eof());
        QVERIFY(rs.Bof());
        QCOMPARE(rs.AbsolutePosition(), Recordset::PositionUnbekannt);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.Feld(QStringLiteral("Dateiname")));
        rs.MoveFirst();  // no error on an empty recordset
        QVERIFY(rs.Eof());
    }

    void bewegenZaehlenUndPositionieren()
    {
        Recordset rs;
        albumOeffnen(rs);
        for (const char* name : {"c.jpg", "A.jpg", "b.jpg"})
            bild(rs, QLatin1String(name));
        rs.Requery();
        // Names sort without regard to case.
        QStringList reihe;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            reihe << rs.Feld(QStringLiteral("Dateiname")).toString();
        QCOMPARE(reihe, QStringList({"A.jpg", "b.jpg", "c.jpg"}));
        rs.MoveLast();
        QCOMPARE(rs.AbsolutePosition(), 3);
        rs.MoveNext();
        QVERIFY(rs.Eof());
        rs.MoveNext();  // stays at EOF
        QVERIFY(rs.Eof());
        rs.AbsolutePositionSetzen(2);
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("b.jpg"));
        rs.MovePrevious();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        // Both ends of the valid positions, and one past each.
        rs.AbsolutePositionSetzen(3);
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("c.jpg"));
        rs.AbsolutePositionSetzen(1);
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("A.jpg"));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(4));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(0));

        rs.Sort(QStringLiteral("Nummer DESC"));
        rs.MoveFirst();
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("b.jpg"));
        rs.Sort(QStringLiteral("Nummer ASC"));
        rs.MoveLast();
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("b.jpg"));
    }

    void sonderzeichenWerdenGespeichertUndGefunden()
    {
        Recordset rs;
        albumOeffnen(rs);
        const QStringList namen = {"O'Brien.jpg", "100%.jpg", "a_b.jpg", "aXb.jpg", "x\";DROP TABLE Daten;--.jpg"};
        for (const QString& n : namen)
            bild(rs, n);
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 5);
        for (const QString& n : namen) {
            rs.Filter(QStringLiteral("Dateiname"), n);
            QCOMPARE(rs.RecordCount(), 1);
            QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), n);
        }
        rs.FilterText(QStringLiteral("Dateiname = 'O''Brien.jpg'"));
        QCOMPARE(rs.RecordCount(), 1);
        rs.FilterEntfernen();
        QCOMPARE(rs.RecordCount(), 5);

        // Only equal rows, also from a statement: "_" is no wildcard here.
        Recordset genau;
        genau.Einrichten(&m_con, Recordset::Keyset, Recordset::NurLesen);
        genau.Oeffnen(Abfrage::Gleich(QStringLiteral("1"), QStringLiteral("Dateiname"), QStringLiteral("a_b.jpg")));
        QCOMPARE(genau.RecordCount(), 1);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, genau.FeldSetzen(QStringLiteral("ID"), 1));
        QVERIFY(QSqlQuery(m_con.datenbank()).exec(QStringLiteral("SELECT * FROM Daten")));
    }

    void dateinamenGenauNamenOhneGrossKlein()
    {
        Recordset rs;
        albumOeffnen(rs);
        bild(rs, QStringLiteral("a.jpg"));
        bild(rs, QStringLiteral("A.jpg"));
        rs.Filter(QStringLiteral("Dateiname"), QStringLiteral("A.jpg"));
        QCOMPARE(rs.RecordCount(), 1);  // two files on this file system
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("A.jpg"));
        Recordset genau;
        genau.Einrichten(&m_con, Recordset::Keyset, Recordset::NurLesen);
        genau.Oeffnen(Abfrage::Gleich(QStringLiteral("1"), QStringLiteral("Dateiname"), QStringLiteral("a.jpg")));
        QCOMPARE(genau.RecordCount(), 1);

        Recordset alben;
        alben.Einrichten(&m_con, Recordset::Dynamisch, Recordset::Pessimistisch);
        alben.Oeffnen(Abfrage::MitWert(QStringLiteral("Alben"), QStringLiteral("Albenname")));
        alben.AddNew();
        alben.FeldSetzen(QStringLiteral("Albenname"), QStringLiteral("Urlaub"));
        alben.Update();
        alben.Filter(QStringLiteral("Albenname"), QStringLiteral("URLAUB"));
        QCOMPARE(alben.RecordCount(), 1);  // an album name is the same name in any case
    }

    void filterAufZahlenVergleichtDenWert()
    {
        Recordset rs;
        albumOeffnen(rs);
        for (int i = 0; i < 12; ++i)
            bild(rs, QStringLiteral("b%1.jpg").arg(i));
        rs.FilterText(QStringLiteral("Nummer = '3'"));
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Feld(QStringLiteral("Dateiname")).toString(), QStringLiteral("b2.jpg"));
        rs.Filter(QStringLiteral("Nummer"), QStringLiteral("003"));
        QCOMPARE(rs.RecordCount(), 1);
        rs.Filter(QStringLiteral("Nummer"), QStringLiteral("drei"));
        QCOMPARE(rs.RecordCount(), 0);
        rs.Sort(QStringLiteral("Nummer ASC"));  // 10 after 9, not after 1
        rs.FilterEntfernen();
        rs.Sort(QStringLiteral("Nummer ASC"));
        rs.AbsolutePositionSetzen(10);
        QCOMPARE(rs.Feld(QStringLiteral("Nummer")).toLongLong(), 10);
    }

    void datumWirdAlsIsoGespeichertUndDeutschGelesen()
    {
        Recordset rs;
        albumOeffnen(rs);
        bild(rs, QStringLiteral("a.jpg"), QStringLiteral("24.12.2003"));
        bild(rs, QStringLiteral("b.jpg"), QDate(2004, 1, 2));
        QSqlQuery q = m_con.Abfragen(QStringLiteral("SELECT Datum FROM \"1\" ORDER BY Datum"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2003-12-24"));  // ranges compare as text
        q.finish();
        rs.Requery();
        QCOMPARE(rs.Feld(QStringLiteral("Datum")).toDate(), QDate(2003, 12, 24));
        QCOMPARE(DatumText(rs.Feld(QStringLiteral("Datum")).toDate()), QStringLiteral("24.12.2003"));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.FeldSetzen(QStringLiteral("Datum"), QStringLiteral("31.02.2004")));
        // The refused change left the stored row as it was.
        rs.Requery();
        QCOMPARE(rs.Feld(QStringLiteral("Datum")).toDate(), QDate(2003, 12, 24));
    }

    void leereTexteNurWoErlaubt()
    {
        albumtabelle(QStringLiteral("1"));
        auto speichern = [&](const QString& tabelle, const QString& spalte, const QString& andere,
                             const QString& andererWert) {
            Recordset rs;
            rs.Einrichten(&m_con, Recordset::Keyset, Recordset::Pessimistisch);
            rs.Oeffnen(Abfrage::Tabelle(tabelle));
            rs.AddNew();
            if (!andere.isEmpty())
                rs.FeldSetzen(andere, andererWert);
            rs.FeldSetzen(spalte, QString(QLatin1String("")));
            try {
                rs.Update();
                return true;
            } catch (const DatenbankFehler&) {
                return false;
            }
        };
        const QString name = QStringLiteral("Albenname");
        QVERIFY(speichern(QStringLiteral("Alben"), QStringLiteral("Pfad"), name, QStringLiteral("x")));
        QVERIFY(speichern(QStringLiteral("Alben"), QStringLiteral("CD-Name"), name, QStringLiteral("y")));
        QVERIFY(speichern(QStringLiteral("1"), QStringLiteral("Schluesselbegriffe"), QStringLiteral("Dateiname"), QStringLiteral("a")));
        QVERIFY(speichern(QStringLiteral("1"), QStringLiteral("Bemerkung"), QStringLiteral("Dateiname"), QStringLiteral("b")));
        QVERIFY(!speichern(QStringLiteral("Alben"), name, QString(), QString()));
        QVERIFY(!speichern(QStringLiteral("Praesentationen"), QStringLiteral("PraeName"), QString(), QString()));
        QVERIFY(!speichern(QStringLiteral("Schluesselbegriffe"), QStringLiteral("Schluesselbegriff"), QString(), QString()));
        QVERIFY(!speichern(QStringLiteral("1"), QStringLiteral("Dateiname"), QString(), QString()));
        QVERIFY(!speichern(QStringLiteral("Daten"), QStringLiteral("Album"), QString(), QString()));
        // Too long for Text(50).
        Recordset rs;
        rs.Einrichten(&m_con, Recordset::Keyset, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::Tabelle(QStringLiteral("Alben")));
        rs.AddNew();
        rs.FeldSetzen(name, QString(51, QLatin1Char('x')));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.Update());
    }

    void autoIncrementVergibtKeineNummerZweimal()
    {
        Recordset rs;
        rs.Einrichten(&m_con, Recordset::Dynamisch, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::MitWert(QStringLiteral("Alben"), QStringLiteral("Nummer")));
        for (const char* n : {"Eins", "Zwei"}) {
            rs.AddNew();
            rs.FeldSetzen(QStringLiteral("Albenname"), QLatin1String(n));
            rs.Update();
        }
        QCOMPARE(rs.Feld(QStringLiteral("Nummer")).toLongLong(), 2);
        rs.Delete();
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 1);
        rs.AddNew();
        rs.FeldSetzen(QStringLiteral("Albenname"), QStringLiteral("Drei"));
        rs.Update();
        rs.Requery();
        rs.Sort(QStringLiteral("Nummer ASC"));
        rs.MoveLast();
        QCOMPARE(rs.Feld(QStringLiteral("Nummer")).toLongLong(), 3);
    }

    void transaktionOhneBestaetigungHinterlaesstNichts()
    {
        Recordset rs;
        albumOeffnen(rs);
        {
            Transaktion t(m_con);
            bild(rs, QStringLiteral("weg.jpg"));
        }
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 0);
    }

    void gespeichertesUeberlebtDenAbbruch()
    {
        albumtabelle(QStringLiteral("1"));
        m_con.Schliessen();
        const pid_t kind = fork();
        if (kind == 0) {
            // The child stores a row and dies at once, without closing anything.
            Verbindung con;
            con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            Recordset rs;
            rs.Einrichten(&con, Recordset::Keyset, Recordset::Pessimistisch);
            rs.Oeffnen(Abfrage::MitWert(QStringLiteral("1"), QStringLiteral("Dateiname")));
            bild(rs, QStringLiteral("bleibt.jpg"));
            _exit(0);
        }
        int status = 0;
        waitpid(kind, &status, 0);
        QVERIFY(WIFEXITED(status));
        m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
        QSqlQuery q = m_con.Abfragen(QStringLiteral("SELECT Dateiname FROM \"1\""));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("bleibt.jpg"));
        q.finish();
        QSqlQuery s = m_con.Abfragen(QStringLiteral("PRAGMA synchronous"));
        QVERIFY(s.next());
        QCOMPARE(s.value(0).toInt(), 3);  // EXTRA: the journal's deletion, the commit itself, is synced too
        s.finish();
        QSqlQuery j = m_con.Abfragen(QStringLiteral("PRAGMA journal_mode"));
        QVERIFY(j.next());
        QCOMPARE(j.value(0).toString(), QStringLiteral("delete"));  // one collection stays one file
    }

    void loeschenUndWeiterLoeschtJedeZeile()
    {
        Recordset rs;
        albumOeffnen(rs);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
            bild(rs, QLatin1String(name));
        rs.Requery();
        int geloescht = 0;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            rs.Delete();
            ++geloescht;
            // The deleted row is still current, without its fields.
            QVERIFY(!rs.Eof());
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.Feld(QStringLiteral("Dateiname")));
        }
        QCOMPARE(geloescht, 4);
        QCOMPARE(rs.RecordCount(), 0);
        QSqlQuery q = m_con.Abfragen(QStringLiteral("SELECT COUNT(*) FROM \"1\""));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void verworfeneInnereTransaktionLaesstDieAeussereScheitern()
    {
        Recordset rs;
        albumOeffnen(rs);
        {
            Transaktion aussen(m_con);
            bild(rs, QStringLiteral("aussen.jpg"));
            {
                Transaktion innen(m_con);
                bild(rs, QStringLiteral("innen.jpg"));
            }  // rolled back
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, aussen.bestaetigen());
        }
        QVERIFY(!m_con.InTransaktion());
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 0);
        // The connection is usable again afterwards.
        {
            Transaktion t(m_con);
            bild(rs, QStringLiteral("danach.jpg"));
            t.bestaetigen();
        }
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 1);
    }

    void gescheitertesCommitWirdZurueckgerolltUndGemeldet()
    {
        Recordset rs;
        albumOeffnen(rs);
        Verbindung leser;
        leser.Oeffnen(m_pfad, Verbindung::Lesen);
        auto zeilen = [&] {
            QSqlQuery q = leser.Abfragen(QStringLiteral("SELECT COUNT(*) FROM \"1\""));
            q.next();
            return q.value(0).toInt();
        };
        {
            Transaktion t(m_con);
            bild(rs, QStringLiteral("weg.jpg"));
            // Another reader holds its lock, so the commit cannot write the file.
            leser.Ausfuehren(QStringLiteral("BEGIN"));
            QCOMPARE(zeilen(), 0);
            try {
                t.bestaetigen();
                QFAIL("the commit was reported as done");
            } catch (const DatenbankFehler& f) {
                QCOMPARE(f.art(), DatenbankFehler::Gesperrt);
            }
            leser.Ausfuehren(QStringLiteral("COMMIT"));
        }
        QVERIFY(!m_con.InTransaktion());
        QCOMPARE(zeilen(), 0);
        // Nothing of it stays pending to be committed by the next transaction.
        {
            Transaktion t(m_con);
            bild(rs, QStringLiteral("bleibt.jpg"));
            t.bestaetigen();
        }
        QCOMPARE(zeilen(), 1);
    }

    void oeffnenLegtNieEineDateiAn()
    {
        Verbindung v;
        const QString fehlt = m_ordner.filePath(QStringLiteral("fehlt.mdb"));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(fehlt, Verbindung::LesenSchreiben));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(fehlt, Verbindung::Lesen));
        QVERIFY(!QFile::exists(fehlt));

        const QString muell = m_ordner.filePath(QStringLiteral("muell.mdb"));
        QFile f(muell);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray inhalt(5000, 'x');
        f.write(inhalt);
        f.close();
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(muell, Verbindung::LesenSchreiben));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), inhalt);
    }
};

int testeMaschine(int argc, char** argv)
{
    TestEngine t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_engine.moc"
