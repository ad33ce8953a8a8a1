#include "frmCopyInfo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

frmCopyInfo::frmCopyInfo(const QString& art, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCopyInfo"));
    setWindowTitle(QStringLiteral("Kolvar"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The import lets events run while it works; no other command may start meanwhile.
    setWindowModality(Qt::ApplicationModal);
    auto* titel = new QLabel(QStringLiteral("Gleich geht es weiter!"), this);
    titel->setObjectName(QStringLiteral("lblTitel"));
    QFont schrift = titel->font();
    schrift.setBold(true);
    schrift.setPointSizeF(schrift.pointSizeF() * 1.3);
    titel->setFont(schrift);
    titel->setAlignment(Qt::AlignCenter);
    lblArt = new QLabel(art, this);
    lblArt->setObjectName(QStringLiteral("lblArt"));
    lblArt->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(titel);
    layout->addWidget(lblArt);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void frmCopyInfo::anzeigen()
{
    if (QWidget* haupt = parentWidget() ? parentWidget()->window() : nullptr)
        move(haupt->frameGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}

Tastenpuffer::~Tastenpuffer()
{
    sammeln(false);
}

void Tastenpuffer::sammeln(bool an)
{
    if (an == m_an || !QCoreApplication::instance())
        return;
    m_an = an;
    if (an)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool Tastenpuffer::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type typ = ereignis->type();
    // Only what reaches a widget: the application sees each key more than once on its way.
    if ((typ == QEvent::KeyPress || typ == QEvent::KeyRelease) && objekt->isWidgetType()) {
        m_tasten.emplace_back(ereignis->clone());
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void Tastenpuffer::abgeben(QWidget* ziel)
{
    std::vector<std::unique_ptr<QEvent>> tasten;
    tasten.swap(m_tasten);
    if (!ziel)
        return;
    for (const std::unique_ptr<QEvent>& taste : tasten)
        QCoreApplication::sendEvent(ziel, taste.get());
}
