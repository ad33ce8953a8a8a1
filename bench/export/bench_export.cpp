// bench/run export: the program's export of a presentation against cp of
// the same files followed by sync. Both copy from the page cache into a fresh folder on the
// same disk; each is run three times, alternating, and the median counts.
//   bench_export ORDNER ANZAHL
#include "AlbumImport.h"
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Laufwerksliste.h"
#include "PraesentationAustausch.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

// Camera-size pictures: a few distinct JPEGs, each file told apart by
// bytes after its end marker, as cameras append their own data.
void bilderMachen(const QString& ordner, int anzahl)
{
    QDir().mkpath(ordner);
    QVector<QByteArray> vorlagen;
    for (int v = 0; v < 4; ++v) {
        QImage bild(4000, 3000, QImage::Format_RGB32);
        auto* zufall = QRandomGenerator::global();
        for (int y = 0; y < bild.height(); ++y) {
            auto* zeile = reinterpret_cast<quint32*>(bild.scanLine(y));
            for (int x = 0; x < bild.width(); ++x)
                zeile[x]
                    = 0xff000000u | ((x * 255 / 4000) << 16) | ((y * 255 / 3000) << 8) | (zufall->generate() & 0x3f);
        }
        QFile f(ordner + QStringLiteral("vorlage%1.jpg").arg(v));
        f.open(QIODevice::WriteOnly);
        bild.save(&f, "JPG", 92);
        f.close();
        f.open(QIODevice::ReadOnly);
        vorlagen << f.readAll();
        f.remove();
    }
    for (int i = 0; i < anzahl; ++i) {
        QFile f(ordner + QStringLiteral("bild%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(vorlagen.at(i % vorlagen.size())) < 0
            || f.write(QByteArray::number(i)) < 0)
            qFatal("Bild %d lässt sich nicht schreiben", i);
    }
}

// The whole file system as one fixed disk.
class EineFestplatte : public Laufwerksliste {
public:
    QVector<Laufwerk> laufwerke() const override
    {
        return { Laufwerk { QStringLiteral("/"), Laufwerk::Festplatte, QString() } };
    }
};

double median(QVector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte.at(werte.size() / 2);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() < 3) {
        std::fprintf(stderr, "Aufruf: bench_export ORDNER ANZAHL\n");
        return 2;
    }
    const QString ordner = Pfade::ordner(argumente.at(1));
    const int anzahl = argumente.at(2).toInt();
    const QString quelle = ordner + QStringLiteral("quelle%1/").arg(anzahl);
    if (QDir(quelle).entryList(QDir::Files).size() != anzahl) {
        QDir(quelle).removeRecursively();
        std::printf("%d Bilder werden angelegt …\n", anzahl);
        std::fflush(stdout);
        bilderMachen(quelle, anzahl);
    }

    // A collection whose album holds the pictures where they are, and a presentation of all of them.
    Programmzustand z;
    Datenbankobjekte db;
    EineFestplatte laufwerke;
    z.laufwerksliste = &laufwerke;
    z.programmordner = ordner;
    z.bilderverzeichnis = ordner + QStringLiteral("BilderVerzeichnis/");
    const QString datei = ordner + QStringLiteral("Sammlung.mdb");
    QFile::remove(datei);
    DatenbankErstellen(datei);
    if (!DatenbankOhneAlbenOeffnen(z, db, datei))
        qFatal("Die Sammlung lässt sich nicht öffnen");
    z.einstellungen.lngBehandlungNeueAlben = 2;
    const PraesentationAustausch::Importergebnis import = PraesentationAustausch::Importieren(z, db, quelle);
    if (import.tabelle.isEmpty())
        qFatal("Keine Präsentation: %s", qPrintable(import.fehler));

    // Both read the sources once before the runs, so both start from the page cache.
    QVector<double> kolvar, cp;
    for (int runde = 0; runde < 3; ++runde) {
        const QString zielK = ordner + QStringLiteral("kolvar%1/").arg(runde);
        const QString zielC = ordner + QStringLiteral("cp%1/").arg(runde);
        QDir(zielK).removeRecursively();
        QDir(zielC).removeRecursively();
        QDir().mkpath(zielC);
        // Neither side pays for data the other left unwritten.
        QProcess::execute(QStringLiteral("sync"), {});

        QElapsedTimer uhr;
        uhr.start();
        const PraesentationAustausch::Exportziel ziel
            = PraesentationAustausch::ZielBestimmen(z, db, ordner, QStringLiteral("kolvar%1").arg(runde));
        const auto ergebnis = PraesentationAustausch::Exportieren(
            z, PraesentationAustausch::ExportListe(z, db, import.tabelle), import.praesentationName, ziel.ordner);
        kolvar << uhr.nsecsElapsed() / 1e6;
        if (!ergebnis.vollstaendig())
            qFatal("Export unvollständig: %s", qPrintable(ergebnis.fehler.join(QLatin1Char('\n'))));

        QStringList dateien;
        for (const QString& name : QDir(quelle).entryList(QDir::Files, QDir::Name))
            dateien << quelle + name;
        uhr.restart();
        // The export's copies are on the disk when it returns; cp's are once sync has run.
        const int rc = QProcess::execute(
            QStringLiteral("cp"), QStringList({ QStringLiteral("--") }) + dateien + QStringList({ zielC }));
        const int rcSync = QProcess::execute(QStringLiteral("sync"), {});
        cp << uhr.nsecsElapsed() / 1e6;
        if (rc != 0 || rcSync != 0)
            qFatal("cp+sync ging schief");
        std::printf("Runde %d: kolvar %.0f ms, cp+sync %.0f ms\n", runde + 1, kolvar.last(), cp.last());
        std::fflush(stdout);
        QDir(zielK).removeRecursively();
        QDir(zielC).removeRecursively();
    }
    DatenbankSchliessen(z, db);
    const double k = median(kolvar), c = median(cp);
    std::printf("export: %d pictures kolvar %.0f ms, cp+sync %.0f ms, ratio %.2f\n", anzahl, k, c, k / c);
    return 0;
}
