#include <QApplication>
#include <QtTest>

int testeAlbenpflege(int argc, char** argv);
int testeAlbenfenster(int argc, char** argv);

// The core tests and the window tests in one program with one application.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int fehler = testeAlbenpflege(argc, argv);
    fehler += testeAlbenfenster(argc, argv);
    return fehler;
}
