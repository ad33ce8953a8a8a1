// "Hinzufügen" and "Löschen" of the picture list on a large album and, for
// comparison, "Hinzufügen" on an empty one: the cost per added picture must
// not grow with the album.
#include "Benchsammlung.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Meldungen.h"
#include "Programmzustand.h"
#include "frmBilderListe.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Gross = 10000;
constexpr int Neu = 1000;
constexpr int Laeufe = 3;

// Says yes to the question of "Löschen" and counts every other message.
class Zustimmung : public Meldungen::Dienst {
public:
    Meldungen::Antwort zeigen(const QString& text, Meldungen::Stil stil, const QString&) override
    {
        if (stil != Meldungen::Frage) {
            ++andere;
            std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        }
        return Meldungen::Antwort::Ja;
    }
    int andere = 0;
};

QByteArray kleinesJpeg()
{
    QImage bild(160, 120, QImage::Format_RGB32);
    bild.fill(QColor(0, 139, 139));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            bild.setPixelColor(x, y, QColor(255, 255, (x * y) % 256));
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPG", 85);
    return daten;
}

void schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size())
        qFatal("%s lässt sich nicht schreiben.", qPrintable(pfad));
}

// One open collection with the picture list over its current album.
struct Sitzung {
    Sitzung(const QString& sammlung, const QString& programmordner, Zustimmung& antworten)
    {
        z.programmordner = programmordner;
        z.meldungen = &antworten;
        if (!DatenbankOeffnen(z, db, sammlung))
            qFatal("Die Sammlung %s lässt sich nicht öffnen.", qPrintable(sammlung));
        liste = std::make_unique<frmBilderListe>(z, db);
        liste->resize(260, 700);
        liste->show();
        liste->ListeAuffuellen();
    }
    ~Sitzung()
    {
        liste.reset();
        DatenbankSchliessen(z, db);
    }
    // The album of that name becomes the current one, as the chooser makes it.
    void albumWaehlen(const QString& name)
    {
        db.rsAlben.Filter(QStringLiteral("Albenname"), name);
        z.albumName = name;
        z.albumPfad = FeldLesen(db.rsAlben, QStringLiteral("Pfad"));
        z.albumCDName.clear();
        const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
        db.rsAlben.FilterEntfernen();
        AlbumOeffnen(z, db, nummer);
        z.albumNummer = nummer;
        liste->ListeAuffuellen();
    }
    double hinzufuegen(const QStringList& dateien)
    {
        const int vorher = liste->modell().anzahl();
        QElapsedTimer uhr;
        uhr.start();
        liste->NeueBilderEintragen(dateien);
        const double ms = uhr.nsecsElapsed() / 1e6;
        if (liste->modell().anzahl() != vorher + dateien.size())
            std::fprintf(
                stderr, "hinzufügen: %d statt %d Einträge\n", liste->modell().anzahl(), int(vorher + dateien.size()));
        return ms;
    }
    double loeschen(int jedes)
    {
        BilderListeModell& m = liste->modell();
        const int vorher = m.anzahl();
        m.NormaleTextfelder(0);
        for (int i = jedes; i <= vorher; i += jedes)
            m.markieren(i, true);
        const int markiert = m.AnzahlMarkierteFelder();
        QElapsedTimer uhr;
        uhr.start();
        liste->BildLoeschen();
        const double ms = uhr.nsecsElapsed() / 1e6;
        if (m.anzahl() != vorher - markiert)
            std::fprintf(stderr, "löschen: %d statt %d Einträge\n", m.anzahl(), vorher - markiert);
        return ms;
    }

    Programmzustand z;
    Datenbankobjekte db;
    std::unique_ptr<frmBilderListe> liste;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString ordner
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/bench-pflege");
    QDir().mkpath(ordner);
    const QString basis = ordner + QStringLiteral("/basis.mdb");
    GrosseSammlungMachen(basis, Gross);
    const QByteArray jpeg = kleinesJpeg();

    // The camera's files, added in every run.
    const QString karte = ordner + QStringLiteral("/karte/");
    QDir(karte).removeRecursively();
    QDir().mkpath(karte);
    QStringList dateien;
    for (int i = 1; i <= Neu; ++i) {
        dateien << karte + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        schreiben(dateien.last(), jpeg);
    }

    Zustimmung antworten;
    QVector<double> beiGross, beiNull, loeschen;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        const QString wurzel = ordner + QStringLiteral("/lauf");
        QDir(wurzel).removeRecursively();
        QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash")).removeRecursively();
        const QString programm = wurzel + QStringLiteral("/programm");
        const QString album = programm + QStringLiteral("/BilderVerzeichnis/Gross/");
        QDir().mkpath(album);
        for (int i = 0; i < Gross; ++i)
            schreiben(album + QStringLiteral("bild%1.jpg").arg(i, 5, 10, QLatin1Char('0')), jpeg);

        for (const char* name : { "/loeschen.mdb", "/hinzufuegen.mdb" }) {
            if (!QFile::copy(basis, wurzel + QLatin1String(name)))
                qFatal("Die Sammlung lässt sich nicht kopieren.");
        }
        {
            Sitzung s(wurzel + QStringLiteral("/loeschen.mdb"), programm, antworten);
            loeschen << s.loeschen(Gross / Neu);
        }
        {
            Sitzung s(wurzel + QStringLiteral("/hinzufuegen.mdb"), programm, antworten);
            // The empty album gets its own folder; every other run adds to it first.
            AlbumAnlegen(s.z, s.db, QStringLiteral("Leer"), programm + QLatin1Char('/'));
            QStringList reihenfolge = { QStringLiteral("Gross"), QStringLiteral("Leer") };
            if (lauf % 2)
                std::reverse(reihenfolge.begin(), reihenfolge.end());
            for (const QString& name : std::as_const(reihenfolge)) {
                s.albumWaehlen(name);
                (name == QLatin1String("Gross") ? beiGross : beiNull) << s.hinzufuegen(dateien) / Neu;
            }
        }
        std::printf("Lauf %d: hinzufügen je Bild bei %d %.2f ms, bei 0 %.2f ms; löschen %d von %d %.0f ms\n", lauf + 1,
            Gross, beiGross.last(), beiNull.last(), Neu, Gross, loeschen.last());
        std::fflush(stdout);
    }
    if (antworten.andere > 0)
        std::fprintf(stderr, "%d unerwartete Meldungen\n", antworten.andere);
    const double x = Median(beiGross), y = Median(beiNull);
    std::printf("pflege: add per picture at %d %.2f ms, at 0 %.2f ms, growth %.2f; delete %d of %d %.0f ms\n", Gross, x,
        y, x / y, Neu, Gross, Median(loeschen));
    return 0;
}
