#include "frmStart.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmStart::frmStart(std::function<void()> hauptfensterZeigen)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_hauptfensterZeigen(std::move(hauptfensterZeigen))
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Kolvar"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* startbild = new QLabel(this);
    startbild->setObjectName(QStringLiteral("startbild"));
    const QPixmap bild(QStringLiteral(":/bilder/startbild.jpg"));
    startbild->setPixmap(bild);
    startbild->setCursor(Qt::PointingHandCursor);
    // Clicks on the picture reach the window, which ends itself.
    startbild->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(startbild);
    // The window takes the size of its picture, on a screen too small for it
    // the picture shrinks: the window is always seen whole.
    QSize groesse = bild.isNull() ? QSize(480, 300) : bild.deviceIndependentSize().toSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect flaeche = s->availableGeometry();
        if (groesse.width() > flaeche.width() || groesse.height() > flaeche.height()) {
            groesse.scale(flaeche.size(), Qt::KeepAspectRatio);
            startbild->setScaledContents(true);
        }
        setFixedSize(groesse);
        move(flaeche.center() - rect().center());
    } else {
        setFixedSize(groesse);
    }

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(5000);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (isVisible())
            beenden();
    });
    m_timer.start();
}

void frmStart::mousePressEvent(QMouseEvent*)
{
    beenden();
}

void frmStart::beenden()
{
    m_timer.stop();
    if (!m_hauptfensterZeigen)
        return;
    // Taken out first, so that a second click or the timer cannot show it again.
    auto zeigen = std::move(m_hauptfensterZeigen);
    m_hauptfensterZeigen = nullptr;
    close();
    zeigen();
}
