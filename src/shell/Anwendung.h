#pragma once
#include "Datenbankobjekte.h"
#include "Meldungsfenster.h"
#include "mdiHauptform.h"
#include "Programmzustand.h"
#include "mdlRegistry.h"

#include <QPointer>
#include <memory>

class Laufwerksliste;

// The running program: owns the program-wide state, the database objects,
// the settings store and the main window, and walks through start-up.
class Anwendung {
public:
    Anwendung();
    ~Anwendung();

    // Fills the state that the start window sets: folders, version, help.
    void Vorbereiten(const QString& programmordner);
    // Shows the start window; it hands over to the main window.
    void Starten();
    // Creates, loads and shows the main window; false when the program must end.
    bool HauptfensterZeigen();

    Programmzustand& zustand() { return m_zustand; }
    Datenbankobjekte& datenbank() { return m_db; }
    mdiHauptform* hauptfenster() const { return m_hauptform.data(); }

private:
    // Removes the program the updater replaced, once this one has started.
    void VorgaengerEntfernen();

    Programmzustand m_zustand;
    Datenbankobjekte m_db;
    Registry m_registry;
    Meldungsfenster m_meldungen;
    std::unique_ptr<Laufwerksliste> m_laufwerke;
    QPointer<mdiHauptform> m_hauptform;
};

QString Versionstext();
// The folder of what the program ships, found from the program's own folder.
QString Datenordner(const QString& programmordner);
