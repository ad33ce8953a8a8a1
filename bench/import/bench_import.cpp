// Imports a folder of pictures as a new album in copy mode through the
// program's own import code, and makes the album's thumbnails, as taking
// over a folder and then opening its album do: rows, copies, thumbnails.
//   bench_import QUELLE ARBEIT      ARBEIT is emptied and takes the collection
//   bench_import --ohne-vorschau QUELLE ARBEIT   rows and copies only, so that
//                                    the program itself makes the thumbnails
// Prints the number of pictures entered and thumbnails made.
#include "AlbumImport.h"
#include "Benchsammlung.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Meldungen.h"
#include "Programmzustand.h"
#include "Vorschaubilder.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

// Any message means the run did not go as a user's would.
class Meldungszaehler : public Meldungen::Dienst {
public:
    Meldungen::Antwort zeigen(const QString& text, Meldungen::Stil, const QString&) override
    {
        ++anzahl;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        return Meldungen::Antwort::OK;
    }
    int anzahl = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    const bool ohneVorschau = argumente.value(0) == QLatin1String("--ohne-vorschau");
    if (ohneVorschau)
        argumente.removeFirst();
    if (argumente.size() < 2) {
        std::fprintf(stderr, "Aufruf: bench_import [--ohne-vorschau] QUELLE ARBEIT\n");
        return 2;
    }
    const QString quelle = QDir(argumente.at(0)).absolutePath() + QLatin1Char('/');
    const QString arbeit = QDir(argumente.at(1)).absolutePath();
    QDir(arbeit).removeRecursively();
    QDir().mkpath(arbeit + QStringLiteral("/programm"));
    const QString sammlung = arbeit + QStringLiteral("/import.mdb");
    // A collection opens only with an album in it: an empty one beside.
    GrosseSammlungMachen(sammlung, 0);

    Meldungszaehler meldungen;
    Programmzustand z;
    Datenbankobjekte db;
    z.programmordner = arbeit + QStringLiteral("/programm");
    z.meldungen = &meldungen;
    if (!DatenbankOeffnen(z, db, sammlung))
        qFatal("Die Sammlung %s lässt sich nicht öffnen.", qPrintable(sammlung));
    z.einstellungen.lngBehandlungNeueAlben = 0;
    z.einstellungen.lngBehandlungBilder = 0;  // copy

    Importrueckfragen rueckfragen;
    rueckfragen.nameAbfragen = [](const QString&) { return QStringLiteral("Import"); };
    if (AlbenAusOrdnernAnlegen(z, db, { quelle }, rueckfragen) != 1)
        qFatal("Das Album wurde nicht angelegt.");

    // The new album becomes the current one, as the chooser makes it, and opens.
    db.rsAlben.Filter(QStringLiteral("Albenname"), QStringLiteral("Import"));
    z.albumName = QStringLiteral("Import");
    z.albumPfad = FeldLesen(db.rsAlben, QStringLiteral("Pfad"));
    const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
    db.rsAlben.FilterEntfernen();
    AlbumOeffnen(z, db, nummer);
    z.albumNummer = nummer;
    const int zeilen = db.rsAlbum.RecordCount();
    Vorschaubilderzeugung lauf(z, db);
    if (!ohneVorschau)
        lauf.AlbumLaden();
    const int vorschaubilder = static_cast<int>(QDir(lauf.vorschauordner()).entryList(QDir::Files).size());
    DatenbankSchliessen(z, db);
    std::printf("%d %d\n", zeilen, vorschaubilder);
    return meldungen.anzahl == 0 ? 0 : 1;
}
