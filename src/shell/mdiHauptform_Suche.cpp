// The main window's side of the keyword window, the properties of the marked
// pictures and the search window: loading them into the frame, placing
// them, and passing the other views' calls on.
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Unterfenster.h"
#include "frmAlbenAnzeige.h"
#include "frmBegriffe.h"
#include "frmBegriffeMulti.h"
#include "frmBilderListe.h"
#include "frmSuche.h"
#include "mdiHauptform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

constexpr Qt::WindowFlags Kindfenster
    = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

void mdiHauptform::begriffeKnopfBeschriften()
{
    if (!m_albenAnzeige)
        return;
    if (auto* knopf = m_albenAnzeige->findChild<QPushButton*>(QStringLiteral("cmdBegriffe")))
        knopf->setText(
            m_begriffe ? QStringLiteral("Begriffe-Verwaltung verstecken") : QStringLiteral("Begriffe-Verwaltung"));
}

void mdiHauptform::BegriffeFensterUmschalten()
{
    if (m_begriffe) {
        if (QMdiSubWindow* f = rahmen(m_begriffe))
            f->close();
        else
            m_begriffe->close();
        return;
    }
    if (!db.rsAlbum.IstOffen())
        return;
    auto* fenster = new frmBegriffe(z, db);
    m_begriffe = fenster;
    connect(fenster, &frmBegriffe::geschlossen, this, [this, fenster] {
        if (m_begriffe == fenster)
            m_begriffe = nullptr;
        begriffeKnopfBeschriften();
        hoehenAnpassen();  // the viewer takes its full height again
    });
    QMdiSubWindow* f = m_flaeche->addSubWindow(fenster, Kindfenster);
    f->setAttribute(Qt::WA_DeleteOnClose);
    // Above the views while it is open, so that a click into the viewer or
    // the list does not hide it while the viewer's button offers to hide it.
    // (The frame ignores a stays-on-top hint of its windows.)
    // Queued: the frame raises the activated window after it announced it.
    connect(
        m_flaeche, &QMdiArea::subWindowActivated, f,
        [f](QMdiSubWindow* aktiv) {
            if (aktiv != f)
                f->raise();
        },
        Qt::QueuedConnection);
    connect(fenster, &frmBegriffe::hoeheGeaendert, this, &mdiHauptform::hoehenAnpassen);
    fenster->ListeLoeschenAuffuellen();
    f->show();
    hoehenAnpassen();
    begriffeKnopfBeschriften();
}

void mdiHauptform::BegriffeListenAuffuellen()
{
    if (m_begriffe)
        m_begriffe->ListeLoeschenAuffuellen();
}

void mdiHauptform::BegriffEingabeUebernehmen()
{
    if (m_begriffe)
        m_begriffe->NeuenBegriffEinfuegen();
}

void mdiHauptform::MarkierteBilderEigenschaften()
{
    if (!db.rsAlbum.IstOffen())
        return;
    frmBegriffeMulti dialog(z, db, this);
    dialog.exec();
}

void mdiHauptform::sucheFensterLaden()
{
    if (!db.rsAlbum.IstOffen() && z.anzahlAlben == 0)
        return;
    if (m_suche) {
        m_flaeche->setActiveSubWindow(rahmen(m_suche));
        return;
    }
    auto* fenster = new frmSuche(z, db);
    m_suche = fenster;
    connect(fenster, &frmSuche::geschlossen, this, [this, fenster] {
        if (m_suche == fenster)
            m_suche = nullptr;
        // The list comes back when it was shown before the search took its place.
        if (m_bilderListe && m_bilderListe->tag == QLatin1String("1"))
            if (QMdiSubWindow* liste = rahmen(m_bilderListe))
                liste->show();
    });
    QMdiSubWindow* f = m_flaeche->addSubWindow(fenster, Kindfenster);
    f->setAttribute(Qt::WA_DeleteOnClose);
    connect(f, &QMdiSubWindow::aboutToActivate, fenster, &frmSuche::Aktivieren);
    int oben = 0;
    if (QMdiSubWindow* storyboard = unterfenster(m_flaeche, QStringLiteral("frmPraesentationStoryboard")))
        oben = storyboard->height();
    int links = 0;
    if (QMdiSubWindow* anzeige = rahmen(m_albenAnzeige))
        links = anzeige->geometry().right() + 1;
    int hoehe = m_flaeche->viewport()->height() - oben;
    if (QMdiSubWindow* liste = rahmen(m_bilderListe)) {
        hoehe = liste->height();
        liste->hide();
    }
    f->adjustSize();
    f->setGeometry(links, oben, f->width(), std::max(f->minimumSizeHint().height(), hoehe));
    f->show();
    fenster->Aktivieren();
}
