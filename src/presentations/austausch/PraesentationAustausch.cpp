#include "PraesentationAustausch.h"

#include "Begriffstabelle.h"
#include "Bildangaben.h"
#include "Bildorte.h"
#include "Dateiausgabe.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdlDatenbanken.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

namespace PraesentationAustausch {

namespace {

const QChar CR(13);

QString kanonisch(const QString& pfad)
{
    const QString k = QFileInfo(pfad).canonicalFilePath();
    return k.isEmpty() ? QString() : Pfade::ohneSchraegstrich(k);
}

// What an export takes from a picture's album row.
struct Albumzeile {
    QString dateiname;
    QString begriffsfeld;
    QString bemerkung;
};

// Every row of an album table, by key; read once per album.
QHash<QString, Albumzeile> zeilenDesAlbums(Datenbankobjekte& db, const QString& albumNummer)
{
    QHash<QString, Albumzeile> zeilen;
    Recordset rs;
    rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
    try {
        rs.Oeffnen(Abfrage::Tabelle(albumNummer));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            zeilen.insert(FeldLesen(rs, QStringLiteral("DBNummer")),
                { FeldLesen(rs, QStringLiteral("Dateiname")), FeldLesen(rs, QStringLiteral("Schluesselbegriffe")),
                    FeldLesen(rs, QStringLiteral("Bemerkung")) });
    } catch (const DatenbankFehler&) {
        // An album table that is gone leaves its pictures without a file.
    }
    return zeilen;
}

bool umbenennen(const QString& von, const QString& nach)
{
    // Replaces an existing target in one step, so the old file stays until the new one is whole.
    return std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

// Gives the complete copy teil the picture's keywords and remark (a picture
// without any, whose file carries none either, stays as it is): they are
// put into the copy's bytes in memory, written as a second copy beside it,
// which then takes teil's place. When that cannot be (a type Exiv2 cannot
// write, no room for the second copy), hinweis says why and teil stays the
// complete copy it is. Without warten the caller syncs later, as after
// DateiKopieren.
void angabenSchreiben(const QString& teil, const QString& zweit, const Exportbild& bild, bool warten, QString* hinweis)
{
    if (bild.begriffe.isEmpty() && bild.bemerkung.isEmpty()) {
        const Bildangaben imBild = BildangabenLesen(teil);
        if (imBild.begriffe.isEmpty() && imBild.beschreibung.isEmpty())
            return;
    }
    QFile datei(teil);
    if (!datei.open(QIODevice::ReadOnly)) {
        *hinweis = datei.errorString();
        return;
    }
    const QByteArray vorher = datei.readAll();
    datei.close();
    QByteArray daten = vorher;
    if (!BildangabenEinfuegen(daten, bild.begriffe, bild.bemerkung, hinweis) || daten == vorher)
        return;
    // The copy keeps the source's time, as every copy does.
    const Ausgabefehler art = DateiSchreiben(zweit, daten, QFileInfo(teil).lastModified(), hinweis, warten);
    if (art == Ausgabefehler::KeinPlatz)
        *hinweis = KeinPlatzText(Pfade::ohneSchraegstrich(QFileInfo(zweit).absolutePath()));
    else if (art == Ausgabefehler::Keiner && !umbenennen(zweit, teil)) {
        QFile::remove(zweit);
        *hinweis = QStringLiteral("die Datei kann nicht geschrieben werden");
    }
}

}  // namespace

QString NameBereinigen(const QString& name)
{
    QString sauber = name;
    for (const QChar c : QStringLiteral("|\\/:*?\"<>"))
        sauber.replace(c, QLatin1Char('_'));
    if (!sauber.isEmpty() && sauber.count(QLatin1Char('.')) == sauber.size())
        sauber.fill(QLatin1Char('_'));
    return sauber;
}

QString Dateiname(const QString& name, int position, const QString& quelle)
{
    const QString endung = QFileInfo(quelle).suffix();
    return NameBereinigen(name) + QStringLiteral("%1").arg(position, 4, 10, QLatin1Char('0'))
        + (endung.isEmpty() ? QString() : QLatin1Char('.') + endung);
}

QVector<Exportbild> ExportListe(Programmzustand& z, Datenbankobjekte& db, const QString& tabelle)
{
    QVector<Exportbild> liste;
    Recordset rs;
    rs.Einrichten(&db.conDaten, Recordset::Keyset, Recordset::NurLesen);
    Abfrage abfrage = Abfrage::MitWert(tabelle, QStringLiteral("DBNummer"));
    abfrage.ordnung = QStringLiteral("Reihenfolge");
    rs.Oeffnen(abfrage);
    QHash<QString, QHash<QString, Albumzeile>> alben;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        Exportbild bild;
        bild.dbNummer = FeldLesen(rs, QStringLiteral("DBNummer"));
        if (AlbumDesSchluessels(db.rsAlben, bild.dbNummer, bild.albumPfad, bild.cdName)) {
            const QString albumNummer = QString::number(bild.dbNummer.left(4).toLongLong());
            if (!alben.contains(albumNummer))
                alben.insert(albumNummer, zeilenDesAlbums(db, albumNummer));
            const Albumzeile zeile = alben.value(albumNummer).value(bild.dbNummer);
            bild.dateiname = zeile.dateiname;
            for (const Begriff& begriff : Begriffstabelle::DesFeldes(db.rsBegriffe, zeile.begriffsfeld))
                bild.begriffe << begriff.text;
            bild.bemerkung = zeile.bemerkung;
        }
        if (!bild.dateiname.isEmpty())
            bild.quelle = BildPfadFuerAlbum(z, bild.albumPfad, bild.cdName, bild.dateiname);
        liste.append(bild);
    }
    return liste;
}

QStringList GeschuetzteOrdner(Programmzustand& z, Datenbankobjekte& db)
{
    QStringList ordner;
    Recordset& rs = db.rsAlben;
    if (!rs.IstOffen())
        return ordner;
    const int vorher = rs.AbsolutePosition();
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString pfad = FeldLesen(rs, QStringLiteral("Pfad"));
        const QString cdName = FeldLesen(rs, QStringLiteral("CD-Name"));
        QStringList kandidaten;
        const QString albumordner = Pfade::ordner(BildPfadFuerAlbum(z, pfad, cdName, QString()));
        if (!albumordner.isEmpty())
            kandidaten << albumordner << albumordner + QStringLiteral("TempBilder");
        if (!cdName.isEmpty())
            kandidaten << LokalerVorschauOrdner(z, pfad, cdName);
        for (const QString& k : std::as_const(kandidaten)) {
            const QString echt = kanonisch(k);
            if (!echt.isEmpty() && !ordner.contains(echt))
                ordner << echt;
        }
    }
    if (vorher != Recordset::PositionUnbekannt)
        rs.AbsolutePositionSetzen(vorher);
    return ordner;
}

Exportziel ZielBestimmen(Programmzustand& z, Datenbankobjekte& db, const QString& gewaehlt, const QString& unterordner)
{
    Exportziel ziel;
    const QString basis = Pfade::ordner(gewaehlt);
    if (basis.isEmpty() || !QFileInfo(basis).isDir()) {
        ziel.fehler = QStringLiteral("Das Verzeichnis %1 gibt es nicht.").arg(basis);
        return ziel;
    }
    QString kandidat = basis;
    const QString name = NameBereinigen(unterordner.trimmed());
    if (!name.isEmpty()) {
        kandidat = basis + name;
        // A file of that name takes the name just as a folder does.
        while (QFileInfo::exists(kandidat) || QFileInfo(kandidat).isSymLink())
            kandidat += QStringLiteral("_neu");
        kandidat = Pfade::ordner(kandidat);
    }
    const QStringList geschuetzt = GeschuetzteOrdner(z, db);
    const QString echt = kanonisch(name.isEmpty() ? kandidat : basis);
    if (name.isEmpty() && geschuetzt.contains(echt)) {
        ziel.fehler = QStringLiteral("In das Verzeichnis %1 wird nicht exportiert: es gehört zu einem Album dieser "
                                     "Datenbank, dessen Bilder überschrieben werden könnten.")
                          .arg(kandidat)
            + CR + CR + QStringLiteral("Bitte wählen Sie ein anderes Verzeichnis.");
        return ziel;
    }
    if (!name.isEmpty()) {
        if (!QDir().mkdir(Pfade::ohneSchraegstrich(kandidat))) {
            ziel.fehler = QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(kandidat) + CR + CR
                + QStringLiteral("Die Präsentation wurde nicht exportiert.");
            return ziel;
        }
        ziel.neu = true;
    }
    ziel.ordner = kandidat;
    return ziel;
}

int ExportResteEntfernen(const QString& ordner)
{
    static const QRegularExpression rest(QStringLiteral("^\\.kolvar-export-\\d+-\\d+(-angaben)?\\.teil$"));
    int entfernt = 0;
    const QFileInfoList eintraege
        = QDir(ordner).entryInfoList({ QStringLiteral(".kolvar-export-*.teil") }, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& eintrag : eintraege) {
        if (rest.match(eintrag.fileName()).hasMatch() && eintrag.isFile() && !eintrag.isSymLink()
            && QFile::remove(eintrag.absoluteFilePath()))
            ++entfernt;
    }
    return entfernt;
}

bool OrdnerNichtLeer(const QString& ordner)
{
    return !QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
}

bool NichtLeerBestaetigt(const Programmzustand& z, const QString& ordner)
{
    return z.Meldung(QStringLiteral("Das Verzeichnis ist nicht leer!") + CR + CR
                   + QStringLiteral("Wollen Sie die Präsentation trotzdem in das Verzeichnis:") + CR
                   + Pfade::ohneSchraegstrich(ordner) + CR + QStringLiteral("exportieren?") + CR + CR
                   + QStringLiteral(
                       "Dateien, die dort schon so heißen wie die Bilder der Präsentation, werden dabei ersetzt."),
               Meldungen::Frage, QStringLiteral("Verzeichnis nicht leer!"))
        == Meldungen::Antwort::Ja;
}

Exportergebnis Exportieren(Programmzustand& z, const QVector<Exportbild>& bilder, const QString& name,
    const QString& ziel, const Fortschritt& fortschritt)
{
    Exportergebnis ergebnis;
    ergebnis.ziel = Pfade::ordner(ziel);
    ergebnis.gesamt = static_cast<int>(bilder.size());
    // The sources of this export: a target that is one of them is never replaced.
    QSet<QString> quellen;
    for (const Exportbild& bild : bilder) {
        const QString echt = kanonisch(bild.quelle);
        if (!echt.isEmpty())
            quellen.insert(echt);
    }
    // A run that was killed left its partial copies; they are nobody's pictures.
    ExportResteEntfernen(ergebnis.ziel);
    const QString kennung = QString::number(QCoreApplication::applicationPid());
    // New files go to the disk side by side and are waited for at the end,
    // before anything is reported; a file that replaces one is on the disk
    // before it takes the old one's name.
    QStringList unterwegs;
    const auto sichern = [&] {
        for (const QString& datei : std::as_const(unterwegs)) {
            QString grund;
            if (!DateiSichern(datei, &grund)) {
                --ergebnis.geschrieben;
                ergebnis.fehler << datei + QStringLiteral(": ") + grund;
            }
        }
        unterwegs.clear();
    };
    for (int i = 0; i < ergebnis.gesamt; ++i) {
        const Exportbild& bild = bilder.at(i);
        QString quelle = bild.quelle;
        // A CD album's disc is asked for until it is there or the user gives up.
        while (quelle.isEmpty() && !bild.cdName.isEmpty() && !bild.dateiname.isEmpty()) {
            if (z.Meldung(QStringLiteral("Bitte CD '") + bild.cdName + QStringLiteral("' einlegen!"),
                    Meldungen::Warnung, QStringLiteral("Keine oder falsche CD!"))
                != Meldungen::Antwort::OK) {
                ergebnis.cdAbgebrochen = true;
                sichern();
                return ergebnis;
            }
            quelle = BildPfadFuerAlbum(z, bild.albumPfad, bild.cdName, bild.dateiname);
        }
        const int position = i + 1;
        if (quelle.isEmpty() || !QFileInfo(quelle).isFile()) {
            const QString was = bild.dateiname.isEmpty() ? QStringLiteral("Bild ") + bild.dbNummer : quelle;
            ergebnis.fehler << was + QStringLiteral(": die Datei wurde nicht gefunden");
        } else {
            const QString zielname = ergebnis.ziel + Dateiname(name, position, quelle);
            const QString teil = ergebnis.ziel + QStringLiteral(".kolvar-export-%1-%2.teil").arg(kennung).arg(position);
            QString grund;
            if (quellen.contains(kanonisch(zielname))) {
                ergebnis.fehler << zielname
                        + QStringLiteral(
                            ": die Datei ist selbst ein Bild dieser Präsentation und wird nicht überschrieben");
            } else {
                const bool ersetzt = QFileInfo::exists(zielname);
                QString ohne;
                const Ausgabefehler art = DateiKopieren(quelle, teil, &grund, ersetzt);
                if (art == Ausgabefehler::Keiner)
                    angabenSchreiben(teil, teil.chopped(5) + QStringLiteral("-angaben.teil"), bild, ersetzt, &ohne);
                if (art == Ausgabefehler::KeinPlatz) {
                    ergebnis.keinPlatz = ergebnis.ziel;
                    ergebnis.fehler << zielname + QStringLiteral(": ") + KeinPlatzText(ergebnis.ziel);
                    // The rest would not fit either.
                    for (int rest = position + 1; rest <= ergebnis.gesamt; ++rest)
                        ergebnis.fehler << QStringLiteral("Bild %1: nicht mehr kopiert").arg(rest);
                    sichern();
                    return ergebnis;
                }
                if (art != Ausgabefehler::Keiner) {
                    ergebnis.fehler << zielname + QStringLiteral(": ") + grund;
                } else if (!umbenennen(teil, zielname)) {
                    QFile::remove(teil);
                    ergebnis.fehler << zielname + QStringLiteral(": die Datei kann nicht geschrieben werden");
                } else {
                    ++ergebnis.geschrieben;
                    if (!ohne.isEmpty())
                        ergebnis.ohneAngaben << zielname + QStringLiteral(": ohne Begriffe und Bemerkung kopiert, ") + ohne;
                    if (!ersetzt)
                        unterwegs << zielname;
                }
            }
        }
        if (fortschritt && !fortschritt(position, ergebnis.gesamt)) {
            ergebnis.gestoppt = position < ergebnis.gesamt;
            break;
        }
    }
    sichern();
    return ergebnis;
}

void ErgebnisMelden(const Programmzustand& z, const Exportergebnis& ergebnis)
{
    if (ergebnis.cdAbgebrochen)
        return;
    const QString ordner = Pfade::ohneSchraegstrich(ergebnis.ziel);
    if (ergebnis.vollstaendig()) {
        const QString text = QStringLiteral("Die Präsentation wurde in das Verzeichnis:") + CR + CR + ordner + CR + CR
            + QStringLiteral("exportiert!");
        const QString titel = QStringLiteral("Präsentation wurde exportiert!");
        if (ergebnis.ohneAngaben.isEmpty())
            z.Meldung(text, Meldungen::Information, titel);
        else
            Meldungen::listeZeigen(z.meldungen,
                text + CR + QStringLiteral("Diese Bilder tragen ihre Begriffe und Bemerkung nicht in sich:"),
                ergebnis.ohneAngaben, Meldungen::Information, titel);
        return;
    }
    QString text
        = QStringLiteral("%1 von %2 Bildern wurden in das Verzeichnis:").arg(ergebnis.geschrieben).arg(ergebnis.gesamt)
        + CR + CR + ordner + CR + CR + QStringLiteral("exportiert.");
    if (!ergebnis.keinPlatz.isEmpty())
        text += CR + KeinPlatzText(ordner) + QLatin1Char('.');
    if (ergebnis.gestoppt)
        text += CR + QStringLiteral("Der Export wurde abgebrochen; die kopierten Bilder bleiben im Verzeichnis.");
    if (!ergebnis.fehler.isEmpty())
        text += CR + QStringLiteral("Nicht exportiert:");
    const QStringList liste = ergebnis.fehler + ergebnis.ohneAngaben;
    if (liste.isEmpty())
        z.Meldung(text, Meldungen::Information, QStringLiteral("Präsentation nicht vollständig exportiert!"));
    else
        Meldungen::listeZeigen(z.meldungen, text, liste, Meldungen::Fehler,
            QStringLiteral("Präsentation nicht vollständig exportiert!"));
}

}  // namespace PraesentationAustausch
