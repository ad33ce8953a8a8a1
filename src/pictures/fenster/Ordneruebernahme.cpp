#include "Ordneruebernahme.h"

#include "AlbumImport.h"
#include "Bildorte.h"
#include "Programmzustand.h"
#include "frmAlbumLaden.h"
#include "frmCopyInfo.h"
#include "frmNamenAbfragen.h"
#include "frmOrdnerWaehlen.h"

#include <QApplication>
#include <QFileInfo>
#include <memory>

int OrdnerUebernehmen(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
{
    QStringList ordner;
    {
        frmOrdnerWaehlen dialog(z, parent);
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        ordner = dialog.ausgewaehlteOrdner();
    }
    return OrdnerImportieren(z, db, ordner, parent);
}

int OrdnerImportieren(
    Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner, QWidget* parent, const QString& name)
{
    std::unique_ptr<frmCopyInfo> hinweis;
    Tastenpuffer vorgetippt;
    Importrueckfragen rueckfragen;
    rueckfragen.nameAbfragen = [&](const QString& quellordner) {
        return frmNamenAbfragen::Abfragen(z, db, quellordner, parent, &vorgetippt);
    };
    rueckfragen.hinweisZeigen = [&](Bildbehandlung behandlung) {
        vorgetippt.sammeln(true);
        hinweis = std::make_unique<frmCopyInfo>(HinweisText(behandlung), parent);
        hinweis->anzeigen();
    };
    rueckfragen.hinweisSchliessen = [&] {
        hinweis.reset();
        vorgetippt.sammeln(false);
    };
    const int angelegt = AlbenAusOrdnernAnlegen(z, db, ordner, rueckfragen, name);
    vorgetippt.sammeln(false);
    vorgetippt.abgeben(QApplication::focusWidget());
    return angelegt;
}

bool AlbumLadenAusfuehren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
{
    frmAlbumLaden dialog(z, db, parent);
    const Vorschaubilderzeugung& lauf = dialog.erzeugung();
    // Nothing to do: the window would only flash up.
    if (!lauf.VorschaubilderFehlen())
        return false;
    dialog.exec();
    return dialog.vorschaubilderErzeugt();
}

void AlbumVervollstaendigen(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
{
    AbgebrochenenImportVollenden(z, db);
    if (z.albumCDName.isEmpty() || !CDLaufwerk(z).isEmpty())
        AlbumLadenAusfuehren(z, db, parent);
}
