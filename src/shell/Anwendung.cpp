#include "Anwendung.h"

#include "Datentraegerliste.h"
#include "Version.h"
#include "frmStart.h"
#include "mdiHauptform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

// QT_LOGGING_RULES="kolvar.start.info=true" shows where the program found what it ships.
Q_LOGGING_CATEGORY(kolvarStart, "kolvar.start", QtWarningMsg)

#ifndef KOLVAR_DATEN_RELATIV
#define KOLVAR_DATEN_RELATIV "../share/kolvar"
#endif

QString Versionstext()
{
    return QStringLiteral("%1.%2.%3").arg(KOLVAR_VERSION_MAJOR).arg(KOLVAR_VERSION_MINOR).arg(KOLVAR_VERSION_REVISION);
}

// The pictures are compiled into this static library; a static library's
// resources must be registered by hand.
static void ressourcenLaden()
{
    Q_INIT_RESOURCE(kolvar);
}

QString Datenordner(const QString& programmordner)
{
    // A build folder carries everything beside the program; an installation
    // keeps it in share/kolvar/ beside bin/.
    const QString daneben = QDir::cleanPath(programmordner);
    if (QFileInfo(daneben + QStringLiteral("/help/index.htm")).isFile())
        return daneben;
    const QString installiert = QDir::cleanPath(daneben + QStringLiteral("/" KOLVAR_DATEN_RELATIV));
    if (QFileInfo(installiert + QStringLiteral("/help/index.htm")).isFile())
        return installiert;
    return daneben;
}

Anwendung::Anwendung()
{
    ressourcenLaden();
    m_zustand.meldungen = &m_meldungen;
    m_laufwerke = std::make_unique<Datentraegerliste>();
    m_zustand.laufwerksliste = m_laufwerke.get();
}

Anwendung::~Anwendung()
{
    delete m_hauptform.data();
}

void Anwendung::Vorbereiten(const QString& programmordner)
{
    Programmzustand& z = m_zustand;
    z.programmordner = QDir::cleanPath(programmordner);
    z.versionstext = Versionstext();
    z.datenordner = Datenordner(z.programmordner);
    z.hilfedatei = z.datenordner + QStringLiteral("/help/index.htm");
    if (QFileInfo(z.hilfedatei).isFile())
        qCInfo(kolvarStart).noquote() << "Hilfeseiten:" << z.hilfedatei;
    else
        qCWarning(kolvarStart).noquote() << "Hilfeseiten fehlen:" << z.hilfedatei;
    // Where the program may write: its own folder, or else the user's data folder.
    if (QFileInfo(z.programmordner).isWritable())
        z.schreibordner = z.programmordner;
    else
        z.schreibordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    z.einstellungen.MdacOK = false;
    z.suchergebnisAngezeigt = false;
    z.importModus = false;
    z.datenbankGeoeffnet = false;
}

void Anwendung::Starten()
{
    auto* start = new frmStart([this] {
        if (!HauptfensterZeigen())
            QCoreApplication::exit(1);
    });
    start->show();
}

bool Anwendung::HauptfensterZeigen()
{
    m_hauptform = new mdiHauptform(m_zustand, m_db, m_registry);
    m_hauptform->setAttribute(Qt::WA_DeleteOnClose);
    m_meldungen.setEltern(m_hauptform);
    if (!m_hauptform->Laden()) {
        m_meldungen.setEltern(nullptr);
        delete m_hauptform.data();
        return false;
    }
    m_hauptform->show();
    VorgaengerEntfernen();
    return true;
}

void Anwendung::VorgaengerEntfernen()
{
    // The updater keeps the program it replaced as "kolvar.alt" until the new
    // one has started once; that has now happened. Started as "kolvar.alt"
    // itself, the program keeps it: it is the user's way back.
    if (QFileInfo(QCoreApplication::applicationFilePath()).fileName() == QLatin1String("kolvar.alt"))
        return;
    const QString alt = m_zustand.programmordner + QStringLiteral("/kolvar.alt");
    if (QFileInfo::exists(alt) && !QFile::remove(alt))
        qCWarning(kolvarStart).noquote() << "Vorgänger nicht entfernt:" << alt;
}
