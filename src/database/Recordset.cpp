#include "Recordset.h"

#include "DatenbankFehler.h"
#include "Katalog.h"
#include "Namensordnung.h"
#include "Verbindung.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace {

// Text comparison of the file: ASCII letters without regard to case.
int vergleicheOhneGrossKlein(const QString& a, const QString& b)
{
    const int n = std::min(a.size(), b.size());
    for (int i = 0; i < n; ++i) {
        ushort x = a.at(i).unicode();
        ushort y = b.at(i).unicode();
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool istZahlTyp(const QVariant& wert)
{
    switch (wert.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void keineZeile()
{
    throw DatenbankFehler(QStringLiteral("Kein aktueller Datensatz (BOF oder EOF ist wahr)."));
}

}  // namespace

QString DatumText(const QDate& datum)
{
    return datum.isValid() ? datum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate DatumAusText(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* form : { "dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd", "dd.MM.yy", "d.M.yy" }) {
        QDate d = QDate::fromString(t, QLatin1String(form));
        if (d.isValid()) {
            // Two-digit years mean this century or the last, as the short date did.
            if (QLatin1String(form).endsWith(QLatin1String(".yy")) && d.year() < 1930)
                d = d.addYears(100);
            return d;
        }
    }
    return QDate();
}

void Recordset::Einrichten(Verbindung* verbindung, Cursor cursor, Sperre sperre)
{
    Schliessen();
    m_verbindung = verbindung;
    m_cursor = cursor;
    m_sperre = sperre;
}

void Recordset::Oeffnen(const Abfrage& quelle)
{
    Schliessen();
    if (!m_verbindung || !m_verbindung->IstOffen())
        throw DatenbankFehler(QStringLiteral("Die Verbindung ist nicht geöffnet."));
    m_quelle = quelle;

    QSqlQuery info = m_verbindung->Abfragen(QStringLiteral("PRAGMA table_info(%1)").arg(Bezeichner(quelle.tabelle)));
    while (info.next()) {
        const QString typ = info.value(QStringLiteral("type")).toString().toUpper();
        m_spalten << info.value(QStringLiteral("name")).toString();
        if (typ == QLatin1String(DatumsTypName()))
            m_arten << Art::Datum;
        else if (typ.contains(QLatin1String("INT")))
            m_arten << Art::Ganzzahl;
        else
            m_arten << Art::Text;
        if (info.value(QStringLiteral("pk")).toInt() == 1 && typ == QLatin1String("INTEGER"))
            m_autoSpalte = static_cast<int>(m_spalten.size()) - 1;
    }
    if (m_spalten.isEmpty())
        throw DatenbankFehler(QStringLiteral("Die Tabelle %1 gibt es nicht.").arg(quelle.tabelle));
    // Which columns compare without regard to case, from the table's own definition.
    QSqlQuery definition = m_verbindung->Abfragen(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?"), { quelle.tabelle });
    const QString sql = definition.next() ? definition.value(0).toString() : QString();
    definition.finish();
    for (const QString& spalte : std::as_const(m_spalten)) {
        const int anfang = sql.indexOf(Bezeichner(spalte) + QLatin1Char(' '));
        int ende = anfang < 0 ? -1 : sql.indexOf(QLatin1String(", \""), anfang);
        if (ende < 0)
            ende = sql.size();
        m_grossKleinEgal << (anfang >= 0
            && sql.mid(anfang, ende - anfang).contains(QLatin1String("COLLATE NOCASE"), Qt::CaseInsensitive));
    }
    laden();
    m_offen = true;
    sichtAufbauen();
}

void Recordset::Schliessen()
{
    m_offen = false;
    m_spalten.clear();
    m_arten.clear();
    m_grossKleinEgal.clear();
    m_autoSpalte = -1;
    m_zeilen.clear();
    m_sicht.clear();
    m_position = 0;
    m_aufGeloeschter = false;
    m_filterSpalte = -1;
    m_filterWert = QVariant();
    m_sortSpalte = -1;
    m_sortAbsteigend = false;
    m_bearbeitung = Bearbeitung::Keine;
    m_puffer.clear();
    m_geaendert.clear();
}

void Recordset::laden()
{
    QSqlQuery abfrage = m_verbindung->Abfragen(m_quelle.sql(), m_quelle.werte);
    const int n = static_cast<int>(m_spalten.size());
    std::vector<Zeile> zeilen;
    while (abfrage.next()) {
        Zeile z;
        z.rowid = abfrage.value(0).toLongLong();
        z.werte.resize(n);
        for (int i = 0; i < n; ++i)
            z.werte[i] = abfrage.value(i + 1);
        zeilen.push_back(std::move(z));
    }
    abfrage.finish();
    m_zeilen = std::move(zeilen);
    // SQLite orders texts by NOCASE, which folds ASCII only; the statement's
    // order is the program's German order instead.
    if (!m_quelle.ordnung.isEmpty() && HatSpalte(m_quelle.ordnung)) {
        const int s = spaltenIndex(m_quelle.ordnung);
        if (m_arten[s] == Art::Text && m_grossKleinEgal[s])
            std::stable_sort(m_zeilen.begin(), m_zeilen.end(),
                             [&](const Zeile& a, const Zeile& b) { return vergleiche(s, a.werte[s], b.werte[s]) < 0; });
    }
}

void Recordset::sichtAufbauen()
{
    m_sicht.clear();
    m_sicht.reserve(static_cast<int>(m_zeilen.size()));
    for (int i = 0; i < static_cast<int>(m_zeilen.size()); ++i) {
        const Zeile& z = m_zeilen[static_cast<size_t>(i)];
        if (!z.geloescht && (m_filterSpalte < 0 || passtZumFilter(z)))
            m_sicht.append(i);
    }
    m_aufGeloeschter = false;
    if (m_sortSpalte >= 0) {
        const int s = m_sortSpalte;
        const bool ab = m_sortAbsteigend;
        std::stable_sort(m_sicht.begin(), m_sicht.end(), [&](int a, int b) {
            const int v
                = vergleiche(s, m_zeilen[static_cast<size_t>(a)].werte[s], m_zeilen[static_cast<size_t>(b)].werte[s]);
            return ab ? v > 0 : v < 0;
        });
    }
    m_position = 0;
}

int Recordset::vergleiche(int spalte, const QVariant& a, const QVariant& b) const
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (m_arten[spalte] == Art::Ganzzahl) {
        const qlonglong x = a.toLongLong();
        const qlonglong y = b.toLongLong();
        return x == y ? 0 : (x < y ? -1 : 1);
    }
    // Names the user gives in German order; other texts (file names) as the
    // file has always ordered them, ASCII letters without regard to case.
    if (m_grossKleinEgal[spalte])
        return Namensordnung::Vergleichen(a.toString(), b.toString());
    const int v = vergleicheOhneGrossKlein(a.toString(), b.toString());
    // "a.jpg" and "A.jpg" are two pictures: a fixed order between them too.
    return v != 0 ? v : a.toString().compare(b.toString());
}

bool Recordset::gleich(int spalte, const QVariant& a, const QVariant& b) const
{
    if (m_arten[spalte] == Art::Ganzzahl)
        return vergleiche(spalte, a, b) == 0;
    if (m_grossKleinEgal[spalte])
        return Namensordnung::Gleich(a.toString(), b.toString());
    return a.toString() == b.toString();
}

bool Recordset::passtZumFilter(const Zeile& zeile) const
{
    if (m_filterWert.isNull())
        return false;
    const QVariant& wert = zeile.werte[m_filterSpalte];
    return !wert.isNull() && gleich(m_filterSpalte, wert, m_filterWert);
}

QVariant Recordset::speicherwert(int spalte, const QVariant& wert) const
{
    if (!wert.isValid() || wert.isNull())
        return QVariant();
    switch (m_arten[spalte]) {
    case Art::Ganzzahl: {
        if (istZahlTyp(wert))
            return wert.toLongLong();
        const QString text = wert.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        bool ok = false;
        const qlonglong zahl = text.toLongLong(&ok);
        if (!ok)
            throw DatenbankFehler(
                QStringLiteral("Der Wert \"%1\" ist keine Zahl (Spalte %2).").arg(text, m_spalten[spalte]));
        return zahl;
    }
    case Art::Datum: {
        QDate datum;
        if (wert.metaType().id() == QMetaType::QDate)
            datum = wert.toDate();
        else if (wert.metaType().id() == QMetaType::QDateTime)
            datum = wert.toDateTime().date();
        else {
            const QString text = wert.toString().trimmed();
            if (text.isEmpty())
                return QVariant();
            datum = DatumAusText(text);
        }
        if (!datum.isValid())
            throw DatenbankFehler(
                QStringLiteral("Der Wert \"%1\" ist kein Datum (Spalte %2).").arg(wert.toString(), m_spalten[spalte]));
        return datum.toString(Qt::ISODate);
    }
    case Art::Text:
        break;
    }
    return wert.toString();
}

QVariant Recordset::lesewert(int spalte, const QVariant& gespeichert) const
{
    if (gespeichert.isNull() || m_arten[spalte] != Art::Datum)
        return gespeichert;
    const QDate datum = QDate::fromString(gespeichert.toString(), Qt::ISODate);
    // A text that is not an ISO date is handed out as it is, never lost.
    return datum.isValid() ? QVariant(datum) : gespeichert;
}

void Recordset::pruefeOffen() const
{
    if (!m_offen)
        throw DatenbankFehler(QStringLiteral("Der Datensatz ist nicht geöffnet."));
}

void Recordset::pruefeZeile() const
{
    pruefeOffen();
    if (m_position < 0 || m_position >= m_sicht.size())
        keineZeile();
    if (m_aufGeloeschter)
        throw DatenbankFehler(QStringLiteral("Der aktuelle Datensatz wurde gelöscht."));
}

bool Recordset::geloeschtenVerlassen()
{
    if (!m_aufGeloeschter)
        return false;
    m_sicht.remove(m_position);
    m_aufGeloeschter = false;
    return true;
}

void Recordset::pruefeSchreibbar() const
{
    pruefeOffen();
    if (m_sperre == NurLesen)
        throw DatenbankFehler(QStringLiteral("Der Datensatz kann nur gelesen werden."));
}

int Recordset::spaltenIndex(const QString& spalte) const
{
    for (int i = 0; i < m_spalten.size(); ++i) {
        if (m_spalten[i].compare(spalte, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DatenbankFehler(QStringLiteral("Die Spalte %1 gibt es nicht.").arg(spalte));
}

bool Recordset::HatSpalte(const QString& spalte) const
{
    for (const QString& s : m_spalten) {
        if (s.compare(spalte, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int Recordset::RecordCount() const
{
    return m_offen ? static_cast<int>(m_sicht.size()) - (m_aufGeloeschter ? 1 : 0) : 0;
}

bool Recordset::Eof() const
{
    return !m_offen || m_sicht.isEmpty() || m_position >= m_sicht.size();
}

bool Recordset::Bof() const
{
    return !m_offen || m_sicht.isEmpty() || m_position < 0;
}

int Recordset::AbsolutePosition() const
{
    if (!m_offen || m_bearbeitung == Bearbeitung::Neu || m_position < 0 || m_position >= m_sicht.size())
        return PositionUnbekannt;
    return m_position + 1;
}

void Recordset::AbsolutePositionSetzen(int position)
{
    pruefeOffen();
    bearbeitungSichern();
    geloeschtenVerlassen();
    if (position < 1 || position > m_sicht.size())
        throw DatenbankFehler(QStringLiteral("Die Position %1 liegt außerhalb der Datensätze.").arg(position));
    m_position = position - 1;
}

void Recordset::MoveFirst()
{
    pruefeOffen();
    bearbeitungSichern();
    geloeschtenVerlassen();
    m_position = 0;
}

void Recordset::MoveLast()
{
    pruefeOffen();
    bearbeitungSichern();
    geloeschtenVerlassen();
    m_position = m_sicht.isEmpty() ? 0 : static_cast<int>(m_sicht.size()) - 1;
}

void Recordset::MoveNext()
{
    pruefeOffen();
    bearbeitungSichern();
    // The deleted row leaves the view, so its successor is already at the position.
    if (!geloeschtenVerlassen() && m_position < m_sicht.size())
        ++m_position;
}

void Recordset::MovePrevious()
{
    pruefeOffen();
    bearbeitungSichern();
    geloeschtenVerlassen();
    if (m_position >= 0)
        --m_position;
}

QVariant Recordset::Feld(const QString& spalte) const
{
    pruefeOffen();
    const int i = spaltenIndex(spalte);
    if (m_bearbeitung != Bearbeitung::Keine)
        return lesewert(i, m_puffer[i]);
    pruefeZeile();
    return lesewert(i, m_zeilen[static_cast<size_t>(m_sicht[m_position])].werte[i]);
}

void Recordset::FeldSetzen(const QString& spalte, const QVariant& wert)
{
    pruefeSchreibbar();
    const int i = spaltenIndex(spalte);
    const QVariant gespeichert = speicherwert(i, wert);
    if (m_bearbeitung == Bearbeitung::Keine) {
        pruefeZeile();
        m_bearbeitung = Bearbeitung::Aendern;
        m_puffer = m_zeilen[static_cast<size_t>(m_sicht[m_position])].werte;
        m_geaendert = QVector<bool>(m_spalten.size(), false);
    }
    m_puffer[i] = gespeichert;
    m_geaendert[i] = true;
}

void Recordset::AddNew()
{
    pruefeSchreibbar();
    bearbeitungSichern();
    geloeschtenVerlassen();
    m_bearbeitung = Bearbeitung::Neu;
    m_puffer = QVector<QVariant>(m_spalten.size());
    m_geaendert = QVector<bool>(m_spalten.size(), false);
}

void Recordset::CancelUpdate()
{
    m_bearbeitung = Bearbeitung::Keine;
    m_puffer.clear();
    m_geaendert.clear();
}

void Recordset::bearbeitungSichern()
{
    if (m_bearbeitung != Bearbeitung::Keine)
        Update();
}

void Recordset::Update()
{
    pruefeOffen();
    if (m_bearbeitung == Bearbeitung::Keine)
        return;
    const QString tabelle = Bezeichner(m_quelle.tabelle);
    QStringList namen;
    QVariantList werte;
    for (int i = 0; i < m_spalten.size(); ++i) {
        if (m_geaendert[i]) {
            namen << Bezeichner(m_spalten[i]);
            werte << m_puffer[i];
        }
    }
    try {
        if (m_bearbeitung == Bearbeitung::Neu) {
            QString sql;
            if (namen.isEmpty()) {
                sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabelle);
            } else {
                QStringList platzhalter;
                for (int i = 0; i < namen.size(); ++i)
                    platzhalter << QStringLiteral("?");
                sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(tabelle, namen.join(QLatin1Char(',')), platzhalter.join(QLatin1Char(',')));
            }
            QSqlQuery& einfuegen = m_verbindung->Vorbereitet(sql);
            for (const QVariant& w : std::as_const(werte))
                einfuegen.addBindValue(w);
            if (!einfuegen.exec())
                throw DatenbankFehler(einfuegen.lastError().text());
            Zeile z;
            z.rowid = einfuegen.lastInsertId().toLongLong();
            einfuegen.finish();
            z.werte = m_puffer;
            if (m_autoSpalte >= 0)
                z.werte[m_autoSpalte] = z.rowid;
            m_zeilen.push_back(std::move(z));
            m_sicht.append(static_cast<int>(m_zeilen.size()) - 1);
            m_position = static_cast<int>(m_sicht.size()) - 1;
        } else if (!namen.isEmpty()) {
            Zeile& z = m_zeilen[static_cast<size_t>(m_sicht[m_position])];
            QStringList zuweisungen;
            for (const QString& n : std::as_const(namen))
                zuweisungen << n + QStringLiteral(" = ?");
            QSqlQuery& aendern = m_verbindung->Vorbereitet(
                QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(tabelle, zuweisungen.join(QLatin1Char(','))));
            for (const QVariant& w : std::as_const(werte))
                aendern.addBindValue(w);
            aendern.addBindValue(z.rowid);
            if (!aendern.exec())
                throw DatenbankFehler(aendern.lastError().text());
            aendern.finish();
            z.werte = m_puffer;
        }
    } catch (...) {
        // A refused change is dropped; the row keeps what is stored.
        CancelUpdate();
        throw;
    }
    CancelUpdate();
}

void Recordset::Delete()
{
    pruefeSchreibbar();
    if (m_bearbeitung == Bearbeitung::Neu) {
        CancelUpdate();
        return;
    }
    CancelUpdate();
    pruefeZeile();
    Zeile& z = m_zeilen[static_cast<size_t>(m_sicht[m_position])];
    m_verbindung->Ausfuehren(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Bezeichner(m_quelle.tabelle)), { z.rowid });
    // The deleted row stays current until the next move, so that a loop of
    // Delete and MoveNext visits every row.
    z.geloescht = true;
    m_aufGeloeschter = true;
}

void Recordset::Requery()
{
    pruefeOffen();
    bearbeitungSichern();
    laden();
    sichtAufbauen();
}

void Recordset::Filter(const QString& spalte, const QVariant& wert)
{
    pruefeOffen();
    bearbeitungSichern();
    m_filterSpalte = spaltenIndex(spalte);
    try {
        m_filterWert = speicherwert(m_filterSpalte, wert);
    } catch (const DatenbankFehler&) {
        m_filterWert = QVariant();  // a value the column cannot hold matches no row
    }
    sichtAufbauen();
}

void Recordset::FilterText(const QString& filter)
{
    if (filter.trimmed().isEmpty()) {
        FilterEntfernen();
        return;
    }
    static const QRegularExpression form(
        QStringLiteral("^\\s*\\[?([^=\\]]+?)\\]?\\s*=\\s*'(.*)'\\s*$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch treffer = form.match(filter);
    if (!treffer.hasMatch())
        throw DatenbankFehler(QStringLiteral("Der Filter \"%1\" hat nicht die Form Spalte = 'Wert'.").arg(filter));
    QString wert = treffer.captured(2);
    wert.replace(QLatin1String("''"), QLatin1String("'"));
    Filter(treffer.captured(1).trimmed(), wert);
}

void Recordset::FilterEntfernen()
{
    pruefeOffen();
    bearbeitungSichern();
    m_filterSpalte = -1;
    m_filterWert = QVariant();
    sichtAufbauen();
}

void Recordset::Sort(const QString& sortierung)
{
    pruefeOffen();
    bearbeitungSichern();
    const QStringList teile = sortierung.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (teile.isEmpty()) {
        m_sortSpalte = -1;
    } else {
        m_sortSpalte = spaltenIndex(teile.first());
        m_sortAbsteigend = teile.size() > 1 && teile.at(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
    }
    sichtAufbauen();
}
