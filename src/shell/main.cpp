#include "Anwendung.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char** argv)
{
    // Qt's own limit on the memory a decoded picture may take stays in force:
    // a raised limit would let one damaged header exhaust the memory.
    qunsetenv("QT_IMAGEIO_MAXALLOC");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrelan"));
    QApplication::setApplicationName(QStringLiteral("Kolvar"));
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.ostrelan.Kolvar"));

    // A second instance ends silently; the running one stays as it is.
    QString laufordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (laufordner.isEmpty())
        laufordner = QDir::tempPath();
    QLockFile sperre(laufordner + QStringLiteral("/kolvar.lock"));
    sperre.setStaleLockTime(0);
    if (!sperre.tryLock(0))
        return 0;

    // Qt's own buttons and dialogs speak German too.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Anwendung anwendung;
    anwendung.Vorbereiten(QCoreApplication::applicationDirPath());
    anwendung.Starten();
    return app.exec();
}
