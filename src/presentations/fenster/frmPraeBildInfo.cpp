#include "frmPraeBildInfo.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmPraeBildInfo::frmPraeBildInfo(const QString& bildName, const QString& albumName, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmPraeBildInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* raster = new QGridLayout(this);
    auto* rahmen = new QFrame(this);
    rahmen->setFrameShape(QFrame::Box);
    auto* innen = new QGridLayout(rahmen);
    auto neuesLabel = [&](const QString& name, const QString& text, int zeile, int spalte) {
        auto* l = new QLabel(text, rahmen);
        l->setObjectName(name);
        l->installEventFilter(this);
        innen->addWidget(l, zeile, spalte);
        return l;
    };
    neuesLabel(QStringLiteral("lblBild"), QStringLiteral("Bild:"), 0, 0);
    neuesLabel(QStringLiteral("lblBildName"), bildName, 0, 1)->setStyleSheet(QStringLiteral("font-weight: bold"));
    neuesLabel(QStringLiteral("lblAlbum"), QStringLiteral("aus dem Album:"), 1, 0);
    neuesLabel(QStringLiteral("lblAlbumName"), albumName, 1, 1)->setStyleSheet(QStringLiteral("font-weight: bold"));
    auto* ok = new QPushButton(QStringLiteral("OK"), rahmen);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    innen->addWidget(ok, 2, 1, Qt::AlignRight);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(rahmen);
}

void frmPraeBildInfo::mousePressEvent(QMouseEvent*)
{
    accept();
}

bool frmPraeBildInfo::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
