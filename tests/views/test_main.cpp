#include <QApplication>
#include <QDir>

int testeBilderListe(int argc, char** argv);
int testeBilderpflege(int argc, char** argv);
int testeAlbenAnzeige(int argc, char** argv);

// The views' tests in one program, on the offscreen screen.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Deleted pictures go to the trash of the test's own data folder; empty it.
    const QString daten = qEnvironmentVariable("XDG_DATA_HOME");
    if (daten.endsWith(QLatin1String("/testdaten/test_views")))
        QDir(daten + QStringLiteral("/Trash")).removeRecursively();
    return testeBilderListe(argc, argv) + testeBilderpflege(argc, argv) + testeAlbenAnzeige(argc, argv);
}
