#include "frmPraesentationStoryboard.h"

#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Sanduhr.h"
#include "Storyboardstreifen.h"
#include "Twips.h"
#include "frmPraeBildInfo.h"
#include "mdlHilfe.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>

namespace {

// "neuesbild.jpg" lies beside the program in a build folder and in
// share/kolvar/ when installed: where the help pages are, else beside it.
QString neuesBild(const Programmzustand& z)
{
    const QString name = QStringLiteral("/neuesbild.jpg");
    for (const QString& ordner : { z.datenordner, z.programmordner }) {
        if (!ordner.isEmpty() && QFileInfo(ordner + name).isFile())
            return ordner + name;
    }
    return z.programmordner + name;
}

}  // namespace

frmPraesentationStoryboard::frmPraesentationStoryboard(
    Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QWidget(eltern)
    , z(zustand)
    , db(datenbank)
    , m_modell(zustand, datenbank)
{
    setObjectName(QStringLiteral("frmPraesentationStoryboard"));
    setWindowTitle(QStringLiteral("Storyboard"));
    auto* praesentation = new QLabel(QStringLiteral("Präsentation:"), this);
    praesentation->setObjectName(QStringLiteral("lblPraesentation"));
    praesentation->move(8, 4);
    m_lblTitel = new QLabel(this);
    m_lblTitel->setObjectName(QStringLiteral("lblTitel"));
    m_lblTitel->setStyleSheet(QStringLiteral("font-weight: bold"));
    m_lblTitel->move(praesentation->sizeHint().width() + 14, 4);
    m_streifen = new Storyboardstreifen(m_modell, neuesBild(z), this);
    m_hscLaufleiste = new QScrollBar(Qt::Horizontal, this);
    m_hscLaufleiste->setObjectName(QStringLiteral("hscLaufleiste"));
    m_hscLaufleiste->setRange(0, 1000);
    m_hscLaufleiste->setPageStep(100);
    connect(m_hscLaufleiste, &QScrollBar::valueChanged, this, &frmPraesentationStoryboard::hscListeEinrichten);
    connect(m_streifen, &Storyboardstreifen::bildMenue, this, [this](int index, const QPoint& global) {
        m_gedrueckt = index;
        // The info box opens beside the picture, turned left near the window's edge.
        const QRect zelle = m_streifen->bildRechteck(index);
        QPoint punkt = m_streifen->mapFromGlobal(global) + QPoint(Twips::zuPixel(200), Twips::zuPixel(300));
        punkt.setX(qMax(zelle.left(), punkt.x()));
        if (m_streifen->mapTo(this, punkt).x() + Twips::zuPixel(5190) > width())
            punkt.rx() -= Twips::zuPixel(5190);
        m_infoPunkt = m_streifen->mapToGlobal(punkt);
        emit bildMenue(global);
    });
    connect(
        m_streifen, &Storyboardstreifen::praesentationsMenue, this, &frmPraesentationStoryboard::praesentationsMenue);
    connect(m_streifen, &Storyboardstreifen::bearbeitet, this, &frmPraesentationStoryboard::hscListeEinrichten);
    // A click takes the focus here, so that F1 opens the storyboard's page
    // and not that of the window that had the focus before.
    setFocusPolicy(Qt::ClickFocus);
    m_streifen->setFocusPolicy(Qt::ClickFocus);
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("6_1.htm"));
    resize(Twips::zuPixel(9300), Twips::zuPixel(HoeheTwips));
    z.offen.storyboard = true;
}

frmPraesentationStoryboard::~frmPraesentationStoryboard()
{
    z.offen.storyboard = false;
}

void frmPraesentationStoryboard::TitelSetzen(const QString& name)
{
    m_lblTitel->setText(name);
    m_lblTitel->adjustSize();
}

void frmPraesentationStoryboard::SBNeuAnzeigen()
{
    Sanduhr sanduhr;
    TitelSetzen(z.praesentationName);
    m_modell.Laden(z.praesentationTabelle);
    if (m_gedrueckt > m_modell.anzahl())
        m_gedrueckt = 0;
    hscListeEinrichten();
}

void frmPraesentationStoryboard::hscListeEinrichten()
{
    const int ueberstand = m_streifen->rahmenbreite() - m_hscLaufleiste->width();
    if (ueberstand >= 0) {
        m_hscLaufleiste->setEnabled(true);
        m_streifen->linksSetzen(4 - qRound(ueberstand / 1000.0 * m_hscLaufleiste->value()));
    } else {
        const QSignalBlocker still(m_hscLaufleiste);
        m_hscLaufleiste->setValue(0);
        m_hscLaufleiste->setEnabled(false);
        m_streifen->linksSetzen(4);
    }
}

void frmPraesentationStoryboard::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int rand = 4;
    const int hoeheStreifen = Twips::zuPixel(1200 + 2 * 120);
    m_streifen->setGeometry(rand, 22, width() - 2 * rand, hoeheStreifen);
    m_hscLaufleiste->setGeometry(
        rand, m_streifen->geometry().bottom() + 2, width() - 2 * rand, m_hscLaufleiste->sizeHint().height());
    hscListeEinrichten();
}

void frmPraesentationStoryboard::contextMenuEvent(QContextMenuEvent* e)
{
    // The window, the title and the frame around the strip.
    emit praesentationsMenue(e->globalPos());
}

void frmPraesentationStoryboard::BildInfo()
{
    if (m_gedrueckt < 1 || m_gedrueckt > m_modell.anzahl())
        return;
    const PraesentationsBild& bild = m_modell.bild(m_gedrueckt);
    auto* info = new frmPraeBildInfo(bild.dateiname, Albumname(db.conDaten, bild.albumNummer), this);
    info->adjustSize();
    info->move(m_infoPunkt);
    info->show();
}

void frmPraesentationStoryboard::GedruecktesLoeschen()
{
    Sanduhr sanduhr;
    if (m_modell.BildLoeschen(m_gedrueckt))
        hscListeEinrichten();
    m_gedrueckt = 0;
}

void frmPraesentationStoryboard::closeEvent(QCloseEvent* e)
{
    m_modell.Leeren();
    z.offen.storyboard = false;
    emit geschlossen();
    QWidget::closeEvent(e);
}
