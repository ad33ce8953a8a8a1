#pragma once
#include <QString>
#include <QStringList>

class QWidget;
struct Programmzustand;
struct Datenbankobjekte;

// Entry points for the main window into the album import and the
// thumbnail run, with their dialogs.

// "Vorhandenen Ordner übernehmen": frmOrdnerWaehlen, then for each ticked
// folder the name query, the notice and the import. Returns the number of
// albums made.
int OrdnerUebernehmen(Programmzustand& z, Datenbankobjekte& db, QWidget* parent);

// The import of the given folders with the name query and the notice; with
// z.importModus set the name is used without asking.
int OrdnerImportieren(Programmzustand& z, Datenbankobjekte& db, const QStringList& ordner, QWidget* parent,
    const QString& name = QString());

// frmAlbumLaden modally for the current album, when a thumbnail is
// missing. True when thumbnails were made.
bool AlbumLadenAusfuehren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent);

// Before the album just chosen is opened: an import of its folder that was
// cut off is finished, and missing thumbnails are made (not for a CD album
// whose disc is in no drive).
void AlbumVervollstaendigen(Programmzustand& z, Datenbankobjekte& db, QWidget* parent);
