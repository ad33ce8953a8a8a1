#include "Praesentationsdialoge.h"

#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* knoepfe(QDialog* dialog)
{
    auto* leiste = new QDialogButtonBox(dialog);
    auto* ok = leiste->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    leiste->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAbbrechen"));
    QObject::connect(leiste, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return leiste;
}

}  // namespace

Namensdialog::Namensdialog(const QString& name, const QString& titel, const QString& frage, const QString& vorgabe,
    Pruefung pruefung, QWidget* eltern)
    : QDialog(eltern)
    , m_pruefung(std::move(pruefung))
{
    setObjectName(name);
    setWindowTitle(titel);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(frage, this));
    m_txtName = new QLineEdit(vorgabe, this);
    m_txtName->setObjectName(QStringLiteral("txtNamePraesentation"));
    m_txtName->setMaxLength(50);  // the column's width
    spalte->addWidget(m_txtName);
    auto* leiste = knoepfe(this);
    connect(leiste, &QDialogButtonBox::accepted, this, &Namensdialog::cmdOK_Click);
    spalte->addWidget(leiste);
    setMinimumWidth(360);
}

void Namensdialog::cmdOK_Click()
{
    using E = Praesentationskatalog::Ergebnis;
    switch (m_pruefung(m_txtName->text())) {
    case E::Leer:
        m_txtName->setFocus();
        break;
    case E::Vorhanden:
        m_txtName->clear();
        m_txtName->setFocus();
        break;
    case E::Erledigt:
        accept();
        break;
    case E::Fehlgeschlagen:
        reject();  // the message named the file; nothing was changed
        break;
    }
}

Namensdialog* frmNeuePraesentation(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern)
{
    auto* dialog = new Namensdialog(
        QStringLiteral("frmNeuePraesentation"), QStringLiteral("Neue Präsentation"),
        QStringLiteral("Bitte den Namen für die neue Präsentation eingeben:"), QString(),
        [&z, &db](const QString& name) { return Praesentationskatalog::NeuePraesentation(z, db, name); }, eltern);
    mdlHilfe::HilfeTasteEinrichten(dialog, z, QStringLiteral("index_praesentationen.htm#neu"));
    return dialog;
}

Namensdialog* frmPraeUmbenennen(Programmzustand& z, Datenbankobjekte& db, QWidget* eltern)
{
    return new Namensdialog(
        QStringLiteral("frmPraeUmbenennen"),
        QStringLiteral("Präsentation '") + z.praesentationName + QStringLiteral("' umbenennen"),
        QStringLiteral("Bitte den neuen Namen für die Präsentation eingeben:"), z.praesentationName,
        [&z, &db](const QString& name) { return Praesentationskatalog::Umbenennen(z, db, name); }, eltern);
}

Praesentationswahl::Praesentationswahl(
    const QString& name, const QString& titel, const QStringList& namen, bool oeffnenBeiWahl, QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(name);
    setWindowTitle(titel);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(QStringLiteral("Bitte Präsentation auswählen:"), this));
    m_cbo = new QComboBox(this);
    m_cbo->setObjectName(QStringLiteral("cboPraesentationen"));
    m_cbo->addItems(namen);
    m_cbo->setCurrentIndex(namen.isEmpty() ? -1 : 0);
    spalte->addWidget(m_cbo);
    auto* leiste = knoepfe(this);
    connect(leiste, &QDialogButtonBox::accepted, this, &QDialog::accept);
    spalte->addWidget(leiste);
    setMinimumWidth(320);
    if (oeffnenBeiWahl) {
        m_timer1.setObjectName(QStringLiteral("Timer1"));
        m_timer1.setInterval(100);
        connect(m_cbo, &QComboBox::activated, this, [this] {
            if (m_cbo->hasFocus() || m_cbo->view()->isVisible())
                m_gewechselt = true;
        });
        connect(&m_timer1, &QTimer::timeout, this, [this] {
            if (m_gewechselt)
                accept();
        });
        m_timer1.start();
    }
}

QString Praesentationswahl::gewaehlt() const
{
    return m_cbo->currentText();
}
