#include "Storyboardstreifen.h"

#include "BilderListeModell.h"
#include "Bildleser.h"
#include "Sanduhr.h"
#include "StoryboardModell.h"
#include "Twips.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

namespace {

constexpr int RandTwips = 120;
constexpr int ZelleTwips = 1200;
constexpr int LueckeTwips = 135;
constexpr int AbstandTwips = ZelleTwips + LueckeTwips;

}  // namespace

Storyboardstreifen::Storyboardstreifen(StoryboardModell& modell, const QString& neuesBild, QWidget* eltern)
    : QWidget(eltern)
    , m_modell(modell)
    , m_cache(400)  // a few windows' width of thumbnails
{
    setObjectName(QStringLiteral("fraStoryBoard"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_neuesBild = QImage(neuesBild);
    for (auto signal : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved })
        connect(&m_modell, signal, this, qOverload<>(&QWidget::update));
    connect(&m_modell, &QAbstractItemModel::rowsMoved, this, qOverload<>(&QWidget::update));
    connect(&m_modell, &QAbstractItemModel::modelReset, this, [this] {
        m_cache.clear();
        update();
    });
}

QString Storyboardstreifen::InternerMimeTyp()
{
    return QStringLiteral("application/x-kolvar-storyboard-position");
}

double Storyboardstreifen::proPixel() const
{
    return Twips::proPixel();
}

void Storyboardstreifen::linksSetzen(int links)
{
    if (links != m_links) {
        m_links = links;
        update();
    }
}

int Storyboardstreifen::rahmenbreite() const
{
    return qRound((double(AbstandTwips) * (m_modell.anzahl() + 1) + 2 * RandTwips) / proPixel());
}

QRect Storyboardstreifen::bildRechteck(int index) const
{
    const double tp = proPixel();
    const int x = m_links + qRound((RandTwips + double(AbstandTwips) * (index - 1)) / tp);
    return QRect(x, qRound(RandTwips / tp), qRound(ZelleTwips / tp), qRound(ZelleTwips / tp));
}

Storyboardstreifen::Ziel Storyboardstreifen::zielBei(const QPoint& punkt) const
{
    const double tp = proPixel();
    const double x = (punkt.x() - m_links) * tp - RandTwips;
    const double y = punkt.y() * tp - RandTwips;
    if (x < 0 || y < 0 || y > ZelleTwips + 15)
        return {};
    const int index = int(x / AbstandTwips) + 1;
    if (index > m_modell.anzahl() + 1)
        return {};
    const double imAbstand = x - double(AbstandTwips) * (index - 1);
    return { imAbstand < ZelleTwips ? Ziel::Bild : Ziel::Luecke, index };
}

bool Storyboardstreifen::Ablegen(const Ziel& ziel, int quelle, const QString& dbNummer)
{
    if (ziel.art == Ziel::Keins)
        return false;
    const int n = m_modell.anzahl();
    // A gap means "after this cell"; the append cell's gap still appends.
    const int position = ziel.art == Ziel::Bild ? ziel.index : qMin(ziel.index + 1, n + 1);
    Sanduhr sanduhr;
    bool geaendert = false;
    if (quelle > 0)
        geaendert = m_modell.Bildverschieben(position, quelle);
    else if (!dbNummer.isEmpty())
        geaendert = m_modell.BildEinfuegen(position, dbNummer);
    if (geaendert)
        emit bearbeitet();
    return geaendert;
}

const QImage& Storyboardstreifen::vorschau(const QString& pfad)
{
    if (QImage* bild = m_cache.object(pfad))
        return *bild;
    // A thumbnail that cannot be read leaves its cell empty; it is not tried again while cached.
    auto* bild = new QImage;
    Bildleser leser;
    if (leser.Oeffnen(pfad)) {
        const QSize ziel = leser.Groesse().scaled(bildRechteck(1).size() * devicePixelRatioF(), Qt::KeepAspectRatio);
        *bild = leser.Lesen(ziel.boundedTo(leser.Groesse()));
        bild->setDevicePixelRatio(devicePixelRatioF());
    }
    m_cache.insert(pfad, bild);
    return *bild;
}

const QImage& Storyboardstreifen::zellenbild(int position)
{
    // An album whose thumbnails were never made shows its pictures, as the browser does.
    const QImage& bild = vorschau(m_modell.vorschau(position));
    return bild.isNull() ? vorschau(m_modell.bildPfad(position)) : bild;
}

void Storyboardstreifen::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), palette().window());
    const double tp = proPixel();
    const int abstand = qRound(AbstandTwips / tp);
    const int n = m_modell.anzahl();
    // Only the cells that meet the painted area.
    const int erste = qMax(1, (e->rect().left() - m_links) / qMax(1, abstand));
    for (int i = erste; i <= n + 1; ++i) {
        const QRect zelle = bildRechteck(i);
        if (zelle.left() > e->rect().right())
            break;
        const QImage& bild = i <= n ? zellenbild(i) : m_neuesBild;
        if (!bild.isNull()) {
            QSize groesse = (bild.size() / bild.devicePixelRatio()).scaled(zelle.size(), Qt::KeepAspectRatio);
            if (i > n)
                groesse = zelle.size();
            const QRect ziel(QPoint(zelle.left() + (zelle.width() - groesse.width()) / 2, zelle.top()), groesse);
            p.drawImage(ziel, bild);
        } else {
            p.setPen(palette().mid().color());
            p.drawRect(zelle.adjusted(0, 0, -1, -1));
        }
        if (i == m_gedrueckt && i <= n && m_markiert.art == Ziel::Keins) {
            p.setPen(QPen(palette().highlight(), 2));
            p.drawRect(zelle.adjusted(1, 1, -1, -1));
        }
    }
    if (m_markiert.art != Ziel::Keins) {
        // The place a drop would land: a bar before the picture, or in the gap.
        const QRect zelle = bildRechteck(m_markiert.index);
        const int x = m_markiert.art == Ziel::Bild ? zelle.left() - qRound(LueckeTwips / tp) / 2 - 1
                                                   : zelle.right() + qRound(LueckeTwips / tp) / 2;
        p.fillRect(QRect(x - 1, zelle.top(), 3, zelle.height()), palette().highlight());
    }
}

void Storyboardstreifen::mousePressEvent(QMouseEvent* e)
{
    const Ziel ziel = zielBei(e->position().toPoint());
    const int n = m_modell.anzahl();
    // The menu of a right-click comes with the context-menu event that follows.
    m_gedrueckt = ziel.art == Ziel::Bild && ziel.index <= n ? ziel.index : 0;
    m_druckPunkt = e->position().toPoint();
    update();
}

void Storyboardstreifen::contextMenuEvent(QContextMenuEvent* e)
{
    // Taken here, so that the window around does not open its menu as well.
    e->accept();
    const int n = m_modell.anzahl();
    Ziel ziel = zielBei(e->pos());
    if (e->reason() != QContextMenuEvent::Mouse && m_gedrueckt >= 1 && m_gedrueckt <= n)
        ziel = { Ziel::Bild, m_gedrueckt };  // the menu key acts on the picture last pressed
    if (ziel.art == Ziel::Bild && ziel.index > n)
        return;  // the append cell has no menu
    if (ziel.art == Ziel::Bild) {
        m_gedrueckt = ziel.index;
        update();
        emit bildMenue(ziel.index, e->globalPos());
    } else {
        emit praesentationsMenue(e->globalPos());
    }
}

void Storyboardstreifen::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton) || m_gedrueckt < 1 || m_gedrueckt > m_modell.anzahl()
        || (e->position().toPoint() - m_druckPunkt).manhattanLength() < QApplication::startDragDistance())
        return;
    const int quelle = m_gedrueckt;
    auto* daten = new QMimeData;
    daten->setData(InternerMimeTyp(), QByteArray::number(quelle));
    auto* zug = new QDrag(this);
    zug->setMimeData(daten);
    const QImage& bild = zellenbild(quelle);
    if (!bild.isNull())
        zug->setPixmap(QPixmap::fromImage(bild.scaled(bild.size() / 2)));
    zug->exec(Qt::MoveAction);
    m_markiert = {};
    update();
}

void Storyboardstreifen::mouseReleaseEvent(QMouseEvent*)
{
    m_markiert = {};
}

void Storyboardstreifen::dragEnterEvent(QDragEnterEvent* e)
{
    const bool intern = e->source() == this && e->mimeData()->hasFormat(InternerMimeTyp());
    if (intern || e->mimeData()->hasFormat(DBNummerMimeTyp()))
        e->acceptProposedAction();
}

void Storyboardstreifen::dragMoveEvent(QDragMoveEvent* e)
{
    const Ziel ziel = zielBei(e->position().toPoint());
    if (ziel.art == Ziel::Keins) {
        e->ignore();
    } else {
        e->acceptProposedAction();
    }
    if (ziel.art != m_markiert.art || ziel.index != m_markiert.index) {
        m_markiert = ziel;
        update();
    }
}

void Storyboardstreifen::dragLeaveEvent(QDragLeaveEvent*)
{
    m_markiert = {};
    update();
}

void Storyboardstreifen::dropEvent(QDropEvent* e)
{
    const Ziel ziel = zielBei(e->position().toPoint());
    m_markiert = {};
    update();
    const QMimeData* daten = e->mimeData();
    int quelle = 0;
    QString dbNummer;
    if (e->source() == this && daten->hasFormat(InternerMimeTyp()))
        quelle = daten->data(InternerMimeTyp()).toInt();
    else if (daten->hasFormat(DBNummerMimeTyp()))
        dbNummer = QString::fromUtf8(daten->data(DBNummerMimeTyp())).trimmed();
    else
        return;
    if (Ablegen(ziel, quelle, dbNummer))
        e->acceptProposedAction();
    else
        e->ignore();
}
