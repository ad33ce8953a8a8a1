#include <QApplication>

int testeKatalog(int argc, char** argv);
int testeStoryboard(int argc, char** argv);
int testeDiaschau(int argc, char** argv);
int testeFenster(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return testeKatalog(argc, argv) + testeStoryboard(argc, argv) + testeDiaschau(argc, argv)
        + testeFenster(argc, argv);
}
