#include "Begriffstabelle.h"

#include "Begriffsfeld.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "mdlDatenbanken.h"

namespace {

const QString Nummer = QStringLiteral("Nummer");
const QString Text = QStringLiteral("Schluesselbegriff");

// Puts rsBegriffe back unfiltered and by number when it leaves its scope: a
// filter or sort left behind would hide or reorder keywords in every list.
class Grundzustand {
public:
    explicit Grundzustand(Recordset& rs)
        : m_rs(rs)
    {
    }
    ~Grundzustand()
    {
        try {
            if (!m_rs.IstOffen())
                return;
            m_rs.CancelUpdate();
            if (m_rs.IstGefiltert())
                m_rs.FilterEntfernen();
            m_rs.Sort(QStringLiteral("Nummer ASC"));
        } catch (const DatenbankFehler&) {
        }
    }
    Grundzustand(const Grundzustand&) = delete;
    Grundzustand& operator=(const Grundzustand&) = delete;

private:
    Recordset& m_rs;
};

Begriff zeile(const Recordset& rs)
{
    return { FeldLesen(rs, Nummer).toLongLong(), FeldLesen(rs, Text) };
}

// Places rsBegriffe on keyword n (filter on the number); false when it is gone.
bool aufNummer(Recordset& rs, qint64 nummer)
{
    if (!rs.IstOffen())
        return false;
    rs.Filter(Nummer, nummer);
    return rs.RecordCount() > 0;
}

}  // namespace

namespace Begriffstabelle {

QVector<Begriff> Alphabetisch(Recordset& rs)
{
    QVector<Begriff> liste;
    if (!rs.IstOffen())
        return liste;
    Grundzustand zurueck(rs);
    rs.Sort(QStringLiteral("Schluesselbegriff ASC"));
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        liste.append(zeile(rs));
    return liste;
}

QVector<Begriff> DesFeldes(Recordset& rs, const QString& feld)
{
    QVector<Begriff> liste;
    if (!rs.IstOffen() || feld.isEmpty())
        return liste;
    Grundzustand zurueck(rs);
    rs.Sort(QStringLiteral("Nummer ASC"));
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const Begriff b = zeile(rs);
        if (Begriffsfeld::Enthaelt(feld, b.nummer))
            liste.append(b);
    }
    return liste;
}

qint64 NummerVon(Recordset& rs, const QString& text)
{
    if (!rs.IstOffen() || text.isEmpty())
        return 0;
    Grundzustand zurueck(rs);
    if (rs.IstGefiltert())
        rs.FilterEntfernen();
    // The lowest number wins when the table holds the same text twice.
    rs.Sort(QStringLiteral("Nummer ASC"));
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (FeldLesen(rs, Text) == text)
            return FeldLesen(rs, Nummer).toLongLong();
    }
    return 0;
}

QString TextVon(Recordset& rs, qint64 nummer)
{
    Grundzustand zurueck(rs);
    return aufNummer(rs, nummer) ? FeldLesen(rs, Text) : QString();
}

QString TextPruefen(const QString& text)
{
    // Blanks alone are no keyword either.
    if (text.trimmed().isEmpty())
        return QStringLiteral("Bitte geben Sie einen Begriff ein.");
    if (text.size() > Begriffsfeld::BegriffLaenge)
        return QStringLiteral("Der Begriff \"%1\" ist zu lang: höchstens %2 Zeichen sind möglich.")
            .arg(text)
            .arg(Begriffsfeld::BegriffLaenge);
    return QString();
}

qint64 NeuenDatensatzEinfuegen(Datenbankobjekte& db, const QString& text)
{
    const QString grund = TextPruefen(text);
    if (!grund.isEmpty())
        throw DatenbankFehler(grund);
    Recordset& rs = db.rsBegriffe;
    Grundzustand zurueck(rs);
    qint64 nummer = 0;
    try {
        if (rs.IstGefiltert())
            rs.FilterEntfernen();
        rs.AddNew();
        rs.FeldSetzen(Text, text);
        rs.Update();
        nummer = FeldLesen(rs, Nummer).toLongLong();
    } catch (const DatenbankFehler& fehler) {
        throw DatenbankFehler(
            QStringLiteral("Der Begriff \"%1\" kann nicht gespeichert werden.").arg(text) + QChar(13) + fehler.text());
    }
    rs.Requery();
    return nummer;
}

qint64 FindenOderAnlegen(Datenbankobjekte& db, const QString& text)
{
    const qint64 vorhanden = NummerVon(db.rsBegriffe, text);
    return vorhanden > 0 ? vorhanden : NeuenDatensatzEinfuegen(db, text);
}

void Umbenennen(Datenbankobjekte& db, qint64 nummer, const QString& text)
{
    const QString grund = TextPruefen(text);
    if (!grund.isEmpty())
        throw DatenbankFehler(grund);
    Recordset& rs = db.rsBegriffe;
    Grundzustand zurueck(rs);
    if (!aufNummer(rs, nummer))
        throw DatenbankFehler(QStringLiteral("Den Begriff gibt es nicht mehr."));
    const QString alt = FeldLesen(rs, Text);
    try {
        rs.FeldSetzen(Text, text);
        rs.Update();
    } catch (const DatenbankFehler& fehler) {
        throw DatenbankFehler(
            QStringLiteral("Der Begriff \"%1\" kann nicht umbenannt werden.").arg(alt) + QChar(13) + fehler.text());
    }
}

bool Loeschen(Datenbankobjekte& db, qint64 nummer)
{
    Recordset& rs = db.rsBegriffe;
    Grundzustand zurueck(rs);
    if (!aufNummer(rs, nummer))
        return false;
    const QString text = FeldLesen(rs, Text);
    try {
        rs.Delete();
    } catch (const DatenbankFehler& fehler) {
        throw DatenbankFehler(
            QStringLiteral("Der Begriff \"%1\" kann nicht gelöscht werden.").arg(text) + QChar(13) + fehler.text());
    }
    return true;
}

}  // namespace Begriffstabelle
