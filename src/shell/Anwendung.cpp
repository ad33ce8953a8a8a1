#include "Anwendung.h"

#include "Datentraegerliste.h"
#include "Version.h"
#include "frmStart.h"
#include "mdiHauptform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    z.hilfedatei = z.programmordner + QStringLiteral("/help/index.htm");
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
    return true;
}
