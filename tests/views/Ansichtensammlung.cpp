#include "Ansichtensammlung.h"

#include "Bilderpflege.h"
#include "Bildorte.h"
#include "Datenbankschema.h"
#include "frmAlbenAnzeige.h"
#include "frmBilderListe.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

void Ansichtenvermittlung::AlbenAnzeigeBildAnzeigen()
{
    if (anzeige)
        anzeige->BildAnzeigen();
}

void Ansichtenvermittlung::AlbenAnzeigeNaviPruefung()
{
    if (anzeige)
        anzeige->NaviPruefung();
}

void Ansichtenvermittlung::AlbenAnzeigeBemerkungSichern()
{
    if (anzeige)
        anzeige->BemerkungSichern();
}

void Ansichtenvermittlung::ListeAuffuellen()
{
    if (liste)
        liste->ListeAuffuellen();
}

void Ansichtenvermittlung::ListeMarkierungNachfuehren()
{
    if (liste)
        liste->ListeMarkierungNachfuehren();
}

Ansichtensammlung::Ansichtensammlung() : bilder(QStringLiteral(":/keine-bilder"))
{
    z.oberflaeche = &ui;
}

Ansichtensammlung::~Ansichtensammlung()
{
    m_anzeige.reset();
    m_liste.reset();
}

QString Ansichtensammlung::albumImBilderverzeichnis(const QString& name)
{
    z.einstellungen.lngBehandlungNeueAlben = 0;
    AlbumAnlegen(z, db, name, z.programmordner + QLatin1Char('/'));
    db.rsAlben.Filter(QStringLiteral("Albenname"), name);
    const QString nummer = FeldLesen(db.rsAlben, QStringLiteral("Nummer"));
    db.rsAlben.FilterEntfernen();
    return nummer;
}

QString Ansichtensammlung::albumMitPfad(const QString& name, const QString& pfad, const QString& cdName)
{
    const QString nummer = albumImBilderverzeichnis(name);
    db.rsAlben.Filter(QStringLiteral("Nummer"), nummer);
    FeldSchreiben(db.rsAlben, QStringLiteral("Pfad"), pfad);
    FeldSchreiben(db.rsAlben, QStringLiteral("CD-Name"), cdName);
    db.rsAlben.FilterEntfernen();
    return nummer;
}

QString Ansichtensammlung::albumordner() const
{
    if (QDir::isAbsolutePath(z.albumPfad))
        return z.albumPfad;
    return z.bilderverzeichnis + z.albumPfad;
}

void Ansichtensammlung::bildHinzufuegen(const QString& dateiname, QSize groesse, const QString& datum)
{
    if (!groesse.isEmpty())
        bildSchreiben(albumordner() + dateiname, groesse);
    BildEintragen(db, dateiname, 0, datum);
    AlbumDBNummernSetzen(db, z.albumNummer);
}

QString Ansichtensammlung::praesentationMit(const QStringList& dbNummern)
{
    const QString tabelle = PraesentationstabelleAnlegen(db, QStringLiteral("Urlaub"));
    int reihenfolge = 1;
    for (const QString& nummer : dbNummern)
        db.conDaten.Ausfuehren(QStringLiteral("INSERT INTO \"%1\" (Reihenfolge, DBNummer) VALUES (?, ?)").arg(tabelle),
                               {reihenfolge++, nummer});
    return tabelle;
}

void Ansichtensammlung::dateizeitSetzen(const QString& pfad, const QDateTime& zeit)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadWrite) || !datei.setFileTime(zeit, QFileDevice::FileModificationTime))
        qFatal("Die Zeit von %s lässt sich nicht setzen.", qPrintable(pfad));
}

QString Ansichtensammlung::spalte(const QString& dateiname, const QString& name)
{
    QSqlQuery q = db.conDaten.Abfragen(
        QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE Dateiname = ?").arg(name, z.albumNummer), {dateiname});
    return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
}

frmBilderListe& Ansichtensammlung::liste()
{
    if (!m_liste) {
        m_liste = std::make_unique<frmBilderListe>(z, db);
        m_liste->resize(260, 400);
        m_liste->show();
        ui.liste = m_liste.get();
    }
    return *m_liste;
}

frmAlbenAnzeige& Ansichtensammlung::anzeige()
{
    if (!m_anzeige) {
        m_anzeige = std::make_unique<frmAlbenAnzeige>(z, db, bilder);
        m_anzeige->show();
        ui.anzeige = m_anzeige.get();
    }
    return *m_anzeige;
}
