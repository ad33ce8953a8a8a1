#pragma once
#include <QStringList>

struct Datenbankobjekte;
class Recordset;

// Keywords and the remark a picture file brings along (IPTC and XMP, read by
// BildangabenLesen), taken into its row where the import and "Hinzufügen"
// write it.
namespace Angabenuebernahme {

// Sets `Schluesselbegriffe` and, when it is empty, `Bemerkung` of rs's
// current row, without Update. Each text becomes the keyword of exactly
// that name, made when there is none. A text longer than a keyword may be,
// or one for which the picture's field has no room left, is not cut: it is
// left out and named in hinweise as "pfad: ...". True when a field was set.
// Throws DatenbankFehler; after the rollback BegriffeNeuLesen.
bool Uebernehmen(Datenbankobjekte& db, Recordset& rs, const QString& pfad, const QStringList& begriffe,
    const QString& bemerkung, QStringList& hinweise);

// After a rollback: keywords made meanwhile are gone from the table, so
// rsBegriffe reads it anew.
void BegriffeNeuLesen(Datenbankobjekte& db);

}  // namespace Angabenuebernahme
