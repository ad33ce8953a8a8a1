#include <QApplication>

int testeKatalog(int argc, char** argv);
int testeStoryboard(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return testeKatalog(argc, argv) + testeStoryboard(argc, argv);
}
