// The main window's side of the album viewer and the picture list.
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdiHauptform.h"

void mdiHauptform::AlbumAnsichtenZeigen()
{
    // The album viewer and the picture list join here once they exist.
}

void mdiHauptform::timAlbenanzeigeAbgelaufen()
{
    m_timAlbenanzeige.stop();
    AlbumAnsichtenZeigen();
}

void mdiHauptform::mnuBilderListe_Click()
{
    // The picture list joins here once it exists.
}
