// Storyboard speed: open, drop, move and delete on a presentation of 1,000
// pictures, against the sqlite3 tool doing the same edits on the table.
#include "Benchsammlung.h"
#include "Datenbankobjekte.h"
#include "Praesentationskatalog.h"
#include "Programmzustand.h"
#include "Storyboardstreifen.h"
#include "frmPraesentationStoryboard.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <cstdio>

namespace {

constexpr int AlbumGroesse = 10000;
constexpr int Anzahl = 1000;

double ms(QElapsedTimer& uhr)
{
    return uhr.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString ordner
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-storyboard");
    QDir(ordner).removeRecursively();
    QDir().mkpath(ordner + QStringLiteral("/Gross/TempBilder"));
    const QString datei = ordner + QStringLiteral("/bench.mdb");
    GrosseSammlungMachen(datei, AlbumGroesse);

    Programmzustand z;
    Datenbankobjekte db;
    z.programmordner = QCoreApplication::applicationDirPath();
    z.bilderverzeichnis = ordner + QLatin1Char('/');
    if (!DatenbankOeffnen(z, db, datei)) {
        std::fprintf(stderr, "Die Sammlung lässt sich nicht öffnen.\n");
        return 1;
    }
    // 1,000 pictures drawn from the album, each with a thumbnail file.
    QStringList schluessel;
    QHash<QString, QString> namen;
    {
        QSqlQuery q = db.conDaten.Abfragen(QStringLiteral("SELECT DBNummer, Dateiname FROM \"1\""));
        while (q.next())
            namen.insert(q.value(0).toString(), q.value(1).toString());
    }
    const QStringList alle = namen.keys();
    QRandomGenerator zufall(7);
    QImage vorschau(160, 120, QImage::Format_RGB32);
    for (int i = 0; i < Anzahl; ++i) {
        const QString k = alle[zufall.bounded(alle.size())];
        schluessel << k;
        vorschau.fill(QColor::fromHsv(i % 360, 160, 200));
        vorschau.save(ordner + QStringLiteral("/Gross/TempBilder/") + namen.value(k), "JPEG", 80);
    }
    if (Praesentationskatalog::NeuePraesentation(z, db, QStringLiteral("Bench"))
        != Praesentationskatalog::Ergebnis::Erledigt)
        return 1;
    {
        Transaktion t(db.conDaten);
        for (int i = 0; i < schluessel.size(); ++i)
            db.conDaten.Ausfuehren(
                QStringLiteral("INSERT INTO \"%1\" (Reihenfolge, DBNummer) VALUES (?, ?)").arg(z.praesentationTabelle),
                { i + 1, schluessel[i] });
        t.bestaetigen();
    }

    QElapsedTimer uhr;
    uhr.start();
    frmPraesentationStoryboard sb(z, db);
    sb.resize(1400, sb.height());
    sb.show();
    sb.SBNeuAnzeigen();
    sb.repaint();
    const double oeffnen = ms(uhr);
    using Z = Storyboardstreifen::Ziel;

    QVector<double> ablegen, verschieben, loeschen;
    for (int runde = 0; runde < 7; ++runde) {
        uhr.restart();
        sb.streifen().Ablegen({ Z::Bild, 500 }, 0, schluessel[runde]);
        sb.repaint();
        ablegen << ms(uhr);
        uhr.restart();
        sb.streifen().Ablegen({ Z::Bild, 100 }, 900, QString());
        sb.repaint();
        verschieben << ms(uhr);
        uhr.restart();
        sb.modell().BildLoeschen(500);
        sb.repaint();
        loeschen << ms(uhr);
    }
    if (sb.modell().anzahl() != Anzahl) {
        std::fprintf(stderr, "Die Bearbeitungen haben die Präsentation nicht erhalten.\n");
        return 1;
    }

    // The same three edits by the sqlite3 tool in one transaction, process start included.
    const QString t = QLatin1Char('"') + z.praesentationTabelle + QLatin1Char('"');
    const QString skript = QStringLiteral("BEGIN;\n"
                                          "UPDATE %1 SET Reihenfolge = Reihenfolge + 1 WHERE Reihenfolge >= 500;\n"
                                          "INSERT INTO %1 (Reihenfolge, DBNummer) VALUES (500, '%2');\n"
                                          "DELETE FROM %1 WHERE Reihenfolge = 900;\n"
                                          "UPDATE %1 SET Reihenfolge = Reihenfolge - 1 WHERE Reihenfolge > 900;\n"
                                          "UPDATE %1 SET Reihenfolge = Reihenfolge + 1 WHERE Reihenfolge >= 100;\n"
                                          "INSERT INTO %1 (Reihenfolge, DBNummer) VALUES (100, '%2');\n"
                                          "DELETE FROM %1 WHERE Reihenfolge = 500;\n"
                                          "UPDATE %1 SET Reihenfolge = Reihenfolge - 1 WHERE Reihenfolge > 500;\n"
                                          "COMMIT;\n")
                               .arg(t, schluessel[0]);
    sb.close();
    db.AllesSchliessen();
    QVector<double> werkzeug;
    for (int runde = 0; runde < 7; ++runde) {
        QProcess sqlite;
        uhr.restart();
        sqlite.start(QStringLiteral("sqlite3"), { datei });
        sqlite.write(skript.toUtf8());
        sqlite.closeWriteChannel();
        sqlite.waitForFinished(-1);
        werkzeug << ms(uhr);
        if (sqlite.exitCode() != 0) {
            std::fprintf(stderr, "sqlite3: %s\n", sqlite.readAllStandardError().constData());
            return 1;
        }
    }
    std::printf("storyboard: move %.1f ms, delete %.1f ms (medians of 7, repaint included)\n", Median(verschieben),
        Median(loeschen));
    std::printf("storyboard: %d pictures, open %.0f ms, drop %.1f ms, sqlite3 %.1f ms\n", Anzahl, oeffnen,
        Median(ablegen), Median(werkzeug));
    return 0;
}
