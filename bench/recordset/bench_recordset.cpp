// Recordset speed against the sqlite3 command-line tool on the same file.
#include "Benchsammlung.h"
#include "Recordset.h"
#include "Verbindung.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Zeilen = 10000;
constexpr int NeueZeilen = 1000;
const QString Gesucht = QStringLiteral("bild05000.jpg");

double kolvar(const QString& pfad)
{
    QElapsedTimer uhr;
    uhr.start();
    Verbindung con;
    con.Oeffnen(pfad, Verbindung::LesenSchreiben);
    Recordset rs;
    rs.Einrichten(&con, Recordset::Keyset, Recordset::Pessimistisch);
    rs.Oeffnen(Abfrage::MitWert(QStringLiteral("1"), QStringLiteral("Dateiname")));
    qint64 laenge = 0;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        laenge += rs.Feld(QStringLiteral("Dateiname")).toString().size();
    rs.Filter(QStringLiteral("Dateiname"), Gesucht);
    if (rs.RecordCount() != 1 || laenge == 0)
        std::fprintf(stderr, "kolvar: falsches Ergebnis\n");
    rs.FilterEntfernen();
    {
        Transaktion t(con);
        for (int i = 0; i < NeueZeilen; ++i) {
            rs.AddNew();
            rs.FeldSetzen(QStringLiteral("Dateiname"), QStringLiteral("neu%1.jpg").arg(i));
            rs.FeldSetzen(QStringLiteral("ID"), 0);
            rs.FeldSetzen(QStringLiteral("Datum"), QStringLiteral("24.12.2003"));
            rs.Update();
        }
        t.bestaetigen();
    }
    rs.Schliessen();
    con.Schliessen();
    return uhr.nsecsElapsed() / 1e6;
}

double sqlite3Werkzeug(const QString& pfad)
{
    QString skript = QStringLiteral(
        "SELECT rowid, * FROM \"1\" WHERE Dateiname LIKE '%' ORDER BY Dateiname;\n"
        "SELECT rowid, * FROM \"1\" WHERE Dateiname = '") + Gesucht + QStringLiteral("';\nBEGIN;\n");
    for (int i = 0; i < NeueZeilen; ++i)
        skript += QStringLiteral("INSERT INTO \"1\" (Dateiname, ID, Datum) VALUES ('neu%1.jpg', 0, '2003-12-24');\n").arg(i);
    skript += QStringLiteral("COMMIT;\n");
    QElapsedTimer uhr;
    uhr.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral("sqlite3"), {pfad});
    p.write(skript.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(-1);
    const double ms = uhr.nsecsElapsed() / 1e6;
    if (p.exitCode() != 0)
        std::fprintf(stderr, "sqlite3: Fehler %d\n", p.exitCode());
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-recordset");
    QDir().mkpath(ordner);
    const QString vorlage = ordner + QStringLiteral("/vorlage.mdb");
    const QString arbeit = ordner + QStringLiteral("/arbeit.mdb");
    GrosseSammlungMachen(vorlage, Zeilen);

    QVector<double> k, s;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QFile::remove(arbeit);
        QFile::copy(vorlage, arbeit);
        k << kolvar(arbeit);
        QFile::remove(arbeit);
        QFile::copy(vorlage, arbeit);
        s << sqlite3Werkzeug(arbeit);
        std::printf("Lauf %d: kolvar %.1f ms, sqlite3 %.1f ms\n", lauf + 1, k.last(), s.last());
    }
    const double km = Median(k), sm = Median(s);
    std::printf("recordset: kolvar %.0f ms, sqlite3 %.0f ms, ratio %.2f\n", km, sm, km / sm);
    return 0;
}
