// Makes the thumbnails of the pictures named on the command line, as the
// album import does, so that bench/run can time the whole process.
//   bench_thumbnails --zelle          prints the cell in pixels, e.g. 160x156
//   bench_thumbnails ZIEL BILD...     writes ZIEL/<name of BILD> for each BILD
#include "Twips.h"
#include "Vorschaubild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments().mid(1);
    const Vorschauvorgaben vorgaben;
    if (argumente.value(0) == QLatin1String("--zelle")) {
        std::printf("%dx%d\n", Twips::zuPixel(vorgaben.breiteTwips), Twips::zuPixel(vorgaben.hoeheTwips));
        return 0;
    }
    if (argumente.size() < 2) {
        std::fprintf(stderr, "Aufruf: bench_thumbnails --zelle | ZIEL BILD...\n");
        return 2;
    }
    const QDir ziel(argumente.first());
    int fehler = 0;
    for (const QString& bild : argumente.mid(1)) {
        const Vorschauergebnis e =
            VorschaubildErzeugen(bild, ziel.filePath(QFileInfo(bild).fileName()), vorgaben);
        if (!e.ok) {
            ++fehler;
            std::fprintf(stderr, "%s: %s %s\n", qPrintable(bild), qPrintable(e.fehlertext), qPrintable(e.grund));
        }
    }
    return fehler == 0 ? 0 : 1;
}
