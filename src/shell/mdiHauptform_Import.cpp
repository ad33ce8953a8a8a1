// The main window's side of the folder import and the thumbnail run.
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Ordneruebernahme.h"
#include "Programmzustand.h"
#include "frmAlbenAuswahl.h"
#include "mdiHauptform.h"

void mdiHauptform::OrdnerUebernehmenBefehl()
{
    OrdnerUebernehmen(z, db, this);
}

void mdiHauptform::VorschaubilderBefehl()
{
    if (z.albumNummer.isEmpty() || !db.rsAlbum.IstOffen())
        return;
    VorschaubilderAktualisieren(z, db);
}

void mdiHauptform::AlbumLadenZeigen()
{
    AlbumLadenAusfuehren(z, db, this);
}

void mdiHauptform::ErstesAlbumZeigen()
{
    if (z.albenauswahl.size() < 2)
        return;
    AlbenBefehleSetzen(true);
    // The chooser comes up with its list; an album the user is looking at
    // stays current, only a collection without one opens its first album.
    frmAlbenAuswahl* auswahl = AlbenauswahlZeigen();
    if (z.albumNummer.isEmpty() || !db.rsAlbum.IstOffen())
        auswahl->NeuesAlbum(z.albenauswahl.at(1));
}
