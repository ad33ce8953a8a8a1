#include <QCoreApplication>
#include <QtTest>

int testeMaschine(int argc, char** argv);
int testeSammlung(int argc, char** argv);

// Runs the engine tests and the collection tests in one program.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int fehler = testeMaschine(argc, argv);
    fehler += testeSammlung(argc, argv);
    return fehler;
}
