// The commands of the main window and the command states they leave.
#include "Bildknopf.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Datenbankschema.h"
#include "Programmzustand.h"
#include "frmInfos.h"
#include "mdiHauptform.h"
#include "mdlDatenbanken.h"
#include "mdlHilfe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace {

QString dateidialog(QWidget* eltern, bool speichern, const QString& ordner)
{
    QFileDialog dialog(eltern);
    dialog.setNameFilters({QStringLiteral("mdb-Datei (*.mdb)"), QStringLiteral("Alle Dateien (*)")});
    dialog.setDirectory(ordner);
    if (speichern) {
        dialog.setWindowTitle(QStringLiteral("Neue Datenbank"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("mdb"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    } else {
        dialog.setWindowTitle(QStringLiteral("Datenbank öffnen"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

}  // namespace

QString mdiHauptform::DateidialogOrdner(const QString& letzteDatenbank)
{
    const QFileInfo info(letzteDatenbank.trimmed());
    if (!letzteDatenbank.trimmed().isEmpty() && info.isAbsolute() && info.dir().exists())
        return info.absolutePath();
    return QDir::homePath();
}

void mdiHauptform::knopfSetzen(const QString& name, bool aktiv)
{
    Bildknopf* k = knopf(name);
    if (!k)
        return;
    if (aktiv)
        k->freigeben();
    else
        k->sperren();
    k->tag.clear();
}

void mdiHauptform::befehleOhneDatenbank()
{
    for (const char* name : {"mnuAnzeige", "mnuPraesentation", "mnuSuche", "mnuDatenbank", "mnuLoeschenAlbum",
                             "mnuEinstellungenBV", "mnuDateiSchliessen"})
        aktion(QLatin1String(name))->setEnabled(false);
    for (const char* name : {"cmdBrowser", "cmdListe", "cmdPraesentation", "cmdSuche", "cmdAlbum"})
        knopfSetzen(QLatin1String(name), false);
    StatusleisteSetzen(QString(), QString());
}

void mdiHauptform::PraesentationsBefehleSetzen(bool vorhanden)
{
    aktion(QStringLiteral("mnuPraeOeffnen"))->setEnabled(vorhanden);
    aktion(QStringLiteral("mnuLoeschenPraesentation"))->setEnabled(vorhanden);
    knopfSetzen(QStringLiteral("cmdPraesentation"), vorhanden);
    if (!vorhanden)
        aktion(QStringLiteral("mnuPraeSchliessen"))->setEnabled(false);
}

void mdiHauptform::DatenbankBefehleFreigeben(bool mitAlben)
{
    if (mitAlben) {
        for (const char* name : {"mnuAnzeige", "mnuPraesentation", "mnuSuche"})
            aktion(QLatin1String(name))->setEnabled(true);
        for (const char* name : {"cmdBrowser", "cmdListe", "cmdSuche"})
            knopfSetzen(QLatin1String(name), true);
    }
    for (const char* name : {"mnuLoeschenAlbum", "mnuDatenbank", "mnuEinstellungenBV", "mnuDateiSchliessen"})
        aktion(QLatin1String(name))->setEnabled(true);
    knopfSetzen(QStringLiteral("cmdAlbum"), true);
}

void mdiHauptform::StatusleisteSetzen(const QString& feld1, const QString& feld2)
{
    m_status1->setText(feld1);
    m_status2->setText(feld2);
}

bool mdiHauptform::datenbankOeffnenMit(const QString& pfad)
{
    if (pfad.trimmed().isEmpty())
        return false;
    m_letzteDatenbank = pfad;
    const QChar cr(13);
    const QString titel = QStringLiteral("Datenbank öffnen");
    for (;;) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Oeffnungsergebnis ergebnis = SammlungOeffnen(z, db, pfad);
        QApplication::restoreOverrideCursor();
        if (ergebnis.geoeffnet)
            return true;
        z.aktuelleDatenbank.clear();
        befehleOhneDatenbank();
        switch (ergebnis.art) {
        case DatenbankFehler::Gesperrt:
            // The other program may let go of it; the user says when.
            if (z.Meldung(ergebnis.text + cr + cr
                              + QStringLiteral("Beenden Sie das andere Programm und wählen Sie OK, um es noch einmal zu "
                                               "versuchen."),
                          Meldungen::Warnung, titel)
                == Meldungen::Antwort::OK)
                continue;
            return false;
        case DatenbankFehler::Beschaedigt:
        case DatenbankFehler::Schreibgeschuetzt:
        case DatenbankFehler::NeuereVersion:
            z.Meldung(ergebnis.text, Meldungen::Fehler, titel);
            return false;
        default:
            // Other texts may come from the engine in its own words.
            z.Meldung(QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad)
                          + QStringLiteral(" kann nicht geöffnet werden.") + cr + cr
                          + QStringLiteral("Sie ist keine Kolvar-Datenbank, ist beschädigt oder lässt sich nicht lesen "
                                           "und schreiben."),
                      Meldungen::Fehler, titel);
            return false;
        }
    }
}

void mdiHauptform::DatenbankOeffnenBefehl()
{
    const QString pfad
        = dateiWaehlen ? dateiWaehlen(false) : dateidialog(this, false, DateidialogOrdner(m_letzteDatenbank));
    if (pfad.isEmpty())
        return;
    DatenbankSchliessenBefehl();
    datenbankOeffnenMit(pfad);
}

void mdiHauptform::NeueDatenbankBefehl()
{
    const QString pfad
        = dateiWaehlen ? dateiWaehlen(true) : dateidialog(this, true, DateidialogOrdner(m_letzteDatenbank));
    if (pfad.isEmpty())
        return;
    DatenbankSchliessenBefehl();
    try {
        DatenbankErstellen(pfad);
    } catch (const DatenbankFehler& f) {
        // The text names the file or the folder; the old file is untouched.
        z.Meldung(f.text(), Meldungen::Fehler, QStringLiteral("Neue Datenbank"));
        return;
    }
    datenbankOeffnenMit(pfad);
}

void mdiHauptform::DatenbankSchliessenBefehl()
{
    m_datenbankBeimStart.clear();
    KindfensterSchliessen();
    DatenbankSchliessen(z, db);
    z.aktuelleDatenbank.clear();
    befehleOhneDatenbank();
}

void mdiHauptform::PraesentationLoeschenBefehl()
{
    if (db.rsPraesentationen.RecordCount() == 0) {
        z.Meldung(QStringLiteral("Es wurden noch keine Präsentationen erstellt!"));
        return;
    }
    PraesentationLoeschenDialog();
}

void mdiHauptform::SucheBefehl()
{
    // The browser shares the right-hand side with the search: it goes first.
    VorschauSchliessen();
    m_timSuche.start();
}

void mdiHauptform::SucheAnzeigen()
{
    m_timSuche.stop();
    sucheFensterLaden();
}

void mdiHauptform::BrowserBefehl()
{
    BrowserUmschalten();
}

void mdiHauptform::mnuPraeSchliessen_Click()
{
    storyboardEntladen();
    aktion(QStringLiteral("mnuPraeDummy"))->setEnabled(false);
    aktion(QStringLiteral("mnuPraeSchliessen"))->setEnabled(false);
}

void mdiHauptform::HilfeBefehl()
{
    mdlHilfe::HilfeZeigen(z, QString());
}

void mdiHauptform::UeberBefehl()
{
    frmInfos infos(z, this);
    infos.exec();
}
