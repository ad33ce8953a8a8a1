#include "frmPraeExportieren.h"

#include "Bildorte.h"
#include "DatenbankFehler.h"
#include "Dialogknoepfe.h"
#include "Ordnerauswahl.h"
#include "PraesentationAustausch.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Characters a folder name cannot hold are refused as they are typed.
class Namenspruefer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override
    {
        for (const QChar c : std::as_const(text)) {
            if (QStringLiteral("|\\/:*?\"<>").contains(c)) {
                QApplication::beep();
                return Invalid;
            }
        }
        return Acceptable;
    }
};

}  // namespace

frmPraeExportieren::frmPraeExportieren(Programmzustand& z, Datenbankobjekte& db, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmPraeExportieren"));
    setWindowTitle(QStringLiteral("Präsentation exportieren"));
    auto* fraNeu = new QGroupBox(QStringLiteral("Export-Verzeichnis auswählen:"), this);
    fraNeu->setObjectName(QStringLiteral("fraNeu"));
    ordnerauswahl = new Ordnerauswahl(z, fraNeu);
    (new QVBoxLayout(fraNeu))->addWidget(ordnerauswahl);
    lblVerzeichnis = new QLabel(this);
    lblVerzeichnis->setObjectName(QStringLiteral("lblVerzeichnis"));
    lblVerzeichnis->setFrameShape(QFrame::StyledPanel);
    chkVerzeichnisAnlegen
        = new QCheckBox(QStringLiteral("Präsentation in das folgende, neue Unterverzeichnis exportieren:"), this);
    chkVerzeichnisAnlegen->setObjectName(QStringLiteral("chkVerzeichnisAnlegen"));
    chkVerzeichnisAnlegen->setChecked(true);
    txtNeuesVerzeichnis = new QLineEdit(z.praesentationName, this);
    txtNeuesVerzeichnis->setObjectName(QStringLiteral("txtNeuesVerzeichnis"));
    txtNeuesVerzeichnis->setMaxLength(200);
    txtNeuesVerzeichnis->setValidator(new Namenspruefer(txtNeuesVerzeichnis));

    QHBoxLayout* knoepfe = DialogknoepfeAnlegen(this, cmdOK, cmdAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraNeu, 1);
    layout->addWidget(lblVerzeichnis);
    layout->addWidget(chkVerzeichnisAnlegen);
    layout->addWidget(txtNeuesVerzeichnis);
    layout->addLayout(knoepfe);
    resize(520, 480);

    connect(ordnerauswahl, &Ordnerauswahl::pfadGeaendert, lblVerzeichnis, &QLabel::setText);
    // An earlier export that was killed left hidden partial copies there.
    connect(ordnerauswahl, &Ordnerauswahl::pfadGeaendert, this,
        [](const QString& pfad) { PraesentationAustausch::ExportResteEntfernen(pfad); });
    connect(chkVerzeichnisAnlegen, &QCheckBox::toggled, this, [this](bool an) {
        txtNeuesVerzeichnis->setEnabled(an);
        txtNeuesVerzeichnis->setText(an ? m_z.praesentationName : QString());
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("6_4.htm"));
    ordnerauswahl->pfadSetzen(QDir::homePath());
}

void frmPraeExportieren::cmdOK_Click()
{
    using namespace PraesentationAustausch;
    const QString unterordner = chkVerzeichnisAnlegen->isChecked() ? txtNeuesVerzeichnis->text() : QString();
    const Exportziel ziel = ZielBestimmen(m_z, m_db, ordnerauswahl->pfad(), unterordner);
    if (!ziel.fehler.isEmpty()) {
        m_z.Meldung(ziel.fehler, Meldungen::Fehler, QStringLiteral("Präsentation exportieren"));
        return;
    }
    ExportResteEntfernen(ziel.ordner);
    if (!ziel.neu && OrdnerNichtLeer(ziel.ordner) && !NichtLeerBestaetigt(m_z, ziel.ordner))
        return;

    hide();
    QApplication::processEvents();
    QVector<Exportbild> bilder;
    try {
        bilder = ExportListe(m_z, m_db, m_z.praesentationTabelle);
    } catch (const DatenbankFehler& fehler) {
        m_z.Meldung(QStringLiteral("Die Präsentation %1 kann nicht gelesen werden.").arg(m_z.praesentationName)
                + QChar(13) + QChar(13) + fehler.text(),
            Meldungen::Fehler, QStringLiteral("Präsentation exportieren"));
        reject();
        return;
    }
    QProgressDialog fortschritt(QStringLiteral("Die Bilder werden exportiert …"), QStringLiteral("Abbrechen"), 0,
        static_cast<int>(bilder.size()), parentWidget());
    fortschritt.setObjectName(QStringLiteral("Exportfortschritt"));
    fortschritt.setWindowTitle(QStringLiteral("Präsentation exportieren"));
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Exportergebnis ergebnis
        = Exportieren(m_z, bilder, m_z.praesentationName, ziel.ordner, [&](int erledigt, int) {
              fortschritt.setValue(erledigt);
              QApplication::processEvents();
              return !fortschritt.wasCanceled();
          });
    QApplication::restoreOverrideCursor();
    fortschritt.close();
    m_exportiert = true;
    ErgebnisMelden(m_z, ergebnis);
    accept();
}
