#include <QGuiApplication>
#include <QtTest>

int testeBildorte(int argc, char** argv);
int testeImport(int argc, char** argv);
int testeVorschau(int argc, char** argv);

// All core tests of the picture subsystem in one program.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    int fehler = testeBildorte(argc, argv);
    fehler += testeImport(argc, argv);
    fehler += testeVorschau(argc, argv);
    return fehler;
}
