#include "frmKonfBrowser.h"

#include "Dialogknoepfe.h"
#include "Einstellungspruefung.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& text)
{
    auto* r = new QGroupBox(text, eltern);
    r->setObjectName(name);
    new QVBoxLayout(r);
    return r;
}

QRadioButton* knopf(QGroupBox* rahmen, const QString& name, const QString& text, QButtonGroup* gruppe, int id)
{
    auto* k = new QRadioButton(text, rahmen);
    k->setObjectName(name);
    rahmen->layout()->addWidget(k);
    if (gruppe)
        gruppe->addButton(k, id);
    return k;
}

}  // namespace

frmKonfBrowser::frmKonfBrowser(Programmzustand& z, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
{
    using namespace Einstellungspruefung;
    setObjectName(QStringLiteral("frmKonfBrowser"));
    setWindowTitle(QStringLiteral("Browser - Einstellungen"));
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("einstellungen.htm#browser"));
    m_groesse = new QButtonGroup(this);
    m_zeilen = new QButtonGroup(this);
    QGroupBox* frame1 = rahmen(this, QStringLiteral("Frame1"), QStringLiteral("Größe der Vorschaubilder (Pixel)"));
    const QString groessen[] = { QStringLiteral("80 x 80 "), QStringLiteral("100 x 100"), QStringLiteral("120 x 120") };
    QGroupBox* frame2 = rahmen(this, QStringLiteral("Frame2"), QStringLiteral("Anzahl Zeilen"));
    for (int i = 0; i < 3; ++i) {
        optGroesse[i] = knopf(frame1, QStringLiteral("optGroesse%1").arg(i), groessen[i], m_groesse, i);
        optZeilen[i] = knopf(frame2, QStringLiteral("optZeilen%1").arg(i), QString::number(ZeilenWert(i)), m_zeilen, i);
    }
    optGroesse[GroesseIndex(z.einstellungen.GroesseVorschauBild)]->setChecked(true);
    optZeilen[ZeilenIndex(z.einstellungen.AnzahlBrowserZeilen)]->setChecked(true);

    auto* rahmenZeile = new QHBoxLayout;
    rahmenZeile->addWidget(frame1);
    rahmenZeile->addWidget(frame2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rahmenZeile);
    layout->addLayout(DialogknoepfeAnlegen(this, cmdOK, cmdAbbrechen));
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        m_z.einstellungen.GroesseVorschauBild = GroesseWert(m_groesse->checkedId());
        m_z.einstellungen.AnzahlBrowserZeilen = ZeilenWert(m_zeilen->checkedId());
        accept();
    });
}

frmKonfPraesentationen::frmKonfPraesentationen(Programmzustand& z, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
{
    setObjectName(QStringLiteral("frmKonfPraesentationen"));
    setWindowTitle(QStringLiteral("Präsentationen - Einstellungen"));
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("einstellungen.htm#praesentationen"));
    QGroupBox* frame1
        = rahmen(this, QStringLiteral("Frame1"), QStringLiteral("Die Bilder werden in den Präsentationen"));
    optBilderGroesse[0] = knopf(
        frame1, QStringLiteral("optBilderGroesse0"), QStringLiteral("so groß wie möglich angezeigt."), nullptr, 0);
    optBilderGroesse[1] = knopf(frame1, QStringLiteral("optBilderGroesse1"),
        QStringLiteral("nur  angepasst wenn sie zu groß sind."), nullptr, 1);
    QGroupBox* frame2 = rahmen(this, QStringLiteral("Frame2"), QStringLiteral("Maustasten"));
    // The run of blanks in the caption stands for its second line.
    chkTastenTausch
        = new QCheckBox(QStringLiteral("Maustasten vertauschen\n(Rechts -> vorwärts, Links -> rückwärts)"), frame2);
    chkTastenTausch->setObjectName(QStringLiteral("chkTastenTausch"));
    frame2->layout()->addWidget(chkTastenTausch);

    optBilderGroesse[z.einstellungen.blnPraeBilderAngleichen ? 0 : 1]->setChecked(true);
    chkTastenTausch->setChecked(z.einstellungen.blnTastenTausch);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addLayout(DialogknoepfeAnlegen(this, cmdOK, cmdAbbrechen));
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        m_z.einstellungen.blnPraeBilderAngleichen = optBilderGroesse[0]->isChecked();
        m_z.einstellungen.blnTastenTausch = chkTastenTausch->isChecked();
        accept();
    });
}
