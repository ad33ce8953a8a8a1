// Makes the thumbnails of the pictures named on the command line, as the
// album import does, so that bench/run can time the whole process.
//   bench_thumbnails --zelle          prints the cell in pixels, e.g. 160x156
//   bench_thumbnails ZIEL BILD...     writes ZIEL/<name of BILD> for each BILD
//   bench_thumbnails --alle ZIEL BILD...  the same on every core
#include "Twips.h"
#include "Vorschaubild.h"
#include "Vorschaubildpool.h"

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
    const bool alle = argumente.first() == QLatin1String("--alle");
    const QStringList rest = alle ? argumente.mid(1) : argumente;
    const QDir ziel(rest.value(0));
    int fehler = 0;
    const auto melden = [&fehler](const QString& bild, const Vorschauergebnis& e) {
        if (!e.ok) {
            ++fehler;
            std::fprintf(stderr, "%s: %s %s\n", qPrintable(bild), qPrintable(e.fehlertext), qPrintable(e.grund));
        }
    };
    const QStringList bilder = rest.mid(1);
    if (alle) {
        QVector<Vorschauauftrag> auftraege;
        for (const QString& bild : bilder)
            auftraege.push_back({ bild, ziel.filePath(QFileInfo(bild).fileName()) });
        VorschaubilderParallelErzeugen(
            auftraege,
            [&](int i, const Vorschauergebnis& e) {
                melden(bilder.at(i), e);
                return true;
            },
            vorgaben);
    } else {
        for (const QString& bild : bilder)
            melden(bild, VorschaubildErzeugen(bild, ziel.filePath(QFileInfo(bild).fileName()), vorgaben));
    }
    return fehler == 0 ? 0 : 1;
}
