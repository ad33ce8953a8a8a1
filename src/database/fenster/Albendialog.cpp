#include "Albendialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Albendialog::Albendialog(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : QDialog(eltern), z(zustand), db(datenbank)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void Albendialog::aufbauen(const QString& aufforderung, QWidget* eingabe, const QString& hinweis)
{
    auto* spalte = new QVBoxLayout(this);
    auto* text = new QLabel(aufforderung, this);
    text->setObjectName(QStringLiteral("lblAufforderung"));
    text->setBuddy(eingabe);
    spalte->addWidget(text);
    spalte->addWidget(eingabe);
    if (!hinweis.isEmpty()) {
        auto* notiz = new QLabel(hinweis, this);
        notiz->setObjectName(QStringLiteral("lblHinweis"));
        notiz->setWordWrap(true);
        spalte->addWidget(notiz);
    }
    spalte->addSpacing(6);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_cmdOK);
    knoepfe->addWidget(m_cmdAbbrechen);
    spalte->addLayout(knoepfe);
    setMinimumWidth(360);
    eingabe->setFocus();
}
