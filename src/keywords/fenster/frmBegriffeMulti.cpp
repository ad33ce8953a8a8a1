#include "frmBegriffeMulti.h"

#include "Begriffsfeld.h"
#include "Begriffsliste.h"
#include "Begriffstabelle.h"
#include "Bildbegriffe.h"
#include "DatenbankFehler.h"
#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "Recordset.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace {

QPushButton* knopf(const QString& name, const QString& text, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setAutoDefault(false);
    return k;
}

}  // namespace

frmBegriffeMulti::frmBegriffeMulti(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QDialog(eltern)
    , z(zustand)
    , db(datenbank)
{
    setObjectName(QStringLiteral("frmBegriffeMulti"));
    setWindowTitle(QStringLiteral("Eigenschaften der markierten Bildern ändern"));
    auto* gitter = new QGridLayout(this);
    m_txtNeuerBegriff = new QLineEdit(this);
    m_txtNeuerBegriff->setObjectName(QStringLiteral("txtNeuerBegriff"));
    m_txtNeuerBegriff->setMaxLength(Begriffsfeld::BegriffLaenge);
    auto* neu = knopf(QStringLiteral("cmdBestaetigungNeu"), QStringLiteral("Hinzufügen"), this);
    m_lblComboBox = new QLabel(QStringLiteral("Vorhandenen Begriff hinzufügen:"), this);
    m_lblComboBox->setObjectName(QStringLiteral("lblComboBox"));
    m_cboBegriffe = new Begriffsliste(QStringLiteral("cboBegriffe"), this);
    m_cmdBestaetigungVorhanden = knopf(QStringLiteral("cmdBestaetigungVorhanden"), QStringLiteral("Hinzufügen"), this);
    m_cmdUmschalten = knopf(QStringLiteral("cmdUmschalten"), QStringLiteral("Umschalten: hinzufügen -> löschen"), this);
    m_txtBilddatum = new QLineEdit(this);
    m_txtBilddatum->setObjectName(QStringLiteral("txtBilddatum"));
    m_txtBilddatum->setReadOnly(true);
    m_cmdDatum = knopf(QStringLiteral("cmdDatum"), QStringLiteral("Neues Datum"), this);
    m_movBildDatum = new QCalendarWidget(this);
    m_movBildDatum->setObjectName(QStringLiteral("movBildDatum"));
    m_movBildDatum->setGridVisible(true);
    m_movBildDatum->hide();
    auto* schliessen = knopf(QStringLiteral("cmdSchliessen"), QStringLiteral("Schliessen"), this);

    gitter->addWidget(new QLabel(QStringLiteral("Neuen Begriff hinzufügen:"), this), 0, 0);
    gitter->addWidget(m_txtNeuerBegriff, 0, 1);
    gitter->addWidget(neu, 0, 2);
    gitter->addWidget(m_lblComboBox, 1, 0);
    gitter->addWidget(m_cboBegriffe, 1, 1);
    gitter->addWidget(m_cmdBestaetigungVorhanden, 1, 2);
    gitter->addWidget(m_cmdUmschalten, 2, 1, 1, 2, Qt::AlignRight);
    gitter->addWidget(new QLabel(QStringLiteral("Datum:"), this), 3, 0);
    gitter->addWidget(m_txtBilddatum, 3, 1);
    gitter->addWidget(m_cmdDatum, 3, 2);
    gitter->addWidget(m_movBildDatum, 4, 1, 1, 2);
    gitter->addWidget(schliessen, 5, 2);
    gitter->setColumnStretch(1, 1);
    gitter->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_txtNeuerBegriff, &QLineEdit::returnPressed, this, &frmBegriffeMulti::NeuenBegriffEinfuegen);
    connect(neu, &QPushButton::clicked, this, &frmBegriffeMulti::NeuenBegriffEinfuegen);
    connect(m_cmdBestaetigungVorhanden, &QPushButton::clicked, this, &frmBegriffeMulti::cmdBestaetigungVorhanden_Click);
    connect(m_cmdUmschalten, &QPushButton::clicked, this, &frmBegriffeMulti::cmdUmschalten_Click);
    connect(m_cmdDatum, &QPushButton::clicked, this, &frmBegriffeMulti::cmdDatum_Click);
    connect(m_movBildDatum, &QCalendarWidget::clicked, this, &frmBegriffeMulti::movBildDatum_Gewaehlt);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("info_bilder.htm"));
    ListeAuffuellen();
}

void frmBegriffeMulti::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    m_movBildDatum->setSelectedDate(QDate::currentDate());
}

void frmBegriffeMulti::ListeAuffuellen()
{
    m_cboBegriffe->fuellen(Begriffstabelle::Alphabetisch(db.rsBegriffe));
}

QVector<int> frmBegriffeMulti::markiertePositionen() const
{
    QVector<int> positionen;
    const int anzahl = db.rsAlbum.IstOffen() ? db.rsAlbum.RecordCount() : 0;
    for (int i = 1; i <= anzahl; ++i) {
        if (z.ui().BildMarkiert(i))
            positionen.append(i);
    }
    return positionen;
}

void frmBegriffeMulti::stapel(const std::function<void(const QVector<int>&)>& schritt)
{
    z.ui().AlbenAnzeigeBemerkungSichern();
    try {
        schritt(markiertePositionen());
    } catch (const DatenbankFehler& f) {
        z.ui().AlbenAnzeigeBildAnzeigen();
        z.Meldung(f.text(), Meldungen::Fehler, QStringLiteral("Eigenschaften der markierten Bilder"));
        return;
    }
    z.ui().AlbenAnzeigeBildAnzeigen();
    QApplication::beep();
}

qint64 frmBegriffeMulti::NeuenDatensatzEinfuegen(const QString& text)
{
    try {
        const qint64 nummer = Begriffstabelle::NeuenDatensatzEinfuegen(db, text);
        ListeAuffuellen();
        return nummer;
    } catch (const DatenbankFehler& f) {
        z.Meldung(f.text(), Meldungen::Fehler, QStringLiteral("Eigenschaften der markierten Bilder"));
        return 0;
    }
}

void frmBegriffeMulti::NeuenBegriffEinfuegen()
{
    const QString text = m_txtNeuerBegriff->text();
    if (text.trimmed().isEmpty())
        return;
    qint64 nummer = Begriffstabelle::NummerVon(db.rsBegriffe, text);
    if (nummer == 0)
        nummer = NeuenDatensatzEinfuegen(text);
    if (nummer == 0)
        return;
    // Always adds, whatever the mode; the text stays in the box.
    stapel([&](const QVector<int>& p) { Bildbegriffe::MarkiertenHinzufuegen(z, db, p, nummer); });
}

void frmBegriffeMulti::cmdBestaetigungVorhanden_Click()
{
    const qint64 nummer = m_cboBegriffe->gewaehlt();
    if (nummer == 0 || Begriffstabelle::TextVon(db.rsBegriffe, nummer).isEmpty())
        return;
    if (m_loeschen)
        stapel([&](const QVector<int>& p) { Bildbegriffe::MarkiertenEntfernen(z, db, p, nummer); });
    else
        stapel([&](const QVector<int>& p) { Bildbegriffe::MarkiertenHinzufuegen(z, db, p, nummer); });
}

void frmBegriffeMulti::cmdUmschalten_Click()
{
    m_loeschen = !m_loeschen;
    m_cmdBestaetigungVorhanden->setText(m_loeschen ? QStringLiteral("Löschen") : QStringLiteral("Hinzufügen"));
    m_lblComboBox->setText(
        m_loeschen ? QStringLiteral("Begriff löschen:") : QStringLiteral("Vorhandenen Begriff hinzufügen:"));
    m_lblComboBox->setStyleSheet(m_loeschen ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
    m_cmdUmschalten->setText(m_loeschen ? QStringLiteral("Umschalten: löschen -> hinzufügen")
                                        : QStringLiteral("Umschalten: hinzufügen -> löschen"));
    ListeAuffuellen();
}

void frmBegriffeMulti::cmdDatum_Click()
{
    const bool zeigen = m_movBildDatum->isHidden();
    m_movBildDatum->setVisible(zeigen);
    m_cmdDatum->setText(zeigen ? QStringLiteral("Schließen") : QStringLiteral("Neues Datum"));
}

void frmBegriffeMulti::movBildDatum_Gewaehlt(const QDate& datum)
{
    if (!datum.isValid())
        return;
    m_txtBilddatum->setText(DatumText(datum));
    stapel([&](const QVector<int>& p) { Bildbegriffe::MarkiertenDatumSetzen(z, db, p, datum); });
}
