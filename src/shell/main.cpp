#include "Anwendung.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTranslator>

namespace {

void namenSetzen()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Ostrelan"));
    QCoreApplication::setApplicationName(QStringLiteral("Kolvar"));
    QCoreApplication::setApplicationVersion(Versionstext());
}

// Qt's own texts (the parser's headings and its help and version options) in German.
void qtTexteLaden(QTranslator& texte)
{
    if (texte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&texte);
}

void optionenAnlegen(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Kolvar – Bildersammlungen mit Alben, Stichwörtern und Präsentationen."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --version and --help are answered before any window exists, so they work
// without a display and beside a running instance; the updater relies on it.
bool nurBefehlszeile(int argc, char** argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    optionenAnlegen(parser);
    // Qt's window options (-style, -platform) are unknown here; they are
    // checked again once the application has taken them out.
    parser.parse(argumente);
    return parser.isSet(QStringLiteral("version")) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("help-all"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (nurBefehlszeile(argc, argv)) {
        QCoreApplication befehlszeile(argc, argv);
        namenSetzen();
        QTranslator qtTexte;
        qtTexteLaden(qtTexte);
        QCommandLineParser parser;
        optionenAnlegen(parser);
        parser.process(befehlszeile);  // prints and ends the program
        return 0;
    }

    // Qt's own limit on the memory a decoded picture may take stays in force:
    // a raised limit would let one damaged header exhaust the memory.
    qunsetenv("QT_IMAGEIO_MAXALLOC");
    QApplication app(argc, argv);
    namenSetzen();
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.ostrelan.Kolvar"));
    // Qt's own buttons and dialogs speak German too.
    QTranslator qtTexte;
    qtTexteLaden(qtTexte);
    {
        // Ends the program with a message on an unknown option.
        QCommandLineParser parser;
        optionenAnlegen(parser);
        parser.process(app);
    }

    // A second instance ends silently; the running one stays as it is.
    QString laufordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (laufordner.isEmpty())
        laufordner = QDir::tempPath();
    QLockFile sperre(laufordner + QStringLiteral("/kolvar.lock"));
    sperre.setStaleLockTime(0);
    if (!sperre.tryLock(0))
        return 0;

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Anwendung anwendung;
    anwendung.Vorbereiten(QCoreApplication::applicationDirPath());
    anwendung.Starten();
    return app.exec();
}
