#include "frmKonfAlben.h"

#include "Dialogknoepfe.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// The runs of blanks push the remark in parentheses to a line of its own.
const char* const AmOrt = "am ursprünglichen Speicherort belassen                 (nur bei der Übernahme vorhandener "
                          "Ordner möglich!)";

QRadioButton* knopf(QWidget* eltern, const QString& name, const QString& text, QButtonGroup* gruppe, int id)
{
    auto* k = new QRadioButton(text, eltern);
    k->setObjectName(name);
    gruppe->addButton(k, id);
    return k;
}

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& text, std::initializer_list<QWidget*> inhalt)
{
    auto* r = new QGroupBox(text, eltern);
    r->setObjectName(name);
    auto* layout = new QVBoxLayout(r);
    for (QWidget* w : inhalt) {
        w->setParent(r);
        layout->addWidget(w);
    }
    return r;
}

}  // namespace

frmKonfAlben::frmKonfAlben(Programmzustand& z, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
    , m_wahl(Einstellungspruefung::AlbenWahlLaden(z.einstellungen))
{
    setObjectName(QStringLiteral("frmKonfAlben"));
    setWindowTitle(QStringLiteral("Alben - Einstellungen"));
    m_ort = new QButtonGroup(this);
    m_ort->setExclusive(false);  // the stored value 1 selects neither button
    m_cd = new QButtonGroup(this);
    m_bilder = new QButtonGroup(this);

    const QString amOrt = QString::fromUtf8(AmOrt);
    optOrt[0] = knopf(this, QStringLiteral("optOrt0"),
        QStringLiteral("in das  Bilderverzeichnis kopiert bzw. verschoben (empfohlen)"), m_ort, 0);
    optOrt[1] = knopf(this, QStringLiteral("optOrt1"), amOrt, m_ort, 1);
    optCD[0] = knopf(this, QStringLiteral("optCD0"), QStringLiteral("in das  Bilderverzeichnis kopieren"), m_cd, 0);
    optCD[1] = knopf(this, QStringLiteral("optCD1"), amOrt, m_cd, 1);
    optOrt[2] = knopf(
        this, QStringLiteral("optOrt2"), QStringLiteral("in das  Bilderverzeichnis kopiert (empfohlen)"), m_bilder, 2);
    optOrt[3] = knopf(this, QStringLiteral("optOrt3"),
        QStringLiteral("in das  Bilderverzeichnis verschoben (ursprüngliche Dateien werden gelöscht!)"), m_bilder, 3);
    for (QRadioButton* k : { optOrt[1], optCD[1] }) {
        k->setText(k->text().replace(QRegularExpression(QStringLiteral(" {2,}\\(")), QStringLiteral("\n(")));
    }

    fraCD = rahmen(this, QStringLiteral("fraCD"), QStringLiteral("Bilder von einer CD-ROM:"), { optCD[0], optCD[1] });
    Frame1 = rahmen(this, QStringLiteral("Frame1"), QStringLiteral("Die Bilder von neuen Alben werden:"),
        { optOrt[0], optOrt[1], fraCD });
    auto* label1 = new QLabel(QStringLiteral("(Gilt nur für Alben, deren Bilder im Bilderverzeichnis liegen!)"));
    label1->setObjectName(QStringLiteral("Label1"));
    frmSpeicherOrt = rahmen(this, QStringLiteral("frmSpeicherOrt"), QStringLiteral("Neue Bilder werden:"),
        { optOrt[2], optOrt[3], label1 });

    chkAngaben = new QCheckBox(
        QStringLiteral("Begriffe und Bemerkungen aus den Bilddateien (IPTC, XMP) übernehmen"), this);
    chkAngaben->setObjectName(QStringLiteral("chkAngaben"));
    chkAngaben->setChecked(m_wahl.angaben);

    QHBoxLayout* knoepfe = DialogknoepfeAnlegen(this, cmdOK, cmdAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(frmSpeicherOrt);
    layout->addWidget(chkAngaben);
    layout->addLayout(knoepfe);

    wahlZeigen();
    connect(m_ort, &QButtonGroup::idClicked, this, [this](int id) { optOrt_Click(id); });
    connect(m_cd, &QButtonGroup::idClicked, this, [this](int id) { m_wahl.cd = id; });
    connect(m_bilder, &QButtonGroup::idClicked, this, [this](int id) { m_wahl.bilder = id; });
    connect(chkAngaben, &QCheckBox::toggled, this, [this](bool an) { m_wahl.angaben = an; });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("einstellungen.htm"));
}

void frmKonfAlben::wahlZeigen()
{
    for (int i = 0; i < 2; ++i) {
        optOrt[i]->setChecked(m_wahl.ort == i);
        optCD[i]->setChecked(m_wahl.cd == i);
        optCD[i]->setEnabled(!m_wahl.cdGesperrt);
    }
    fraCD->setEnabled(!m_wahl.cdGesperrt);
    optOrt[m_wahl.bilder]->setChecked(true);
}

void frmKonfAlben::optOrt_Click(int index)
{
    Einstellungspruefung::OrtGewaehlt(m_wahl, index, m_z.einstellungen);
    wahlZeigen();
}

void frmKonfAlben::cmdOK_Click()
{
    Einstellungspruefung::AlbenWahlUebernehmen(m_wahl, m_z.einstellungen);
    accept();
}
