#include "Dialogknoepfe.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* DialogknoepfeAnlegen(QDialog* dialog, QPushButton*& ok, QPushButton*& abbrechen)
{
    ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    zeile->addWidget(ok);
    zeile->addWidget(abbrechen);
    return zeile;
}
