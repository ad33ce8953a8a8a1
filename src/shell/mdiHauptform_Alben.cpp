// The main window's side of the album chooser and album maintenance.
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdiHauptform.h"

void mdiHauptform::AlbenauswahlGeaendert()
{
    // The album chooser window joins here once it exists.
}

void mdiHauptform::AlbumLoeschenBefehl()
{
    if (db.rsAlben.RecordCount() == 0) {
        z.Meldung(QStringLiteral("Es wurden noch keine Alben erstellt!"));
        return;
    }
    // The delete dialog joins here once it exists.
}

void mdiHauptform::AlbumUmbenennenBefehl()
{
    if (db.rsAlben.RecordCount() == 0) {
        z.Meldung(QStringLiteral("Es wurden noch keine Alben erstellt!"));
        return;
    }
    // The rename dialog joins here once it exists.
}
