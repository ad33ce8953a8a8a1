#include "Vorschaubilder.h"

#include "AlbumImport.h"
#include "Bildorte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"

#include "Dateiausgabe.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Recordset.h"
#include "Vorschaubild.h"
#include "Vorschaubildpool.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

Vorschaubilderzeugung::Vorschaubilderzeugung(Programmzustand& z, Datenbankobjekte& db)
    : m_z(z)
    , m_db(db)
    , m_albumNummer(z.suchergebnisAngezeigt ? QString() : z.albumNummer)
{
    const QString albumordner = AlbumOrdnerStill(z, db);
    m_quellordner = albumordner.isEmpty() ? QString() : Pfade::ohneSchraegstrich(albumordner);
    const QString tempBilder = m_quellordner.isEmpty() ? QString() : m_quellordner + QStringLiteral("/TempBilder");
    if (z.albumCDName.isEmpty()) {
        m_vorschauordner = tempBilder;
        return;
    }
    // A CD album keeps its thumbnails below the picture directory, unless
    // the disc brings its own and there is no local copy yet.
    m_vorschauordner = Pfade::ohneSchraegstrich(LokalerVorschauOrdner(z, z.albumPfad, z.albumCDName));
    if (!QFileInfo(m_vorschauordner).isDir() && !tempBilder.isEmpty() && QFileInfo(tempBilder).isDir()) {
        m_vorschauordner = tempBilder;
        m_ordnerAufCD = true;
    }
}

QStringList Vorschaubilderzeugung::bildnamen(bool mitOrdner) const
{
    QStringList namen = mitOrdner ? Bilddateien(m_quellordner + QLatin1Char('/')) : QStringList();
    if (!m_albumNummer.isEmpty() && m_db.conDaten.IstOffen()) {
        try {
            Recordset rs;
            rs.Einrichten(&m_db.conDaten, Recordset::Keyset, Recordset::NurLesen);
            rs.Oeffnen(Abfrage::MitWert(m_albumNummer, QStringLiteral("Dateiname")));
            for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
                const QString name = FeldLesen(rs, QStringLiteral("Dateiname"));
                if (!namen.contains(name))
                    namen << name;
            }
            return namen;
        } catch (const DatenbankFehler&) {
            // Then the folder tells.
        }
    }
    return mitOrdner ? namen : Bilddateien(m_quellordner + QLatin1Char('/'));
}

bool Vorschaubilderzeugung::vorschauDa(const QString& name) const
{
    // An empty file is what a write cut off by a crash used to leave.
    const QFileInfo info(vorschauVon(name));
    return info.isFile() && info.size() > 0;
}

bool Vorschaubilderzeugung::VorschaubilderFehlen() const
{
    if (m_quellordner.isEmpty() || m_vorschauordner.isEmpty())
        return false;
    if (!QFileInfo(m_vorschauordner).isDir())
        return true;
    // Without its pictures (a stick unplugged) nothing could be made.
    if (m_ordnerAufCD || !QFileInfo(m_quellordner).isDir())
        return false;
    const QStringList namen = bildnamen(false);
    return std::any_of(namen.begin(), namen.end(), [this](const QString& name) {
        return !vorschauDa(name) && QFileInfo(m_quellordner + QLatin1Char('/') + name).isFile();
    });
}

bool Vorschaubilderzeugung::ordnerAnlegen()
{
    // Only beside pictures that are there: a folder made for a missing album
    // (a stick unplugged, a folder moved) would hide it and later collide.
    return !m_vorschauordner.isEmpty() && QFileInfo(m_quellordner).isDir() && QDir().mkpath(m_vorschauordner);
}

bool Vorschaubilderzeugung::AlbumLaden(const Fortschritt& fortschritt)
{
    // Without the pictures' folder (CD not in the drive) an empty thumbnail
    // folder would only hide the missing thumbnails for ever.
    if (!VorschaubilderFehlen())
        return false;
    const QChar cr(13);
    if (!QFileInfo(m_quellordner).isDir()) {
        m_z.Meldung(QStringLiteral("Der Ordner des Albums wurde nicht gefunden:") + cr + m_quellordner,
            Meldungen::Information, QStringLiteral("Keine Vorschaubilder!"));
        return false;
    }
    const bool neu = !QFileInfo(m_vorschauordner).isDir();
    if (neu && !ordnerAnlegen()) {
        m_z.Meldung(
            QStringLiteral("Der Ordner für die Vorschaubilder kann nicht angelegt werden:") + cr + m_vorschauordner,
            Meldungen::Information, QStringLiteral("Keine Vorschaubilder!"));
        return false;
    }
    VorschauBilderErzeugen(fortschritt, neu);
    return true;
}

bool Vorschaubilderzeugung::VorschauBilderErzeugen(const Fortschritt& fortschritt, bool ganzerOrdner)
{
    Sanduhr sanduhr;
    QStringList dateien = bildnamen(ganzerOrdner);
    // A row whose file is gone has nothing to make a thumbnail of.
    dateien.removeIf([this](const QString& name) {
        return vorschauDa(name) || !QFileInfo(m_quellordner + QLatin1Char('/') + name).isFile();
    });
    const int anzahl = static_cast<int>(dateien.size());
    QVector<Vorschauauftrag> auftraege;
    auftraege.reserve(anzahl);
    for (const QString& name : std::as_const(dateien))
        auftraege.push_back({ m_quellordner + QLatin1Char('/') + name, vorschauVon(name) });
    Restzeitschaetzung schaetzung(anzahl);
    QElapsedTimer uhr;
    uhr.start();
    QStringList fehler;
    bool voll = false;
    QCoreApplication::processEvents();
    VorschaubilderParallelErzeugen(auftraege, [&](int i, const Vorschauergebnis& ergebnis) {
        if (ergebnis.keinPlatz) {
            // Every further thumbnail would fail the same way: one message, and the run stops.
            voll = true;
            return false;
        }
        if (!ergebnis.ok)
            fehler << auftraege.at(i).bild + QStringLiteral(": ")
                    + (ergebnis.grund.isEmpty() ? ergebnis.fehlertext : ergebnis.grund);
        const QString restzeit = schaetzung.messen(i, uhr.elapsed());
        if (fortschritt)
            fortschritt(i + 1, anzahl, restzeit);
        return true;
    });
    if (voll)
        KeinPlatzMelden(m_z, m_vorschauordner);
    Meldungen::listeZeigen(m_z.meldungen, QStringLiteral("Fehler beim Laden des Bildes."), fehler,
        Meldungen::Information, QStringLiteral("Keine Vorschaubilder!"));
    return !voll;
}

bool Vorschaubilderzeugung::VBEinzeln(const QString& bildpfad)
{
    if (!QFileInfo(m_vorschauordner).isDir() && !ordnerAnlegen())
        return false;
    // Decoded already reduced, scaled into a cell of 2400 x 2340 twips and
    // written as JPEG of quality 85.
    const Vorschauergebnis ergebnis
        = VorschaubildErzeugen(bildpfad, m_vorschauordner + QLatin1Char('/') + QFileInfo(bildpfad).fileName());
    if (ergebnis.keinPlatz)
        KeinPlatzMelden(m_z, m_vorschauordner);
    else if (!ergebnis.ok)
        m_z.Meldung(ergebnis.fehlertext);
    return ergebnis.ok;
}

int Vorschaubilderzeugung::VBMehrere(
    const QStringList& bildpfade, const Bildschritt& vorher, const Bildschritt& nachher)
{
    if (bildpfade.isEmpty() || (!QFileInfo(m_vorschauordner).isDir() && !ordnerAnlegen()))
        return 0;
    QVector<Vorschauauftrag> auftraege;
    auftraege.reserve(bildpfade.size());
    for (const QString& pfad : bildpfade)
        auftraege.push_back({ pfad, m_vorschauordner + QLatin1Char('/') + QFileInfo(pfad).fileName() });
    int gemacht = 0;
    VorschaubilderParallelErzeugen(auftraege, [&](int i, const Vorschauergebnis& ergebnis) {
        if (vorher)
            vorher(i);
        if (ergebnis.keinPlatz) {
            // The rest get theirs when the album is opened next with room on the disk.
            KeinPlatzMelden(m_z, m_vorschauordner);
            return false;
        }
        if (ergebnis.ok)
            ++gemacht;
        else
            m_z.Meldung(ergebnis.fehlertext);
        if (nachher)
            nachher(i);
        return true;
    });
    return gemacht;
}

void Vorschaubilderzeugung::OrdnerLoeschen()
{
    OrdnerMitDateienLoeschen(m_vorschauordner);
}

QString RestzeitText(qint64 sekunden)
{
    if (sekunden <= 0)
        return QString();
    const qint64 stunden = sekunden / 3600;
    const qint64 minuten = (sekunden % 3600) / 60;
    const QString anfang = QStringLiteral("Noch verbleibende Zeit: ca. ");
    const QString zweiMinuten = QString::number(minuten).rightJustified(2, QLatin1Char('0'));
    if (stunden == 0)
        return anfang + QString::number(std::max<qint64>(minuten, 1)) + QStringLiteral(" min");
    return anfang + QString::number(stunden) + QStringLiteral(" h ") + zweiMinuten + QStringLiteral(" min");
}

QString Restzeitschaetzung::messen(int k, qint64 jetztMs)
{
    if (k <= 0 || k % Blockgroesse != 0)
        return QString();
    if (k == Blockgroesse) {
        m_letzte = jetztMs;
        return QString();
    }
    const qint64 vorige = m_letzte;
    m_letzte = jetztMs;
    m_summe += double(m_letzte - vorige);
    ++m_bloecke;
    const double schnitt = m_summe / m_bloecke;
    const double restMs = double(m_anzahl - 1 - k) / Blockgroesse * schnitt;
    return RestzeitText(std::llround(restMs / 1000.0));
}
