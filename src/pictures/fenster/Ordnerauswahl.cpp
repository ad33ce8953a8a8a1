#include "Ordnerauswahl.h"

#include "Bildorte.h"
#include "Programmzustand.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

Ordnerauswahl::Ordnerauswahl(const Programmzustand& z, QWidget* parent)
    : QWidget(parent)
    , m_z(z)
{
    drvLaufwerk = new QComboBox(this);
    drvLaufwerk->setObjectName(QStringLiteral("drvLaufwerk"));
    const QVector<Laufwerk> laufwerke = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    for (const Laufwerk& l : laufwerke) {
        const QString text = l.name.isEmpty() ? l.wurzel : l.wurzel + QStringLiteral("  [") + l.name + QLatin1Char(']');
        drvLaufwerk->addItem(text, Pfade::ordner(l.wurzel));
    }

    m_modell = new QFileSystemModel(this);
    m_modell->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modell->setReadOnly(true);
    dirVerzeichnisse = new QTreeView(this);
    dirVerzeichnisse->setObjectName(QStringLiteral("dirVerzeichnisse"));
    dirVerzeichnisse->setModel(m_modell);
    dirVerzeichnisse->setHeaderHidden(true);
    for (int spalte = 1; spalte < m_modell->columnCount(); ++spalte)
        dirVerzeichnisse->hideColumn(spalte);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drvLaufwerk);
    layout->addWidget(dirVerzeichnisse, 1);

    connect(drvLaufwerk, &QComboBox::currentIndexChanged, this, [this] { drvLaufwerk_Change(); });
    // The model reads folders in the background: the chosen one is shown once its way is read.
    connect(m_modell, &QFileSystemModel::directoryLoaded, this, [this](const QString& geladen) {
        if (m_pfad.startsWith(Pfade::ordner(geladen)))
            ordnerZeigen();
    });
    connect(dirVerzeichnisse, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        m_pfad = Pfade::ordner(m_modell->filePath(index));
        emit pfadGeaendert(m_pfad);
    });
}

int Ordnerauswahl::laufwerkIndex(const QString& ordner) const
{
    const QVector<Laufwerk> laufwerke = m_z.laufwerksliste ? m_z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    const Laufwerk l = LaufwerkDesPfads(laufwerke, ordner);
    return l.wurzel.isEmpty() ? -1 : drvLaufwerk->findData(Pfade::ordner(l.wurzel));
}

void Ordnerauswahl::laufwerkZeigen(const QString& wurzel)
{
    dirVerzeichnisse->setRootIndex(m_modell->setRootPath(wurzel));
}

void Ordnerauswahl::pfadSetzen(const QString& ordner)
{
    m_pfad = Pfade::ordner(ordner);
    const int index = laufwerkIndex(m_pfad);
    {
        const QSignalBlocker sperre(drvLaufwerk);
        drvLaufwerk->setCurrentIndex(index);
    }
    m_laufwerkVorher = index;
    if (index >= 0)
        laufwerkZeigen(drvLaufwerk->currentData().toString());
    ordnerZeigen();
    emit pfadGeaendert(m_pfad);
}

void Ordnerauswahl::ordnerZeigen()
{
    const QModelIndex ziel = m_modell->index(Pfade::ohneSchraegstrich(m_pfad));
    if (!ziel.isValid())
        return;
    for (QModelIndex weg = ziel.parent(); weg.isValid(); weg = weg.parent())
        dirVerzeichnisse->expand(weg);
    dirVerzeichnisse->setCurrentIndex(ziel);
    dirVerzeichnisse->scrollTo(ziel, QAbstractItemView::PositionAtCenter);
}

void Ordnerauswahl::drvLaufwerk_Change()
{
    const QString wurzel = drvLaufwerk->currentData().toString();
    const QDir verzeichnis(wurzel);
    if (wurzel.isEmpty() || !verzeichnis.exists() || !verzeichnis.isReadable()) {
        m_z.Meldung(QStringLiteral("Laufwerk nicht bereit!"));
        const QSignalBlocker sperre(drvLaufwerk);
        drvLaufwerk->setCurrentIndex(m_laufwerkVorher);
        return;
    }
    m_laufwerkVorher = drvLaufwerk->currentIndex();
    laufwerkZeigen(wurzel);
    m_pfad = wurzel;
    emit pfadGeaendert(m_pfad);
}
