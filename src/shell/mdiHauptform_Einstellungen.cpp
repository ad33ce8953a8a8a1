// The main window's side of the settings dialogs and of the presentation
// export and import.
#include "AlbumImport.h"
#include "Datenbankobjekte.h"
#include "PraesentationAustausch.h"
#include "Programmzustand.h"
#include "frmAlbenAuswahl.h"
#include "frmKonfAlben.h"
#include "frmKonfBilderverzeichnis.h"
#include "frmKonfBrowser.h"
#include "frmPraeExportieren.h"
#include "frmPraeImportieren.h"
#include "mdiHauptform.h"

#include <QAction>

void mdiHauptform::einstellungenVerbinden()
{
    const std::pair<const char*, void (mdiHauptform::*)()> befehle[] = {
        { "mnuEinstellungenAlben", &mdiHauptform::EinstellungenAlbenBefehl },
        { "mnuEinstellungenBV", &mdiHauptform::EinstellungenBilderverzeichnisBefehl },
        { "mnuKonfBrowser", &mdiHauptform::EinstellungenBrowserBefehl },
        { "mnuKonfPraesentationen", &mdiHauptform::EinstellungenPraesentationenBefehl },
        { "mnuPraeExportieren", &mdiHauptform::PraesentationExportieren },
        { "mnuPUPraeExportieren", &mdiHauptform::PraesentationExportieren },
        { "mnuPraeImportieren", &mdiHauptform::PraesentationImportieren },
    };
    for (const auto& [name, befehl] : befehle) {
        if (QAction* a = aktion(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, befehl);
    }
}

void mdiHauptform::EinstellungenAlbenBefehl()
{
    frmKonfAlben dialog(z, this);
    dialog.exec();
}

void mdiHauptform::EinstellungenBilderverzeichnisBefehl()
{
    // The picture directory belongs to the open collection.
    if (!z.datenbankOffen)
        return;
    frmKonfBilderverzeichnis dialog(z, db, this);
    dialog.exec();
}

void mdiHauptform::EinstellungenBrowserBefehl()
{
    frmKonfBrowser dialog(z, this);
    if (dialog.exec() != QDialog::Accepted || !z.offen.vorschau)
        return;
    // An open browser is built anew with the new size and row count.
    BrowserBefehl();
    BrowserBefehl();
}

void mdiHauptform::EinstellungenPraesentationenBefehl()
{
    frmKonfPraesentationen dialog(z, this);
    dialog.exec();
}

void mdiHauptform::PraesentationExportieren()
{
    // Only an open presentation can be exported.
    if (!z.datenbankOffen || z.praesentationTabelle.isEmpty())
        return;
    frmPraeExportieren dialog(z, db, this);
    dialog.exec();
}

void mdiHauptform::PraesentationImportieren()
{
    if (!z.datenbankOffen)
        return;
    // Import and the opening of its album are one run: a full disk is reported once.
    Importlauf lauf(z);
    frmPraeImportieren dialog(z, db, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PraesentationAustausch::Importergebnis& ergebnis = dialog.ergebnis();
    // The album just made, by the number the import gave it.
    AlbenBefehleSetzen(true);
    if (frmAlbenAuswahl* auswahl = AlbenauswahlZeigen())
        auswahl->NeuesAlbum(ergebnis.albumName);
    if (ergebnis.tabelle.isEmpty())
        return;
    PraesentationsBefehleSetzen(true);
    // The import made it the open presentation: the storyboard shows it.
    storyboardZeigen();
}
