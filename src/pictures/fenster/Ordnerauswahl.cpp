#include "Ordnerauswahl.h"

#include "Bildorte.h"
#include "Programmzustand.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// A tree that tells the user's own moves from the program's: every press,
// key or wheel turn counts as touching it, and a folder becomes current
// through the user only while such an input is handled.
class Ordnerbaum : public QTreeView {
public:
    Ordnerbaum(std::function<void()> angefasst, std::function<void(const QModelIndex&)> gewaehlt, QWidget* eltern)
        : QTreeView(eltern)
        , m_angefasst(std::move(angefasst))
        , m_gewaehlt(std::move(gewaehlt))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { vomNutzer([&] { QTreeView::mousePressEvent(e); }); }
    void mouseMoveEvent(QMouseEvent* e) override { vomNutzer([&] { QTreeView::mouseMoveEvent(e); }); }
    void mouseReleaseEvent(QMouseEvent* e) override { vomNutzer([&] { QTreeView::mouseReleaseEvent(e); }); }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        vomNutzer([&] { QTreeView::mouseDoubleClickEvent(e); });
    }
    void keyPressEvent(QKeyEvent* e) override { vomNutzer([&] { QTreeView::keyPressEvent(e); }); }
    void wheelEvent(QWheelEvent* e) override { vomNutzer([&] { QTreeView::wheelEvent(e); }); }
    void currentChanged(const QModelIndex& jetzt, const QModelIndex& vorher) override
    {
        QTreeView::currentChanged(jetzt, vorher);
        if (m_eingabe && jetzt.isValid())
            m_gewaehlt(jetzt);
    }

private:
    template <class F> void vomNutzer(F&& behandeln)
    {
        m_angefasst();
        m_eingabe = true;
        behandeln();
        m_eingabe = false;
    }

    std::function<void()> m_angefasst;
    std::function<void(const QModelIndex&)> m_gewaehlt;
    bool m_eingabe = false;
};

}  // namespace

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
    dirVerzeichnisse = new Ordnerbaum([this] { angefasst(); },
        [this](const QModelIndex& index) { gewaehlt(m_modell->filePath(index)); }, this);
    dirVerzeichnisse->setObjectName(QStringLiteral("dirVerzeichnisse"));
    dirVerzeichnisse->setModel(m_modell);
    dirVerzeichnisse->setHeaderHidden(true);
    for (int spalte = 1; spalte < m_modell->columnCount(); ++spalte)
        dirVerzeichnisse->hideColumn(spalte);
    connect(dirVerzeichnisse->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { angefasst(); });
    connect(dirVerzeichnisse->verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] { angefasst(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drvLaufwerk);
    layout->addWidget(dirVerzeichnisse, 1);

    connect(drvLaufwerk, &QComboBox::currentIndexChanged, this, [this] { drvLaufwerk_Change(); });
    m_zentrieren.setSingleShot(true);
    m_zentrieren.setInterval(150);
    connect(&m_zentrieren, &QTimer::timeout, this, &Ordnerauswahl::vorgabeZentrieren);
    // Each folder on the way, once read, opens the next; the centring waits for the last.
    connect(m_modell, &QFileSystemModel::directoryLoaded, this, [this](const QString& geladen) {
        if (m_vorgabeOffen && m_pfad.startsWith(Pfade::ordner(geladen))) {
            wegOeffnen();
            m_zentrieren.start();
        }
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
    m_vorgabeOffen = true;
    wegOeffnen();
    m_zentrieren.start();
    emit pfadGeaendert(m_pfad);
}

void Ordnerauswahl::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_vorgabeOffen)
        m_zentrieren.start();
}

void Ordnerauswahl::wegOeffnen()
{
    const QModelIndex ziel = m_modell->index(Pfade::ohneSchraegstrich(m_pfad));
    for (QModelIndex weg = ziel.parent(); weg.isValid(); weg = weg.parent())
        dirVerzeichnisse->expand(weg);
}

void Ordnerauswahl::vorgabeZentrieren()
{
    const QModelIndex ziel = m_modell->index(Pfade::ohneSchraegstrich(m_pfad));
    // A hidden tree does not know its height yet: it centres when shown.
    if (!m_vorgabeOffen || !ziel.isValid() || !dirVerzeichnisse->isVisible())
        return;
    m_vorgabeOffen = false;
    wegOeffnen();
    dirVerzeichnisse->setCurrentIndex(ziel);
    dirVerzeichnisse->scrollTo(ziel, QAbstractItemView::PositionAtCenter);
}

void Ordnerauswahl::angefasst()
{
    m_vorgabeOffen = false;
    m_zentrieren.stop();
}

void Ordnerauswahl::gewaehlt(const QString& ordner)
{
    m_pfad = Pfade::ordner(ordner);
    emit pfadGeaendert(m_pfad);
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
    angefasst();
    m_laufwerkVorher = drvLaufwerk->currentIndex();
    laufwerkZeigen(wurzel);
    // The volume itself is chosen: no folder of it is highlighted.
    dirVerzeichnisse->setCurrentIndex(QModelIndex());
    dirVerzeichnisse->clearSelection();
    gewaehlt(wurzel);
}
