#include "Angabenuebernahme.h"

#include "Begriffsfeld.h"
#include "Begriffstabelle.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "mdlDatenbanken.h"

#include <limits>

namespace Angabenuebernahme {

bool Uebernehmen(Datenbankobjekte& db, Recordset& rs, const QString& pfad, const QStringList& begriffe,
    const QString& bemerkung, QStringList& hinweise)
{
    const QString spalte = QStringLiteral("Schluesselbegriffe");
    const QString alt = FeldLesen(rs, spalte);
    QString feld = alt;
    for (const QString& text : begriffe) {
        if (text.size() > Begriffsfeld::BegriffLaenge) {
            hinweise << pfad
                    + QStringLiteral(": der Begriff \"%1\" ist länger als %2 Zeichen und wurde nicht übernommen")
                          .arg(text)
                          .arg(Begriffsfeld::BegriffLaenge);
            continue;
        }
        const qint64 vorhanden = Begriffstabelle::NummerVon(db.rsBegriffe, text);
        if (vorhanden > 0 && Begriffsfeld::Enthaelt(feld, vorhanden))
            continue;
        // A keyword still to be made gets its number only then; the longest
        // number stands in for it, so that none is made for a field without room.
        const QString probe
            = Begriffsfeld::Anhaengen(feld, vorhanden > 0 ? vorhanden : std::numeric_limits<qint32>::max());
        if (probe.size() > Begriffsfeld::FeldLaenge) {
            hinweise << pfad
                    + QStringLiteral(": für den Begriff \"%1\" ist im Begriffsfeld (höchstens %2 Zeichen) kein Platz "
                                     "mehr; er wurde nicht übernommen")
                          .arg(text)
                          .arg(Begriffsfeld::FeldLaenge);
            continue;
        }
        feld = Begriffsfeld::Anhaengen(feld, vorhanden > 0 ? vorhanden : Begriffstabelle::FindenOderAnlegen(db, text));
    }
    bool gesetzt = false;
    if (feld != alt) {
        rs.FeldSetzen(spalte, feld);
        gesetzt = true;
    }
    const QString bemerkungsspalte = QStringLiteral("Bemerkung");
    if (!bemerkung.isEmpty() && FeldLesen(rs, bemerkungsspalte).isEmpty()) {
        rs.FeldSetzen(bemerkungsspalte, bemerkung);
        gesetzt = true;
    }
    return gesetzt;
}

void BegriffeNeuLesen(Datenbankobjekte& db)
{
    try {
        if (db.rsBegriffe.IstOffen())
            db.rsBegriffe.Requery();
    } catch (const DatenbankFehler&) {
        // Read again when the keyword windows open.
    }
}

}  // namespace Angabenuebernahme
