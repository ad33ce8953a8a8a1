// Slide-show speed: the time from a step to the painted picture, with the
// worker decoding ahead, against vipsthumbnail making screen-size pictures.
#include "Benchsammlung.h"
#include "Datenbankobjekte.h"
#include "Praesentationskatalog.h"
#include "Programmzustand.h"
#include "frmPraesentationAnzeige.h"
#include "mdlDatenbanken.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSqlQuery>
#include <QTest>
#include <cstdio>

namespace {

constexpr int Anzahl = 20;

// Camera-size pictures from whatever photographs the desktop brings.
QStringList bilderMachen(const QString& ordner)
{
    QDir d(ordner);
    QStringList vorhanden = d.entryList({ QStringLiteral("*.jpg"), QStringLiteral("*.JPG") }, QDir::Files, QDir::Name);
    if (vorhanden.size() >= Anzahl)
        return vorhanden.mid(0, Anzahl);
    QDir().mkpath(ordner);
    QStringList quellen;
    for (const QString& q : QDir(QStringLiteral("/usr/share/backgrounds/mate/nature"))
                                .entryList({ QStringLiteral("*.jpg") }, QDir::Files, QDir::Name))
        quellen << QStringLiteral("/usr/share/backgrounds/mate/nature/") + q;
    QStringList namen;
    for (int i = 0; i < Anzahl; ++i) {
        QImage bild = quellen.isEmpty() ? QImage() : QImage(quellen[i % quellen.size()]);
        if (bild.isNull()) {
            bild = QImage(64, 48, QImage::Format_RGB32);
            bild.fill(QColor::fromHsv(i * 17 % 360, 200, 200));
        }
        bild = bild.scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter(&bild).drawText(QRect(0, 0, 6000, 4000), Qt::AlignCenter, QString::number(i + 1));
        const QString name = QStringLiteral("kamera%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0'));
        bild.save(ordner + QLatin1Char('/') + name, "JPEG", 92);
        namen << name;
    }
    return namen;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: bench_diaschau FOTOORDNER ARBEITSORDNER\n");
        return 2;
    }
    const QString fotos = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString arbeit = QString::fromLocal8Bit(argv[2]);
    const QStringList namen = bilderMachen(fotos);
    QDir(arbeit).removeRecursively();
    QDir().mkpath(arbeit);
    const QString datei = arbeit + QStringLiteral("/bench.mdb");
    GrosseSammlungMachen(datei, 1);

    Programmzustand z;
    Datenbankobjekte db;
    z.programmordner = QCoreApplication::applicationDirPath();
    z.bilderverzeichnis = arbeit + QLatin1Char('/');
    if (!DatenbankOeffnen(z, db, datei))
        return 1;
    // The album left in place: its folder is the photographs' folder.
    {
        Transaktion t(db.conDaten);
        db.conDaten.Ausfuehren(QStringLiteral("DELETE FROM \"1\""));
        db.conDaten.Ausfuehren(
            QStringLiteral("UPDATE Alben SET Pfad = ? WHERE Nummer = 1"), { fotos + QLatin1Char('/') });
        for (int i = 0; i < namen.size(); ++i)
            db.conDaten.Ausfuehren(
                QStringLiteral("INSERT INTO \"1\" (DBNummer, Dateiname, ID, Datum) VALUES (?, ?, 0, '2003-01-01')"),
                { QStringLiteral("0001%1").arg(i + 1, 5, 10, QLatin1Char('0')), namen[i] });
        t.bestaetigen();
    }
    db.rsAlben.Requery();
    if (Praesentationskatalog::NeuePraesentation(z, db, QStringLiteral("Bench"))
        != Praesentationskatalog::Ergebnis::Erledigt)
        return 1;
    for (int i = 0; i < namen.size(); ++i)
        db.conDaten.Ausfuehren(
            QStringLiteral("INSERT INTO \"%1\" (Reihenfolge, DBNummer) VALUES (?, ?)").arg(z.praesentationTabelle),
            { i + 1, QStringLiteral("0001%1").arg(i + 1, 5, 10, QLatin1Char('0')) });

    z.praesentationStartposition = 1;
    auto* schau = new frmPraesentationAnzeige(z, db);
    QElapsedTimer uhr;
    bool gemalt = false;
    QObject::connect(schau, &frmPraesentationAnzeige::bildGemalt, [&] { gemalt = true; });
    schau->setGeometry(QGuiApplication::primaryScreen()->geometry());
    schau->showFullScreen();
    (void)QTest::qWaitFor([&] { return gemalt; }, 20000);
    QTest::qWait(500);
    QVector<double> schritte;
    for (int i = 0; i < Anzahl; ++i) {
        gemalt = false;
        uhr.restart();
        schau->Schritt(Diaschaufolge::Schritt::Vor);
        if (!QTest::qWaitFor([&] { return gemalt; }, 20000))
            return 1;
        schritte << uhr.nsecsElapsed() / 1e6;
        QTest::qWait(qMax(0, 500 - int(uhr.elapsed())));
    }
    const QSize schirm = schau->size();
    schau->close();

    QStringList dateien;
    for (const QString& n : namen)
        dateien << fotos + QLatin1Char('/') + n;
    QDir().mkpath(arbeit + QStringLiteral("/vips"));
    QProcess vips;
    vips.setProcessEnvironment([] {
        QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
        u.insert(QStringLiteral("VIPS_CONCURRENCY"), QStringLiteral("1"));
        return u;
    }());
    uhr.restart();
    vips.start(QStringLiteral("vipsthumbnail"),
        QStringList { QStringLiteral("--size"), QStringLiteral("1920x1080"), QStringLiteral("-o"),
            arbeit + QStringLiteral("/vips/%s.jpg") }
            + dateien);
    vips.waitForFinished(-1);
    const double vipsJeBild = uhr.nsecsElapsed() / 1e6 / Anzahl;
    if (vips.exitCode() != 0) {
        std::fprintf(stderr, "vipsthumbnail: %s\n", vips.readAllStandardError().constData());
        return 1;
    }
    double summe = 0;
    for (double s : schritte)
        summe += s;
    const double mittel = summe / schritte.size();
    std::printf("diaschau: screen %dx%d, median %.1f ms/step, slowest %.1f ms\n", schirm.width(), schirm.height(),
        Median(schritte), *std::max_element(schritte.cbegin(), schritte.cend()));
    std::printf("diaschau: kolvar %.1f ms/step, vipsthumbnail %.1f ms/picture, ratio %.3f\n", mittel, vipsJeBild,
        mittel / vipsJeBild);
    return 0;
}
