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

const QString Zaehlen = u"SELECT COUNT(*) FROM \"1\""_s;

}  // namespace

// The engine layer: recordset cursor, filter, sort, editing and what the
// file guarantees about empty texts, numbering and durability.
class TestEngine : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_pfad;
    Verbindung m_con;

    void oeffnen(Recordset& rs, const Abfrage& a, Recordset::Sperre sperre = Recordset::Pessimistisch)
    {
        rs.Einrichten(&m_con, Recordset::Keyset, sperre);
        rs.Oeffnen(a);
    }
    // Album table "1" with the pictures, opened by file name as the program opens an album.
    void albumOeffnen(Recordset& rs, const QStringList& bilder = {})
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        oeffnen(rs, Abfrage::MitWert(u"1"_s, u"Dateiname"_s));
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

    void bewegenPositionierenUndLoeschen()
    {
        Recordset rs;
        albumOeffnen(rs);
        QVERIFY(rs.RecordCount() == 0 && rs.Eof() && rs.Bof());
        QCOMPARE(rs.AbsolutePosition(), Recordset::PositionUnbekannt);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, name(rs));
        rs.MoveFirst();  // no error on an empty recordset
        for (const QString& b : { u"c.jpg"_s, u"A.jpg"_s, u"b.jpg"_s })
            bild(rs, b);
        rs.Requery();
        QStringList reihe;  // names sort without regard to case
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            reihe << name(rs);
        QCOMPARE(reihe, QStringList({ "A.jpg", "b.jpg", "c.jpg" }));
        rs.MoveNext();  // stays at EOF
        QVERIFY(rs.Eof());
        rs.AbsolutePositionSetzen(2);
        rs.MovePrevious();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        for (const auto& [position, datei] : { std::pair { 3, "c.jpg" }, { 1, "A.jpg" }, { 2, "b.jpg" } }) {
            rs.AbsolutePositionSetzen(position);
            QCOMPARE(name(rs), QLatin1String(datei));
        }
        QCOMPARE(rs.AbsolutePosition(), 2);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(4));
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.AbsolutePositionSetzen(0));
        rs.Sort(u"Nummer DESC"_s);
        rs.MoveFirst();
        QCOMPARE(name(rs), u"b.jpg"_s);
        // Deleting while walking: the deleted row stays current, without its fields.
        int geloescht = 0;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++geloescht) {
            rs.Delete();
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, name(rs));
        }
        QCOMPARE(geloescht, 3);
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(wert(m_con, Zaehlen).toInt(), 0);
    }

    void filterFindetGenauDenGespeichertenWert()
    {
        // Bound as values: quotes, "%" and "_" are no syntax and no wildcards, and
        // file names differ by case (two files on this file system).
        const QStringList namen
            = { "O'Brien.jpg", "100%.jpg", "a_b.jpg", "aXb.jpg", "A_B.jpg", "x\";DROP TABLE Daten;--.jpg" };
        Recordset rs;
        albumOeffnen(rs, namen);
        for (const QString& n : namen) {
            rs.Filter(u"Dateiname"_s, n);
            QCOMPARE(rs.RecordCount(), 1);
            QCOMPARE(name(rs), n);
        }
        rs.FilterText(u"Dateiname = 'O''Brien.jpg'"_s);
        QCOMPARE(rs.RecordCount(), 1);
        rs.FilterEntfernen();
        QCOMPARE(rs.RecordCount(), namen.size());
        QVERIFY(QSqlQuery(m_con.datenbank()).exec(u"SELECT * FROM Daten"_s));
        // Numbers compare by value: "003" is 3, 10 sorts after 9.
        for (int i = 0; i < 12; ++i)
            bild(rs, u"b%1.jpg"_s.arg(i));
        rs.FilterText(u"Nummer = '9'"_s);
        QCOMPARE(name(rs), u"b2.jpg"_s);
        for (const auto& [text, anzahl] : { std::pair { "009", 1 }, { "neun", 0 } }) {
            rs.Filter(u"Nummer"_s, QLatin1String(text));
            QCOMPARE(rs.RecordCount(), anzahl);
        }
        rs.Sort(u"Nummer ASC"_s);  // while filtered to nothing
        rs.FilterEntfernen();
        rs.Sort(u"Nummer ASC"_s);
        rs.AbsolutePositionSetzen(10);
        QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 10);
        // A read-only recordset from a statement refuses changes.
        Recordset genau;
        oeffnen(genau, Abfrage::Gleich(u"1"_s, u"Dateiname"_s, u"a_b.jpg"_s), Recordset::NurLesen);
        QCOMPARE(genau.RecordCount(), 1);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, genau.FeldSetzen(u"ID"_s, 1));
    }

    void datumWirdAlsIsoGespeichertUndDeutschGelesen()
    {
        Recordset rs;
        albumOeffnen(rs);
        bild(rs, u"a.jpg"_s, u"24.12.2003"_s);
        bild(rs, u"b.jpg"_s, QDate(2004, 1, 2));
        // Ranges compare as text.
        QCOMPARE(wert(m_con, u"SELECT Datum FROM \"1\" ORDER BY Datum"_s).toString(), u"2003-12-24"_s);
        rs.Requery();
        QCOMPARE(DatumText(rs.Feld(u"Datum"_s).toDate()), u"24.12.2003"_s);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, rs.FeldSetzen(u"Datum"_s, u"31.02.2004"_s));
        rs.Requery();  // the refused change left the stored row as it was
        QCOMPARE(rs.Feld(u"Datum"_s).toDate(), QDate(2003, 12, 24));
    }

    void leereTexteNurWoErlaubt()
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        // A required column filled in first; the text is that many "x", so 0 is empty (Text(50)).
        const std::tuple<const char*, const char*, const char*, int, bool> faelle[]
            = { { "Alben", "Pfad", "Albenname", 0, true }, { "Alben", "CD-Name", "Albenname", 0, true },
                  { "1", "Schluesselbegriffe", "Dateiname", 0, true }, { "1", "Bemerkung", "Dateiname", 0, true },
                  { "Alben", "Albenname", nullptr, 0, false }, { "Praesentationen", "PraeName", nullptr, 0, false },
                  { "Schluesselbegriffe", "Schluesselbegriff", nullptr, 0, false },
                  { "1", "Dateiname", nullptr, 0, false }, { "Daten", "Album", nullptr, 0, false },
                  { "Alben", "Albenname", nullptr, 51, false } };
        int n = 0;
        for (const auto& [tabelle, spalte, andere, laenge, erlaubt] : faelle) {
            Recordset rs;
            oeffnen(rs, Abfrage::Tabelle(QLatin1String(tabelle)));
            rs.AddNew();
            if (andere)
                rs.FeldSetzen(QLatin1String(andere), QString::number(++n));
            rs.FeldSetzen(QLatin1String(spalte), QString(laenge, u'x'));
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
        for (const QString& album : { u"Eins"_s, u"Zwei"_s, u"Drei"_s }) {
            rs.AddNew();
            rs.FeldSetzen(u"Albenname"_s, album);
            rs.Update();
            if (album == u"Zwei"_s) {  // the highest number goes before the next is given
                QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 2);
                rs.Delete();
            }
        }
        rs.Requery();
        QCOMPARE(rs.RecordCount(), 2);
        rs.Sort(u"Nummer ASC"_s);
        rs.MoveLast();
        QCOMPARE(rs.Feld(u"Nummer"_s).toLongLong(), 3);
        rs.Filter(u"Albenname"_s, u"DREI"_s);
        QCOMPARE(rs.RecordCount(), 1);  // an album name is the same name in any case
    }

    // Dropped, nested and refused transactions leave nothing, not even for the next one to commit.
    void verworfeneUndGescheiterteTransaktionenHinterlassenNichts()
    {
        Recordset rs;
        albumOeffnen(rs);
        {
            Transaktion t(m_con);
            bild(rs, u"weg.jpg"_s);
        }
        {
            Transaktion aussen(m_con);
            bild(rs, u"aussen.jpg"_s);
            {
                Transaktion innen(m_con);
                bild(rs, u"innen.jpg"_s);
            }
            // An inner one rolled back makes the outer one fail.
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, aussen.bestaetigen());
        }
        QVERIFY(!m_con.InTransaktion());
        Verbindung leser;
        leser.Oeffnen(m_pfad, Verbindung::Lesen);
        {
            Transaktion t(m_con);
            bild(rs, u"gesperrt.jpg"_s);
            // Another reader holds its lock, so the commit cannot write the file.
            leser.Ausfuehren(u"BEGIN"_s);
            QCOMPARE(wert(leser, Zaehlen).toInt(), 0);
            try {
                t.bestaetigen();
                QFAIL("the commit was reported as done");
            } catch (const DatenbankFehler& f) {
                QCOMPARE(f.art(), DatenbankFehler::Gesperrt);
            }
            leser.Ausfuehren(u"COMMIT"_s);
        }
        QVERIFY(!m_con.InTransaktion());
        QCOMPARE(wert(leser, Zaehlen).toInt(), 0);
        Transaktion t(m_con);
        bild(rs, u"bleibt.jpg"_s);
        t.bestaetigen();
        QCOMPARE(wert(leser, u"SELECT group_concat(Dateiname) FROM \"1\""_s).toString(), u"bleibt.jpg"_s);
    }

    void gespeichertesUeberlebtDenAbbruch()
    {
        Katalog(m_con).TabelleAnhaengen(Datenbankschema::Bildtabelle(u"1"_s));
        m_con.Schliessen();
        const pid_t kind = fork();
        if (kind == 0) {
            // The child stores a row and dies at once, without closing anything.
            m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
            Recordset rs;
            oeffnen(rs, Abfrage::MitWert(u"1"_s, u"Dateiname"_s));
            bild(rs, u"bleibt.jpg"_s);
            _exit(0);
        }
        int status = 0;
        waitpid(kind, &status, 0);
        QVERIFY(WIFEXITED(status));
        m_con.Oeffnen(m_pfad, Verbindung::LesenSchreiben);
        QCOMPARE(wert(m_con, u"SELECT Dateiname FROM \"1\""_s).toString(), u"bleibt.jpg"_s);
        // The journal's deletion, the commit itself, is synced too; one collection stays one file.
        QCOMPARE(wert(m_con, u"PRAGMA synchronous"_s).toInt(), 3);
        QCOMPARE(wert(m_con, u"PRAGMA journal_mode"_s).toString(), u"delete"_s);
    }

    void oeffnenLegtNieEineDateiAnUndLaesstFremdeHeil()
    {
        Verbindung v;
        const QString fehlt = m_ordner.filePath(u"fehlt.mdb"_s), muell = m_ordner.filePath(u"muell.mdb"_s);
        for (const auto modus : { Verbindung::LesenSchreiben, Verbindung::Lesen })
            QVERIFY_THROWS_EXCEPTION(DatenbankFehler, v.Oeffnen(fehlt, modus));
        QVERIFY(!QFileInfo::exists(fehlt));
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
