// The picture list over large albums against the sqlite3 tool reading the same rows.
#include "Benchsammlung.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Katalog.h"
#include "Programmzustand.h"
#include "frmBilderListe.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Laeufe = 5;

struct Ergebnis {
    double fuellen = 0;
    double schritt = 0;
};

// The list filled as the program fills it, drawn once; then 1,000 steps to
// the next picture, each marked and drawn as the viewer's navigation does.
Ergebnis kolvar(const QString& pfad, int n, const QString& ordner)
{
    Programmzustand z;
    z.programmordner = ordner;
    Datenbankobjekte db;
    if (!DatenbankOeffnen(z, db, pfad))
        qFatal("Die Sammlung %s lässt sich nicht öffnen.", qPrintable(pfad));
    frmBilderListe liste(z, db);
    liste.resize(260, 700);
    liste.show();
    QCoreApplication::processEvents();

    QVector<double> fuellen;
    QElapsedTimer uhr;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        uhr.start();
        liste.ListeAuffuellen();
        liste.repaint();
        fuellen << uhr.nsecsElapsed() / 1e6;
    }
    if (liste.modell().anzahl() != n)
        std::fprintf(stderr, "kolvar: %d statt %d Einträge\n", liste.modell().anzahl(), n);

    Recordset& rs = db.rsAlbum;
    rs.MoveFirst();
    const int schritte = std::min(1000, n - 1);
    uhr.start();
    for (int i = 0; i < schritte; ++i) {
        rs.MoveNext();
        liste.ListeMarkierungNachfuehren();
        liste.repaint();
    }
    const double schritt = uhr.nsecsElapsed() / 1e6 / schritte;
    DatenbankSchliessen(z, db);
    return {Median(fuellen), schritt};
}

double sqlite3Werkzeug(const QString& pfad)
{
    QVector<double> zeiten;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("sqlite3"),
                {pfad, QStringLiteral("SELECT rowid, * FROM \"1\" WHERE Dateiname LIKE '%' ORDER BY Dateiname;")});
        p.waitForFinished(-1);
        zeiten << uhr.nsecsElapsed() / 1e6;
        if (p.exitCode() != 0)
            std::fprintf(stderr, "sqlite3: Fehler %d\n", p.exitCode());
    }
    return Median(zeiten);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-list");
    QDir().mkpath(ordner);

    Ergebnis gross;
    double sqliteGross = 0;
    for (int n : {1000, 10000}) {
        const QString pfad = ordner + QStringLiteral("/liste%1.mdb").arg(n);
        GrosseSammlungMachen(pfad, n);
        const Ergebnis k = kolvar(pfad, n, ordner);
        const double s = sqlite3Werkzeug(pfad);
        std::printf("%5d Zeilen: füllen %.1f ms, ein Schritt %.3f ms; sqlite3 %.1f ms\n", n, k.fuellen, k.schritt, s);
        gross = k;
        sqliteGross = s;
    }
    std::printf("list: 10000 rows kolvar %.0f ms, sqlite3 %.0f ms, ratio %.2f\n", gross.fuellen, sqliteGross,
                gross.fuellen / sqliteGross);
    return 0;
}
