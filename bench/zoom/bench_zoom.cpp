// The zoom view showing camera pictures fitted into a 1600 x 1000 display
// area: from the request (BildAnzeigen) to the painted picture. Prints the
// mean milliseconds per picture as its last line.
#include "Bildliste.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Katalog.h"
#include "Programmzustand.h"
#include "Verbindung.h"
#include "frmBilder.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

// A collection whose album "1" lies in the pictures' own folder and lists them.
void sammlungMachen(const QString& pfad, const QString& ordner, const QStringList& namen)
{
    QFile::remove(pfad);
    DatenbankErstellen(pfad);
    Verbindung con;
    con.Oeffnen(pfad, Verbindung::LesenSchreiben);
    Katalog(con).TabelleAnhaengen(Datenbankschema::Bildtabelle(QStringLiteral("1")));
    Transaktion t(con);
    QSqlQuery& album
        = con.Vorbereitet(QStringLiteral("INSERT INTO Alben (Nummer, Albenname, Pfad) VALUES (1, 'Zoom', ?)"));
    album.addBindValue(ordner);
    album.exec();
    album.finish();
    con.Ausfuehren(QStringLiteral("UPDATE Daten SET Album = '1'"));
    for (int i = 0; i < namen.size(); ++i) {
        QSqlQuery& q = con.Vorbereitet(
            QStringLiteral("INSERT INTO \"1\" (DBNummer, Dateiname, ID, Datum) VALUES (?,?,0,'2003-07-01')"));
        q.addBindValue(QStringLiteral("0001%1").arg(i + 1, 5, 10, QLatin1Char('0')));
        q.addBindValue(namen.at(i));
        q.exec();
        q.finish();
    }
    t.bestaetigen();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: bench_zoom ARBEITSORDNER BILD...\n");
        return 2;
    }
    const QString arbeit = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(arbeit);
    QStringList namen;
    QString ordner;
    for (int i = 2; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        ordner = info.absolutePath() + QLatin1Char('/');
        namen << info.fileName();
    }
    const QString pfad = arbeit + QStringLiteral("/zoom.mdb");
    sammlungMachen(pfad, ordner, namen);

    Programmzustand z;
    z.programmordner = arbeit;
    Oberflaeche ui;
    z.oberflaeche = &ui;
    Datenbankobjekte db;
    if (!DatenbankOeffnen(z, db, pfad))
        qFatal("Die Sammlung %s lässt sich nicht öffnen.", qPrintable(pfad));
    const Bildliste bilder;
    frmBilder zoom(z, db, bilder);
    zoom.resize(1700, 1100);
    zoom.show();
    QCoreApplication::processEvents();
    // The display area at exactly 1600 x 1000.
    const QSize rest = zoom.size() - zoom.picBildAnzeige()->size();
    zoom.resize(QSize(1600, 1000) + rest);
    QCoreApplication::processEvents();
    if (zoom.picBildAnzeige()->size() != QSize(1600, 1000))
        std::fprintf(stderr, "Anzeigefläche %dx%d\n", zoom.picBildAnzeige()->width(), zoom.picBildAnzeige()->height());

    Recordset& rs = db.rsAlbum;
    QElapsedTimer uhr;
    qint64 gesamt = 0;
    int gezeigt = 0;
    for (int i = 1; i <= rs.RecordCount(); ++i) {
        rs.AbsolutePositionSetzen(i);
        uhr.start();
        zoom.BildAnzeigen();
        zoom.picBildAnzeige()->repaint();
        gesamt += uhr.nsecsElapsed();
        if (!zoom.dekodiert().isEmpty())
            ++gezeigt;
    }
    const int anzahl = rs.RecordCount();
    if (gezeigt != anzahl)
        std::fprintf(stderr, "nur %d von %d Bildern gezeigt\n", gezeigt, anzahl);
    DatenbankSchliessen(z, db);
    std::printf("%.1f\n", gesamt / 1e6 / std::max(1, anzahl));
    return 0;
}
