#pragma once
#include "Bilderpflege.h"
#include "Bildliste.h"
#include "Datenbankschema.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "frmVorschau.h"
#include "mdlDatenbanken.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

// Stands in for the main window: passes the views' calls to each other as
// the frame does (the browser's marks are the list's) and records the calls
// meant for views that are not here.
class Ansichtenvermittlung : public Oberflaeche {
public:
    frmAlbenAnzeige* anzeige = nullptr;
    frmBilderListe* liste = nullptr;
    frmVorschau* vorschau = nullptr;
    QStringList aufrufe;
    QStringList namen;  // when set, the browser's names instead of the list's

    void AlbenAnzeigeBildAnzeigen() override { if (anzeige) anzeige->BildAnzeigen(); }
    void AlbenAnzeigeNaviPruefung() override { if (anzeige) anzeige->NaviPruefung(); }
    void AlbenAnzeigeBemerkungSichern() override { if (anzeige) anzeige->BemerkungSichern(); }
    void ListeAuffuellen() override { if (liste) liste->ListeAuffuellen(); }
    void ListeMarkierungNachfuehren() override { if (liste) liste->ListeMarkierungNachfuehren(); }
    bool BildMarkiert(int p) override { return liste && liste->modell().markiert(p); }
    void BildMarkierungSetzen(int p, bool m) override { liste->modell().markieren(p, m); }
    void NormaleTextfelder(int p) override { liste->NormaleTextfelder(p); }
    QString ListenBildname(int p) override
    {
        if (!namen.isEmpty())
            return namen.value(p - 1);
        return liste->modell().gueltig(p) ? liste->modell().eintrag(p).dateiname : QString();
    }
    int KlickAnker() override { return liste->modell().anker(); }
    void KlickAnkerSetzen(int p) override { liste->modell().ankerSetzen(p); }
    void VorschauNeuesAlbumAnzeigen() override { if (vorschau) vorschau->NeuesAlbumAnzeigen(); }
    void VorschauMarkierungAnzeigen() override
    {
        aufrufe << QStringLiteral("VorschauMarkierungAnzeigen");
        if (vorschau)
            vorschau->MarkierungAnzeigen();
    }
    void ZoomBildAnzeigen() override { aufrufe << QStringLiteral("ZoomBildAnzeigen"); }
    void ZoomAnsichtZeigen() override { aufrufe << QStringLiteral("ZoomAnsichtZeigen"); }
};

// A fresh collection in a temporary folder with the views' windows on the
// offscreen screen. Albums are made here with their rows and picture files.
class Ansichtensammlung : public Sammlungsgeruest {
public:
    Ansichtensammlung() : bilder(QStringLiteral(":/keine-bilder")) { z.oberflaeche = &ui; }

    // Makes the album current, with its folder in the picture directory or,
    // given a `Pfad` (absolute or empty), there and on that CD; returns its number.
    QString album(const QString& name, std::optional<QString> pfad = {}, const QString& cdName = {})
    {
        AlbumAnlegen(z, db, name, z.programmordner + QLatin1Char('/'));
        const QString nummer = albumNummer(name);
        if (pfad) {
            db.rsAlben.Filter(QStringLiteral("Nummer"), nummer);
            FeldSchreiben(db.rsAlben, QStringLiteral("Pfad"), *pfad);
            FeldSchreiben(db.rsAlben, QStringLiteral("CD-Name"), cdName);
            db.rsAlben.FilterEntfernen();
        }
        albumWaehlen(nummer);
        return nummer;
    }
    QString albumordner() const
    {
        return QDir::isAbsolutePath(z.albumPfad) ? z.albumPfad : z.bilderverzeichnis + z.albumPfad;
    }
    // A picture file (none for an empty size) in the current album's folder and its row.
    void bild(const QString& datei, QSize groesse = {64, 48}, const QString& datum = QStringLiteral("01.02.2003"))
    {
        if (!groesse.isEmpty())
            bildSchreiben(albumordner() + datei, groesse);
        BildEintragen(db, datei, 0, datum);
        AlbumDBNummernSetzen(db, z.albumNummer);
    }
    // Pictures "bild01.jpg" up to n.
    void nummerierteBilder(int n, QSize groesse = {})
    {
        for (int i = 1; i <= n; ++i)
            bild(QStringLiteral("bild%1.jpg").arg(i, 2, 10, QLatin1Char('0')), groesse);
    }
    static bool dateizeit(const QString& pfad, QDate tag)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadWrite) && f.setFileTime(tag.startOfDay(), QFileDevice::FileModificationTime);
    }
    // A column of the current album's row with that file name.
    QString spalte(const QString& datei, const QString& name)
    {
        QSqlQuery q = db.conDaten.Abfragen(
            QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE Dateiname = ?").arg(name, z.albumNummer), {datei});
        return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
    }
    QStringList namen()
    {
        QStringList n;
        for (int i = 1; i <= liste().modell().anzahl(); ++i)
            n << liste().modell().eintrag(i).dateiname;
        return n;
    }

    // The two windows, made on demand and wired to each other.
    frmBilderListe& liste()
    {
        if (!m_liste) {
            m_liste = std::make_unique<frmBilderListe>(z, db);
            m_liste->resize(260, 400);
            m_liste->show();
            ui.liste = m_liste.get();
        }
        return *m_liste;
    }
    frmAlbenAnzeige& anzeige()
    {
        if (!m_anzeige) {
            m_anzeige = std::make_unique<frmAlbenAnzeige>(z, db, bilder);
            m_anzeige->show();
            ui.anzeige = m_anzeige.get();
        }
        return *m_anzeige;
    }

    Ansichtenvermittlung ui;
    Bildliste bilder;

private:  // the viewer goes first
    std::unique_ptr<frmBilderListe> m_liste;
    std::unique_ptr<frmAlbenAnzeige> m_anzeige;
};
