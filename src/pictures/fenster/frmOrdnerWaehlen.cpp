#include "frmOrdnerWaehlen.h"

#include "Bildorte.h"
#include "Programmzustand.h"
#include "mdlHilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr int RollePfad = Qt::UserRole;
constexpr int RolleGeladen = Qt::UserRole + 1;

const char* const Hinweis = "Bitte alle Ordner mit einem Häkchen markieren (                             ), die als "
                            "Alben übernommen werden sollen:";

} // namespace

frmOrdnerWaehlen::frmOrdnerWaehlen(const Programmzustand& z, QWidget* parent)
    : QDialog(parent)
    , m_z(z)
{
    setObjectName(QStringLiteral("frmOrdnerWaehlen"));
    setWindowTitle(QStringLiteral("Album hinzufügen"));
    mdlHilfe::HilfeTasteEinrichten(this, z, QStringLiteral("alben.htm#ordner"));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    const QVector<Laufwerk> laufwerke = z.laufwerksliste ? z.laufwerksliste->laufwerke() : QVector<Laufwerk>();
    for (const Laufwerk& l : laufwerke) {
        const QString text = l.name.isEmpty() ? l.wurzel : l.wurzel + QStringLiteral("  [") + l.name + QLatin1Char(']');
        Drive1->addItem(text, Pfade::ordner(l.wurzel));
    }
    // Start on the volume of the user's own folders, as the program started on the system drive.
    const Laufwerk heim = LaufwerkDesPfads(laufwerke, QDir::homePath());
    const int start = Drive1->findData(Pfade::ordner(heim.wurzel));
    if (start >= 0)
        Drive1->setCurrentIndex(start);

    trvOrdner = new QTreeWidget(this);
    trvOrdner->setObjectName(QStringLiteral("trvOrdner"));
    trvOrdner->setHeaderHidden(true);
    trvOrdner->setColumnCount(1);
    trvOrdner->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    trvOrdner->header()->setStretchLastSection(false);
    trvOrdner->viewport()->installEventFilter(this);

    cmdUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    cmdUebernehmen->setObjectName(QStringLiteral("cmdUebernehmen"));
    cmdSchliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdUebernehmen);
    knoepfe->addWidget(cmdSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hinweisMitHaekchen());
    layout->addWidget(Drive1);
    layout->addWidget(trvOrdner, 1);
    layout->addLayout(knoepfe);
    resize(680, 460);

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(trvOrdner, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* knoten) {
        if (knoten->parent())
            knoten->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
        PlusMinusTreeV(knoten);
    });
    connect(trvOrdner, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* knoten) {
        if (knoten->parent())
            knoten->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
    connect(
        trvOrdner, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* knoten) { trvOrdner_NodeClick(knoten); });
    connect(cmdUebernehmen, &QPushButton::clicked, this, [this] { cmdUebernehmen_Click(); });
    connect(cmdSchliessen, &QPushButton::clicked, this, &QDialog::reject);

    Drive1_Change();
    heimordnerZeigen();
}

void frmOrdnerWaehlen::heimordnerZeigen()
{
    // The pictures of most users lie below their home folder: the tree opens
    // there, the way up and the other volumes stay one click away.
    QTreeWidgetItem* heim = knoten(QDir::homePath());
    if (!heim || !heim->parent())
        return;
    for (QTreeWidgetItem* weg = heim->parent(); weg; weg = weg->parent())
        weg->setExpanded(true);
    heim->setExpanded(true);
    trvOrdner->setCurrentItem(heim);
    trvOrdner->scrollToItem(heim, QAbstractItemView::PositionAtTop);
}

QLabel* frmOrdnerWaehlen::hinweisMitHaekchen()
{
    auto* text = new QLabel(QString::fromUtf8(Hinweis), this);
    text->setObjectName(QStringLiteral("lblHinweis"));
    // The gap in the text shows what a ticked box looks like.
    QStyleOptionButton option;
    option.state = QStyle::State_On | QStyle::State_Enabled;
    const int kante = style()->pixelMetric(QStyle::PM_IndicatorWidth);
    option.rect = QRect(0, 0, kante, kante);
    QPixmap bild(kante, kante);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &maler, this);
    maler.end();
    auto* haken = new QLabel(text);
    haken->setPixmap(bild);
    const QFontMetrics masse(text->font());
    const QString vorher = QString::fromUtf8(Hinweis).section(QLatin1Char('('), 0, 0) + QLatin1Char('(');
    const int luecke = masse.horizontalAdvance(QStringLiteral("                             "));
    const int links = masse.horizontalAdvance(vorher) + (luecke - kante) / 2;
    haken->move(links + text->contentsMargins().left(), std::max(0, (masse.height() - kante) / 2));
    text->setMinimumHeight(std::max(masse.height(), kante));
    return text;
}

QString frmOrdnerWaehlen::pfadVon(const QTreeWidgetItem* knoten)
{
    return knoten ? knoten->data(0, RollePfad).toString() : QString();
}

void frmOrdnerWaehlen::Drive1_Change()
{
    trvOrdner->clear();
    const QString wurzel = Drive1->currentData().toString();
    const QDir verzeichnis(wurzel);
    // A drive that does not answer leaves the tree empty.
    if (wurzel.isEmpty() || !verzeichnis.exists() || !verzeichnis.isReadable())
        return;
    auto* knoten = new QTreeWidgetItem(trvOrdner, { wurzel });
    knoten->setData(0, RollePfad, wurzel);
    knoten->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    PlusMinusTreeV(knoten);
    knoten->setExpanded(true);
}

void frmOrdnerWaehlen::ExpandTreeV(QTreeWidgetItem* knoten, bool anzeigen)
{
    if (knoten->data(0, RolleGeladen).toBool())
        return;
    knoten->setData(0, RolleGeladen, true);
    const QString pfad = Pfade::ordner(pfadVon(knoten));
    // Links are not followed: a link to a folder above would make the tree endless.
    const QFileInfoList ordner
        = QDir(pfad).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : ordner) {
        auto* kind = new QTreeWidgetItem(knoten, { info.fileName() });
        kind->setData(0, RollePfad, pfad + info.fileName());
        kind->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
        kind->setFlags(kind->flags() | Qt::ItemIsUserCheckable);
        kind->setCheckState(0, Qt::Unchecked);
    }
    if (anzeigen && knoten->childCount() > 0 && knoten->isExpanded())
        trvOrdner->scrollToItem(knoten->child(knoten->childCount() - 1));
}

void frmOrdnerWaehlen::PlusMinusTreeV(QTreeWidgetItem* knoten)
{
    ExpandTreeV(knoten, true);
    // New nodes start collapsed; loading their children gives them their expand sign.
    for (int i = 0; i < knoten->childCount(); ++i)
        ExpandTreeV(knoten->child(i), false);
}

void frmOrdnerWaehlen::trvOrdner_NodeClick(QTreeWidgetItem* knoten)
{
    // A click on the check box only ticks; a click on the name opens or closes.
    const bool nurHaken = knoten == m_gedrueckt && m_hakenVorher != knoten->checkState(0);
    m_gedrueckt = nullptr;
    if (nurHaken)
        return;
    if (knoten->childCount() > 0)
        knoten->setExpanded(!knoten->isExpanded());
    else
        ExpandTreeV(knoten, true);
    PlusMinusTreeV(knoten);
}

bool frmOrdnerWaehlen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == trvOrdner->viewport() && ereignis->type() == QEvent::MouseButtonPress) {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        m_gedrueckt = trvOrdner->itemAt(maus->position().toPoint());
        m_hakenVorher = m_gedrueckt ? m_gedrueckt->checkState(0) : -1;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

QTreeWidgetItem* frmOrdnerWaehlen::knoten(const QString& pfad)
{
    if (trvOrdner->topLevelItemCount() == 0)
        return nullptr;
    QTreeWidgetItem* aktuell = trvOrdner->topLevelItem(0);
    const QString wurzel = Pfade::ordner(pfadVon(aktuell));
    const QString ziel = Pfade::ordner(pfad);
    if (!ziel.startsWith(wurzel))
        return nullptr;
    const QStringList teile = ziel.mid(wurzel.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& teil : teile) {
        ExpandTreeV(aktuell, false);
        QTreeWidgetItem* naechster = nullptr;
        for (int i = 0; i < aktuell->childCount() && !naechster; ++i) {
            if (aktuell->child(i)->text(0) == teil)
                naechster = aktuell->child(i);
        }
        if (!naechster)
            return nullptr;
        aktuell = naechster;
    }
    return aktuell;
}

void frmOrdnerWaehlen::cmdUebernehmen_Click()
{
    m_ausgewaehlt.clear();
    // Depth-first from the first root: a folder before its subfolders. The
    // root is the bare drive and never an album.
    std::function<void(QTreeWidgetItem*)> sammeln = [&](QTreeWidgetItem* knoten) {
        if (knoten->parent() && knoten->checkState(0) == Qt::Checked)
            m_ausgewaehlt << Pfade::ordner(pfadVon(knoten));
        for (int i = 0; i < knoten->childCount(); ++i)
            sammeln(knoten->child(i));
    };
    for (int i = 0; i < trvOrdner->topLevelItemCount(); ++i)
        sammeln(trvOrdner->topLevelItem(i));
    if (m_ausgewaehlt.isEmpty()) {
        const QChar cr(13);
        m_z.Meldung(QStringLiteral("Sie haben keinen Ordner ausgewählt!") + cr + cr
                + QStringLiteral(
                    "Ordner, die übernommen werden sollen, müssen mit einem Häkchen gekennzeichnet werden!"),
            Meldungen::Information, QStringLiteral("Kein Ordner gewählt!"));
        // The user ticks a folder now, or closes the dialog.
        return;
    }
    accept();
}
