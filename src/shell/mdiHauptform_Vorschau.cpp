// The main window's side of the thumbnail browser and the zoom view:
// loading them into the frame, placing them and passing calls on.
#include "Bildorte.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "Unterfenster.h"
#include "frmAlbenAnzeige.h"
#include "frmBilder.h"
#include "frmBilderListe.h"
#include "frmVorschau.h"
#include "mdiHauptform.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

constexpr int RandRechtsTwips = 180;

// Re-places the browser a little after the frame's size changed, as the
// frame's own resize rule does for its minimum size.
class Vorschaubeobachter : public QObject {
public:
    Vorschaubeobachter(std::function<void()> reaktion, QObject* eltern)
        : QObject(eltern)
        , m_reaktion(std::move(reaktion))
    {
        m_timer.setInterval(250);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { m_reaktion(); });
    }
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Resize)
            m_timer.start();
        return false;
    }

private:
    std::function<void()> m_reaktion;
    QTimer m_timer;
};

}  // namespace

int mdiHauptform::StoryboardHoehe() const
{
    QMdiSubWindow* storyboard = unterfenster(m_flaeche, QStringLiteral("frmPraesentationStoryboard"));
    return storyboard ? storyboard->height() : 0;
}

void mdiHauptform::BrowserUmschalten()
{
    if (m_vorschau) {
        rahmen(m_vorschau)->close();
        return;
    }
    if (!db.rsAlbum.IstOffen())
        return;
    // Loads the paths, then shows the browser through VorschauZeigen.
    BildPfadeLaden(z, db);
    if (QMdiSubWindow* suche = unterfenster(m_flaeche, QStringLiteral("frmSuche")))
        suche->close();
}

void mdiHauptform::VorschauSchliessen()
{
    if (QMdiSubWindow* f = rahmen(m_vorschau))
        f->close();
}

void mdiHauptform::VorschauZeigen()
{
    if (!db.rsAlbum.IstOffen())
        return;
    if (!m_vorschau) {
        auto* vorschau = new frmVorschau(z, db, m_bilder);
        m_vorschau = vorschau;
        connect(vorschau, &frmVorschau::geschlossen, this, [this, vorschau] {
            if (m_vorschau == vorschau) {
                m_vorschau = nullptr;
                vorschauEntladen();
            }
        });
        connect(vorschau, &frmVorschau::kontextmenueGewuenscht, this,
            [this](const QPoint& global) { menue(QStringLiteral("mnuBrowserPU"))->popup(global); });
        if (m_ansichtenFilter)
            vorschau->installEventFilter(m_ansichtenFilter);
        QMdiSubWindow* f = m_flaeche->addSubWindow(
            vorschau, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        f->setAttribute(Qt::WA_DeleteOnClose);
        if (!m_vorschauBeobachter) {
            m_vorschauBeobachter = new Vorschaubeobachter([this] { vorschauAnordnen(); }, this);
            m_flaeche->viewport()->installEventFilter(m_vorschauBeobachter);
        }
    }
    // The marks live in the picture list: it is loaded, hidden, when the
    // user had closed it.
    if (!m_bilderListe) {
        bilderListeLaden();
        m_bilderListe->ListeAuffuellen();
        m_bilderListe->ListeMarkierungNachfuehren();
    }
    m_bilderListe->tag = QStringLiteral("0");
    rahmen(m_bilderListe)->hide();
    QMdiSubWindow* f = rahmen(m_vorschau);
    // Shown first: only then does the frame know its borders.
    f->show();
    vorschauAnordnen();
    f->raise();
    m_vorschau->Aktivieren();
}

void mdiHauptform::vorschauAnordnen()
{
    QMdiSubWindow* f = rahmen(m_vorschau);
    if (!f)
        return;
    // In the list's place: right of the viewer, below an open storyboard.
    int links = 0;
    if (QMdiSubWindow* liste = rahmen(m_bilderListe))
        links = liste->x();
    else if (QMdiSubWindow* anzeige = rahmen(m_albenAnzeige))
        links = anzeige->geometry().right() + 1;
    const int oben = StoryboardHoehe();
    const int breite = std::max(
        f->minimumSizeHint().width(), m_flaeche->viewport()->width() - links - Twips::zuPixel(RandRechtsTwips));
    // Title bar and border around the browser itself.
    const QMargins r = f->contentsMargins();
    const int rand = r.top() + r.bottom();
    // The window first takes its width, which decides the rows' height.
    f->setGeometry(links, oben, breite, f->height());
    // Rows that do not fit below the storyboard or into a small frame are
    // left out, so the paging bar stays in sight.
    const int platz = m_flaeche->viewport()->height() - oben;
    m_vorschau->HoeheBegrenzen(platz - rand);
    const int hoehe = std::min(m_vorschau->benoetigteHoehe() + rand, platz);
    f->resize(breite, std::max(hoehe, f->minimumSizeHint().height()));
}

void mdiHauptform::vorschauEntladen()
{
    if (QMdiSubWindow* liste = rahmen(m_bilderListe)) {
        m_bilderListe->tag = QStringLiteral("1");
        liste->show();
    }
    m_vorschauGeschlossen = true;
    if (QMdiSubWindow* suche = unterfenster(m_flaeche, QStringLiteral("frmSuche")))
        suche->raise();
    if (QMdiSubWindow* storyboard = unterfenster(m_flaeche, QStringLiteral("frmPraesentationStoryboard"))) {
        const int breite = (rahmen(m_bilderListe) ? rahmen(m_bilderListe)->width() : 0)
            + (rahmen(m_albenAnzeige) ? rahmen(m_albenAnzeige)->width() : 0);
        if (breite > 0)
            storyboard->resize(breite, storyboard->height());
    }
}

void mdiHauptform::VorschauNeuesAlbumAnzeigen()
{
    if (m_vorschau && m_vorschau->AlbumAngezeigt())
        m_vorschau->NeuesAlbumAnzeigen();
}

void mdiHauptform::VorschauBilderAnzeigen()
{
    if (!m_vorschau)
        return;
    // The thumbnails were made anew.
    m_vorschau->SpeicherLeeren();
    m_vorschau->BilderAnzeigen();
}

void mdiHauptform::VorschauMarkierungAnzeigen()
{
    if (m_vorschau)
        m_vorschau->MarkierungAnzeigen();
}

void mdiHauptform::VorschauZeilenGeaendert()
{
    if (m_vorschau)
        BildPfadeLaden(z, db);
}

void mdiHauptform::ZoomAnsichtZeigen()
{
    if (!m_zoom) {
        auto* zoom = new frmBilder(z, db, m_bilder);
        m_zoom = zoom;
        connect(zoom, &frmBilder::geschlossen, this, [this, zoom] {
            if (m_zoom == zoom)
                m_zoom = nullptr;
        });
        QMdiSubWindow* f = m_flaeche->addSubWindow(
            zoom, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        f->setAttribute(Qt::WA_DeleteOnClose);
        // The remembered size, within the frame, centred above its lower part.
        const int haupt_b = Twips::ausPixel(m_flaeche->viewport()->width());
        const int haupt_h = Twips::ausPixel(m_flaeche->viewport()->height());
        int b = static_cast<int>(z.einstellungen.BilderFormGroesseX);
        int h = static_cast<int>(z.einstellungen.BilderFormGroesseY);
        if (b > haupt_b)
            b = haupt_b - 2000;
        if (h > haupt_h)
            h = haupt_h - 1000;
        b = std::max(b, 5000);
        h = std::max(h, 5000);
        f->setGeometry(Twips::zuPixel((haupt_b - b) / 2.0), Twips::zuPixel(std::max(0, haupt_h - h) / 2.0),
            Twips::zuPixel(b), Twips::zuPixel(h));
        f->show();
    }
    QMdiSubWindow* f = rahmen(m_zoom);
    f->raise();
    m_flaeche->setActiveSubWindow(f);
    m_zoom->BildAnzeigen();
    m_zoom->NaviPruefung();
}

void mdiHauptform::ZoomBildAnzeigen()
{
    if (!m_zoom)
        return;
    m_zoom->BildAnzeigen();
    m_zoom->NaviPruefung();
}
