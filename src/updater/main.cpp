#include "frmUpdate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmUpdate fenster;
    if (!fenster.laden(Update::InstallationLesen()))
        return 0;
    QObject::connect(&fenster, &frmUpdate::beenden, &app, &QCoreApplication::quit);
    fenster.show();
    return app.exec();
}
