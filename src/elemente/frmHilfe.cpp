#include "frmHilfe.h"

#include "Bildschirmrand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

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
        // Only the main window ends the program; an open help window must
        // not keep it, and its single-instance lock, alive.
        einzige->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return einzige.data();
}

void frmHilfe::schliessen()
{
    if (einzige)
        einzige->close();
}

void frmHilfe::zeigen()
{
    show();
    // Help asked for from a modal dialog belongs to that dialog, which would
    // otherwise block it: scrolling and links would not work until the
    // dialog is closed. Without a modal dialog it stands on its own again.
    if (QWindow* fenster = windowHandle()) {
        const QWidget* modal = QApplication::activeModalWidget();
        QWindow* dialog = modal && modal != this ? modal->window()->windowHandle() : nullptr;
        if (fenster->transientParent() != dialog)
            fenster->setTransientParent(dialog);
    }
    Bildschirmrand::einpassen(this);
    raise();
    activateWindow();
}

frmHilfe::frmHilfe(const QString& hilfeordner)
    : m_ordner(hilfeordner)
{
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Kolvar-Hilfe"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHilfe"));
    m_browser->setSearchPaths({ hilfeordner });
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
    // A topic may name a section of its page: "einstellungen.htm#browser".
    const QString thema = seite.isEmpty() ? QStringLiteral("index.htm") : seite;
    const QString name = thema.section(QLatin1Char('#'), 0, 0);
    const QString pfad = m_ordner + QLatin1Char('/') + name;
    if (QFileInfo(pfad).isFile()) {
        QUrl adresse = QUrl::fromLocalFile(pfad);
        if (thema.contains(QLatin1Char('#')))
            adresse.setFragment(thema.section(QLatin1Char('#'), 1));
        m_browser->setSource(adresse);
    } else {
        m_browser->setHtml(
            QStringLiteral("<h2>Seite nicht gefunden</h2><p>Die Hilfeseite „%1“ gibt es im Ordner %2 nicht.</p>"
                           "<p><a href=\"index.htm\">Zur Startseite</a></p>")
                .arg(name.toHtmlEscaped(), QDir::toNativeSeparators(m_ordner).toHtmlEscaped()));
    }
}

QUrl frmHilfe::aktuelleSeite() const
{
    return m_browser->source();
}
