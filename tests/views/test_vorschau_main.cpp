#include <QApplication>

int testeVorschau(int argc, char** argv);
int testeZoom(int argc, char** argv);

// The browser's and the zoom view's tests in one program, on the offscreen screen.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return testeVorschau(argc, argv) + testeZoom(argc, argv);
}
