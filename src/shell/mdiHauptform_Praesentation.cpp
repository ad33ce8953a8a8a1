// The main window's side of the presentations: the catalogue commands and
// their dialogs, the storyboard at the top of the frame, its pop-up menus
// and the slide show.
#include "Datenbankobjekte.h"
#include "Praesentationsdialoge.h"
#include "Praesentationskatalog.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "Unterfenster.h"
#include "frmPraesentationAnzeige.h"
#include "frmPraesentationStoryboard.h"
#include "mdiHauptform.h"
#include "mdlHilfe.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>

namespace K = Praesentationskatalog;

namespace {

// Keeps the storyboard as wide as the frame when the frame changes size.
class Breitenwaechter : public QObject {
public:
    Breitenwaechter(std::function<void()> anpassen, QObject* eltern)
        : QObject(eltern)
        , m_anpassen(std::move(anpassen))
    {
    }
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Resize)
            m_anpassen();
        return false;
    }

private:
    std::function<void()> m_anpassen;
};

}  // namespace

void mdiHauptform::praesentationenVerbinden()
{
    auto verbinde = [this](const char* name, auto befehl) {
        connect(aktion(QLatin1String(name)), &QAction::triggered, this, befehl);
    };
    verbinde("mnuPraeNeu", &mdiHauptform::NeuePraesentationBefehl);
    verbinde("mnuPraeOeffnen", &mdiHauptform::PraesentationOeffnenBefehl);
    verbinde("mnuPraeUmbenennen", &mdiHauptform::PraesentationUmbenennenBefehl);
    verbinde("mnuPUPraeUmbenennen", &mdiHauptform::PraesentationUmbenennenBefehl);
    verbinde("mnuAlbumAlsPrae", &mdiHauptform::AlbumAlsPraesentationBefehl);
    verbinde("mnuPraeStarten", [this] { PraesentationStarten(1); });
    verbinde("mnuPUPraeStarten", [this] { PraesentationStarten(1); });
    verbinde("mnuPUPraeStartHier", [this] {
        if (m_storyboard)
            PraesentationStarten(m_storyboard->gedrueckt());
    });
    verbinde("mnuPUPraeInfo", [this] {
        if (m_storyboard)
            m_storyboard->BildInfo();
    });
    verbinde("mnuPUPraeLoeschen", [this] {
        if (m_storyboard)
            m_storyboard->GedruecktesLoeschen();
    });
    m_breitenwaechter = new Breitenwaechter(
        [this] {
            if (m_storyboardFenster)
                m_storyboardFenster->resize(
                    qMax(200, m_flaeche->viewport()->width() - Twips::zuPixel(180)), m_storyboardFenster->height());
        },
        this);
    m_flaeche->viewport()->installEventFilter(m_breitenwaechter);
}

void mdiHauptform::fensterUnterStoryboardVerschieben(int dy)
{
    // The viewer and the list are laid out by ansichtenAnordnen; the other
    // windows of the strip keep their place relative to the storyboard.
    for (const char* name : { "frmAlbenAuswahl", "frmVorschau", "frmSuche", "frmBegriffe" }) {
        if (QMdiSubWindow* f = unterfenster(m_flaeche, QLatin1String(name)))
            f->move(f->x(), qMax(0, f->y() + dy));
    }
}

void mdiHauptform::storyboardZeigen()
{
    if (!m_storyboard) {
        auto* sb = new frmPraesentationStoryboard(z, db);
        m_storyboard = sb;
        QMdiSubWindow* fenster
            = m_flaeche->addSubWindow(sb, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_storyboardFenster = fenster;
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        connect(sb, &frmPraesentationStoryboard::bildMenue, this,
            [this](const QPoint& global) { menue(QStringLiteral("mnuPUPraeBilder"))->popup(global); });
        connect(sb, &frmPraesentationStoryboard::praesentationsMenue, this,
            [this](const QPoint& global) { menue(QStringLiteral("mnuPUPrae"))->popup(global); });
        connect(sb, &frmPraesentationStoryboard::geschlossen, this, [this, sb] {
            if (m_storyboard != sb)
                return;
            m_storyboard = nullptr;
            // The slide show shows this presentation: it ends with it, also
            // when the collection or the main window closes the storyboard.
            if (m_diaschau)
                m_diaschau->close();
            K::AktuelleSetzen(z, {});
            aktion(QStringLiteral("mnuPraeDummy"))->setEnabled(false);
            aktion(QStringLiteral("mnuPraeSchliessen"))->setEnabled(false);
        });
        // A frame closed for the next presentation is deleted after the next
        // one is shown: only the frame on show may clear the pointer.
        connect(fenster, &QObject::destroyed, this, [this, fenster] {
            if (m_storyboardFenster != fenster)
                return;
            m_storyboardFenster = nullptr;
            fensterUnterStoryboardVerschieben(-m_storyboardHoehe);
            m_storyboardHoehe = 0;
            ansichtenAnordnen();  // the views move back up
        });
        fenster->move(0, 0);
        fenster->show();
        // Title bar and frame are known once it is shown; the client area keeps its designed height.
        const int rahmen = qMax(0, fenster->height() - sb->height());
        fenster->resize(qMax(200, m_flaeche->viewport()->width() - Twips::zuPixel(180)),
            Twips::zuPixel(frmPraesentationStoryboard::HoeheTwips) + rahmen);
        // The windows may still stand below a frame that is on its way out.
        fensterUnterStoryboardVerschieben(fenster->height() - m_storyboardHoehe);
        m_storyboardHoehe = fenster->height();
        ansichtenAnordnen();  // the views move down below it
    }
    aktion(QStringLiteral("mnuPraeDummy"))->setEnabled(true);
    aktion(QStringLiteral("mnuPraeSchliessen"))->setEnabled(true);
    QApplication::processEvents();
    m_storyboard->SBNeuAnzeigen();
}

void mdiHauptform::storyboardEntladen()
{
    if (m_diaschau)
        m_diaschau->close();
    if (m_storyboardFenster)
        m_storyboardFenster->close();
    K::AktuelleSetzen(z, {});
}

void mdiHauptform::PraesentationSchliessen()
{
    mnuPraeSchliessen_Click();
}

void mdiHauptform::StoryboardNeuAnzeigen()
{
    if (m_storyboard)
        m_storyboard->SBNeuAnzeigen();
}

static int ausfuehren(const std::function<int(QDialog*)>& eigene, QDialog* dialog)
{
    return eigene ? eigene(dialog) : dialog->exec();
}

void mdiHauptform::NeuePraesentationBefehl()
{
    std::unique_ptr<Namensdialog> dialog(frmNeuePraesentation(z, db, this));
    if (ausfuehren(dialogAusfuehren, dialog.get()) != QDialog::Accepted)
        return;
    storyboardZeigen();
}

void mdiHauptform::PraesentationOeffnenBefehl()
{
    Praesentationswahl dialog(
        QStringLiteral("frmPraesentationListe"), QStringLiteral("Auswahl Präsentation"), K::Namen(db), true, this);
    mdlHilfe::HilfeTasteEinrichten(&dialog, z, QStringLiteral("index_praesentationen.htm"));
    if (ausfuehren(dialogAusfuehren, &dialog) != QDialog::Accepted)
        return;
    if (!K::Oeffnen(z, db, dialog.gewaehlt()))
        return;
    storyboardZeigen();
}

void mdiHauptform::PraesentationUmbenennenBefehl()
{
    if (z.praesentationName.isEmpty())
        return;
    std::unique_ptr<Namensdialog> dialog(frmPraeUmbenennen(z, db, this));
    if (ausfuehren(dialogAusfuehren, dialog.get()) == QDialog::Accepted && m_storyboard)
        m_storyboard->TitelSetzen(z.praesentationName);
}

void mdiHauptform::PraesentationLoeschenDialog()
{
    Praesentationswahl dialog(QStringLiteral("frmPraesentationLoeschenListe"), QStringLiteral("Präsentation löschen"),
        K::Namen(db), false, this);
    if (ausfuehren(dialogAusfuehren, &dialog) != QDialog::Accepted)
        return;
    K::Entfernen(z, db, K::Suchen(db, dialog.gewaehlt()));
}

void mdiHauptform::AlbumAlsPraesentationBefehl()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Praesentation neu = K::AlbumAlsPraesentation(z, db, QStringLiteral("Temporäre Präsentation"));
    QApplication::restoreOverrideCursor();
    if (neu.gueltig())
        storyboardZeigen();
}

void mdiHauptform::PraesentationStarten(int startposition)
{
    if (!m_storyboard || m_storyboard->modell().anzahl() == 0 || m_diaschau)
        return;
    z.praesentationStartposition = qBound(1, startposition, m_storyboard->modell().anzahl());
    // A window of its own over the whole screen, but owned by the main window, which it must not outlive.
    m_diaschau = new frmPraesentationAnzeige(z, db, this);
    connect(m_diaschau, &QObject::destroyed, this, [this] { m_diaschau = nullptr; });
    // Without a window manager full screen alone does not size the window.
    if (const QScreen* schirm = screen())
        m_diaschau->setGeometry(schirm->geometry());
    m_diaschau->showFullScreen();
    m_diaschau->activateWindow();
}
