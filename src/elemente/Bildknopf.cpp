#include "Bildknopf.h"

#include "Bildliste.h"

#include <QMouseEvent>
#include <QPainter>

Bildknopf::Bildknopf(const QString& objektname, const QString& schluessel, const Bildliste& bilder, QWidget* eltern)
    : QWidget(eltern), m_schluessel(schluessel), m_bilder(bilder)
{
    setObjectName(objektname);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    bildZeigen(QStringLiteral("_n"));
}

void Bildknopf::bildZeigen(const QString& endung)
{
    m_endung = endung;
    m_bild = m_bilder.bild(m_schluessel + endung);
    updateGeometry();
    update();
}

void Bildknopf::freigeben()
{
    m_aktiv = true;
    bildZeigen(QStringLiteral("_n"));
}

void Bildknopf::sperren()
{
    m_aktiv = false;
    bildZeigen(QStringLiteral("_ef"));
}

QSize Bildknopf::sizeHint() const
{
    return m_bild.isNull() ? QSize(32, 32) : m_bild.deviceIndependentSize().toSize();
}

void Bildknopf::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_bild);
}

void Bildknopf::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_aktiv)
        return;
    m_gedrueckt = true;
    bildZeigen(QStringLiteral("_u"));
}

void Bildknopf::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_aktiv || !m_gedrueckt)
        return;
    m_gedrueckt = false;
    bildZeigen(QString());
    if (rect().contains(e->position().toPoint()))
        emit geklickt();
}

void Bildknopf::mouseMoveEvent(QMouseEvent* e)
{
    // Taken here: passed on, the panel below would reset the hover picture.
    e->accept();
    emit mausDarueber(this);
}

void Bildknopf::navigationSperren(bool gesperrt, bool unterMaus)
{
    if (gesperrt) {
        sperren();
        tag = QStringLiteral("gesperrt");
        return;
    }
    freigeben();
    tag.clear();
    if (unterMaus) {
        bildZeigen(QString());
        tag = QStringLiteral("benutzt");
    }
}
