#include "frmAlbumLaden.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

frmAlbumLaden::frmAlbumLaden(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
    : QDialog(parent), m_erzeugung(z, db)
{
    setObjectName(QStringLiteral("frmAlbumLaden"));
    setWindowTitle(QStringLiteral("Kolvar - Vorschaubilder werden erzeugt!"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* text = new QLabel(QStringLiteral("Die Vorschaubilder werden erzeugt. Bitte haben Sie etwas Geduld."), this);
    auto* hinweis = new QLabel(QStringLiteral("(Diese Meldung erscheint nur beim ersten Aufruf eines Albums!)"), this);
    pgbLadezustand = new QProgressBar(this);
    pgbLadezustand->setObjectName(QStringLiteral("pgbLadezustand"));
    pgbLadezustand->setRange(0, 100);
    pgbLadezustand->setValue(0);
    lblAnzeige = new QLabel(this);
    lblAnzeige->setObjectName(QStringLiteral("lblAnzeige"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(text);
    layout->addWidget(hinweis);
    layout->addSpacing(8);
    layout->addWidget(pgbLadezustand);
    layout->addWidget(lblAnzeige);
    setMinimumWidth(440);
}

void frmAlbumLaden::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    if (!m_gestartet) {
        m_gestartet = true;
        // After the window has appeared, so that it paints before the run.
        QTimer::singleShot(0, this, [this] { AlbumLaden(); });
    }
}

void frmAlbumLaden::reject()
{
    if (!m_laeuft)
        QDialog::reject();
}

void frmAlbumLaden::AlbumLaden()
{
    m_laeuft = true;
    m_erzeugt = m_erzeugung.AlbumLaden([this](int erledigt, int anzahl, const QString& restzeit) {
        // The bar counts pictures, so it moves with every one of them; it
        // still shows the percentage.
        pgbLadezustand->setRange(0, anzahl);
        pgbLadezustand->setValue(erledigt);
        if (!restzeit.isEmpty())
            lblAnzeige->setText(restzeit);
        pgbLadezustand->repaint();
        lblAnzeige->repaint();
    });
    m_laeuft = false;
    accept();
}
