#pragma once
#include "Bildliste.h"
#include "Oberflaeche.h"
#include "Sammlungsgeruest.h"

#include <QDateTime>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class frmAlbenAnzeige;
class frmBilderListe;

// Stands in for the main window: passes the views' calls to each other as
// the frame does and records what would go to views that are not here.
class Ansichtenvermittlung : public Oberflaeche {
public:
    frmAlbenAnzeige* anzeige = nullptr;
    frmBilderListe* liste = nullptr;
    QStringList aufrufe;

    void AlbenAnzeigeBildAnzeigen() override;
    void AlbenAnzeigeNaviPruefung() override;
    void AlbenAnzeigeBemerkungSichern() override;
    void ListeAuffuellen() override;
    void ListeMarkierungNachfuehren() override;
    void VorschauMarkierungAnzeigen() override { aufrufe << QStringLiteral("VorschauMarkierungAnzeigen"); }
    void ZoomBildAnzeigen() override { aufrufe << QStringLiteral("ZoomBildAnzeigen"); }
    void ZoomAnsichtZeigen() override { aufrufe << QStringLiteral("ZoomAnsichtZeigen"); }
    void BegriffeFensterUmschalten() override { aufrufe << QStringLiteral("BegriffeFensterUmschalten"); }
};

// A fresh collection in a temporary folder with the views' windows on the
// offscreen screen. Albums are made here with their rows and picture files.
class Ansichtensammlung : public Sammlungsgeruest {
public:
    Ansichtensammlung();
    ~Ansichtensammlung();


    // An album with its folder in the picture directory; returns its number.
    QString albumImBilderverzeichnis(const QString& name);
    // An album whose `Pfad` is the given value (absolute, empty) and CD name.
    QString albumMitPfad(const QString& name, const QString& pfad, const QString& cdName = QString());
    // A picture file in the current album's folder and its row; keys set.
    void bildHinzufuegen(const QString& dateiname, QSize groesse = QSize(64, 48),
                         const QString& datum = QStringLiteral("01.02.2003"));
    // A presentation holding the given keys; returns its table name.
    QString praesentationMit(const QStringList& dbNummern);

    QString albumordner() const;
    static void dateizeitSetzen(const QString& pfad, const QDateTime& zeit);
    // A column of the current album's row with that file name.
    QString spalte(const QString& dateiname, const QString& spalte);

    // The two windows, made on demand and wired to each other.
    frmBilderListe& liste();
    frmAlbenAnzeige& anzeige();

    Ansichtenvermittlung ui;
    Bildliste bilder;

private:
    std::unique_ptr<frmBilderListe> m_liste;
    std::unique_ptr<frmAlbenAnzeige> m_anzeige;
};
