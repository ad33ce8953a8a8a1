#include "frmInfos.h"

#include "Programmzustand.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmInfos::frmInfos(const Programmzustand& z, QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmInfos"));
    setWindowTitle(QStringLiteral("Über Kolvar"));

    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("imgInfo"));
    bild->setPixmap(QPixmap(QStringLiteral(":/bilder/info.png")));
    bild->setAlignment(Qt::AlignTop);

    auto* titel = new QLabel(QStringLiteral("<b style='font-size:16pt'>Kolvar</b>"), this);
    auto* lblName = new QLabel(QStringLiteral("Programmversion:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    auto* lblVersion = new QLabel(z.versionstext, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* hersteller = new QLabel(QStringLiteral("Ostrelan Software\nLindenweg 12\n79098 Freiburg im Breisgau"), this);
    hersteller->setObjectName(QStringLiteral("lblHersteller"));

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* raster = new QGridLayout(this);
    raster->addWidget(bild, 0, 0, 4, 1);
    raster->addWidget(titel, 0, 1, 1, 2);
    raster->addWidget(lblName, 1, 1);
    raster->addWidget(lblVersion, 1, 2);
    raster->addWidget(hersteller, 2, 1, 1, 2);
    raster->addWidget(cmdOK, 3, 2, Qt::AlignRight);
    raster->setColumnStretch(2, 1);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}
