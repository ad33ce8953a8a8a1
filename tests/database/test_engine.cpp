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

using namespace Qt::StringLiterals;

namespace {

void bild(Recordset& rs, const QString& datei, const QVariant& datum = QVariant())
{
    rs.AddNew();
    rs.FeldSetzen(u"Dateiname"_s, datei);
    rs.FeldSetzen(u"ID"_s, 0);
    rs.FeldSetzen(u"Datum"_s, datum);
    rs.Update();
}

QString name(const Recordset& rs)
{
    return rs.Feld(u"Dateiname"_s).toString();
}

// The first value a statement reads.
QVariant wert(Verbindung& con, const QString& sql)
{
    QSqlQuery q = con.Abfragen(sql);
    return q.next() ? q.value(0) : QVariant();
}

}  // namespace

// The engine layer: recordset cursor, filter, sort, editing and what the
// file guarantees about empty texts, numbering and durability.
class TestEngine : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_pfad;
    Verbindung m_con;

    // Album table "1" with the pictures, opened by file name as the program opens an album.
    void albumOeffnen(Recordset& rs, const QStringList& bilder = {})
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        rs.Einrichten(&m_con, Recordset::Keyset, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::MitWert(u"1"_s, u"Dateiname"_s));
        for (const QString& b : bilder)
            bild(rs, b);
        rs.Requery();
    }

private slots:
    void init()
    {
        m_pfad = m_ordner.filePath(u"t%1.mdb"_s.arg(QTest::currentTestFunction()));
        DatenbankErstellen(m_pfad);
        m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
    }
    void cleanup() { m_con.Schliessen(); }

    void bewegenZaehlenUndPositionieren()
    {
        Recordset rs;
        albumOeffnen(rs);
        QVERIFY(rs.RecordCount() == 0 && rs.Eof() && rs.Bof());
        QCOMPARE(rs.AbsolutePosition(), Recordset::PositionUnbekannt);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, name(rs));
        rs.MoveFirst();  // no error on an empty recordset
        QVERIFY(rs.Eof());
        for (const QString& b : { u"c.jpg"_s, u"A.jpg"_s, u"b.jpg"_s })
            bild(rs, b);
        rs.Requery();
        // Names sort without regard to case.
        QStringList reihe;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            reihe << name(rs);
        QCOMPARE(reihe, QStringList({ "A.jpg", "b.jpg", "c.jpg" }));
        rs.MoveLast();
        QCOMPARE(rs.AbsolutePosition(), 3);
        rs.MoveNext();
        rs.MoveNext();  // stays at EOF
        QVERIFY(rs.Eof());
        rs.AbsolutePositionSetzen(2);
        rs.MovePrevious();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        // Both ends of the valid positions, and one past each.
        for (const auto& [position, datei] : { std::pair { 3, "c.jpg" }, { 1, "A.jpg" }, { 2, "b.jpg" } }) {
            rs.AbsolutePositionSetzen(position);
            QCOMPARE(name(rs), QLatin1String(datei));
        }
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(4));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(0));
        rs.Sort(u"Nummer DESC"_s);
        rs.MoveFirst();
        QCOMPARE(name(rs), u"b.jpg"_s);
        rs.Sort(u"Nummer ASC"_s);
        rs.MoveLast();
        QCOMPARE(name(rs), u"b.jpg"_s);
    }

    void filterFindetGenauDenGespeichertenNamen()
    {
        // Bound as values: quotes, "%" and "_" are no syntax and no wildcards, and
        // file names differ by case (two files on this file system).
        const QStringList namen
            = { "O'Brien.jpg", "100%.jpg", "a_b.jpg", "aXb.jpg", "A_B.jpg", "x\";DROP TABLE Daten;--.jpg" };
        Recordset rs;
        albumOeffnen(rs, namen);
        QCOMPARE(rs.RecordCount(), namen.size());
        for (const QString& n : namen) {
            rs.Filter(u"Dateiname"_s, n);
            QCOMPARE(rs.RecordCount(), 1);
            QCOMPARE(name(rs), n);
        }
        rs.FilterText(u"Dateiname = 'O''Brien.jpg'"_s);
        QCOMPARE(rs.RecordCount(), 1);
        rs.FilterEntfernen();
        QCOMPARE(rs.RecordCount(), namen.size());
        // Also from a statement, here read-only.
        Recordset genau;
        genau.Einrichten(&m_con, Recordset::Keyset, Recordset::NurLesen);
        genau.Oeffnen(Abfrage::Gleich(u"1"_s, u"Dateiname"_s, u"a_b.jpg"_s));
        QCOMPARE(genau.RecordCount(), 1);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, genau.FeldSetzen(u"ID"_s, 1));
        QVERIFY(QSqlQuery(m_con.datenbank()).exec(u"SELECT * FROM Daten"_s));
    }

    void filterAufZahlenVergleichtDenWert()
    {
        Recordset rs;
        albumOeffnen(rs);
        for (int i = 0; i < 12; ++i)
            bild(rs, u"b%1.jpg"_s.arg(i));
        rs.FilterText(u"Nummer = '3'"_s);
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(name(rs), u"b2.jpg"_s);
        for (const auto& [text, anzahl] : { std::pair { "003", 1 }, { "drei", 0 } }) {
            rs.Filter(u"Nummer"_s, QLatin1String(text));
            QCOMPARE(rs.RecordCount(), anzahl);
        }
        rs.Sort(u"Nummer ASC"_s);  // while filtered to nothing
        rs.FilterEntfernen();
        rs.Sort(u"Nummer ASC"_s);
        rs.AbsolutePositionSetzen(10);  // 10 after 9, not after 1
        QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 10);
    }

    void datumWirdAlsIsoGespeichertUndDeutschGelesen()
    {
        Recordset rs;
        albumOeffnen(rs);
        bild(rs, u"a.jpg"_s, u"24.12.2003"_s);
        bild(rs, u"b.jpg"_s, QDate(2004, 1, 2));
        QCOMPARE(wert(m_con, u"SELECT Datum FROM \"1\" ORDER BY Datum"_s).toString(),
            u"2003-12-24"_s);  // ranges compare as text
        rs.Requery();
        QCOMPARE(DatumText(rs.Feld(u"Datum"_s).toDate()), u"24.12.2003"_s);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.FeldSetzen(u"Datum"_s, u"31.02.2004"_s));
        // The refused change left the stored row as it was.
        rs.Requery();
        QCOMPARE(rs.Feld(u"Datum"_s).toDate(), QDate(2003, 12, 24));
    }

    void leereTexteNurWoErlaubt()
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        // Table, column, its value, a required column filled in first, whether the row is kept.
        const QString leer(""_L1), zuLang(51, u'x');  // Text(50)
        const QList<std::tuple<const char*, const char*, QString, const char*, bool>> faelle
            = { { "Alben", "Pfad", leer, "Albenname", true }, { "Alben", "CD-Name", leer, "Albenname", true },
                  { "1", "Schluesselbegriffe", leer, "Dateiname", true }, { "1", "Bemerkung", leer, "Dateiname", true },
                  { "Alben", "Albenname", leer, nullptr, false },
                  { "Praesentationen", "PraeName", leer, nullptr, false },
                  { "Schluesselbegriffe", "Schluesselbegriff", leer, nullptr, false },
                  { "1", "Dateiname", leer, nullptr, false }, { "Daten", "Album", leer, nullptr, false },
                  { "Alben", "Albenname", zuLang, nullptr, false } };
        int n = 0;
        for (const auto& [tabelle, spalte, text, andere, erlaubt] : faelle) {
            Recordset rs;
            rs.Einrichten(&m_con, Recordset::Keyset, Recordset::Pessimistisch);
            rs.Oeffnen(Abfrage::Tabelle(QLatin1String(tabelle)));
            rs.AddNew();
            if (andere)
                rs.FeldSetzen(QLatin1String(andere), QString::number(++n));
            rs.FeldSetzen(QLatin1String(spalte), text);
            bool gespeichert = true;
            try {
                rs.Update();
            } catch (const DatenbankFehler&) {
                gespeichert = false;
            }
            QVERIFY2(gespeichert == erlaubt, spalte);
        }
    }

    void autoIncrementVergibtKeineNummerZweimal()
    {
        Recordset rs;
        rs.Einrichten(&m_con, Recordset::Dynamisch, Recordset::Pessimistisch);
        rs.Oeffnen(Abfrage::MitWert(u"Alben"_s, u"Nummer"_s));
        const auto neu = [&](const QString& album) {
            rs.AddNew();
            rs.FeldSetzen(u"Albenname"_s, album);
            rs.Update();
        };
        neu(u"Eins"_s);
        neu(u"Zwei"_s);
        QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 2);
        rs.Delete();
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 1);
        neu(u"Drei"_s);
        rs.Requery();
        rs.Sort(u"Nummer ASC"_s);
        rs.MoveLast();
        QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 3);
        rs.Filter(u"Albenname"_s, u"DREI"_s);
        QCOMPARE(rs.RecordCount(), 1);  // an album name is the same name in any case
    }

    void verworfeneTransaktionHinterlaesstNichts()
    {
        Recordset rs;
        albumOeffnen(rs);
        {
            Transaktion t(m_con);
            bild(rs, u"weg.jpg"_s);
        }
        // An inner one rolled back makes the outer one fail.
        {
            Transaktion aussen(m_con);
            bild(rs, u"aussen.jpg"_s);
            {
                Transaktion innen(m_con);
                bild(rs, u"innen.jpg"_s);
            }
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, aussen.bestaetigen());
        }
        QVERIFY(!m_con.InTransaktion());
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 0);
        // The connection is usable again afterwards.
        {
            Transaktion t(m_con);
            bild(rs, u"danach.jpg"_s);
            t.bestaetigen();
        }
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 1);
    }

    void gespeichertesUeberlebtDenAbbruch()
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        m_con.Schliessen();
        const pid_t kind = fork();
        if (kind == 0) {
            // The child stores a row and dies at once, without closing anything.
            Verbindung con;
            con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            Recordset rs;
            rs.Einrichten(&con, Recordset::Keyset, Recordset::Pessimistisch);
            rs.Oeffnen(Abfrage::MitWert(u"1"_s, u"Dateiname"_s));
            bild(rs, u"bleibt.jpg"_s);
            _exit(0);
        }
        int status = 0;
        waitpid(kind, &status, 0);
        QVERIFY(WIFEXITED(status));
        m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
        QCOMPARE(wert(m_con, u"SELECT Dateiname FROM \"1\""_s).toString(), u"bleibt.jpg"_s);
        // EXTRA: the journal's deletion, the commit itself, is synced too.
        QCOMPARE(wert(m_con, u"PRAGMA synchronous"_s).toInt(), 3);
        QCOMPARE(wert(m_con, u"PRAGMA journal_mode"_s).toString(), u"delete"_s);  // one collection stays one file
    }

    void loeschenUndWeiterLoeschtJedeZeile()
    {
        Recordset rs;
        albumOeffnen(rs, { u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s, u"d.jpg"_s });
        int geloescht = 0;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            rs.Delete();
            ++geloescht;
            // The deleted row is still current, without its fields.
            QVERIFY(!rs.Eof());
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, name(rs));
        }
        QCOMPARE(geloescht, 4);
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(wert(m_con, u"SELECT COUNT(*) FROM \"1\""_s).toInt(), 0);
    }

    void gescheitertesCommitWirdZurueckgerolltUndGemeldet()
    {
        Recordset rs;
        albumOeffnen(rs);
        Verbindung leser;
        leser.Oeffnen(m_pfad, Verbindung::Lesen);
        const QString zaehlen = u"SELECT COUNT(*) FROM \"1\""_s;
        {
            Transaktion t(m_con);
            bild(rs, u"weg.jpg"_s);
            // Another reader holds its lock, so the commit cannot write the file.
            leser.Ausfuehren(u"BEGIN"_s);
            QCOMPARE(wert(leser, zaehlen).toInt(), 0);
            try {
                t.bestaetigen();
                QFAIL("the commit was reported as done");
            } catch (const DatenbankFehler& f) {
                QCOMPARE(f.art(), DatenbankFehler::Gesperrt);
            }
            leser.Ausfuehren(u"COMMIT"_s);
        }
        QVERIFY(!m_con.InTransaktion());
        QCOMPARE(wert(leser, zaehlen).toInt(), 0);
        // Nothing of it stays pending to be committed by the next transaction.
        {
            Transaktion t(m_con);
            bild(rs, u"bleibt.jpg"_s);
            t.bestaetigen();
        }
        QCOMPARE(wert(leser, zaehlen).toInt(), 1);
    }

    void oeffnenLegtNieEineDateiAn()
    {
        Verbindung v;
        const QString fehlt = m_ordner.filePath(u"fehlt.mdb"_s), muell = m_ordner.filePath(u"muell.mdb"_s);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(fehlt, Verbindung::LesenSchreiben));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(fehlt, Verbindung::Lesen));
        QVERIFY(!QFile::exists(fehlt));
        QFile f(muell);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(5000, 'x')) == 5000);
        f.close();
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(muell, Verbindung::LesenSchreiben));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray(5000, 'x'));
    }
};

int testeMaschine(int argc, char** argv)
{
    TestEngine t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_engine.moc"
