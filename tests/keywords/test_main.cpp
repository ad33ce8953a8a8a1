#include <QApplication>

int testeBegriffe(int argc, char** argv);
int testeSuche(int argc, char** argv);
int testeFenster(int argc, char** argv);

// The keyword and search tests in one program, on the offscreen screen.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return testeBegriffe(argc, argv) + testeSuche(argc, argv) + testeFenster(argc, argv);
}
