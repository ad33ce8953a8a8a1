// The main window's side of the album viewer and the picture list: loading
// them into the frame, placing them, and passing the other views' calls on.
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "Unterfenster.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmBilderListe.h"
#include "mdiHauptform.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QResizeEvent>
#include <functional>

namespace {

// Watches the frame and the two views for the few events the main window
// reacts to; the main window's own filter belongs to its toolbar.
class Ansichtenfilter : public QObject {
public:
    Ansichtenfilter(std::function<void(QObject*, QEvent*)> reaktion, QObject* eltern)
        : QObject(eltern)
        , m_reaktion(std::move(reaktion))
    {
    }
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        m_reaktion(objekt, ereignis);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> m_reaktion;
};

void schliessen(QMdiArea* flaeche, const QString& name)
{
    if (QMdiSubWindow* f = unterfenster(flaeche, name))
        f->close();
}

} // namespace

void mdiHauptform::ansichtenAnordnen()
{
    int oben = 0;
    int links = 0;
    if (QMdiSubWindow* storyboard = unterfenster(m_flaeche, QStringLiteral("frmPraesentationStoryboard")))
        oben = storyboard->height();
    // The viewer goes below the album chooser, which lies below an open
    // storyboard, and is as wide as the chooser.
    QMdiSubWindow* anzeige = rahmen(m_albenAnzeige);
    if (QMdiSubWindow* auswahl = unterfenster(m_flaeche, QStringLiteral("frmAlbenAuswahl"))) {
        links = auswahl->geometry().right() + 1;
        if (anzeige) {
            anzeige->move(0, auswahl->geometry().bottom() + 1);
            anzeige->resize(auswahl->width(), anzeige->height());
        }
    } else if (anzeige) {
        anzeige->move(0, oben);
    }
    if (anzeige)
        links = std::max(links, anzeige->geometry().right() + 1);
    if (QMdiSubWindow* liste = rahmen(m_bilderListe)) {
        // Never beyond the frame's right edge, where it could not be reached.
        const int platz = m_flaeche->viewport()->width() - links;
        const int breite
            = std::max(liste->minimumSizeHint().width(), std::min(Twips::zuPixel(z.einstellungen.ListeBreite), platz));
        m_listeWirdAngeordnet = true;
        liste->setGeometry(links, oben, breite, liste->height());
    }
    hoehenAnpassen();
    m_listeWirdAngeordnet = false;
    // The browser in the list's place follows it, below a storyboard that came or went.
    vorschauAnordnen();
}

void mdiHauptform::hoehenAnpassen()
{
    // The viewer and the list reach down to the frame's lower edge; the
    // viewer scrolls what does not fit.
    int unten = m_flaeche->viewport()->height();
    QMdiSubWindow* anzeige = rahmen(m_albenAnzeige);
    if (QMdiSubWindow* liste = rahmen(m_bilderListe))
        liste->resize(liste->width(), std::max(liste->minimumSizeHint().height(), unten - liste->y()));
    // An open keyword window takes the lower end of the viewer's column and
    // the viewer ends above it: it covers neither the viewer's remark nor the
    // list's buttons.
    if (QMdiSubWindow* begriffe = rahmen(m_begriffe)) {
        const int breite
            = std::max(begriffe->minimumSizeHint().width(), anzeige ? anzeige->width() : begriffe->width());
        const int oben
            = std::max(anzeige ? anzeige->y() + anzeige->minimumSizeHint().height() : 0, unten - begriffe->height());
        begriffe->setGeometry(anzeige ? anzeige->x() : 0, oben, breite, begriffe->height());
        unten = oben;
    }
    if (anzeige)
        anzeige->resize(anzeige->width(), std::max(anzeige->minimumSizeHint().height(), unten - anzeige->y()));
}

void mdiHauptform::albenAnzeigeLaden()
{
    if (m_albenAnzeige)
        return;
    if (!m_ansichtenFilter) {
        m_ansichtenFilter = new Ansichtenfilter(
            [this](QObject* objekt, QEvent* ereignis) {
                if (objekt == m_flaeche->viewport()) {
                    if (ereignis->type() == QEvent::MouseMove && m_albenAnzeige)
                        m_albenAnzeige->AktiverButtonLeeren();
                    else if (ereignis->type() == QEvent::Resize)
                        ansichtenAnordnen();  // the list gets back the width it was narrowed from
                } else if (ereignis->type() == QEvent::Resize && m_bilderListe && objekt == m_bilderListe
                    && !m_listeWirdAngeordnet && m_bilderListe->isVisible()
                    && static_cast<QResizeEvent*>(ereignis)->oldSize().width()
                        != static_cast<QResizeEvent*>(ereignis)->size().width()) {
                    // The width the user gave the list is kept, across restarts too.
                    z.einstellungen.ListeBreite = Twips::ausPixel(rahmen(m_bilderListe)->width());
                } else if (ereignis->type() == QEvent::MouseMove) {
                    // Over a view the toolbar's hover pictures go.
                    KnoepfeZuruecksetzen();
                }
            },
            this);
        m_flaeche->viewport()->installEventFilter(m_ansichtenFilter);
    }
    auto* anzeige = new frmAlbenAnzeige(z, db, m_bilder);
    m_albenAnzeige = anzeige;
    anzeige->installEventFilter(m_ansichtenFilter);
    anzeige->bilderverzeichnisWaehlen = [this] { aktion(QStringLiteral("mnuEinstellungenBV"))->trigger(); };
    connect(anzeige, &frmAlbenAnzeige::geschlossen, this, [this, anzeige] {
        if (m_albenAnzeige == anzeige)
            m_albenAnzeige = nullptr;
    });
    connect(anzeige, &frmAlbenAnzeige::zoomAnsichtSchliessen, this, &mdiHauptform::ZoomAnsichtSchliessen);
    QMdiSubWindow* rahmen = m_flaeche->addSubWindow(
        anzeige, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    connect(rahmen, &QMdiSubWindow::aboutToActivate, anzeige, &frmAlbenAnzeige::Aktivieren);
    rahmen->adjustSize();
    rahmen->show();
    ansichtenAnordnen();
}

void mdiHauptform::bilderListeLaden()
{
    if (m_bilderListe)
        return;
    auto* liste = new frmBilderListe(z, db);
    m_bilderListe = liste;
    if (m_ansichtenFilter)
        liste->installEventFilter(m_ansichtenFilter);
    connect(liste, &frmBilderListe::geschlossen, this, [this, liste] {
        if (m_bilderListe == liste)
            m_bilderListe = nullptr;
    });
    connect(liste, &frmBilderListe::kontextmenueGewuenscht, this,
        [this](const QPoint& global) { menue(QStringLiteral("mnuBrowserPU"))->popup(global); });
    QMdiSubWindow* rahmen = m_flaeche->addSubWindow(
        liste, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    connect(rahmen, &QMdiSubWindow::aboutToActivate, liste, [this, liste] {
        liste->Aktivieren();
        schliessen(m_flaeche, QStringLiteral("frmSuche"));
    });
    // The browser takes the list's place while it is open.
    if (z.offen.vorschau) {
        liste->tag = QStringLiteral("0");
        rahmen->hide();
    } else {
        liste->tag = QStringLiteral("1");
        rahmen->show();
    }
    ansichtenAnordnen();
}

void mdiHauptform::AlbumAnsichtenZeigen()
{
    if (!db.rsAlbum.IstOffen())
        return;
    albenAnzeigeLaden();
    m_albenAnzeige->BearbeitungFreigeben();
    m_albenAnzeige->NeuesAlbum();
    bilderListeLaden();
    m_bilderListe->ListeAuffuellen();
    m_bilderListe->ListeMarkierungNachfuehren();
    if (z.offen.vorschau)
        BildPfadeLaden(z, db);
}

void mdiHauptform::timAlbenanzeigeAbgelaufen()
{
    m_timAlbenanzeige.stop();
    AlbumAnsichtenZeigen();
}

void mdiHauptform::mnuBilderListe_Click()
{
    if (!db.rsAlbum.IstOffen())
        return;
    const bool neu = !m_bilderListe;
    if (neu) {
        bilderListeLaden();
        m_bilderListe->ListeAuffuellen();
        m_bilderListe->ListeMarkierungNachfuehren();
    }
    QMdiSubWindow* listenrahmen = rahmen(m_bilderListe);
    if (neu || z.offen.suche || m_bilderListe->tag == QLatin1String("0")) {
        listenrahmen->show();
        m_bilderListe->tag = QStringLiteral("1");
        schliessen(m_flaeche, QStringLiteral("frmVorschau"));
        schliessen(m_flaeche, QStringLiteral("frmSuche"));
    } else {
        listenrahmen->hide();
        m_bilderListe->tag = QStringLiteral("0");
    }
}

void mdiHauptform::BilderlisteZeigen()
{
    if (m_bilderListe) {
        m_bilderListe->ListeAuffuellen();
        m_bilderListe->ListeMarkierungNachfuehren();
        return;
    }
    if (!db.rsAlbum.IstOffen())
        return;
    bilderListeLaden();
    m_bilderListe->ListeAuffuellen();
    m_bilderListe->ListeMarkierungNachfuehren();
}

void mdiHauptform::AlbenAnzeigeBildAnzeigen()
{
    if (m_albenAnzeige)
        m_albenAnzeige->BildAnzeigen();
}

void mdiHauptform::AlbenAnzeigeNaviPruefung()
{
    if (m_albenAnzeige)
        m_albenAnzeige->NaviPruefung();
}

void mdiHauptform::AlbenAnzeigeNeuesAlbum()
{
    if (m_albenAnzeige)
        m_albenAnzeige->NeuesAlbum();
}

void mdiHauptform::AlbenAnzeigeBemerkungSichern()
{
    if (m_albenAnzeige)
        m_albenAnzeige->BemerkungSichern();
}

void mdiHauptform::AlbenAnzeigeBegriffeAktualisieren()
{
    if (m_albenAnzeige)
        m_albenAnzeige->BegriffeAktualisieren();
}

void mdiHauptform::ListeAuffuellen()
{
    if (m_bilderListe)
        m_bilderListe->ListeAuffuellen();
    VorschauZeilenGeaendert();
}

void mdiHauptform::ListeMarkierungNachfuehren()
{
    if (m_bilderListe)
        m_bilderListe->ListeMarkierungNachfuehren();
}

bool mdiHauptform::BildMarkiert(int position)
{
    return m_bilderListe && m_bilderListe->modell().markiert(position);
}

void mdiHauptform::BildMarkierungSetzen(int position, bool markiert)
{
    if (m_bilderListe)
        m_bilderListe->modell().markieren(position, markiert);
}

void mdiHauptform::NormaleTextfelder(int position)
{
    if (m_bilderListe)
        m_bilderListe->NormaleTextfelder(position);
}

int mdiHauptform::AnzahlMarkierteFelder()
{
    return m_bilderListe ? m_bilderListe->AnzahlMarkierteFelder() : 0;
}

QString mdiHauptform::ListenBildname(int position)
{
    if (!m_bilderListe || !m_bilderListe->modell().gueltig(position))
        return QString();
    return m_bilderListe->modell().eintrag(position).dateiname;
}

int mdiHauptform::KlickAnker()
{
    return m_bilderListe ? m_bilderListe->modell().anker() : 1;
}

void mdiHauptform::KlickAnkerSetzen(int position)
{
    if (m_bilderListe)
        m_bilderListe->modell().ankerSetzen(position);
}

void mdiHauptform::ZoomAnsichtSchliessen()
{
    schliessen(m_flaeche, QStringLiteral("frmBilder"));
}

void mdiHauptform::AlbumAnsichtenSchliessen()
{
    ZoomAnsichtSchliessen();
    if (QMdiSubWindow* liste = rahmen(m_bilderListe))
        liste->close();
    schliessen(m_flaeche, QStringLiteral("frmVorschau"));
    if (m_albenAnzeige) {
        // Should the deletion fail, the album stays, and so does the remark typed for it.
        m_albenAnzeige->BemerkungSichern();
        m_albenAnzeige->AnzeigeLeeren();
    }
}
