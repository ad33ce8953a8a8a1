#include "frmKonfBilderverzeichnis.h"

#include "Bilderverzeichnis.h"
#include "Ordnerauswahl.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmKonfBilderverzeichnis::frmKonfBilderverzeichnis(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
    , m_db(db)
    , m_alben(AlbenOrte(db))
{
    setObjectName(QStringLiteral("frmKonfBilderverzeichnis"));
    setWindowTitle(QStringLiteral("Bilderverzeichnis - Einstellungen"));
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("einstellungen.htm#bilderverzeichnis"));
    auto* label1 = new QLabel(QStringLiteral("Zu der aktuellen Datenbank gehört folgendes Bilderverzeichnis:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    txtBV = new QLineEdit(this);
    txtBV->setObjectName(QStringLiteral("txtBV"));
    lblOK = new QLabel(this);
    lblOK->setObjectName(QStringLiteral("lblOK"));
    cmdNeu = new QPushButton(QStringLiteral("Datei-Manager"), this);
    cmdNeu->setObjectName(QStringLiteral("cmdNeu"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));

    fraNeu = new QGroupBox(QStringLiteral("Neues Verzeichnis wählen:"), this);
    fraNeu->setObjectName(QStringLiteral("fraNeu"));
    ordnerauswahl = new Ordnerauswahl(z, fraNeu);
    (new QVBoxLayout(fraNeu))->addWidget(ordnerauswahl);
    // The folder picker stays hidden until "Datei-Manager" asks for it.
    fraNeu->hide();

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(lblOK, 1);
    zeile->addWidget(cmdNeu);
    zeile->addWidget(cmdOK);
    zeile->addWidget(cmdAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(txtBV);
    layout->addLayout(zeile);
    layout->addWidget(fraNeu, 1);
    resize(Twips::zuPixel(7000), sizeHint().height());

    connect(txtBV, &QLineEdit::textChanged, this, [this] { Pruefung(); });
    connect(ordnerauswahl, &Ordnerauswahl::pfadGeaendert, this, [this](const QString& ordner) {
        txtBV->setText(ordner);
        txtBV->setCursorPosition(0);
    });
    connect(cmdNeu, &QPushButton::clicked, this, [this] { cmdNeu_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    txtBV->setText(z.bilderverzeichnis);
    // A long path shows its beginning.
    txtBV->setCursorPosition(0);
    Pruefung();
}

void frmKonfBilderverzeichnis::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    m_aktiviert = true;
}

void frmKonfBilderverzeichnis::Pruefung()
{
    using namespace Einstellungspruefung;
    const Verzeichnis ergebnis = BilderverzeichnisPruefen(txtBV->text(), m_alben);
    lblOK->setText(PruefungsText(ergebnis));
    cmdOK->setEnabled(ergebnis != Verzeichnis::Unzulaessig);
    if (ergebnis == Verzeichnis::OK && m_aktiviert)
        QApplication::beep();
}

void frmKonfBilderverzeichnis::cmdNeu_Click()
{
    fraNeu->show();
    resize(width(), Twips::zuPixel(4590));
    ordnerauswahl->pfadSetzen(txtBV->text().trimmed().isEmpty() ? m_z.bilderverzeichnis : txtBV->text());
    cmdNeu->setEnabled(false);
}

void frmKonfBilderverzeichnis::cmdOK_Click()
{
    QString fehler;
    if (!BilderverzeichnisSpeichern(m_z, m_db, txtBV->text(), &fehler)) {
        m_z.Meldung(fehler, Meldungen::Fehler, QStringLiteral("Bilderverzeichnis"));
        return;
    }
    accept();
}
