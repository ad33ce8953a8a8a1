// Search and batch speed against the sqlite3 command-line tool.
#include "Albenpflege.h"
#include "Begriffsfeld.h"
#include "Benchsammlung.h"
#include "Bildbegriffe.h"
#include "BilderListeModell.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Katalog.h"
#include "Programmzustand.h"
#include "Suche.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>

namespace {

// The album count; `bench/run search ALBEN` raises it.
int Alben = 100;
constexpr int BilderJeAlbum = 1000;
constexpr int Runden = 5;
// Keyword 1 sits on about 1 % of the pictures, keyword 2 on about 20 %.
constexpr qint64 Selten = 1;
constexpr qint64 Haeufig = 2;
constexpr qint64 Keiner = 40;  // in the table, on no picture

void sammlungMachen(const QString& pfad)
{
    QFile::remove(pfad);
    DatenbankErstellen(pfad);
    Verbindung con;
    con.Oeffnen(pfad, Verbindung::LesenSchreiben);
    QRandomGenerator zufall(4711);
    Transaktion t(con);
    for (int k = 1; k <= Keiner; ++k)
        con.Ausfuehren(QStringLiteral("INSERT INTO Schluesselbegriffe (Schluesselbegriff) VALUES (?)"),
            { QStringLiteral("Begriff %1").arg(k) });
    for (int a = 1; a <= Alben; ++a) {
        const QString nummer = QString::number(a);
        Katalog(con).TabelleAnhaengen(Datenbankschema::Bildtabelle(nummer));
        con.Ausfuehren(QStringLiteral("INSERT INTO Alben (Nummer, Albenname, Pfad) VALUES (?, ?, ?)"),
            { a, QStringLiteral("Album %1").arg(a), QStringLiteral("Album%1/").arg(a) });
        for (int i = 1; i <= BilderJeAlbum; ++i) {
            QString feld;
            if (zufall.bounded(100) == 0)
                feld += Begriffsfeld::Eintrag(Selten);
            if (zufall.bounded(5) == 0)
                feld += Begriffsfeld::Eintrag(Haeufig);
            for (int j = 0; j < 3; ++j)
                feld += Begriffsfeld::Eintrag(3 + zufall.bounded(Keiner - 3));
            QSqlQuery& q = con.Vorbereitet(QStringLiteral("INSERT INTO %1 (DBNummer, Dateiname, ID, Datum, "
                                                          "Schluesselbegriffe, Bemerkung) VALUES (?,?,?,?,?,?)")
                                               .arg(Bezeichner(nummer)));
            q.addBindValue(DBNummerBilden(QString::number(i), nummer));
            q.addBindValue(QStringLiteral("IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
            q.addBindValue(0);
            q.addBindValue(QDate(1998, 1, 1).addDays(zufall.bounded(9000)).toString(Qt::ISODate));
            q.addBindValue(feld);
            q.addBindValue(
                QStringLiteral("Bemerkung %1 zu Bild %2 im Album %3").arg(zufall.bounded(1000)).arg(i).arg(a));
            q.exec();
            q.finish();
        }
    }
    con.Ausfuehren(QStringLiteral("UPDATE Daten SET Album = '1'"));
    t.bestaetigen();
}

struct Lauf {
    double ms = 0;
    int treffer = 0;
};

// The program's search end to end on an open collection: TempAlbum, the
// statement, the result recordset, the list model and the first picture.
Lauf kolvar(Programmzustand& z, Datenbankobjekte& db, const Suchkriterien& k)
{
    // Every round starts from the album, as the user would.
    z.suchergebnisAngezeigt = false;
    AlbumOeffnen(z, db, QStringLiteral("1"));
    BilderListeModell liste;
    QElapsedTimer uhr;
    uhr.start();
    const Suchergebnis e = SucheAusfuehren(z, db, k);
    if (e.ausgang == Suchausgang::Gefunden) {
        liste.Auffuellen(db.rsAlbum);
        const QString erstes = FeldLesen(db.rsAlbum, QStringLiteral("Dateiname"))
            + FeldLesen(db.rsAlbum, QStringLiteral("Schluesselbegriffe"))
            + FeldLesen(db.rsAlbum, QStringLiteral("Bemerkung")) + FeldLesen(db.rsAlbum, QStringLiteral("Datum"));
        if (erstes.isEmpty() || liste.anzahl() != e.anzahl)
            std::fprintf(stderr, "kolvar: falsches Ergebnis\n");
    } else if (e.ausgang == Suchausgang::Fehler) {
        std::fprintf(stderr, "kolvar: %s\n", qPrintable(e.fehler));
    }
    return { uhr.nsecsElapsed() / 1e6, e.anzahl };
}

// The same work in one sqlite3 process: the copy of the rows that match in one
// transaction, then the SELECT.
Lauf sqlite3Werkzeug(const QString& pfad, const Suchkriterien& k)
{
    const Abfrage abfrage = SuchAbfrage(k);
    QString bedingung = abfrage.bedingung;
    for (const QVariant& w : abfrage.werte)
        bedingung.replace(bedingung.indexOf(QLatin1Char('?')), 1,
            QLatin1Char('\'') + w.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''));
    QString skript = QStringLiteral("PRAGMA synchronous=EXTRA;\nBEGIN;\nDELETE FROM TempAlbum;\n");
    for (int a = 1; a <= Alben; ++a)
        skript
            += QStringLiteral("INSERT INTO TempAlbum (DBNummer, Dateiname, ID, Datum, Schluesselbegriffe, Bemerkung) "
                              "SELECT NULLIF(DBNummer, ''), Dateiname, ID, Datum, Schluesselbegriffe, Bemerkung "
                              "FROM \"%1\" WHERE %2;\n")
                   .arg(QString::number(a), bedingung);
    skript += QStringLiteral(
        "SELECT count(*) FROM (SELECT rowid, * FROM TempAlbum WHERE %1 ORDER BY Dateiname "
        "COLLATE NOCASE);\nSELECT rowid, * FROM TempAlbum WHERE %1 ORDER BY Dateiname COLLATE NOCASE;\n"
        "COMMIT;\n")
                  .arg(bedingung);
    QElapsedTimer uhr;
    uhr.start();
    QProcess p;
    p.start(QStringLiteral("sqlite3"), { pfad });
    p.write(skript.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(-1);
    const double ms = uhr.nsecsElapsed() / 1e6;
    const QByteArray ausgabe = p.readAllStandardOutput();
    if (p.exitCode() != 0)
        std::fprintf(stderr, "sqlite3: Fehler %d: %s\n", p.exitCode(), p.readAllStandardError().constData());
    return { ms, ausgabe.left(ausgabe.indexOf('\n')).toInt() };
}

// A keyword to every tenth of 10,000 pictures, as the properties dialog does it.
double markierte(const QString& vorlage, const QString& arbeit)
{
    QFile::remove(arbeit);
    QFile::copy(vorlage, arbeit);
    Programmzustand z;
    Datenbankobjekte db;
    if (!DatenbankOeffnen(z, db, arbeit))
        std::fprintf(stderr, "kolvar: Sammlung lässt sich nicht öffnen\n");
    AlbumOeffnen(z, db, QStringLiteral("1"));
    BilderListeModell liste;
    liste.Auffuellen(db.rsAlbum);
    for (int i = 1; i <= liste.anzahl(); i += 10)
        liste.markieren(i, true);
    QElapsedTimer uhr;
    uhr.start();
    const int geaendert = Bildbegriffe::MarkiertenHinzufuegen(z, db, liste.markiertePositionen(), 12);
    const double ms = uhr.nsecsElapsed() / 1e6;
    if (geaendert != 1000)
        std::fprintf(stderr, "kolvar: %d statt 1000 Bilder geändert\n", geaendert);
    DatenbankSchliessen(z, db);
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString ordner
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-search");
    if (argc > 2)
        Alben = qMax(1, QString::fromLocal8Bit(argv[2]).toInt());
    QDir().mkpath(ordner);
    const QString sammlung = ordner + QStringLiteral("/alben%1.mdb").arg(Alben);
    if (!QFile::exists(sammlung))
        sammlungMachen(sammlung);

    struct Fall {
        const char* name;
        Suchkriterien k;
    };
    Suchkriterien selten, haeufig, keiner;
    selten.begriffe = { Selten };
    haeufig.begriffe = { Haeufig };
    keiner.begriffe = { Keiner };
    const Fall faelle[] = { { "selective", selten }, { "none", keiner }, { "broad", haeufig } };

    Programmzustand z;
    z.bilderverzeichnis = ordner + QStringLiteral("/BilderVerzeichnis/");
    Datenbankobjekte db;
    double kBreit = 0, sBreit = 0;
    for (const Fall& f : faelle) {
        QVector<double> k, s;
        int kt = 0, st = 0;
        for (int runde = 0; runde < Runden; ++runde) {
            if (!DatenbankOeffnen(z, db, sammlung))
                std::fprintf(stderr, "kolvar: Sammlung lässt sich nicht öffnen\n");
            const Lauf lk = kolvar(z, db, f.k);
            DatenbankSchliessen(z, db);
            const Lauf ls = sqlite3Werkzeug(sammlung, f.k);
            k << lk.ms;
            s << ls.ms;
            kt = lk.treffer;
            st = ls.treffer;
        }
        if (kt != st)
            std::fprintf(stderr, "%s: kolvar %d Treffer, sqlite3 %d\n", f.name, kt, st);
        const double km = Median(k), sm = Median(s);
        std::printf("search %s: %d of %d pictures kolvar %.0f ms, sqlite3 %.0f ms, ratio %.2f\n", f.name, kt,
            Alben * BilderJeAlbum, km, sm, km / sm);
        std::fflush(stdout);
        if (f.k.begriffe == haeufig.begriffe) {
            kBreit = km;
            sBreit = sm;
        }
    }

    const QString gross = ordner + QStringLiteral("/gross10000.mdb");
    if (!QFile::exists(gross))
        GrosseSammlungMachen(gross, 10000);
    QVector<double> m;
    for (int runde = 0; runde < Runden; ++runde)
        m << markierte(gross, ordner + QStringLiteral("/arbeit.mdb"));
    std::printf("marked: 1000 of 10000 pictures keyword added in %.0f ms\n", Median(m));
    std::printf("search: %d pictures kolvar %.0f ms, sqlite3 %.0f ms, ratio %.2f\n", Alben * BilderJeAlbum, kBreit,
        sBreit, kBreit / sBreit);
    return 0;
}
