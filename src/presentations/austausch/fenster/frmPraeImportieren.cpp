#include "frmPraeImportieren.h"

#include "Bildorte.h"
#include "Dialogknoepfe.h"
#include "Ordnerauswahl.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmPraeImportieren::frmPraeImportieren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmPraeImportieren"));
    setWindowTitle(QStringLiteral("Präsentation importieren"));
    auto* fraNeu = new QGroupBox(QStringLiteral("Verzeichnis auswählen:"), this);
    fraNeu->setObjectName(QStringLiteral("fraNeu"));
    ordnerauswahl = new Ordnerauswahl(z, fraNeu);
    (new QVBoxLayout(fraNeu))->addWidget(ordnerauswahl);
    auto* inhalt = new QLabel(QStringLiteral("Verzeichnisinhalt:"), this);
    fllDateien = new QListWidget(this);
    fllDateien->setObjectName(QStringLiteral("fllDateien"));
    lblVerzeichnis = new QLabel(this);
    lblVerzeichnis->setObjectName(QStringLiteral("lblVerzeichnis"));
    lblVerzeichnis->setFrameShape(QFrame::StyledPanel);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(inhalt);
    rechts->addWidget(fllDateien, 1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(fraNeu, 3);
    oben->addLayout(rechts, 2);
    QHBoxLayout* knoepfe = DialogknoepfeAnlegen(this, cmdOK, cmdAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addWidget(lblVerzeichnis);
    layout->addLayout(knoepfe);
    resize(640, 440);

    connect(ordnerauswahl, &Ordnerauswahl::pfadGeaendert, this, [this](const QString& o) { ordnerZeigen(o); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("6_4.htm"));
    ordnerauswahl->pfadSetzen(QDir::homePath());
}

void frmPraeImportieren::ordnerZeigen(const QString& ordner)
{
    lblVerzeichnis->setText(ordner);
    fllDateien->clear();
    // Exactly the pictures the album import will take.
    fllDateien->addItems(Bilddateien(ordner));
}

void frmPraeImportieren::cmdOK_Click()
{
    m_ergebnis = PraesentationAustausch::Importieren(m_z, m_db, ordnerauswahl->pfad());
    if (!m_ergebnis.fehler.isEmpty())
        m_z.Meldung(m_ergebnis.fehler, Meldungen::Fehler, QStringLiteral("Präsentation importieren"));
    // An album made without its presentation is still the user's: the caller opens it.
    if (m_ergebnis.albumNummer.isEmpty())
        return;
    accept();
}
