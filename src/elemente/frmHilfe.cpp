#include "frmHilfe.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QPointer<frmHilfe> einzige;
}

frmHilfe* frmHilfe::instanz()
{
    return einzige.data();
}

frmHilfe* frmHilfe::oeffnen(const QString& hilfeordner)
{
    if (!einzige) {
        einzige = new frmHilfe(hilfeordner);
        einzige->setAttribute(Qt::WA_DeleteOnClose);
    }
    return einzige.data();
}

frmHilfe::frmHilfe(const QString& hilfeordner) : m_ordner(hilfeordner)
{
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Kolvar-Hilfe"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHilfe"));
    m_browser->setSearchPaths({hilfeordner});
    m_browser->setOpenExternalLinks(true);

    auto* zurueck = new QPushButton(QStringLiteral("Zurück"), this);
    auto* vor = new QPushButton(QStringLiteral("Vor"), this);
    auto* start = new QPushButton(QStringLiteral("Startseite"), this);
    connect(zurueck, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(vor, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(start, &QPushButton::clicked, this, [this] { seiteZeigen(QString()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, vor, &QPushButton::setEnabled);
    zurueck->setEnabled(false);
    vor->setEnabled(false);

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(zurueck);
    leiste->addWidget(vor);
    leiste->addWidget(start);
    leiste->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    layout->addWidget(m_browser);
    resize(760, 600);
}

void frmHilfe::seiteZeigen(const QString& seite)
{
    const QString name = seite.isEmpty() ? QStringLiteral("index.htm") : seite;
    const QString pfad = m_ordner + QLatin1Char('/') + name;
    if (QFileInfo(pfad).isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(pfad));
    } else {
        m_browser->setHtml(QStringLiteral("<h2>Seite nicht gefunden</h2><p>Die Hilfeseite „%1“ gibt es nicht.</p>"
                                          "<p><a href=\"index.htm\">Zur Startseite</a></p>")
                               .arg(name.toHtmlEscaped()));
    }
}

QUrl frmHilfe::aktuelleSeite() const
{
    return m_browser->source();
}
