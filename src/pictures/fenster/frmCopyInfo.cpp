#include "frmCopyInfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

frmCopyInfo::frmCopyInfo(const QString& art, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCopyInfo"));
    setWindowTitle(QStringLiteral("Kolvar"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The import lets events run while it works; no other command may start meanwhile.
    setWindowModality(Qt::ApplicationModal);
    auto* titel = new QLabel(QStringLiteral("Gleich geht es weiter!"), this);
    titel->setObjectName(QStringLiteral("lblTitel"));
    QFont schrift = titel->font();
    schrift.setBold(true);
    schrift.setPointSizeF(schrift.pointSizeF() * 1.3);
    titel->setFont(schrift);
    titel->setAlignment(Qt::AlignCenter);
    lblArt = new QLabel(art, this);
    lblArt->setObjectName(QStringLiteral("lblArt"));
    lblArt->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(titel);
    layout->addWidget(lblArt);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void frmCopyInfo::anzeigen()
{
    if (QWidget* haupt = parentWidget() ? parentWidget()->window() : nullptr)
        move(haupt->frameGeometry().center() - rect().center());
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
}
