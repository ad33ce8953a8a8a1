#include "Bilderlistenfeld.h"

#include "BilderListeModell.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

Bilderlistenfeld::Bilderlistenfeld(const BilderListeModell& modell, QWidget* eltern)
    : QWidget(eltern), m_modell(modell)
{
    setObjectName(QStringLiteral("sspListe"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    setMouseTracking(true);
    // A click or Tab gives the list the keyboard for moving through it.
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_modell, &BilderListeModell::geaendert, this, qOverload<>(&QWidget::update));
}

void Bilderlistenfeld::leertextSetzen(const QString& text)
{
    m_leertext = text;
    update();
}

int Bilderlistenfeld::zeilenhoehe() const
{
    return fontMetrics().height() + 4;
}

int Bilderlistenfeld::gesamthoehe() const
{
    return std::max(1, m_modell.anzahl()) * zeilenhoehe();
}

void Bilderlistenfeld::versatzSetzen(int pixel)
{
    if (pixel == m_versatz)
        return;
    m_versatz = pixel;
    update();
}

int Bilderlistenfeld::positionBei(const QPoint& punkt) const
{
    if (punkt.y() < 0 || punkt.x() < 0 || punkt.x() >= width())
        return 0;
    const int position = (punkt.y() + m_versatz) / zeilenhoehe() + 1;
    return m_modell.gueltig(position) ? position : 0;
}

QRect Bilderlistenfeld::eintragsRechteck(int position) const
{
    return QRect(0, (position - 1) * zeilenhoehe() - m_versatz, width(), zeilenhoehe());
}

void Bilderlistenfeld::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), Qt::white);
    const int h = zeilenhoehe();
    const int anzahl = m_modell.anzahl();
    const auto text = [&](const QRect& r, const QString& t) {
        p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   fontMetrics().elidedText(t, Qt::ElideRight, r.width() - 5));
    };
    if (anzahl == 0) {
        p.setPen(Qt::black);
        text(eintragsRechteck(1), m_leertext);
        return;
    }
    const int erste = std::max(1, (e->rect().top() + m_versatz) / h + 1);
    const int letzte = std::min(anzahl, (e->rect().bottom() + m_versatz) / h + 1);
    for (int i = erste; i <= letzte; ++i) {
        const QRect r = eintragsRechteck(i);
        const bool markiert = m_modell.markiert(i);
        if (markiert)
            p.fillRect(r, markiertHintergrund());
        p.setPen(markiert ? Qt::white : Qt::black);
        text(r, m_modell.eintrag(i).dateiname);
        // Where the keyboard stands: with Shift the marks alone do not say it.
        if (i == m_aktuell && hasFocus()) {
            p.setPen(QPen(markiert ? Qt::white : Qt::black, 1, Qt::DotLine));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}

void Bilderlistenfeld::aktuellSetzen(int position)
{
    if (position == m_aktuell)
        return;
    m_aktuell = position;
    update();
}

void Bilderlistenfeld::mousePressEvent(QMouseEvent* e)
{
    const int position = positionBei(e->position().toPoint());
    m_druckPosition = e->button() == Qt::LeftButton ? position : 0;
    m_druckPunkt = e->position().toPoint();
    if (position > 0)
        emit gedrueckt(position, e->button(), e->modifiers(), e->globalPosition().toPoint());
}

void Bilderlistenfeld::mouseMoveEvent(QMouseEvent* e)
{
    if (m_druckPosition > 0 && (e->buttons() & Qt::LeftButton)
        && (e->position().toPoint() - m_druckPunkt).manhattanLength() >= QApplication::startDragDistance()) {
        const int position = m_druckPosition;
        m_druckPosition = 0;
        emit ziehenBeginnen(position);
    }
}

void Bilderlistenfeld::mouseReleaseEvent(QMouseEvent*)
{
    m_druckPosition = 0;
}

void Bilderlistenfeld::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int position = positionBei(e->position().toPoint());
    if (position > 0 && e->button() == Qt::LeftButton)
        emit doppelklick(position);
}

void Bilderlistenfeld::wheelEvent(QWheelEvent* e)
{
    const int schritte = e->angleDelta().y() / 40;  // three entries per notch
    if (schritte != 0)
        emit radGedreht(-schritte);
    e->accept();
}

void Bilderlistenfeld::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    emit groesseGeaendert();
}

void Bilderlistenfeld::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->source() == this && e->mimeData()->hasFormat(DBNummerMimeTyp()))
        e->acceptProposedAction();
}

void Bilderlistenfeld::dragMoveEvent(QDragMoveEvent* e)
{
    if (e->source() != this)
        return;
    // The list is no drop target; it only notices where the drag passes.
    e->ignore();
    const int position = positionBei(e->position().toPoint());
    if (position > 0)
        emit gezogenUeber(position);
}

void Bilderlistenfeld::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        emit tasteGedrueckt(e->key(), e->modifiers());
        e->accept();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}
