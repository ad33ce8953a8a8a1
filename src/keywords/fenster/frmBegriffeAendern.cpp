#include "frmBegriffeAendern.h"

#include "Begriffsfeld.h"
#include "Begriffsliste.h"
#include "Begriffstabelle.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Twips.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

frmBegriffeAendern::frmBegriffeAendern(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QDialog(eltern)
    , z(zustand)
    , db(datenbank)
{
    setObjectName(QStringLiteral("frmBegriffeAendern"));
    setWindowTitle(QStringLiteral("Begriffe ändern"));
    auto* gitter = new QGridLayout(this);
    m_cboBegriffe = new Begriffsliste(QStringLiteral("cboBegriffe"), this);
    auto* waehlen = new QPushButton(QStringLiteral("Wählen"), this);
    waehlen->setObjectName(QStringLiteral("cmdWaehlen"));
    m_lblAendern = new QLabel(QStringLiteral("Begriff ändern:"), this);
    m_lblAendern->setObjectName(QStringLiteral("lblAendern"));
    m_txtBegriffAendern = new QLineEdit(this);
    m_txtBegriffAendern->setObjectName(QStringLiteral("txtBegriffAendern"));
    m_txtBegriffAendern->setMaxLength(Begriffsfeld::BegriffLaenge);
    auto* aendern = new QPushButton(QStringLiteral("Ändern"), this);
    aendern->setObjectName(QStringLiteral("cmdAendern"));
    auto* schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    schliessen->setObjectName(QStringLiteral("cmdSchlieessen"));
    // Enter belongs to the text box, not to a default button.
    for (QPushButton* k : { waehlen, aendern, schliessen })
        k->setAutoDefault(false);
    gitter->addWidget(new QLabel(QStringLiteral("Begriff auswählen:"), this), 0, 0);
    gitter->addWidget(m_cboBegriffe, 0, 1);
    gitter->addWidget(waehlen, 0, 2);
    gitter->addWidget(m_lblAendern, 1, 0);
    gitter->addWidget(m_txtBegriffAendern, 1, 1);
    gitter->addWidget(aendern, 1, 2);
    gitter->addWidget(schliessen, 2, 2);
    gitter->setColumnStretch(1, 1);

    connect(waehlen, &QPushButton::clicked, this, &frmBegriffeAendern::cmdWaehlen_Click);
    connect(aendern, &QPushButton::clicked, this, &frmBegriffeAendern::cmdAendern_Click);
    connect(m_txtBegriffAendern, &QLineEdit::returnPressed, this, &frmBegriffeAendern::cmdAendern_Click);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &frmBegriffeAendern::filterLoesen);
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("info_bilder.htm"));

    // 2500 twips below and 1980 to the right of the keyword window's corner,
    // but inside the main window (the keyword window lies at its lower edge)
    // and on the screen.
    if (eltern) {
        adjustSize();
        QPoint ort = eltern->mapToGlobal(QPoint(Twips::zuPixel(1980), Twips::zuPixel(2500)));
        QRect frei = eltern->window()->frameGeometry();
        if (const QScreen* schirm = eltern->screen())
            frei = frei.intersected(schirm->availableGeometry());
        ort.setX(std::max(frei.left(), std::min(ort.x(), frei.right() - frameGeometry().width())));
        ort.setY(std::max(frei.top(), std::min(ort.y(), frei.bottom() - frameGeometry().height())));
        move(ort);
    }
    ListeAuffuellen();
    m_lblAendern->hide();
    m_txtBegriffAendern->setEnabled(false);
}

frmBegriffeAendern::~frmBegriffeAendern()
{
    filterLoesen();
}

void frmBegriffeAendern::filterLoesen()
{
    // Nothing here filters the keywords; a filter some older path left is cleared all the same.
    try {
        if (db.rsBegriffe.IstOffen() && db.rsBegriffe.IstGefiltert())
            db.rsBegriffe.FilterEntfernen();
    } catch (const DatenbankFehler&) {
    }
}

void frmBegriffeAendern::ListeAuffuellen()
{
    m_cboBegriffe->fuellen(Begriffstabelle::Alphabetisch(db.rsBegriffe));
}

void frmBegriffeAendern::cmdWaehlen_Click()
{
    const qint64 nummer = m_cboBegriffe->gewaehlt();
    const QString text = nummer ? Begriffstabelle::TextVon(db.rsBegriffe, nummer) : QString();
    if (text.isEmpty())
        return;
    m_nummer = nummer;
    m_lblAendern->show();
    m_txtBegriffAendern->setEnabled(true);
    m_txtBegriffAendern->setText(text);
    m_txtBegriffAendern->setCursorPosition(0);
    m_txtBegriffAendern->setFocus();
}

void frmBegriffeAendern::cmdAendern_Click()
{
    const QString text = m_txtBegriffAendern->text();
    if (text.trimmed().isEmpty() || m_nummer == 0)
        return;
    try {
        Begriffstabelle::Umbenennen(db, m_nummer, text);
    } catch (const DatenbankFehler& f) {
        z.Meldung(f.text(), Meldungen::Fehler, QStringLiteral("Begriffe ändern"));
        return;
    }
    m_nummer = 0;
    m_txtBegriffAendern->clear();
    m_txtBegriffAendern->setEnabled(false);
    m_lblAendern->hide();
    z.ui().AlbenAnzeigeBegriffeAktualisieren();
    ListeAuffuellen();
    emit umbenannt();
    QApplication::beep();
}
